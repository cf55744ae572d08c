#pragma once
// What the layer knows of one table: its fields in column order (the order
// writers that fill by position rely on), their types (Byte, Integer, Long,
// Single, Double, Boolean, Text(n)) read from the declared SQL types, and
// its named indexes.
//
// Index names are per table, as the program names them. SQLite's are per file, so the index
// "IDNdx" of tblStat0 is stored as "tblStat0_IDNdx"; an index stored under a
// bare name is found by that name too.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/jet/Value.h"

namespace jet {

// Most fields a table may have. A stat table's value fields are numbered by
// a Byte, so no table the program reads has more than 255 fields and the
// row id and Year beside them; the program's own have at most 20. A wider
// table is refused when the file is opened.
constexpr int kMaxFields = 257;

enum class FieldType : uint8_t {
  kVariant,  // no declared type the layer knows: stored as given
  kBoolean,  // stored 1 / 0
  kByte,     // 0..255
  kInteger,  // 16-bit
  kLong,     // 32-bit
  kSingle,   // stored as the double nearest the float value
  kDouble,
  kText,  // with a size in characters
  kMemo,  // text without a size
};

struct FieldInfo {
  std::string name;
  FieldType type = FieldType::kVariant;
  int32_t size = 0;          // characters, for kText
  bool autoNumber = false;   // the INTEGER PRIMARY KEY (the row id); never written by callers
  std::string declaredType;  // as in the schema
};

struct IndexInfo {
  std::string name;        // the per-table name callers select ("PlayerIDWeekYearNdx")
  std::string storedName;  // the SQLite index name
  std::vector<int> columns;
  bool unique = false;
};

struct TableInfo {
  std::string name;  // as stored in the schema
  std::vector<FieldInfo> fields;
  std::vector<IndexInfo> indexes;
  int autoNumberColumn = -1;

  // Column position of a field, case-insensitive; -1 when there is none.
  int FieldIndex(std::string_view field) const;
  const IndexInfo* FindIndex(std::string_view index) const;

  std::unordered_map<std::string, int> byLowerName;
};

// Maps a declared SQL type ("LONG", "TEXT(50)", "DOUBLE" ...) to a field type and size.
FieldInfo ParseDeclaredType(std::string_view declared);

// The value as the field stores it: whole-number types round half to even
// and must fit their range, Singles are narrowed to float precision, text
// must fit the field's size. Throws JetError when the value does not fit.
Value CoerceToField(const FieldInfo& field, const Value& value);

// Text as a double-quoted SQL identifier ("Table" -> "\"Table\"").
std::string QuoteIdentifier(std::string_view name);

}  // namespace jet
