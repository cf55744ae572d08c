#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "DraftResultFixtures.h"
#include "FakeSeams.h"
#include "core/clsCheatIsolate.h"
#include "core/clsStatusPlain.h"
#include "database/clsKickwellDB.h"
#include "documents/DocumentOptions.h"
#include "documents/basFlexGridHTML.h"
#include "engine/basMockDraftCalculation.h"
#include "engine/clsMockDraft.h"
#include "engine/clsMockRoster.h"
#include "platform/flexgrid/FlexGridModel.h"

namespace {

using kdtest::kPosAll;
using kdtest::kPosQB;
using kdtest::kPosRB;
using kdtest::kPosWR;

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++n;
  return n;
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The fixture's players as a project of three teams and four rounds, ranked
// and drafted by the engine's jobs, written as both documents in all three
// formats the way the project page writes them.
class ProjectDocuments : public testing::Test {
 protected:
  void SetUp() override {
    fixture_.WriteProject({{kPosAll, 4, 3}, {kPosQB, 1, 1}, {kPosRB, 2, 1}, {kPosWR, 1, 1}}, 3, 4, 1);
    for (int32_t id = 1; id <= 8; ++id) status_.AddSegment(id, 10.0f);
    status_.SetStatusForm(seams_.progress);
  }
  // What a page grid shows after its display grid is loaded.
  void LayOut(clsKickwellDB& db, FlexGridModel& page, const std::string& displayGrid) {
    ASSERT_TRUE(db.LoadDisplay(fixture_.DisplayGridFolder() + displayGrid));
    basFlexGridHTML::SetupResultGridHeadings(page, db);
  }
  std::string Write(const std::string& name) { return fixture_.Dir().File(name); }

