#include <gtest/gtest.h>

#include <map>
#include <string>

#include "OpenCatalogue.h"
#include "TemplateFixture.h"
#include "database/clsDisplayRows.h"

namespace {

// The database's lookups as the database answers them for players 1 and 2
// of the fixture: a miss gives "N/A", "" or 0.
class FakeLookups final : public clsDisplayRows::Lookups {
 public:
  std::string pFnGetPlayerName(int32_t playerID) override { return Find(names, playerID); }
  std::string pFnGetTeamAbrvwPlaID(int32_t playerID, uint8_t, int16_t) override {
    return playerID == 1 || playerID == 2 ? "BAL" : "N/A";
  }
  std::string pFnGetPosAbrvwPlaID(int32_t playerID) override {
    return playerID == 1 ? "QB" : playerID == 2 ? "K" : "N/A";
  }
  std::string pFnGetInjStatuswPlaID(int32_t playerID, uint8_t, int16_t) override {
    return playerID == 1 ? "QST" : "";
  }
  uint8_t pFnGetByeWeekwPlaID(int32_t playerID, uint8_t, int16_t) override {
    return playerID == 1 || playerID == 2 ? 14 : 0;
  }
  std::string MockCheatText(int32_t key) override { return Find(texts, key); }

  std::map<int32_t, std::string> names{{1, "Jackson, Lamar"}, {2, "Tucker, Justin"}};
  std::map<int32_t, std::string> texts;

 private:
  static std::string Find(const std::map<int32_t, std::string>& map, int32_t key) {
    auto it = map.find(key);
    return it == map.end() ? "" : it->second;
  }
};

class DisplayRows : public testing::Test {
 protected:
  explicit DisplayRows(const std::string& sql = kdtest::TwoPlayersSql()) : open(sql) {
    open.Open();
    rows.LoadAtOpen(*open.db);
  }

  std::string Cell(int32_t formatID, int32_t catID, float value, int32_t playerID = 1) {
    return rows.pFnGetValueText(formatID, catID, value, playerID, 250, 2024);
  }

