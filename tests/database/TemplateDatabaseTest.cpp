// The template's schema and reference rows: what the rest of the program
// relies on by number, position or name must be there with that meaning.

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>

#include "DatabaseFixtures.h"
#include "TempDir.h"
#include "platform/jet/Database.h"

using jet::Value;

namespace {

class TemplateDatabase : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = kdtest::MakeTemplateDatabase(dir_);
    db_ = jet::Database::Open(path_);
  }
  std::unique_ptr<jet::Recordset> Query(const std::string& sql, const std::vector<Value>& params = {}) {
    return db_->OpenSnapshot(sql, params);
  }
  // The category's operations as "table/field/operator" triples.
  std::string Operations(int catID) {
    auto rs = Query(
        "SELECT \"Table\", Field, Operator FROM tblStatProperties WHERE CatID = ? ORDER BY OperationOrder",
        {Value(catID)});
    std::string out;
    for (; !rs->Eof(); rs->MoveNext()) {
      if (!out.empty()) out += " ";
      out += rs->Field(0).AsText() + "/" + rs->Field(1).AsText() + "/" + rs->Field(2).AsText();
    }
    return out;
  }
  std::string Text(const std::string& sql, const std::vector<Value>& params = {}) {
    auto rs = Query(sql, params);
    return rs->Eof() ? std::string() : rs->Field(0).AsText();
  }

  kdtest::TempDir dir_;
  std::string path_;
  std::unique_ptr<jet::Database> db_;
};

}  // namespace

TEST_F(TemplateDatabase, StatTablesHoldTheirValueFieldsAtTheirPositionsWithYearLast) {
  // The highest FldK of each stat table: the season-total and merge routines
  // address fields up to these numbers.
  const int highest[] = {0, 4, 11, 6, 11, 7, 18, 9, 4, 11, 5, 17};
  for (int t = 1; t <= 11; ++t) {
    auto fields = db_->TableFields("tblStat" + std::to_string(t));
    ASSERT_EQ(static_cast<int>(fields.size()), highest[t] + 2) << t;
    EXPECT_EQ(fields[0].name, "ID");
    EXPECT_EQ(fields[1].name, "PlayerID");
    EXPECT_EQ(fields[2].name, "Week");
    for (int k = 3; k <= highest[t]; ++k)
      EXPECT_EQ(fields[static_cast<std::size_t>(k)].name, "Fld" + std::to_string(k));
    EXPECT_EQ(fields.back().name, "Year");
  }
  auto stat0 = db_->TableFields("tblStat0");
  std::string names;
  for (const auto& f : stat0) names += f.name + " ";
  EXPECT_EQ(names, "ID PlayerID Week Points TeamID DNU ADP InjuryStatus Year ");
  // Only scoring plays may repeat a player-week.
  for (int t = 0; t <= 11; ++t) {
    bool unique = false;
    for (const auto& index : db_->TableIndexes("tblStat" + std::to_string(t))) {
      if (index.name == "PlayerIDWeekYearNdx") unique = index.unique;
    }
    EXPECT_EQ(unique, t != 1) << t;
  }
}

