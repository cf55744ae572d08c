#include <gtest/gtest.h>

#include <string>

#include "GridFixtures.h"
#include "documents/DocumentFile.h"
#include "documents/basFlexGridHTML.h"
#include "platform/flexgrid/FlexGridModel.h"

namespace {

using namespace basFlexGridHTML;

const char kHead[] =
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\"\r\n"
    "\"http://www.w3.org/TR/html4/loose.dtd\">\r\n"
    "<html>\r\n"
    "<head>\r\n"
    "<title> </title>\r\n";

const char kStyleRules[] =
    ".vctbl caption {font-weight:bold; caption-side: top; text-align: left; background-color:#FFFFFF; }\r\n";

const char kStyleEnd[] =
    ".algl {text-align: left; }\r\n"
    ".algc {text-align: center; }\r\n"
    ".algr {text-align: right; }\r\n"
    ".lnk   {color:#000000; font-family:arial; font-size:8pt; font-weight:normal;}\r\n"
    "</style>\r\n"
    "</head>\r\n"
    "<body>\r\n"
    "<table width=100%><tr><td align=center>\r\n";

// Two heading rows and two players; columns left, right and general.
void FillPlayers(FlexGridModel& grid) {
  kdtest::FillGrid(grid, {{" QB - 2024", " QB - 2024", " Stats"},
                          {" Name", " Team", " Pts"},
                          {"  Josh Allen ", "BUF", "412.5"},
                          {"Lamar Jackson", "BAL", "398.0"}});
  grid.SetColAlignment(0, 1);
  grid.SetColAlignment(1, 7);
  grid.SetColWidth(0, 1200);
  grid.SetColWidth(1, 1000);
  grid.SetColWidth(2, 600);
  grid.SetCellAlignmentAt(1, 1, 4);
}

std::string Table(const FlexGridModel& grid, int32_t firstData, int32_t lastData, int32_t firstHeading,
                  int32_t lastHeading, bool colourFromGrid, bool cellMode) {
  DocumentFile file;
  WriteHtmlTable("vctbl", grid, file, firstData, lastData, firstHeading, lastHeading, 0, grid.Cols() - 1,
                 colourFromGrid, cellMode);
  return file.Bytes();
}

TEST(HtmlHead, DeclaresHtml401TransitionalOverTwoLines) {
  DocumentFile file;
  WriteHtmlHead(file);
  EXPECT_EQ(file.Bytes(), kHead);
}

TEST(HtmlStyle, WithColoursAndGridLines) {
  DocumentOptions options;
  DocumentFile file;
  WriteHtmlStyle(file, options);
  EXPECT_EQ(file.Bytes(),
            std::string("<style type=\"text/css\">\r\n\r\n"
                        ".vctbl   {color:#000000; font-family:arial; font-size:8pt; font-weight:normal; "
                        "border-color:#000000; border-style:solid; border-collapse: collapse;"
                        "border-width:1px 0px 0px 1px; }\r\n"
                        ".vctbl td {color:#000000; border-style:solid; border-width:0px 1px 1px 0px; "
                        "padding: 2px 4px 2px 4px; }\r\n"
                        ".vctbl th {color:#000000; font-weight:normal; background-color:#C2D0BA; "
                        "border-style:solid; border-width:0px 1px 1px 0px; padding: 2px 4px 2px 4px; }\r\n") +
                kStyleRules +
                ".bgrw0 {background-color:#FFFFFF; }\r\n"
                ".bgrw1 {background-color:#ECF1E9; }\r\n" +
                kStyleEnd);
}

TEST(HtmlStyle, WithoutColoursOrGridLinesEverythingIsWhiteAndBorderless) {
  DocumentOptions options;
  options.useColor = false;
  options.useGridLines = false;
  options.headingBackColor = 0x0000FF;
  DocumentFile file;
  WriteHtmlStyle(file, options);
  EXPECT_EQ(file.Bytes(),
            std::string("<style type=\"text/css\">\r\n\r\n"
                        ".vctbl   {color:#000000; font-family:arial; font-size:8pt; font-weight:normal; "
                        "border-color:#000000; border-style:solid; border-collapse: collapse;"
                        "border-width:0px 0px 0px 0px; }\r\n"
                        ".vctbl td {color:#000000; border-style:solid; border-width:0px 0px 0px 0px; "
                        "padding: 2px 4px 2px 4px; }\r\n"
                        ".vctbl th {color:#000000; font-weight:normal; background-color:#FFFFFF; "
                        "border-style:solid; border-width:0px 0px 0px 0px; padding: 2px 4px 2px 4px; }\r\n") +
                kStyleRules +
                ".bgrw0 {background-color:#FFFFFF; }\r\n"
                ".bgrw1 {background-color:#FFFFFF; }\r\n" +
                kStyleEnd);
}

TEST(HtmlTable, HeadingsColgroupAndRowClassesOfASmallGrid) {
  FlexGridModel grid;
  FillPlayers(grid);
  EXPECT_EQ(
      Table(grid, 2, 3, 0, 1, false, false),
      "<table class=vctbl>\r\n"
      "<colgroup align=right><col align=left width=80><col align=right width=67>"
      "<col align=right width=40></colgroup>\r\n"
      "<tr><th colspan=2 align=left> QB - 2024</th><th align=right> Stats</th></tr>"
      "<tr><th align=left> Name</th><th align=center> Team</th><th align=right> Pts</th></tr>\r\n"
      "<tr class=bgrw0><td class=algl>Josh Allen </td><td class=algr>BUF </td><td>412.5 </td></tr>\r\n"
      "<tr class=bgrw1><td class=algl>Lamar Jackson </td><td class=algr>BAL </td><td>398.0 </td></tr>\r\n"
      "</table>\r\n");
}

TEST(HtmlTable, WithoutHeadingRowsNoHeadingLineIsWritten) {
  FlexGridModel grid;
  FillPlayers(grid);
  EXPECT_EQ(
      Table(grid, 3, 3, -1, -1, false, false),
      "<table class=vctbl>\r\n"
      "<colgroup align=right><col align=left width=80><col align=right width=67>"
      "<col align=right width=40></colgroup>\r\n"
      "<tr class=bgrw1><td class=algl>Lamar Jackson </td><td class=algr>BAL </td><td>398.0 </td></tr>\r\n"
      "</table>\r\n");
}

TEST(HtmlTable, ThreeEqualHeadingsAtTheStartBecomeOneLeftAlignedCell) {
  FlexGridModel grid;
  kdtest::FillGrid(grid, {{" Passing", " Passing", " Passing", " Rushing"}});
  grid.SetColAlignment(-1, 4);
  DocumentFile file;
  WriteHtmlHeadingRows(grid, file, 0, 0, 0, 3);
  EXPECT_EQ(file.Bytes(),
            "<tr><th colspan=3 align=left> Passing</th><th align=center> Rushing</th></tr>\r\n");
}

TEST(HtmlTable, HeadingAlignmentsWithoutAnAttributeRepeatThePreviousGroupAcrossRows) {
  FlexGridModel grid;
  kdtest::FillGrid(grid, {{"A", "B", "C"}, {"D", "E", "F"}});
  grid.SetColAlignment(0, 3);
  grid.SetColAlignment(1, 4);
  grid.SetColAlignment(2, 2);
  DocumentFile file;
  WriteHtmlHeadingRows(grid, file, 0, 1, 0, 2);
  EXPECT_EQ(file.Bytes(),
            "<tr><th>A</th><th align=center>B</th><th align=center>C</th></tr>"
            "<tr><th align=center>D</th><th align=center>E</th><th align=center>F</th></tr>\r\n");
}

TEST(HtmlTable, ColgroupColumnsWithoutAnAlignmentRepeatThePreviousOne) {
  FlexGridModel grid;
  kdtest::FillGrid(grid, {{"a", "b", "c", "d"}});
  grid.SetColAlignment(0, 9);
  grid.SetColAlignment(1, 4);
  grid.SetColAlignment(2, 9);
  grid.SetColAlignment(3, 1);
  grid.SetColWidth(-1, 1012);  // 67.47 pixels
  DocumentFile file;
  WriteHtmlColGroup(grid, file, 0, 3);
  EXPECT_EQ(file.Bytes(),
            "<colgroup align=right><col width=67><col align=center width=67><col align=center width=67>"
            "<col align=left width=67></colgroup>\r\n");
}

TEST(HtmlTable, CellModeTakesCellColoursAndTurnsLineBreaksIntoBr) {
  FlexGridModel grid;
  kdtest::FillGrid(grid, {{"", "Team A", "Team B"}, {"1", "Josh Allen\r\nBUF - QB", " A & B <c> "}});
  grid.SetFixedCols(1);
  grid.SetBackColorFixed(12243138);
  grid.SetCellBackColorAt(1, 0, 0x00FF00);
  grid.SetCellBackColorAt(1, 1, 0x0000FF);
  EXPECT_EQ(Table(grid, 1, 1, 0, 0, true, true),
            "<table class=vctbl>\r\n"
            "<colgroup align=right><col width=64><col width=64><col width=64></colgroup>\r\n"
            "<tr><th align=right></th><th align=right>Team A</th><th align=right>Team B</th></tr>\r\n"
            "<tr bgcolor=#00FF00><td bgcolor=#C2D0BA>1</td><td bgcolor=#FF0000>Josh Allen<br>BUF - QB</td>"
            "<td bgcolor=#FFFFFF>A &amp; B &lt;c&gt;</td></tr>\r\n"
            "</table>\r\n");
}

TEST(HtmlTable, CellModeWithoutGridColoursCarriesNoColour) {
  FlexGridModel grid;
  kdtest::FillGrid(grid, {{"a\r\nb"}});
  EXPECT_EQ(Table(grid, 0, 0, -1, -1, false, true),
            "<table class=vctbl>\r\n"
            "<colgroup align=right><col width=64></colgroup>\r\n"
            "<tr class=bgrw0><td>a<br>b</td></tr>\r\n"
            "</table>\r\n");
}

TEST(HtmlTable, OutsideCellModeLineBreaksStayAndRowsTakeTheGridColour) {
  FlexGridModel grid;
  kdtest::FillGrid(grid, {{"x", "y"}, {"a\r\nb", "c"}});
  grid.SetCellBackColorAt(1, 0, 0x0A0B0C);
  EXPECT_EQ(Table(grid, 1, 1, -1, -1, true, false),
            "<table class=vctbl>\r\n"
            "<colgroup align=right><col width=64><col width=64></colgroup>\r\n"
            "<tr bgcolor=#0C0B0A><td>a\r\nb </td><td>c </td></tr>\r\n"
            "</table>\r\n");
}

TEST(HtmlTable, NamesWithAmpersandsAnglesAndQuotesAreEscaped) {
  FlexGridModel grid;
  kdtest::FillGrid(grid, {{"R&D <\"x\">"}, {"Ja'Marr & \"Chase\" <WR>"}});
  EXPECT_EQ(Table(grid, 1, 1, 0, 0, false, false),
            "<table class=vctbl>\r\n"
            "<colgroup align=right><col width=64></colgroup>\r\n"
            "<tr><th align=right>R&amp;D &lt;&quot;x&quot;&gt;</th></tr>\r\n"
            "<tr class=bgrw1><td>Ja&#39;Marr &amp; &quot;Chase&quot; &lt;WR&gt; </td></tr>\r\n"
            "</table>\r\n");
}

TEST(HtmlTable, ReadingTheGridNeverMovesItsCurrentCell) {
  FlexGridModel grid;
  FillPlayers(grid);
  grid.SetRow(0);
  grid.SetCol(0);
  int cellEvents = 0;
  const int32_t id = grid.Subscribe([&](FlexGridEvent e) {
    if (e == FlexGridEvent::kEnterCell || e == FlexGridEvent::kLeaveCell) ++cellEvents;
  });
  Table(grid, 2, 3, 0, 1, true, true);
  grid.Unsubscribe(id);
  EXPECT_EQ(cellEvents, 0);
  EXPECT_EQ(grid.Row(), 0);
  EXPECT_EQ(grid.Col(), 0);
}

TEST(HtmlTable, RangesBeyondTheGridAreCut) {
  FlexGridModel grid;
  kdtest::FillGrid(grid, {{"a"}});
  DocumentFile file;
  WriteHtmlTable("vctbl", grid, file, -5, 1000000, -1, -1, -3, 50, false, false);
  EXPECT_EQ(file.Bytes(),
            "<table class=vctbl>\r\n"
            "<colgroup align=right><col width=64></colgroup>\r\n"
            "<tr class=bgrw0><td>a </td></tr>\r\n"
            "</table>\r\n");
}

TEST(HtmlFooterAndTail, CloseTheDocument) {
  DocumentFile file;
  WriteHtmlLinkFooter(file);
  WriteHtmlTail(file);
  EXPECT_FALSE(file.IsOpen());
  file.WriteLine("late");
  EXPECT_EQ(file.Bytes(),
            "<br/><div class=lnk>Page Generated By <a href=\"https://www.kickwelldraftyard.com/\">"
            "Kickwell Draftyard</a></div><br/>\r\n"
            "</td></tr></table>\r\n"
            "</body>\r\n"
            "</html>\r\n");
}

}  // namespace