  kdtest::OpenCatalogue open;
  clsDisplayFormatIsolate formats;
  clsDisplayGridIsolate grid;
  FakeLookups lookups;
  clsDisplayRows rows{open.catalogue, formats, grid, lookups};
};

TEST_F(DisplayRows, APlayerWithoutRowsShowsZerosAndTheLookupsMisses) {
  EXPECT_EQ(rows.pFnGetPlayerDisplayRow(99, 250, 2024),
            " \tN/A \tN/A \t0\t0.0\t0.0\t0\t0.0\t0.0\t0\t0.0\t0.0\t0\t0.0\t0.0\t");
}

TEST_F(DisplayRows, ACategoryInTwoColumnsRendersInBothAndNoColumnsGiveAnEmptyRow) {
  rows.pSbSetStatDisplayOrder(kdtest::GridOfColumns({{3, 1}, {44, 2}, {3, 4}}));
  EXPECT_EQ(rows.pFnGetPlayerDisplayRow(1, 250, 2024), "4172\t312.5\t4,172\t");
  rows.pSbSetStatDisplayOrder(clsDisplayGridIsolate());
  EXPECT_EQ(rows.pFnGetPlayerDisplayRow(1, 250, 2024), "");
}

TEST_F(DisplayRows, CellsRenderThroughTheirFormat) {
  lookups.texts[92] = "Owner 92";
  const struct {
    const char* name;
    int32_t formatID;
    int32_t catID;
    float value;
    const char* text;
  } cases[] = {
      {"WholeNumber", 1, 3, 4172.5f, "4173"},
      {"OneDecimalFromTheSinglesOwnDigits", 2, 44, 0.25f, "0.3"},
      {"TwoDecimalsOfASingle", 3, 44, 1.005f, "1.01"},
      {"Thousands", 4, 3, 12345, "12,345"},
      {"Percent", 5, 10, 0.66667f, "66.7%"},
      {"ZeroThroughTheSameFormat", 2, 44, 0, "0.0"},
      {"YesNoExact", 7, 67, 1, "Yes"},
      {"YesNoZero", 7, 67, 0, "No"},
      {"YesNoOther", 7, 67, 2, ""},
      {"InjuryCode", 17, 117, 4, "OUT"},
      {"InjuryCodeNone", 17, 117, 0, ""},
      {"GradeBelowTheFirstRange", 21, 46, -1, "-1.0"},
      {"GradeAtZero", 21, 46, 0, "0.0 Poor"},
      {"GradeAtASharedBoundTakesTheFirstRange", 21, 46, 80, "80.0 Poor"},
      {"GradeJustAboveABound", 21, 46, 80.05f, "80.1 Average"},
      {"GradeAtTheUpperBound", 21, 46, 160, "160.0 Elite"},
      {"GradeAboveTheLastRange", 21, 46, 160.5f, "160.5"},
      {"KeyedText", 15, 92, 92, "Owner 92"},
      {"KeyedTextHalfRoundsToEven", 15, 92, 92.5f, "Owner 92"},
      {"KeyedTextMissing", 15, 92, 93.5f, ""},
      {"KeyedTextKeyBeyondALong", 15, 92, 1e12f, ""},
      {"TeamLookup", 9, 116, 3, "BAL "},
      {"PositionLookup", 10, 50, 1, "QB "},
      {"PlayerIDLookup", 11, 118, 1, "1"},
      {"InjuryLookup", 12, 117, 2, "QST"},
      {"ByeWeekLookup", 14, 84, 1, "14"},
      {"NameStored", 13, 51, 1, "Jackson, Lamar "},
      {"NameLastInitial", 18, 51, 1, "Jackson, L. "},
      {"NameInitialLast", 19, 51, 1, "L. Jackson "},
      {"NameFirstLast", 20, 51, 1, "Lamar Jackson "},
      {"UnknownFormatFallsBackToTheCategoryDefault", 99, 3, 4172.4f, "4172"},
      {"UnknownFormatOfALookupCategory", 0, 51, 1, "Jackson, Lamar "},
      {"UnknownFormatAndCategoryGiveThePlainNumber", 99, 999, 4172.4f, "4172.4"},
  };
  for (const auto& c : cases) EXPECT_EQ(Cell(c.formatID, c.catID, c.value), c.text) << c.name;
}

TEST(NameStyles, SplitTheStoredNameAtItsFirstComma) {
  const struct {
    const char* stored;
    const char* styles[4];  // 13, 18, 19, 20
  } cases[] = {
      {"Smith, John", {"Smith, John", "Smith, J.", "J. Smith", "John Smith"}},
      {"Smith,John", {"Smith,John", "Smith, J.", "J. Smith", "John Smith"}},
      {"St. Brown, Amon-Ra", {"St. Brown, Amon-Ra", "St. Brown, A.", "A. St. Brown", "Amon-Ra St. Brown"}},
      {"Thomas, Jr., Michael", {"Thomas, Jr., Michael", "Thomas, J.", "J. Thomas", "Jr., Michael Thomas"}},
      {"Özil,  Émile ", {"Özil,  Émile ", "Özil, É.", "É. Özil", "Émile Özil"}},
      {"Cher", {"Cher", "Cher", "Cher", "Cher"}},
      {"", {"", "", "", ""}},
  };
  const int32_t ids[] = {13, 18, 19, 20};
  for (const auto& c : cases) {
    for (int k = 0; k < 4; ++k)
      EXPECT_EQ(clsDisplayRows::NameInStyle(ids[k], c.stored), c.styles[k]) << c.stored;
    EXPECT_EQ(clsDisplayRows::NameInStyle(21, c.stored), "");
    EXPECT_EQ(clsDisplayRows::NameInStyle(0, c.stored), "");
  }
}

class DisplayRowsWithoutDefaultGrid : public DisplayRows {
 protected:
  DisplayRowsWithoutDefaultGrid() : DisplayRows(kdtest::TwoPlayersSql() + "DELETE FROM tblDisplayGrids;") {}
};

TEST_F(DisplayRowsWithoutDefaultGrid, OpensWithAnEmptyGrid) {
  EXPECT_EQ(grid.ColumnMax(), -1);
  EXPECT_EQ(open.catalogue.DisplayCount(), 0);
  EXPECT_EQ(rows.pFnGetPlayerDisplayRow(1, 250, 2024), "");
}

}  // namespace