  kdtest::ScopedFakeSeams seams_;
  kdtest::DraftResultFixture fixture_;
  clsStatusPlain status_;
};

TEST_F(ProjectDocuments, CheatSheetAndMockDraftInAllThreeFormats) {
  const DocumentOptions options = ReadDocumentOptions(GlobalProject());
  ASSERT_EQ(options.additionalPlayers, 1);

  // The cheat sheet: QB 1 x 3 + 1 players, RB 2 x 3 + 1, WR 1 x 3 + 1.
  clsMockDraft cheatBoard;
  clsMockRoster roster;
  clsKickwellDB cheatDb;
  ASSERT_TRUE(basMockDraftCalculation::CalculateCheatSheet(status_, cheatBoard, roster, cheatDb));
  FlexGridModel cheatPage;
  LayOut(cheatDb, cheatPage, "Cheat Sheet - Default.dis");
  basFlexGridHTML::FillCheatSheetGrid(cheatPage, roster, cheatDb, options);
  EXPECT_EQ(cheatPage.Rows(), 6 + 9 + 6);
  for (int32_t type = 0; type <= 2; ++type) {
    ASSERT_TRUE(basFlexGridHTML::WriteCheatSheetDocument(Write("Cheat." + std::to_string(type)), cheatPage,
                                                         roster, cheatDb, type, options));
  }

  const std::string html = kdtest::ReadFile(Write("Cheat.0"));
  EXPECT_EQ(Count(html, "<table class=vctbl>"), 3u);
  EXPECT_EQ(Count(html, "<tr class=bgrw"), 4u + 7u + 4u);
  // Third of three QBs is the baseline: 300 - 260 over both.
  EXPECT_TRUE(
      Has(html,
          "<tr class=bgrw0><td class=algc>1 </td><td class=algl>QB1, Test </td><td class=algc>BAL </td>"
          "<td class=algc>14 </td><td class=algr>300.0 </td><td class=algr>40.0 </td>"
          "<td class=algr>40.0 </td></tr>"))
      << html;
  // The sixth RB holds the roster baseline (150), the third the starters' (210).
  EXPECT_TRUE(Has(html,
                  "<td class=algl>RB1, Test </td><td class=algc>BUF </td><td class=algc>12 </td>"
                  "<td class=algr>250.0 </td><td class=algr>100.0 </td><td class=algr>40.0 </td>"));
  EXPECT_TRUE(Has(
      html, "<tr><td>League Properties</td><td>Fixture.lgp</td><td>[3 Teams] [4 Draft Rounds] </td></tr>"));
  EXPECT_TRUE(Has(html, "<tr><td>Scoring System</td><td>Yards.sco</td><td>[1 Scoring Rules]</td></tr>"));

  EXPECT_EQ(Count(kdtest::ReadFile(Write("Cheat.1")), "\r\n \r\n"), 3u);
  const std::string csv = kdtest::ReadFile(Write("Cheat.2"));
  EXPECT_EQ(Count(csv, "\r\n\r\n\r\n"), 3u);
  EXPECT_TRUE(Has(csv, "\"1\",\"QB1, Test\",\"BAL\",\"14\",\"300.0\",\"40.0\",\"40.0\"\r\n"));

  // The automatic draft: every team takes the most points its roster has
  // room for, so the quarterbacks go first.
  clsMockDraft board;
  clsKickwellDB mockDb;
  ASSERT_TRUE(basMockDraftCalculation::CalculateMockDraft(status_, board, mockDb));
  ASSERT_EQ(board.Count(), 11);
  FlexGridModel mockPage;
  LayOut(mockDb, mockPage, "Mock Draft - Default.dis");
  const int32_t view = MockDisplayView, rosters = IncludeRosterListings, summary = IncludeRosterPointSummary;
  MockDisplayView = 0;
  IncludeRosterListings = 1;
  IncludeRosterPointSummary = 1;
  basFlexGridHTML::FillMockDraftGrid(mockPage, board, mockDb, true, options);
  for (int32_t type = 0; type <= 2; ++type) {
    bool colourFromGrid = false, boardCells = false;
    ASSERT_TRUE(basFlexGridHTML::WriteMockDraftDocument(Write("Mock." + std::to_string(type)), mockPage,
                                                        board, mockDb, type, colourFromGrid, boardCells, true,
                                                        options));
  }
  MockDisplayView = view;
  IncludeRosterListings = rosters;
  IncludeRosterPointSummary = summary;

  const std::string mockHtml = kdtest::ReadFile(Write("Mock.0"));
  EXPECT_TRUE(Has(mockHtml,
                  "<tr class=bgrw0><td class=algc>1 </td><td class=algc>1 </td><td class=algl>Team 1 </td>"
                  "<td class=algl>QB1, Test </td><td class=algc>QB </td>"))
      << mockHtml;
  // Three teams: one row of the outer table, closed; then the summary of
  // every team and the project summary.
  EXPECT_TRUE(Has(mockHtml, "<br/><table style=\"padding: 6px;\">\r\n<tr>\r\n<td>\r\n"));
  EXPECT_EQ(Count(mockHtml, "\r\n<td>\r\n"), 3u);
  EXPECT_EQ(Count(mockHtml, "\r\n</tr>\r\n</table>\r\n<br/>\r\n<table class=vctbl>"), 1u);
  EXPECT_EQ(Count(mockHtml, "<td class=algl>Team 3 </td>"), 4u + 1u) << "four picks and the summary";

  EXPECT_EQ(Count(kdtest::ReadFile(Write("Mock.1")), "\r\n \r\n"), 1u + 3u + 1u) << "draft, rosters, summary";
  const std::string mockCsv = kdtest::ReadFile(Write("Mock.2"));
  EXPECT_EQ(Count(mockCsv, "\r\n\r\n\r\n"), 5u);
  EXPECT_TRUE(Has(mockCsv, "\"1\",\"1\",\"Team 1\",\"QB1, Test\",\"QB\",\"BAL\",\"14\",\"300.0\""));
  EXPECT_TRUE(Has(mockCsv, "\"Team Name\",\"Starters\",\"Bench\",\"Full\",\"QB\",\"RB\",\"WR\"\r\n"));
  EXPECT_TRUE(seams_.messages.messages.empty());
}

}  // namespace
