#pragma once
// Whole-number fields of a projected-stats file read into the program's
// narrower types (Byte, Integer, Long). The file's columns may hold any
// number; one that does not fit is bad data and is reported as a
// jet::JetError naming the field, the same error the rest of the database
// layer raises, rather than wrapping silently.

#include <cstdint>

namespace jet {
class Recordset;
class Value;
}

namespace basFieldRead {

// Null reads as 0; a fraction rounds half to even first.
uint8_t Byte(jet::Recordset& rs, const char* field);
int16_t Integer(jet::Recordset& rs, const char* field);
int32_t Long(jet::Recordset& rs, const char* field);

// A whole number as the lookups read one: 0 for Null and for a value that
// does not fit 32 bits (a damaged or foreign file), never an overflow.
int32_t LongOrZero(const jet::Value& value);

// A key field as an index seek or `field = ?` with a Long matches it: a
// number with a whole value in 32 bits (text, Null and fractions never
// equal one).
bool WholeNumber(const jet::Value& value, int64_t& out);

}  // namespace basFieldRead
