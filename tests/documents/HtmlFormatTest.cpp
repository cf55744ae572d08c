#include <gtest/gtest.h>

#include <string>

#include "GridFixtures.h"
#include "documents/DocumentFile.h"
#include "documents/basFlexGridHTML.h"
#include "platform/flexgrid/FlexGridModel.h"

namespace {

using namespace basFlexGridHTML;

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
  EXPECT_EQ(file.Bytes(),
            "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\"\r\n"
            "\"http://www.w3.org/TR/html4/loose.dtd\">\r\n<html>\r\n<head>\r\n<title> </title>\r\n");
}

// With colours and grid lines, then without: everything white and borderless.
TEST(HtmlStyle, ColoursAndGridLinesOnAndOff) {
  const struct {
    bool on;
    const char *border, *cell, *heading, *rowB;
  } cases[] = {{true, "1px 0px 0px 1px", "0px 1px 1px 0px", "C2D0BA", "ECF1E9"},
               {false, "0px 0px 0px 0px", "0px 0px 0px 0px", "FFFFFF", "FFFFFF"}};
  for (const auto& c : cases) {
    DocumentOptions options;
    options.useColor = c.on;
    options.useGridLines = c.on;
    if (!c.on) options.headingBackColor = 0x0000FF;
    DocumentFile file;
    WriteHtmlStyle(file, options);
    EXPECT_EQ(
        file.Bytes(),
        std::string("<style type=\"text/css\">\r\n\r\n"
                    ".vctbl   {color:#000000; font-family:arial; font-size:8pt; font-weight:normal; "
                    "border-color:#000000; border-style:solid; border-collapse: collapse;border-width:") +
            c.border + "; }\r\n.vctbl td {color:#000000; border-style:solid; border-width:" + c.cell +
            "; padding: 2px 4px 2px 4px; }\r\n"
            ".vctbl th {color:#000000; font-weight:normal; background-color:#" +
            c.heading + "; border-style:solid; border-width:" + c.cell +
            "; padding: 2px 4px 2px 4px; }\r\n"
            ".vctbl caption {font-weight:bold; caption-side: top; text-align: left; "
            "background-color:#FFFFFF; }\r\n"
            ".bgrw0 {background-color:#FFFFFF; }\r\n.bgrw1 {background-color:#" +
            c.rowB +
            "; }\r\n"
            ".algl {text-align: left; }\r\n.algc {text-align: center; }\r\n.algr {text-align: right; }\r\n"
            ".lnk   {color:#000000; font-family:arial; font-size:8pt; font-weight:normal;}\r\n"
            "</style>\r\n</head>\r\n<body>\r\n<table width=100%><tr><td align=center>\r\n")
        << c.on;
  }
}

TEST(HtmlTable, HeadingsColgroupAndRowClassesOfASmallGrid) {
  FlexGridModel grid;
  FillPlayers(grid);
  const std::string colgroup =
      "<table class=vctbl>\r\n"
      "<colgroup align=right><col align=left width=80><col align=right width=67>"
      "<col align=right width=40></colgroup>\r\n";
  const std::string lamar =
      "<tr class=bgrw1><td class=algl>Lamar Jackson </td><td class=algr>BAL </td><td>398.0 </td></tr>\r\n";
  EXPECT_EQ(
      Table(grid, 2, 3, 0, 1, false, false),
      colgroup +
          "<tr><th colspan=2 align=left> QB - 2024</th><th align=right> Stats</th></tr>"
          "<tr><th align=left> Name</th><th align=center> Team</th><th align=right> Pts</th></tr>\r\n"
          "<tr class=bgrw0><td class=algl>Josh Allen </td><td class=algr>BUF </td><td>412.5 </td></tr>\r\n" +
          lamar + "</table>\r\n");
  EXPECT_EQ(Table(grid, 3, 3, -1, -1, false, false), colgroup + lamar + "</table>\r\n")
      << "without heading rows no heading line is written";
}

