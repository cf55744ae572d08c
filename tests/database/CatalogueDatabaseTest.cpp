#include <gtest/gtest.h>

#include "OpenCatalogue.h"
#include "platform/jet/JetError.h"

namespace {

using kdtest::OpenCatalogue;

TEST(CatalogueFromTheTemplate, LoadsEveryCategoryWithItsOperations) {
  OpenCatalogue open;
  open.Open();
  const clsCategoryControl& cat = open.catalogue;
  EXPECT_EQ(cat.Count(), 118);
  EXPECT_EQ(cat.Name(46), "Passer Rating");
  EXPECT_EQ(cat.Abrv(44), "Pts");
  EXPECT_EQ(cat.Ops(48), 16);
  EXPECT_EQ(cat.Table(48), 6);
  EXPECT_EQ(cat.Field(3), 5);
  EXPECT_EQ(cat.TypeField(12), 3);
  EXPECT_EQ(cat.TypeValue(12), 1);
  EXPECT_EQ(cat.FormatType(116), 4);
  EXPECT_TRUE(cat.DoesIDExist(118));
  EXPECT_FALSE(cat.DoesIDExist(119));
  // Every stat table of the template is read by some category.
  EXPECT_EQ(cat.RecordsetRefCount(), 12);
}

TEST(CatalogueFromTheTemplate, ComputesAPlayerWeekFromItsRowsAndRepositionsWhole) {
  OpenCatalogue open(kdtest::TwoPlayersSql());
  open.Open();
  clsCategoryControl& cat = open.catalogue;
  cat.PositionTable(0, 1, 250, 2024, false);
  cat.PositionStatTables(1, 250, 2024);
  EXPECT_EQ(cat.RecordCount(0), 1);
  EXPECT_EQ(cat.RecordCount(1), 4);
  EXPECT_EQ(cat.RecordCount(2), 1);
  EXPECT_EQ(cat.RecordCount(4), 0);
  // The play rows in index order; the cursor back on the first of them.
  EXPECT_EQ(cat.RowValue(1, 0, 4), 25);
  EXPECT_EQ(cat.RowValue(1, 3, 4), 9);
  EXPECT_EQ(open.tables[1]->Field("Fld4").AsDouble(), 25);
  open.ExtractAll();
  EXPECT_EQ(cat.DoubleValue(1), 474);
  EXPECT_EQ(cat.DoubleValue(9), 158);                     // attempts - completions
  EXPECT_DOUBLE_EQ(cat.DoubleValue(10), 316.0 / 474.0);   // completion rate
  EXPECT_DOUBLE_EQ(cat.DoubleValue(11), 4172.0 / 474.0);  // yards per attempt
  EXPECT_EQ(cat.DoubleValue(12), 9);                      // last passing-TD play
  EXPECT_EQ(cat.DoubleValue(18), 12);                     // the rushing-TD play
  EXPECT_EQ(cat.DoubleValue(30), 0);                      // no receiving-TD play
  EXPECT_DOUBLE_EQ(cat.DoubleValue(46), 119.6);
  EXPECT_EQ(cat.DoubleValue(44), 312.5);
  EXPECT_EQ(cat.DBValue(88), 14.2f);
  EXPECT_EQ(cat.DoubleValue(117), 2);  // injury status code
  EXPECT_EQ(cat.DoubleValue(71), 4);
  // Rushing 4 + receiving (no row) 0 + returns (no row) 0 + fumble TD 0.
  EXPECT_EQ(cat.DoubleValue(78), 4);
  EXPECT_EQ(cat.DoubleValue(43), 0);

  // Repositioning replaces every table's rows.
  cat.PositionStatTables(2, 250, 2024);
  EXPECT_EQ(cat.RecordCount(1), 1);
  EXPECT_EQ(cat.RecordCount(2), 0);
  open.ExtractAll();
  EXPECT_EQ(cat.DoubleValue(1), 0);
  EXPECT_EQ(cat.DoubleValue(10), 0);
  EXPECT_EQ(cat.DoubleValue(43), 33);  // 1 + 8 + 10 + 9 + 5 made
  EXPECT_EQ(cat.DoubleValue(45), 7);   // 0 + 1 + 1 + 2 + 3 missed
  EXPECT_EQ(cat.DoubleValue(47), 40);
  EXPECT_DOUBLE_EQ(cat.DoubleValue(48), 33.0 / 40.0);
  EXPECT_EQ(cat.DoubleValue(49), 42);
  EXPECT_EQ(cat.DoubleValue(52), 56);  // the field-goal play
  // A week the player has no rows for.
  cat.PositionStatTables(2, 3, 2024);
  open.ExtractAll();
  EXPECT_EQ(cat.RecordCount(6), 0);
  EXPECT_EQ(cat.DoubleValue(43), 0);
  EXPECT_EQ(cat.DoubleValue(48), 0);
}

TEST(CatalogueFromTheTemplate, TheCurrentRowOfACursorCanBeTheRowSet) {
  OpenCatalogue open(kdtest::TwoPlayersSql());
  open.Open();
  clsCategoryControl& cat = open.catalogue;
  jet::Recordset& stat0 = *open.tables[0];
  ASSERT_TRUE(stat0.Seek({2, 250, 2024}));
  cat.LoadCurrentRow(0);
  open.ExtractAll();
  EXPECT_EQ(cat.RecordCount(0), 1);
  EXPECT_EQ(cat.DoubleValue(44), 120);
  EXPECT_EQ(cat.DoubleValue(67), 1);
  stat0.MoveLast();
  stat0.MoveNext();
  cat.LoadCurrentRow(0);
  EXPECT_EQ(cat.RecordCount(0), 0);
}

TEST(CatalogueFromTheTemplate, ExtremeValuesComeFromEveryRowOfATable) {
  OpenCatalogue open(kdtest::TwoPlayersSql());
  open.Open();
  clsCategoryControl& cat = open.catalogue;
  for (int32_t id : {3, 10, 14}) cat.SetScoringOrder(id, id);
  cat.UpdateScoringNdx();
  cat.ExtractScoringMaxValues(1);
  EXPECT_EQ(cat.DoubleValue(3), 4172);
  EXPECT_DOUBLE_EQ(cat.DoubleValue(10), 316.0 / 474.0);
  EXPECT_EQ(cat.DoubleValue(14), 915);
  cat.ExtractScoringMaxValues(-1);
  EXPECT_EQ(cat.DoubleValue(3), 0);
  EXPECT_EQ(cat.DoubleValue(14), -5);
}

struct BadCatalogue {
  const char* name;
  const char* sql;
  const char* mentions;
};

void PrintTo(const BadCatalogue& c, std::ostream* os) { *os << c.name; }

class DamagedCatalogue : public testing::TestWithParam<BadCatalogue> {};

TEST_P(DamagedCatalogue, IsRefusedWithAnErrorNamingTheProblem) {
  OpenCatalogue open(GetParam().sql);
  try {
    open.Open();
    FAIL() << "loaded";
  } catch (const jet::JetError& error) {
    EXPECT_NE(std::string(error.what()).find(GetParam().mentions), std::string::npos) << error.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedCatalogue,
    testing::Values(BadCatalogue{"OperationCountAboveAByte",
                                 "UPDATE tblStatCategories SET Operations = 300 WHERE ID = 4;", "Operations"},
                    BadCatalogue{"NegativeTableNumber",
                                 "UPDATE tblStatProperties SET \"Table\" = -1 WHERE CatID = 4;", "Table"},
                    BadCatalogue{"OperatorRefBeyondAnInteger",
                                 "UPDATE tblStatProperties SET OperatorRef = 40000 WHERE CatID = 9;",
                                 "OperatorRef"},
                    BadCatalogue{"NoPropertiesTable", "DROP TABLE tblStatProperties;", "tblStatProperties"},
                    BadCatalogue{"NoCategoriesTable", "DROP TABLE tblStatCategories;", "tblStatCategories"}),
    [](const testing::TestParamInfo<BadCatalogue>& param) { return std::string(param.param.name); });

}  // namespace
