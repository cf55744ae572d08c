#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "database/clsCategoryControl.h"

namespace {

// Stat-table rows as the catalogue holds them: ordinal 0 is the row id,
// 1 PlayerID, 2 Week, values from ordinal 3 on.
std::vector<double> Row(std::initializer_list<double> values) {
  std::vector<double> row{1, 7, 250};
  row.insert(row.end(), values);
  return row;
}

void SetOneRow(clsCategoryControl& cat, int32_t table, std::initializer_list<double> values) {
  const std::vector<double> row = Row(values);
  cat.SetRows(table, 1, static_cast<int32_t>(row.size()), row);
}

// A category of `ops` operations without display settings, and one of its
// operations: table, field, operator, operand, reference, type filter.
void Category(clsCategoryControl& cat, int32_t id, const std::string& name, uint8_t ops) {
  cat.AddCategory(id, name, "", ops, 0, 0, 0, 0, 0, 0, 0, 0);
}
void Op(clsCategoryControl& cat, uint8_t table, uint8_t field, uint8_t op = 0, float value = 0, int16_t ref = 0,
        uint8_t typeValue = 0, uint8_t typeField = 0) {
  cat.AddOperation(table, field, op, value, ref, typeValue, typeField, false, 0, 0);
}

// Every category computed, through the report order.
void ExtractAll(clsCategoryControl& cat, std::initializer_list<int32_t> ids) {
  cat.ClearReportOrder();
  int32_t p = 0;
  for (int32_t id : ids) cat.SetReportOrder(id, ++p);
  cat.UpdateReportNdx();
  cat.ExtractReportValues();
}

TEST(CategoryOperations, OperatorsActOnTheFieldAndTheOperand) {
  const struct {
    const char* name;
    uint8_t op;
    float operatorValue;  // 0: the operand is the previous operation's value (8)
    double expected;      // with field value 2
  } cases[] = {
      {"TakeTheField", 0, 0, 2},        {"AddReferenced", 1, 0, 10},      {"OperandMinusField", 2, 0, 6},
      {"Multiply", 3, 0, 16},           {"OperandOverField", 4, 0, 4},    {"Accumulate", 5, 0, 8},
      {"FieldOverOperand", 6, 0, 0.25}, {"UnknownLeavesZero", 7, 0, 0},   {"AddConstant", 1, 3, 5},
      {"ConstantMinusField", 2, 3, 1},  {"MultiplyConstant", 3, 3, 6},    {"ConstantOverField", 4, 3, 1.5},
      {"AccumulateConstant", 5, 3, 3},  {"FieldOverConstant", 6, 0.5f, 4}};
  for (const auto& c : cases) {
    clsCategoryControl cat;
    cat.AddCategory(1, "Test", "T", 2, 1, 0, 1, 1, 1, 0, 0, 0);
    Op(cat, 2, 3);  // field 3 = 8
    Op(cat, 2, 4, c.op, c.operatorValue, -1);  // field 4 = 2
    SetOneRow(cat, 2, {8, 2});
    ExtractAll(cat, {1});
    EXPECT_DOUBLE_EQ(cat.DoubleValue(1), c.expected) << c.name;
  }
}

TEST(CategoryOperations, DivisionByZeroGivesZero) {
  clsCategoryControl cat;
  Category(cat, 1, "Over Field", 2);
  Op(cat, 2, 3);
  Op(cat, 2, 4, 4, 0, -1);  // 8 / field 0
  Category(cat, 2, "Over Operand", 2);
  Op(cat, 2, 4);
  Op(cat, 2, 3, 6, 0, -1);  // 8 / operand 0
  SetOneRow(cat, 2, {8, 0});
  ExtractAll(cat, {1, 2});
  EXPECT_EQ(cat.DoubleValue(1), 0);
  EXPECT_EQ(cat.DoubleValue(2), 0);
}

TEST(CategoryOperations, TypeFiltersAndCountsWorkOverSeveralRows) {
  clsCategoryControl cat;
  // Scoring plays: ordinal 3 the play type, 4 the yardage.
  Category(cat, 1, "Type-1 Plays", 1);
  Op(cat, 1, 4, 5, 1, 0, 1, 3);
  Category(cat, 2, "Last Type-1 Length", 1);
  Op(cat, 1, 4, 0, 0, 0, 1, 3);
  Category(cat, 3, "Type-2 Length", 1);
  Op(cat, 1, 4, 0, 0, 0, 2, 3);
  Category(cat, 4, "Type-5 Plays", 1);
  Op(cat, 1, 4, 5, 1, 0, 5, 3);
  Category(cat, 5, "Unfiltered Yards Of The Last Play", 1);
  Op(cat, 1, 4);
  std::vector<double> rows;
  for (auto [type, yards] : {std::pair{1, 25}, {2, 7}, {1, 40}, {1, 3}}) {
    const std::vector<double> row = Row({static_cast<double>(type), static_cast<double>(yards), 2024});
    rows.insert(rows.end(), row.begin(), row.end());
  }
  cat.SetRows(1, 4, 6, rows);
  EXPECT_EQ(cat.RecordCount(1), 4);
  EXPECT_EQ(cat.RowValue(1, 2, 4), 40);
  ExtractAll(cat, {1, 2, 3, 4, 5});
  EXPECT_EQ(cat.DoubleValue(1), 3);
  EXPECT_EQ(cat.DoubleValue(2), 3);
  EXPECT_EQ(cat.DoubleValue(3), 7);
  EXPECT_EQ(cat.DoubleValue(4), 0);
  EXPECT_EQ(cat.DoubleValue(5), 3);
}

TEST(CategoryOperations, WithoutRowsOnlyOperatorsWithAnOperandGiveAValue) {
  clsCategoryControl cat;
  Category(cat, 1, "Take", 1);
  Op(cat, 3, 3);
  Category(cat, 2, "Plus Five", 1);
  Op(cat, 3, 3, 1, 5, 0);
  Category(cat, 3, "Four Minus", 1);
  Op(cat, 3, 3, 2, 4, 0);
  Category(cat, 4, "Count", 1);
  Op(cat, 3, 3, 5, 1, 0);
  Category(cat, 5, "Filtered Plus Five", 1);
  Op(cat, 3, 4, 1, 5, 0, 2, 3);
  EXPECT_EQ(cat.RecordCount(3), 0);
  ExtractAll(cat, {1, 2, 3, 4, 5});
  EXPECT_EQ(cat.DoubleValue(1), 0);
  EXPECT_EQ(cat.DoubleValue(2), 5);
  EXPECT_EQ(cat.DoubleValue(3), 4);
  EXPECT_EQ(cat.DoubleValue(4), 0);
  EXPECT_EQ(cat.DoubleValue(5), 0);
}

TEST(CategoryOperations, AChainReadsTheOperationsItNamesRelatively) {
  clsCategoryControl cat;
  // Made in ordinals 3 and 5, missed in 4 and 6: the rate made / attempts.
  Category(cat, 1, "Rate", 5);
  Op(cat, 6, 3);  // 0: made 3
  Op(cat, 6, 5, 1, 0, -1);  // 1: + made 5 = 8
  Op(cat, 6, 4, 1, 0, -1);  // 2: + missed 1 = 9
  Op(cat, 6, 6, 1, 0, -1);  // 3: + missed 3 = 12 attempts
  Op(cat, 6, 255, 4, -1, -3);  // 4: op 1 (8) / op 3 (12)
  // Field 255 rounds (index + OperatorValue) half to even: ops 5, 6, 7 here.
  Category(cat, 2, "Half Up", 3);
  Op(cat, 6, 3);  // 5: 3
  Op(cat, 6, 4);  // 6: 1
  Op(cat, 6, 255, 3, -1.5f, -2);  // 7: op 6 (5.5 -> 6) x op 5
  Category(cat, 3, "Half Down", 2);
  Op(cat, 6, 3);  // 8: 3
  Op(cat, 6, 255, 1, -0.5f, -1);  // 9: op 8 (8.5 -> 8) + op 8
  SetOneRow(cat, 6, {3, 1, 5, 3});
  ExtractAll(cat, {1, 2, 3});
  EXPECT_DOUBLE_EQ(cat.DoubleValue(1), 8.0 / 12.0);
  EXPECT_DOUBLE_EQ(cat.DoubleValue(2), 3);
  EXPECT_DOUBLE_EQ(cat.DoubleValue(3), 6);
}

TEST(CategoryOperations, AReferenceOutsideTheCategoryReadsZero) {
  clsCategoryControl cat;
  Category(cat, 1, "First", 1);
  Op(cat, 2, 3);
  Category(cat, 2, "Reaches Back", 1);
  Op(cat, 2, 4, 1, 0, -1);
  Category(cat, 3, "Reaches Forward", 1);
  Op(cat, 2, 4, 3, 0, 5);
  SetOneRow(cat, 2, {8, 2});
  ExtractAll(cat, {1, 2, 3});
  EXPECT_EQ(cat.DoubleValue(1), 8);
  EXPECT_EQ(cat.DoubleValue(2), 2);
  EXPECT_EQ(cat.DoubleValue(3), 0);
}

TEST(CategoryCatalogue, ACategoryHasNoMoreOperationsThanFollowedIt) {
  clsCategoryControl cat;
  Category(cat, 1, "Claims Three", 3);
  Op(cat, 2, 3);
  Category(cat, 2, "Claims None", 0);
  Op(cat, 2, 4);
  Category(cat, 3, "Claims One Has Two", 1);
  Op(cat, 2, 5);
  Op(cat, 2, 6, 1, 100, 0);
  Category(cat, 4, "Next", 1);
  Op(cat, 2, 4);
  SetOneRow(cat, 2, {8, 2, 5, 6});
  ExtractAll(cat, {1, 2, 3, 4});
  EXPECT_EQ(cat.Ops(1), 1);
  EXPECT_EQ(cat.DoubleValue(1), 8);
  EXPECT_EQ(cat.Ops(2), 0);
  EXPECT_EQ(cat.DoubleValue(2), 0);
  cat.ForceStat(2, 9);
  EXPECT_EQ(cat.DoubleValue(2), 0);
  EXPECT_EQ(cat.DoubleValue(3), 5);
  EXPECT_EQ(cat.DoubleValue(4), 2);
  EXPECT_EQ(cat.Table(2), 0);
  EXPECT_EQ(cat.Field(4), 4);
}

TEST(CategoryCatalogue, OnlyLoadedIdsExistAndUnknownIdsReadZero) {
  clsCategoryControl cat;
  cat.AddCategory(2, "Passing Yards", "PYds", 1, 1, 1, 1, 1, 1, 0, 1, 4);
  Op(cat, 2, 5);
  cat.AddCategory(5, "Long", "Lng", 1, 1, 1, 1, 2, 1, 2, 0, 3);
  Op(cat, 1, 4, 0, 0, 0, 1, 3);
  EXPECT_EQ(cat.Count(), 2);
  EXPECT_TRUE(cat.DoesIDExist(2));
  EXPECT_TRUE(cat.DoesIDExist(5));
  for (int32_t id : {0, -1, 1, 3, 4, 6, 1 << 30}) {
    EXPECT_FALSE(cat.DoesIDExist(id)) << id;
    EXPECT_EQ(cat.Name(id), "") << id;
    EXPECT_EQ(cat.SubCatID(id), 0) << id;
    EXPECT_EQ(cat.SortType(id), 0) << id;
    EXPECT_EQ(cat.IDArray(id), -1) << id;
  }
  EXPECT_EQ(cat.IDArray(5), 1);
  EXPECT_EQ(cat.SortType(5), 3);
  // Setters ignore unknown ids.
  cat.SetDisplayOrder(3, 1);
  cat.ForceStat(3, 4);
  cat.UpdateDisplayNdx();
  EXPECT_EQ(cat.DisplayCount(), 0);
}

TEST(CategoryCatalogue, TablesAreRegisteredInTheOrderFirstNamedUpTo255) {
  clsCategoryControl cat;
  Category(cat, 1, "High Table", 2);
  Op(cat, 200, 3);
  Op(cat, 0, 3, 1, 0, -1);
  Category(cat, 2, "Again", 1);
  Op(cat, 200, 4);
  ASSERT_EQ(cat.RecordsetRefCount(), 2);
  EXPECT_EQ(cat.RecordsetRefID(0), 200);
  EXPECT_EQ(cat.RecordsetRefID(1), 0);
  EXPECT_THROW(cat.RecordsetRefID(2), std::out_of_range);
  SetOneRow(cat, 200, {40, 2});
  SetOneRow(cat, 0, {1.5});
  SetOneRow(cat, 7, {1});  // not registered: ignored
  EXPECT_EQ(cat.RecordCount(7), 0);
  ExtractAll(cat, {1, 2});
  EXPECT_EQ(cat.DoubleValue(1), 41.5);
  EXPECT_EQ(cat.DoubleValue(2), 2);
}

class Orders : public testing::Test {
 protected:
  void SetUp() override {
    for (int32_t id = 1; id <= 3; ++id) {
      cat.AddCategory(id, "C" + std::to_string(id), "", 1, static_cast<uint8_t>(10 + id), 0, 0, 0, 0,
                      static_cast<uint8_t>(id), 0, 0);
      Op(cat, 2, static_cast<uint8_t>(2 + id));
    }
    SetOneRow(cat, 2, {100, 200, 300});
  }
  clsCategoryControl cat;
};

TEST_F(Orders, AnOrderHasAsManyPlacesAsItsHighestPosition) {
  // A scoring system may number more rules than 255.
  cat.SetScoringOrder(1, 1);
  cat.SetScoringOrder(2, 300);
  cat.SetScoringOrder(3, 2);
  cat.UpdateScoringNdx();
  EXPECT_EQ(cat.ScoringCount(), 300);
  cat.ExtractScoringValues();
  EXPECT_EQ(cat.ScoringValue(1), 100);
  EXPECT_EQ(cat.ScoringValue(2), 300);
  EXPECT_EQ(cat.DoubleScoringValue(300), 200);
  EXPECT_EQ(cat.ScoringValue(150), 0);
  EXPECT_THROW(cat.ScoringValue(301), std::out_of_range);
  EXPECT_THROW(cat.ScoringValue(0), std::out_of_range);
}

TEST_F(Orders, TwoCategoriesOnOnePositionLeaveItToTheLaterAndClearedOrdersExtractNothing) {
  cat.SetDisplayOrder(1, 1);
  cat.SetDisplayDec(1, 4);
  cat.SetDisplayOrder(3, 1);
  cat.SetDisplayDec(3, 5);
  cat.UpdateDisplayNdx();
  EXPECT_EQ(cat.DisplayCount(), 1);
  EXPECT_EQ(cat.DisplayID(1), 3);
  EXPECT_EQ(cat.DisplayDec(1), 5);
  EXPECT_EQ(cat.DisplaySubCat(1), 13);
  EXPECT_EQ(cat.DisplayZeroDisplay(1), 3);

  // A cleared order extracts nothing.
  cat.SetTieOrder(2, 1);
  cat.UpdateTieNdx();
  cat.ForceStat(2, 7);
  cat.ClearTieOrder();
  cat.UpdateTieNdx();
  EXPECT_EQ(cat.TieCount(), 0);
  EXPECT_EQ(cat.TieOrder(2), 0);
  cat.ExtractTieValues();
  EXPECT_EQ(cat.DoubleValue(2), 7);

  // The report order carries its decimals.
  cat.SetReportOrder(2, 2);
  cat.SetReportDec(2, 3);
  cat.UpdateReportNdx();
  cat.ExtractReportValues();
  EXPECT_EQ(cat.ReportCount(), 2);
  EXPECT_EQ(cat.ReportValue(2), 200);
  EXPECT_EQ(cat.ReportDec(2), 3);
  EXPECT_EQ(cat.ReportSubCat(2), 12);
  EXPECT_EQ(cat.ReportZeroDisplay(2), 2);
  EXPECT_EQ(cat.ReportValue(1), 0);
  EXPECT_EQ(cat.ReportSubCat(1), 0);
}

TEST_F(Orders, ACategoryInTwoGridColumnsFillsBoth) {
  ExtractAll(cat, {3});
  const clsCategoryControl::DisplayColumn columns[] = {{1, 1, 2}, {2, 2, 1}, {1, 3, 5}, {99, 4, 1}};
  cat.SetDisplayColumns(columns);
  EXPECT_EQ(cat.DisplayCount(), 4);
  EXPECT_EQ(cat.DisplayOrder(1), 3);
  cat.ExtractDisplayValues();
  EXPECT_EQ(cat.DisplayID(1), 1);
  EXPECT_EQ(cat.DisplayID(3), 1);
  EXPECT_EQ(cat.DisplayValue(1), 100);
  EXPECT_EQ(cat.DisplayValue(3), 100);
  EXPECT_EQ(cat.DisplayDec(1), 2);
  EXPECT_EQ(cat.DisplayDec(3), 5);
  // A column whose category the file does not have shows 0 in its format.
  EXPECT_EQ(cat.DisplayID(4), 0);
  EXPECT_EQ(cat.DisplayValue(4), 0);
  EXPECT_EQ(cat.DisplayDec(4), 1);
  cat.ClearDisplayValues();
  EXPECT_EQ(cat.DisplayValue(1), 0);
  EXPECT_EQ(cat.DoubleValue(3), 300);
}

TEST_F(Orders, AForcedValueReadsBackAsASingle) {
  cat.ForceStat(1, 0.1f);
  EXPECT_EQ(cat.DBValue(1), 0.1f);
  EXPECT_EQ(cat.DoubleValue(1), static_cast<double>(0.1f));
  EXPECT_NE(cat.DoubleValue(1), 0.1);
}

}  // namespace