TEST(HtmlTable, HeadingAndColgroupAlignments) {
  // Three equal headings at the start become one left-aligned cell.
  FlexGridModel passing;
  kdtest::FillGrid(passing, {{" Passing", " Passing", " Passing", " Rushing"}});
  passing.SetColAlignment(-1, 4);
  DocumentFile merged;
  WriteHtmlHeadingRows(passing, merged, 0, 0, 0, 3);
  EXPECT_EQ(merged.Bytes(),
            "<tr><th colspan=3 align=left> Passing</th><th align=center> Rushing</th></tr>\r\n");

  // Heading alignments without an attribute repeat the previous group, across rows too.
  FlexGridModel grid;
  kdtest::FillGrid(grid, {{"A", "B", "C"}, {"D", "E", "F"}});
  grid.SetColAlignment(0, 3);
  grid.SetColAlignment(1, 4);
  grid.SetColAlignment(2, 2);
  DocumentFile headings;
  WriteHtmlHeadingRows(grid, headings, 0, 1, 0, 2);
  EXPECT_EQ(headings.Bytes(),
            "<tr><th>A</th><th align=center>B</th><th align=center>C</th></tr>"
            "<tr><th align=center>D</th><th align=center>E</th><th align=center>F</th></tr>\r\n");

  // So do colgroup columns without an alignment.
  FlexGridModel cols;
  kdtest::FillGrid(cols, {{"a", "b", "c", "d"}});
  for (auto [col, alignment] : {std::pair{0, 9}, {1, 4}, {2, 9}, {3, 1}})
    cols.SetColAlignment(col, alignment);
  cols.SetColWidth(-1, 1012);  // 67.47 pixels
  DocumentFile colgroup;
  WriteHtmlColGroup(cols, colgroup, 0, 3);
  EXPECT_EQ(colgroup.Bytes(),
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

TEST(HtmlTable, SmallTablesOfEachMode) {
  const std::string open1 = "<table class=vctbl>\r\n<colgroup align=right><col width=64></colgroup>\r\n";
  FlexGridModel cell;
  kdtest::FillGrid(cell, {{"a\r\nb"}});
  EXPECT_EQ(Table(cell, 0, 0, -1, -1, false, true),
            open1 + "<tr class=bgrw0><td>a<br>b</td></tr>\r\n</table>\r\n")
      << "cell mode without grid colours carries no colour";

  FlexGridModel rows;
  kdtest::FillGrid(rows, {{"x", "y"}, {"a\r\nb", "c"}});
  rows.SetCellBackColorAt(1, 0, 0x0A0B0C);
  EXPECT_EQ(Table(rows, 1, 1, -1, -1, true, false),
            "<table class=vctbl>\r\n<colgroup align=right><col width=64><col width=64></colgroup>\r\n"
            "<tr bgcolor=#0C0B0A><td>a\r\nb </td><td>c </td></tr>\r\n</table>\r\n")
      << "outside cell mode line breaks stay and rows take the grid's colour";

  FlexGridModel names;
  kdtest::FillGrid(names, {{"R&D <\"x\">"}, {"Ja'Marr & \"Chase\" <WR>"}});
  EXPECT_EQ(
      Table(names, 1, 1, 0, 0, false, false),
      open1 +
          "<tr><th align=right>R&amp;D &lt;&quot;x&quot;&gt;</th></tr>\r\n"
          "<tr class=bgrw1><td>Ja&#39;Marr &amp; &quot;Chase&quot; &lt;WR&gt; </td></tr>\r\n</table>\r\n");

  FlexGridModel one;
  kdtest::FillGrid(one, {{"a"}});
  DocumentFile file;
  WriteHtmlTable("vctbl", one, file, -5, 1000000, -1, -1, -3, 50, false, false);
  EXPECT_EQ(file.Bytes(), open1 + "<tr class=bgrw0><td>a </td></tr>\r\n</table>\r\n")
      << "ranges beyond the grid are cut";
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

TEST(HtmlFooterAndTail, CloseTheDocument) {
  DocumentFile file;
  WriteHtmlLinkFooter(file);
  WriteHtmlTail(file);
  EXPECT_FALSE(file.IsOpen());
  file.WriteLine("late");
  EXPECT_EQ(file.Bytes(),
            "<br/><div class=lnk>Page Generated By <a href=\"https://www.kickwelldraftyard.com/\">"
            "Kickwell Draftyard</a></div><br/>\r\n</td></tr></table>\r\n</body>\r\n</html>\r\n");
}

}  // namespace
