#include <gtest/gtest.h>

#include "OpenCatalogue.h"
#include "TemplateFixture.h"

namespace {

class KickwellDBDisplay : public kdtest::TemplateFixture {
 protected:
  void SetUp() override { Open(kdtest::TwoPlayersSql()); }

  std::string GridFile(const std::string& name, std::initializer_list<std::pair<int32_t, uint8_t>> columns) {
    clsDisplayGridIsolate grid = kdtest::GridOfColumns(columns);
    grid.SetFilePath(dir_.File(name));
    EXPECT_TRUE(grid.SaveFile());
    return dir_.File(name);
  }
};

TEST_F(KickwellDBDisplay, OpeningLoadsTheCatalogueFormatsAndDefaultGrid) {
  EXPECT_EQ(db_.StatCon().Count(), 118);
  EXPECT_EQ(db_.DSF().Count(), 21);
  EXPECT_EQ(db_.Display().ColumnMax(), 14);
  EXPECT_EQ(db_.StatCon().DisplayCount(), 15);
  EXPECT_EQ(db_.StatCategoryDefaultTitle(14), "Rushing");
  EXPECT_EQ(db_.StatCategoryUnit(3), "Yard");
  EXPECT_EQ(db_.StatCategoryUnit(999), "");
  EXPECT_EQ(db_.StatCatDefaultFormat(51), 13);
  EXPECT_EQ(db_.StatCategoryFormatType(116), 4);
  EXPECT_EQ(db_.pFnGetDisplayCol(88), 6);
}

TEST_F(KickwellDBDisplay, RendersAPlayerRowWithTheDatabasesLookups) {
  EXPECT_EQ(db_.pFnGetPlayerDisplayRow(1, 250, 2024),
            "Jackson, Lamar \tBAL \tQB \t14\t312.5\t14.2\t4172\t41.0\t4.0\t915\t4.0\t0.0\t0\t0.0\t4.0\t");
  EXPECT_EQ(db_.pFnGetPlayerDisplayCol(2, 250, 2024, 3), "K ");
  // Positioning goes through the database's index selection.
  EXPECT_GT(db_.StatNdxCalls(), 12);
}

TEST_F(KickwellDBDisplay, BuildersForceValuesAndKeyedTextsBetweenExtractingAndRendering) {
  db_.PassDisplay([&] {
    clsDisplayGridIsolate grid;
    EXPECT_TRUE(grid.OpenFile(GridFile("docs.dis", {{19, 20}, {92, 15}, {85, 3}})));
    return grid;
  }());
  // Format 20 is a name style; category 19 shows the name in that style.
  db_.pSbMCExtractDisplayValues(1, 250, 2024);
  db_.StatCon().ForceStat(92, 92);
  db_.StatCon().ForceStat(85, 12.345f);
  db_.SetMockCheatData(92, "Team 4");
  EXPECT_EQ(db_.pFnMCGetPlayerDisplayRow(1, 250, 2024), "Lamar Jackson \tTeam 4\t12.35\t");
}

TEST_F(KickwellDBDisplay, LoadDisplayMakesAGridFileTheDisplayOrder) {
  ASSERT_TRUE(db_.LoadDisplay(GridFile("k.dis", {{43, 1}, {48, 5}, {52, 1}})));
  EXPECT_EQ(db_.Display().GridName(), "k.dis");
  EXPECT_EQ(db_.pFnGetPlayerDisplayRow(2, 250, 2024), "33\t82.5%\t56\t");
  EXPECT_EQ(db_.pFnGetDisplayCol(48), 2);

  kdtest::WriteFile(dir_.File("bad.dis"), "not a grid");
  EXPECT_FALSE(db_.LoadDisplay(dir_.File("bad.dis")));
  EXPECT_EQ(db_.Display().GridName(), "k.dis");
  EXPECT_EQ(db_.pFnGetPlayerDisplayRow(2, 250, 2024), "33\t82.5%\t56\t");
}

TEST(KickwellDBCatalogue, ReopeningReplacesTheCatalogueAndTerminateEmptiesIt) {
  kdtest::TempDir dir;
  const std::string path = kdtest::MakeTemplateDatabase(dir);
  clsKickwellDB db;
  ASSERT_TRUE(db.InitializeKickwellDB(path)) << db.LastError();
  ASSERT_TRUE(db.InitializeKickwellDB(path)) << db.LastError();
  EXPECT_EQ(db.StatCon().Count(), 118);
  EXPECT_EQ(db.DSF().Count(), 21);
  db.Terminate();
  EXPECT_EQ(db.StatCon().Count(), 0);
  EXPECT_EQ(db.Display().ColumnMax(), -1);
}

}  // namespace