TEST_F(TemplateDatabase, CategoriesWithFixedMeaningsReadTheirFields) {
  EXPECT_EQ(Operations(44), "0/3/0");  // fantasy points: tblStat0.Points
  EXPECT_EQ(Operations(46), "2/9/0");  // passer rating: tblStat2.Fld9
  EXPECT_EQ(Operations(67), "0/5/0");  // the edited mark: tblStat0.DNU
  EXPECT_EQ(Operations(88), "0/6/0");  // ADP: tblStat0.ADP
  EXPECT_EQ(Text("SELECT Name FROM tblStatCategories WHERE ID = 51"), "Player Name");
  EXPECT_EQ(Text("SELECT Name FROM tblStatCategories WHERE ID = 50"), "Position");
  // Passing counts in the order the passer rating reads them.
  EXPECT_EQ(
      Operations(1) + " " + Operations(2) + " " + Operations(3) + " " + Operations(4) + " " + Operations(5),
      "2/3/0 2/4/0 2/5/0 2/6/0 2/7/0");
  for (int id = 84; id <= 93; ++id) {
    EXPECT_EQ(Text("SELECT COUNT(*) FROM tblStatCategories WHERE ID = ?", {Value(id)}), "1") << id;
  }
  // 87 and 92 show the texts the document builders store under their ids.
  for (int id : {87, 92}) {
    EXPECT_EQ(Text("SELECT f.TextType FROM tblStatCategories c, tblDisplayFormat f "
                   "WHERE c.ID = ? AND f.ID = c.DefaultFormat",
                   {Value(id)}),
              "3")
        << id;
  }
  // 88 sorts ascending; the others a list may be sorted by, by their own order.
  EXPECT_EQ(Text("SELECT Sort FROM tblStatCategories WHERE ID = 88"), "3");
  EXPECT_EQ(Text("SELECT Sort FROM tblStatCategories WHERE ID = 86"), "4");
  EXPECT_EQ(Text("SELECT Sort FROM tblStatCategories WHERE ID = 51"), "5");
}

TEST_F(TemplateDatabase, NameStylesAndLookupFormatsKeepTheirIds) {
  for (int id : {13, 18, 19, 20}) {
    EXPECT_EQ(Text("SELECT DisplayType || '/' || TextType FROM tblDisplayFormat WHERE ID = ?", {Value(id)}),
              "3/2")
        << id;
  }
  EXPECT_EQ(Text("SELECT DefaultFormat || '/' || FormatType FROM tblStatCategories WHERE ID = 51"), "13/3");
  EXPECT_EQ(Text("SELECT f.DisplayType FROM tblStatCategories c, tblDisplayFormat f "
                 "WHERE c.ID = 50 AND f.ID = c.DefaultFormat"),
            "5");
}

TEST_F(TemplateDatabase, EveryCategoryHasItsOperationsAndEveryOperationAField) {
  std::map<int, std::vector<std::string>> fieldNames;
  for (int t = 0; t <= 11; ++t) {
    for (const auto& f : db_->TableFields("tblStat" + std::to_string(t))) fieldNames[t].push_back(f.name);
  }
  auto cats =
      Query("SELECT ID, Operations, SubCatID, EditType, DisplayType, DefaultFormat FROM tblStatCategories");
  int count = 0, scoringGroupCategories = 0;
  for (; !cats->Eof(); cats->MoveNext(), ++count) {
    int id = cats->Field(0).AsLong();
    int ops = cats->Field(1).AsLong();
    int subCat = cats->Field(2).AsLong();
    EXPECT_EQ(Text("SELECT COUNT(*) FROM tblStatProperties WHERE CatID = ?", {Value(id)}),
              std::to_string(ops))
        << id;
    EXPECT_GE(ops, 1) << id;
    EXPECT_EQ(cats->Field(4).AsLong(), 1) << id;
    EXPECT_EQ(Text("SELECT COUNT(*) FROM tblDisplayFormat WHERE ID = ?", {cats->Field(5)}), "1") << id;
    auto props = Query(
        "SELECT \"Table\", Field, Operator, OperatorValue, OperatorRef, OperationOrder "
        "FROM tblStatProperties WHERE CatID = ? ORDER BY OperationOrder",
        {Value(id)});
    int order = 0;
    for (; !props->Eof(); props->MoveNext()) {
      int table = props->Field(0).AsLong();
      int field = props->Field(1).AsLong();
      EXPECT_EQ(props->Field(5).AsLong(), ++order) << id;
      ASSERT_TRUE(fieldNames.count(table)) << id;
      const int fieldCount = static_cast<int>(fieldNames[table].size());
      if (field != 255) {
        // A value column: never the row id, never Year.
        EXPECT_GE(field, 1) << id;
        ASSERT_LT(field, fieldCount - 1) << id;
      }
      // The stat check of project validation queries "tblStat<t> WHERE Fld<f>"
      // for the first operation of each category of sub-categories 1 to 9.
      if (order == 1 && subCat > 0 && subCat < 10) {
        ++scoringGroupCategories;
        ASSERT_NE(field, 255) << id;
        EXPECT_EQ(fieldNames[table][static_cast<std::size_t>(field)], "Fld" + std::to_string(field)) << id;
      }
      // Relative references stay inside the category.
      int ref = props->Field(4).AsLong();
      EXPECT_GE(order - 1 + ref, 0) << id;
      EXPECT_LT(order - 1 + ref, ops) << id;
      if (field == 255) {
        int source = order - 1 + props->Field(3).AsLong();
        EXPECT_GE(source, 0) << id;
        EXPECT_LT(source, order - 1) << id;
      }
    }
    // What the player-record import and the editor write must be one field read as it is.
    if (cats->Field(3).AsLong() == 1) {
      EXPECT_EQ(ops, 1) << id;
      EXPECT_EQ(Text("SELECT Operator FROM tblStatProperties WHERE CatID = ?", {Value(id)}), "0") << id;
      int table =
          std::atoi(Text("SELECT \"Table\" FROM tblStatProperties WHERE CatID = ?", {Value(id)}).c_str());
      int field = std::atoi(Text("SELECT Field FROM tblStatProperties WHERE CatID = ?", {Value(id)}).c_str());
      EXPECT_NE(table, 1) << id;
      EXPECT_GE(field, 3) << id;
    }
  }
  EXPECT_EQ(count, 118);
  EXPECT_GT(scoringGroupCategories, 90);
  EXPECT_EQ(Text("SELECT MAX(\"Table\") FROM tblStatProperties"), "11");
}

