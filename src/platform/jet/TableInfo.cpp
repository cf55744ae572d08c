#include "platform/jet/TableInfo.h"

#include <cfloat>
#include <cmath>

#include "platform/jet/JetError.h"
#include "platform/runtime/Rounding.h"
#include "platform/runtime/Text.h"

namespace jet {

int TableInfo::FieldIndex(std::string_view field) const {
  auto it = byLowerName.find(runtime::LCase(field));
  return it == byLowerName.end() ? -1 : it->second;
}

const IndexInfo* TableInfo::FindIndex(std::string_view index) const {
  for (const IndexInfo& info : indexes) {
    if (runtime::EqualsNoCase(info.name, index)) return &info;
  }
  return nullptr;
}

FieldInfo ParseDeclaredType(std::string_view declared) {
  FieldInfo info;
  info.declaredType = std::string(declared);
  std::string upper = runtime::UCase(runtime::Trim(declared));
  std::string base = upper;
  int32_t size = 0;
  std::size_t paren = upper.find('(');
  if (paren != std::string::npos) {
    base = runtime::Trim(upper.substr(0, paren));
    double n = runtime::Val(upper.substr(paren + 1));
    if (n > 0 && n <= 1e9) size = static_cast<int32_t>(n);
  }
  auto is = [&base](std::initializer_list<const char*> names) {
    for (const char* n : names) {
      if (base == n) return true;
    }
    return false;
  };
  if (is({"BIT", "BOOLEAN", "YESNO", "LOGICAL"})) {
    info.type = FieldType::kBoolean;
  } else if (is({"BYTE", "TINYINT"})) {
    info.type = FieldType::kByte;
  } else if (is({"SHORT", "SMALLINT", "INTEGER2"})) {
    info.type = FieldType::kInteger;
  } else if (is({"LONG", "INT", "INTEGER", "INTEGER4", "COUNTER"})) {
    info.type = FieldType::kLong;
  } else if (is({"SINGLE", "REAL", "FLOAT4"})) {
    info.type = FieldType::kSingle;
  } else if (is({"DOUBLE", "FLOAT", "FLOAT8", "NUMBER", "NUMERIC", "DOUBLE PRECISION"})) {
    info.type = FieldType::kDouble;
  } else if (is({"TEXT", "VARCHAR", "CHAR", "NVARCHAR", "NCHAR", "STRING", "ALPHANUMERIC"})) {
    // A text type without a size holds any length, as SQLite's TEXT does.
    info.type = size > 0 ? FieldType::kText : FieldType::kMemo;
    info.size = size;
  } else if (is({"MEMO", "LONGTEXT", "CLOB", "NOTE"})) {
    info.type = FieldType::kMemo;
  }
  return info;
}

namespace {

int64_t WholeNumber(const FieldInfo& field, const Value& value, int64_t lo, int64_t hi) {
  int64_t n = 0;
  try {
    n = value.AsInt64();
  } catch (const runtime::OverflowError&) {
    throw JetError("Overflow writing field '" + field.name + "'.");
  }
  if (n < lo || n > hi) throw JetError("Overflow writing field '" + field.name + "'.");
  return n;
}

std::size_t CharacterCount(const std::string& text) {
  std::size_t n = 0;
  for (unsigned char c : text) {
    if ((c & 0xC0) != 0x80) ++n;
  }
  return n;
}

}  // namespace

Value CoerceToField(const FieldInfo& field, const Value& value) {
  if (field.autoNumber) throw JetError("Field '" + field.name + "' cannot be updated.");
  if (value.IsNull()) return value;
  switch (field.type) {
    case FieldType::kVariant:
      return value;
    case FieldType::kBoolean:
      return Value(value.AsBool() ? 1 : 0);
    case FieldType::kByte:
      return Value(static_cast<long long>(WholeNumber(field, value, 0, 255)));
    case FieldType::kInteger:
      return Value(static_cast<long long>(WholeNumber(field, value, INT16_MIN, INT16_MAX)));
    case FieldType::kLong:
      return Value(static_cast<long long>(WholeNumber(field, value, INT32_MIN, INT32_MAX)));
    case FieldType::kSingle: {
      double d = value.AsDouble();
      if (std::isfinite(d) && std::fabs(d) > FLT_MAX) {
        throw JetError("Overflow writing field '" + field.name + "'.");
      }
      return Value(static_cast<double>(static_cast<float>(d)));
    }
    case FieldType::kDouble:
      return Value(value.AsDouble());
    case FieldType::kText: {
      std::string text = value.AsText();
      if (CharacterCount(text) > static_cast<std::size_t>(field.size)) {
        throw JetError("The field '" + field.name +
                       "' is too small to accept the amount of data you attempted to add.");
      }
      return Value(std::move(text));
    }
    case FieldType::kMemo:
      return Value(value.AsText());
  }
  return value;
}

std::string QuoteIdentifier(std::string_view name) {
  std::string out = "\"";
  for (char c : name) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
  return out;
}

}  // namespace jet
