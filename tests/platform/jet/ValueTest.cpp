#include <gtest/gtest.h>

#include "platform/jet/JetError.h"
#include "platform/jet/TableInfo.h"
#include "platform/jet/Value.h"
#include "platform/runtime/Rounding.h"

using jet::FieldType;
using jet::Value;

TEST(JetValue, NullReadsAsZeroEmptyAndFalse) {
  Value v;
  EXPECT_TRUE(v.IsNull());
  EXPECT_EQ(v.AsLong(), 0);
  EXPECT_EQ(v.AsDouble(), 0.0);
  EXPECT_EQ(v.AsText(), "");
  EXPECT_FALSE(v.AsBool());
}

TEST(JetValue, RealsReadAsWholeNumbersRoundHalfToEven) {
  EXPECT_EQ(Value(2.5).AsLong(), 2);
  EXPECT_EQ(Value(3.5).AsLong(), 4);
  EXPECT_EQ(Value(-2.5).AsLong(), -2);
  EXPECT_EQ(Value("12abc").AsLong(), 12);
  EXPECT_THROW(Value(3e9).AsLong(), runtime::OverflowError);
  EXPECT_THROW(Value(1e30).AsInt64(), runtime::OverflowError);
}

TEST(JetValue, NumbersReadAsTheirShortestText) {
  EXPECT_EQ(Value(250).AsText(), "250");
  EXPECT_EQ(Value(10.25).AsText(), "10.25");
  EXPECT_EQ(Value(3.0).AsText(), "3");
}

TEST(JetValue, IndexOrderPutsNullThenNumbersThenTextWithoutCase) {
  EXPECT_LT(jet::CompareForIndex(Value(), Value(-5)), 0);
  EXPECT_LT(jet::CompareForIndex(Value(2), Value(2.5)), 0);
  EXPECT_EQ(jet::CompareForIndex(Value(2), Value(2.0)), 0);
  EXPECT_LT(jet::CompareForIndex(Value(99999), Value("a")), 0);
  EXPECT_EQ(jet::CompareForIndex(Value("Smith"), Value("SMITH")), 0);
  EXPECT_LT(jet::CompareForIndex(Value("adams"), Value("Baker")), 0);
  // Whole numbers beyond a double's precision still compare exactly.
  EXPECT_LT(jet::CompareForIndex(Value(9007199254740993LL), Value(9007199254740994LL)), 0);
}

TEST(JetFieldType, DeclaredTypesMapToJetTypes) {
  struct Case {
    const char* declared;
    FieldType type;
    int size;
  } cases[] = {
      {"BYTE", FieldType::kByte, 0},      {"SHORT", FieldType::kInteger, 0}, {"LONG", FieldType::kLong, 0},
      {"SINGLE", FieldType::kSingle, 0},  {"DOUBLE", FieldType::kDouble, 0}, {"BIT", FieldType::kBoolean, 0},
      {"TEXT(50)", FieldType::kText, 50}, {"text", FieldType::kMemo, 0},     {"BLOB", FieldType::kVariant, 0},
  };
  for (const Case& c : cases) {
    jet::FieldInfo info = jet::ParseDeclaredType(c.declared);
    EXPECT_EQ(info.type, c.type) << c.declared;
    EXPECT_EQ(info.size, c.size) << c.declared;
  }
}

TEST(JetFieldType, ValuesAreConvertedToTheFieldOrRefused) {
  auto field = [](FieldType type, int size = 0) {
    jet::FieldInfo f;
    f.name = "F";
    f.type = type;
    f.size = size;
    return f;
  };
  EXPECT_EQ(jet::CoerceToField(field(FieldType::kByte), Value(254.5)).Integer(), 254);
  EXPECT_THROW(jet::CoerceToField(field(FieldType::kByte), Value(256)), jet::JetError);
  EXPECT_THROW(jet::CoerceToField(field(FieldType::kByte), Value(-1)), jet::JetError);
  EXPECT_EQ(jet::CoerceToField(field(FieldType::kInteger), Value(-32768)).Integer(), -32768);
  EXPECT_THROW(jet::CoerceToField(field(FieldType::kInteger), Value(32768)), jet::JetError);
  EXPECT_EQ(jet::CoerceToField(field(FieldType::kLong), Value(2.5)).Integer(), 2);
  EXPECT_THROW(jet::CoerceToField(field(FieldType::kLong), Value(2147483648.0)), jet::JetError);
  EXPECT_EQ(jet::CoerceToField(field(FieldType::kSingle), Value(0.1)).Real(), static_cast<double>(0.1f));
  EXPECT_EQ(jet::CoerceToField(field(FieldType::kBoolean), Value(-1)).Integer(), 1);
  EXPECT_EQ(jet::CoerceToField(field(FieldType::kText, 5), Value("h\xC3\xA9llo")).Text(), "h\xC3\xA9llo");
  EXPECT_THROW(jet::CoerceToField(field(FieldType::kText, 5), Value("hello!")), jet::JetError);
  EXPECT_TRUE(jet::CoerceToField(field(FieldType::kByte), Value()).IsNull());
  jet::FieldInfo id = field(FieldType::kLong);
  id.autoNumber = true;
  EXPECT_THROW(jet::CoerceToField(id, Value(7)), jet::JetError);
}