TEST_F(TemplateDatabase, SubCategoriesGiveTheScoringEditorNineTabs) {
  EXPECT_EQ(Text("SELECT MAX(ID) FROM tblStatSubCategories"), "10");
  EXPECT_EQ(
      Text("SELECT COUNT(*) FROM tblStatCategories WHERE SubCatID = 10 AND ID IN (44, 50, 51, 67, 84, 88)"),
      "6");
  EXPECT_EQ(Text("SELECT COUNT(*) FROM tblStatCategories WHERE SubCatID < 0 OR SubCatID > 10"), "0");
  EXPECT_EQ(Text("SELECT COUNT(*) FROM tblStatCategories c WHERE NOT EXISTS "
                 "(SELECT 1 FROM tblStatUnits u WHERE u.ID = c.Unit)"),
            "0");
}

TEST_F(TemplateDatabase, PositionsFollowTheDisplayGridSettings) {
  // Setting ID + 4 holds the position's display grid; IDs 2, 3-5 and 9, 6,
  // 7-8 and 15-16, 10 and 17 are passing, rushing/receiving, kicking,
  // defensive, punting and team-defence positions.
  std::map<int, std::string> expected = {{1, "ROS"}, {2, "QB"}, {3, "RB"},  {4, "WR"}, {5, "TE"},
                                         {6, "K"},   {7, "DL"}, {8, "LB"},  {9, "FB"}, {10, "P"},
                                         {15, "CB"}, {16, "S"}, {17, "DST"}};
  for (const auto& [id, pos] : expected) {
    EXPECT_EQ(Text("SELECT Pos FROM tblPositions WHERE ID = ?", {Value(id)}), pos) << id;
  }
  EXPECT_EQ(Text("SELECT COUNT(*) || '/' || MAX(ID) FROM tblPositions"), "17/17");
  std::set<int> orders;
  auto rs = Query("SELECT DisplayOrder, MergeAsID, ID, RosterMax FROM tblPositions");
  for (; !rs->Eof(); rs->MoveNext()) {
    orders.insert(rs->Field(0).AsLong());
    EXPECT_EQ(rs->Field(1).AsLong(), rs->Field(2).AsLong());
    EXPECT_EQ(rs->Field(3).AsLong(), 0);
  }
  EXPECT_EQ(orders.size(), 17u);
  EXPECT_EQ(*orders.begin(), 1);
  EXPECT_EQ(*orders.rbegin(), 17);
  EXPECT_EQ(Text("SELECT DisplayOrder FROM tblPositions WHERE ID = 1"), "1");
}

TEST_F(TemplateDatabase, TeamsByeWeeksAndTheSettingsRowOfTheBundledSeason) {
  EXPECT_EQ(Text("SELECT COUNT(*) FROM tblTeams WHERE StartYear <= 2024 AND EndYear >= 2024"), "33");
  EXPECT_EQ(Text("SELECT COUNT(*) FROM tblByeWeeks WHERE Year = 2024"), "32");
  EXPECT_EQ(Text("SELECT b.ByeWeek FROM tblByeWeeks b, tblTeams t WHERE t.ID = b.TeamID AND t.AbrvA = 'DET'"),
            "5");
  EXPECT_EQ(Text("SELECT b.ByeWeek FROM tblByeWeeks b, tblTeams t WHERE t.ID = b.TeamID AND t.AbrvA = 'BAL'"),
            "14");
  EXPECT_EQ(Text("SELECT COUNT(*) FROM tblSettings"), "1");
  EXPECT_EQ(Text("SELECT Year || '/' || PlayerDisplayGridID || '/' || MasterVersion || '/' || StrainName "
                 "FROM tblSettings"),
            "2024/1/0/None");
}

TEST_F(TemplateDatabase, FormatsGridAndScoringRowsReferToWhatExists) {
  auto formats = Query("SELECT ID, ConvertCount FROM tblDisplayFormat");
  for (; !formats->Eof(); formats->MoveNext()) {
    EXPECT_EQ(Text("SELECT COUNT(*) FROM tblDisplayTextConvert WHERE FormatID = ?", {formats->Field(0)}),
              formats->Field(1).AsText())
        << formats->Field(0).AsLong();
  }
  EXPECT_EQ(Text("SELECT COUNT(*) FROM tblDisplayGrids g WHERE g.GridID = 1 AND "
                 "EXISTS (SELECT 1 FROM tblStatCategories c WHERE c.ID = g.TableFieldID) AND "
                 "EXISTS (SELECT 1 FROM tblDisplayFormat f WHERE f.ID = g.Decimals)"),
            Text("SELECT COUNT(*) FROM tblDisplayGrids WHERE GridID = 1"));
  EXPECT_EQ(
      Text("SELECT MIN(OrderNumber) || '/' || MAX(OrderNumber) || '/' || COUNT(*) FROM tblDisplayGrids"),
      "1/15/15");
  EXPECT_EQ(Text("SELECT COUNT(*) FROM tblScoringSystem s WHERE NOT EXISTS "
                 "(SELECT 1 FROM tblStatCategories c WHERE c.ID = s.CatID)"),
            "0");
  // Points-allowed tiers belong to team defenses alone: a player without
  // defense rows allows 0 points and would otherwise earn the top tier.
  EXPECT_EQ(Text("SELECT COUNT(*) FROM tblScoringSystem WHERE ApplyToPos <> 2 AND CatID <> 99"), "0");
  EXPECT_EQ(Text("SELECT COUNT(*) FROM tblScoringSystem WHERE CatID = 99 AND ApplyToPos <> 131072"), "0");
}

TEST(TemplateBuild, TheBuildsTemplateIsTheOneTheScriptsMake) {
  std::string built =
      kdtest::ReadFile(std::string(KD_BUILT_SHARE_DIR) + "/Vellacorn/Kickwell Draftyard/dat/def/Default.pro");
  ASSERT_FALSE(built.empty()) << "the build did not make def/Default.pro";
  kdtest::TempDir dir;
  EXPECT_TRUE(built == kdtest::ReadFile(kdtest::MakeTemplateDatabase(dir)));
}
