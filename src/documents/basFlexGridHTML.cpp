#include "documents/basFlexGridHTML.h"

#include <algorithm>
#include <cctype>
#include <limits>

#include "core/PageCode.h"
#include "core/Seams.h"
#include "core/basAssociatedFiles.h"
#include "core/basColourScheme.h"
#include "core/basFlexGridCommon.h"
#include "core/basMockItUp.h"
#include "database/clsDisplayGridIsolate.h"
#include "database/clsKickwellDB.h"
#include "documents/basDisplayKeywords.h"
#include "documents/basGridValidation.h"
#include "engine/basMockDraftCalculation.h"
#include "engine/clsMockDraft.h"
#include "engine/clsMockRoster.h"
#include "platform/flexgrid/FlexGridModel.h"
#include "platform/runtime/Rounding.h"
#include "platform/runtime/Text.h"
#include "user_mock/basBoardMode.h"

namespace basFlexGridHTML {

namespace {

using runtime::Trim;

// --- Characters of the fixed-width layout --------------------------------
// Columns are counted in characters, not bytes. Text is decoded from UTF-8
// with every byte that is not part of a well-formed sequence kept as a code
// point of its own (0xDC00 + byte), so that encoding gives back the same
// bytes.

constexpr char32_t kRawByteBase = 0xDC00;

std::u32string Decode(std::string_view text) {
  std::u32string out;
  out.reserve(text.size());
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  std::size_t i = 0;
  while (i < text.size()) {
    const unsigned char b = byte(i);
    std::size_t len = 0;
    char32_t cp = 0;
    if (b < 0x80) {
      len = 1;
      cp = b;
    } else if (b >= 0xC2 && b <= 0xDF) {
      len = 2;
      cp = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
      len = 3;
      cp = b & 0x0F;
    } else if (b >= 0xF0 && b <= 0xF4) {
      len = 4;
      cp = b & 0x07;
    }
    bool ok = len > 0 && i + len <= text.size();
    for (std::size_t k = 1; ok && k < len; ++k) {
      const unsigned char cont = byte(i + k);
      if ((cont & 0xC0) != 0x80) ok = false;
      cp = (cp << 6) | (cont & 0x3F);
    }
    if (ok && len == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ok = false;
    if (ok && len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ok = false;
    if (ok) {
      out.push_back(cp);
      i += len;
    } else {
      out.push_back(kRawByteBase + b);
      ++i;
    }
  }
  return out;
}

std::string Encode(const std::u32string& text) {
  std::string out;
  out.reserve(text.size());
  for (char32_t cp : text) {
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp >= kRawByteBase + 0x80 && cp <= kRawByteBase + 0xFF) {
      out.push_back(static_cast<char>(cp - kRawByteBase));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

// A cell's text for the fixed-width layout: a line break (CR LF, or a lone
// CR or LF) counts as one blank, so that it cannot break the line, and the
// text is trimmed of blanks.
std::u32string LayoutText(const FlexGridModel& grid, int32_t row, int32_t col) {
  const std::string& raw = grid.TextMatrix(row, col);
  std::string flat;
  flat.reserve(raw.size());
  for (std::size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] == '\r') {
      flat.push_back(' ');
      if (i + 1 < raw.size() && raw[i + 1] == '\n') ++i;
    } else if (raw[i] == '\n') {
      flat.push_back(' ');
    } else {
      flat.push_back(raw[i]);
    }
  }
  return Decode(Trim(flat));
}

int32_t Length(const std::u32string& text) { return static_cast<int32_t>(text.size()); }

// Overwrites the line from the 1-based position on with as many characters
// of the text as fit.
void Place(std::u32string& line, int32_t position, const std::u32string& text) {
  if (position < 1) position = 1;
  const std::size_t start = static_cast<std::size_t>(position - 1);
  if (start >= line.size()) return;
  const std::size_t n = std::min(text.size(), line.size() - start);
  line.replace(start, n, text, 0, n);
}

struct Range {
  int32_t first;
  int32_t last;
  bool Empty() const { return last < first; }
};

Range ClampRange(int32_t first, int32_t last, int32_t count) {
  return {std::max(first, 0), std::min(last, count - 1)};
}

// --- HTML helpers --------------------------------------------------------

const char* ColumnClass(int32_t alignment) {
  switch (alignment) {
    case 1:
      return " class=algl";
    case 4:
      return " class=algc";
    case 7:
      return " class=algr";
    default:
      return "";
  }
}

// The scheme of an address written "scheme://...", in lower case; "" when
// the address has none.
std::string Scheme(std::string_view url) {
  if (url.empty() || !std::isalpha(static_cast<unsigned char>(url[0]))) return "";
  std::size_t i = 1;
  while (i < url.size()) {
    const unsigned char ch = static_cast<unsigned char>(url[i]);
    if (!std::isalnum(ch) && ch != '+' && ch != '-' && ch != '.') break;
    ++i;
  }
  if (url.substr(i, 3) != "://") return "";
  return runtime::LCase(url.substr(0, i));
}

// A link to an address stored in the database; "" when there is none
// ("None" or blanks). An address without a scheme is a web address. The
// addresses come from files and downloads and the document opens in a
// browser: only a web address becomes a link; any other scheme
// (javascript, file, data...) is written as escaped text.
std::string Link(const std::optional<std::string>& value) {
  if (!value) return "";
  const std::string address = Trim(*value);
  if (address.empty() || address == "None") return "";
  const std::string scheme = Scheme(address);
  if (!scheme.empty() && scheme != "http" && scheme != "https") return HtmlEscape(*value);
  const std::string href = scheme.empty() ? "http://" + address : address;
  return "<a href=\"" + HtmlEscape(href) + "\">" + HtmlEscape(*value) + "</a>";
}

}  // namespace

// --- Text and CSV --------------------------------------------------------

void WriteCsvTable(const FlexGridModel& grid, DocumentFile& file, int32_t firstRow, int32_t lastRow,
                   int32_t firstCol, int32_t lastCol) {
  const Range rows = ClampRange(firstRow, lastRow, grid.Rows());
  const Range cols = ClampRange(firstCol, lastCol, grid.Cols());
  for (int32_t r = rows.first; r <= rows.last; ++r) {
    std::string line;
    for (int32_t c = cols.first; c <= cols.last; ++c) {
      if (c > cols.first) line += ',';
      line += '"';
      line += runtime::ReplaceAll(Trim(grid.TextMatrix(r, c)), "\"", "\"\"");
      line += '"';
    }
    file.WriteLine(line);
  }
}

void MeasureTextColumns(std::vector<int32_t>& width, std::vector<int32_t>& position,
                        std::vector<int32_t>& alignment, int32_t firstCol, int32_t lastCol,
                        const FlexGridModel& grid) {
  const auto n = static_cast<std::size_t>(grid.Cols());
  width.assign(n, 0);
  position.assign(n, 0);
  alignment.assign(n, 0);
  const Range cols = ClampRange(firstCol, lastCol, grid.Cols());
  if (cols.Empty()) return;
  const auto at = [](int32_t c) { return static_cast<std::size_t>(c); };

  for (int32_t c = cols.first; c <= cols.last; ++c) {
    alignment[at(c)] = grid.ColAlignment(c);
    for (int32_t r = 0; r < grid.Rows(); ++r) {
      if (!grid.MergeRow(r)) width[at(c)] = std::max(width[at(c)], Length(LayoutText(grid, r, c)));
    }
  }

  // Merged rows. Once a row's span is found at column c, the rows after it
  // are examined at the span's last column, and the walk goes on after it;
  // the last column itself starts no examination.
  for (int32_t c = cols.first; c < cols.last; ++c) {
    for (int32_t r = 0; r < grid.Rows(); ++r) {
      if (!grid.MergeRow(r)) continue;
      const std::u32string text = LayoutText(grid, r, c);
      int32_t e = c;
      while (e < cols.last && LayoutText(grid, r, e + 1) == text) ++e;
      if (e == c) {
        width[at(c)] = std::max(width[at(c)], Length(text));
      } else {
        int64_t room = 0;
        for (int32_t k = c; k <= e; ++k) room += width[at(k)];
        if (Length(text) > room) width[at(c)] += static_cast<int32_t>(Length(text) - room);
        c = e;
      }
    }
  }

  for (int32_t c = cols.first; c <= cols.last; ++c) width[at(c)] += 2;
  position[at(cols.first)] = 1;
  for (int32_t c = cols.first + 1; c <= cols.last; ++c)
    position[at(c)] = position[at(c - 1)] + width[at(c - 1)];
}

void WriteTextTable(const FlexGridModel& grid, DocumentFile& file, int32_t firstRow, int32_t lastRow,
                    int32_t firstCol, int32_t lastCol) {
  std::vector<int32_t> width, position, alignment;
  MeasureTextColumns(width, position, alignment, 0, grid.Cols() - 1, grid);
  const Range rows = ClampRange(firstRow, lastRow, grid.Rows());
  const Range cols = ClampRange(firstCol, lastCol, grid.Cols());
  const auto at = [](int32_t c) { return static_cast<std::size_t>(c); };
  const int32_t lineLength = cols.Empty() ? 0 : position[at(cols.last)] + width[at(cols.last)];

  for (int32_t r = rows.first; r <= rows.last; ++r) {
    std::u32string line(static_cast<std::size_t>(lineLength), U' ');
    const bool merged = grid.MergeRow(r);
    int32_t c = cols.first;
    while (c <= cols.last) {
      const std::u32string text = LayoutText(grid, r, c);
      if (text.empty()) {
        ++c;
        continue;
      }
      int32_t e = c;
      if (merged) {
        while (e < cols.last && LayoutText(grid, r, e + 1) == text) ++e;
      }
      const bool titleCell = r == rows.first && c == cols.first && e > c;
      if (alignment[at(c)] != 7 || titleCell) {
        Place(line, position[at(c)], text);
      } else {
        // Right-aligned: the text ends two characters before the next
        // column starts. A text wider than the room to its left (only an
        // unmeasured merged text can be) starts at the line's first column.
        const int32_t next = e == cols.last ? lineLength : position[at(e + 1)];
        Place(line, next - 2 - Length(text), text);
      }
      c = e + 1;
    }
    file.WriteLine(Encode(line));
  }
  file.WriteLine(" ");
}

void WriteTextFooter(DocumentFile& file) { file.WriteLine("Page Generated By Kickwell Draftyard"); }

// --- HTML ----------------------------------------------------------------

std::string HtmlEscape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char ch : text) {
    switch (ch) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        out += ch;
    }
  }
  return out;
}

void WriteHtmlHead(DocumentFile& file) {
  file.WriteLine(
      "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\"\r\n"
      "\"http://www.w3.org/TR/html4/loose.dtd\">");
  file.WriteLine("<html>");
  file.WriteLine("<head>");
  file.WriteLine("<title> </title>");
}

void WriteHtmlStyle(DocumentFile& file, const DocumentOptions& options) {
  const std::string table =
      options.useGridLines ? "border-width:1px 0px 0px 1px" : "border-width:0px 0px 0px 0px";
  const std::string cell =
      options.useGridLines ? "border-width:0px 1px 1px 0px" : "border-width:0px 0px 0px 0px";
  using basFlexGridCommon::ColourToHtml;
  const std::string heading = options.useColor ? ColourToHtml(options.headingBackColor) : "#FFFFFF";
  const std::string rowA = options.useColor ? ColourToHtml(options.rowBackColorA) : "#FFFFFF";
  const std::string rowB = options.useColor ? ColourToHtml(options.rowBackColorB) : "#FFFFFF";

  // The blanks inside these rules are part of the format.
  file.WriteLine("<style type=\"text/css\">\r\n");
  file.WriteLine(
      ".vctbl   {color:#000000; font-family:arial; font-size:8pt; font-weight:normal; "
      "border-color:#000000; border-style:solid; border-collapse: collapse;" +
      table + "; }");
  file.WriteLine(".vctbl td {color:#000000; border-style:solid; " + cell + "; padding: 2px 4px 2px 4px; }");
  file.WriteLine(".vctbl th {color:#000000; font-weight:normal; background-color:" + heading +
                 "; border-style:solid; " + cell + "; padding: 2px 4px 2px 4px; }");
  file.WriteLine(
      ".vctbl caption {font-weight:bold; caption-side: top; text-align: left; background-color:#FFFFFF; }");
  file.WriteLine(".bgrw0 {background-color:" + rowA + "; }");
  file.WriteLine(".bgrw1 {background-color:" + rowB + "; }");
  file.WriteLine(".algl {text-align: left; }");
  file.WriteLine(".algc {text-align: center; }");
  file.WriteLine(".algr {text-align: right; }");
  file.WriteLine(".lnk   {color:#000000; font-family:arial; font-size:8pt; font-weight:normal;}");
  file.WriteLine("</style>");
  file.WriteLine("</head>");
  file.WriteLine("<body>");
  file.WriteLine("<table width=100%><tr><td align=center>");
}

void WriteHtmlColGroup(const FlexGridModel& grid, DocumentFile& file, int32_t firstCol, int32_t lastCol) {
  const Range cols = ClampRange(firstCol, lastCol, grid.Cols());
  std::string line = "<colgroup align=right>";
  // A column without an alignment of its own repeats the previous one's.
  std::string align;
  for (int32_t c = cols.first; c <= cols.last; ++c) {
    switch (grid.ColAlignment(c)) {
      case 1:
        align = " align=left";
        break;
      case 4:
        align = " align=center";
        break;
      case 7:
        align = " align=right";
        break;
      default:
        break;
    }
    line += "<col" + align + " width=" + std::to_string(runtime::TwipsToPixels(grid.ColWidth(c))) + ">";
  }
  line += "</colgroup>";
  file.WriteLine(line);
}

void WriteHtmlHeadingRows(const FlexGridModel& grid, DocumentFile& file, int32_t firstHeadingRow,
                          int32_t lastHeadingRow, int32_t firstCol, int32_t lastCol) {
  const Range rows = ClampRange(firstHeadingRow, lastHeadingRow, grid.Rows());
  const Range cols = ClampRange(firstCol, lastCol, grid.Cols());
  std::string line;
  // Carried from group to group across the whole heading line.
  std::string align;
  for (int32_t r = rows.first; r <= rows.last; ++r) {
    line += "<tr>";
    int32_t s = cols.first;
    while (s <= cols.last) {
      // Neighbouring cells of exactly equal text form one heading cell.
      const std::string& text = grid.TextMatrix(r, s);
      int32_t span = 1;
      while (s + span <= cols.last && grid.TextMatrix(r, s + span) == text) ++span;
      int32_t code;
      if (s == cols.first && span > 1) {
        code = 1;
      } else {
        code = grid.CellAlignmentAt(r, s);
        if (code == 0) code = grid.ColAlignment(s);
      }
      switch (code) {
        case 1:
          align = " align=left";
          break;
        case 4:
          align = " align=center";
          break;
        case 7:
        case 9:
          align = " align=right";
          break;
        default:
          break;
      }
      line += "<th";
      if (span > 1) line += " colspan=" + std::to_string(span);
      line += align + ">" + HtmlEscape(text) + "</th>";
      s += span;
    }
    line += "</tr>";
  }
  file.WriteLine(line);
}

void WriteHtmlTable(std::string_view className, const FlexGridModel& grid, DocumentFile& file,
                    int32_t firstDataRow, int32_t lastDataRow, int32_t firstHeadingRow,
                    int32_t lastHeadingRow, int32_t firstCol, int32_t lastCol, bool colourFromGrid,
                    bool cellMode) {
  using basFlexGridCommon::ColourToHtml;
  file.WriteLine("<table class=" + std::string(className) + ">");
  WriteHtmlColGroup(grid, file, firstCol, lastCol);
  if (firstHeadingRow >= 0)
    WriteHtmlHeadingRows(grid, file, firstHeadingRow, lastHeadingRow, firstCol, lastCol);

  const Range rows = ClampRange(firstDataRow, lastDataRow, grid.Rows());
  const Range cols = ClampRange(firstCol, lastCol, grid.Cols());
  for (int32_t r = rows.first; r <= rows.last; ++r) {
    std::string line;
    if (colourFromGrid) {
      line = "<tr bgcolor=" + ColourToHtml(grid.CellBackColorAt(r, cols.first)) + ">";
    } else {
      // The grid's row index decides the class, not the row's place in the table.
      line = r % 2 == 0 ? "<tr class=bgrw0>" : "<tr class=bgrw1>";
    }
    for (int32_t c = cols.first; c <= cols.last; ++c) {
      line += "<td";
      line += ColumnClass(grid.ColAlignment(c));
      const std::string text = HtmlEscape(Trim(grid.TextMatrix(r, c)));
      if (cellMode) {
        if (colourFromGrid) {
          const int32_t colour = c < grid.FixedCols() ? grid.BackColorFixed() : grid.CellBackColorAt(r, c);
          line += " bgcolor=" + ColourToHtml(colour);
        }
        line += ">" + runtime::ReplaceAll(text, "\r\n", "<br>") + "</td>";
      } else {
        line += ">" + text + " </td>";
      }
    }
    line += "</tr>";
    file.WriteLine(line);
  }
  file.WriteLine("</table>");
}

ProjectSummaryTexts SummaryTextsFromValues(const ProjectSummaryValues& values) {
  ProjectSummaryTexts texts;
  if (values.teamCount && values.draftRounds) {
    texts.league = "[" + std::to_string(*values.teamCount) + " Teams] [" +
                   std::to_string(*values.draftRounds) + " Draft Rounds] ";
  }
  // A file that could not be read, or holds no rules, shows nothing.
  if (values.scoringRuleCount && *values.scoringRuleCount > 0) {
    texts.scoring = "[" + std::to_string(*values.scoringRuleCount) + " Scoring Rules]";
  }
  std::string strainLink;
  if (values.hasSettingsRow) {
    // A Null field leaves the whole text that would hold it empty.
    if (values.strainName && values.strainVersion) {
      texts.projected = "[" + HtmlEscape(*values.strainName) + "-" + HtmlEscape(*values.strainVersion) + "]";
    }
    if (values.leagueName) texts.adpName = HtmlEscape(*values.leagueName);
    texts.adpLink = Link(values.adpUrl);
    strainLink = Link(values.strainUrl);
  }
  if (values.modsCount) {
    texts.projected += " [" + std::to_string(*values.modsCount) + " Mods]";
    if (!strainLink.empty()) texts.projected += " " + strainLink;
  }
  return texts;
}

ProjectSummaryTexts GetProjectSummaryTexts(const ProjectSummaryFiles& files) {
  return SummaryTextsFromValues(ReadProjectSummaryValues(files));
}

void WriteProjectSummary(DocumentFile& file, std::string_view title, const DocumentOptions& options) {
  WriteProjectSummary(file, title, options, GetProjectSummaryTexts(options.summaryFiles));
}

void WriteProjectSummary(DocumentFile& file, std::string_view title, const DocumentOptions& options,
                         const ProjectSummaryTexts& texts) {
  file.WriteLine("<br/><table class=\"vctbl\">");
  file.WriteLine("<tr><th colspan=3 align=left>Kickwell Draftyard Project " +
                 HtmlEscape(options.projectFileName) + " - " + HtmlEscape(title) + "</th></tr>");
  file.WriteLine("<tr><td>League Properties</td><td>" + HtmlEscape(options.leagueFile) + "</td><td>" +
                 texts.league + "</td></tr>");
  file.WriteLine("<tr><td>Scoring System</td><td>" + HtmlEscape(options.scoringFile) + "</td><td>" +
                 texts.scoring + "</td></tr>");
  file.WriteLine("<tr><td>Projected Stats</td><td>" + HtmlEscape(options.projectedFile) + "</td><td>" +
                 texts.projected + "</td></tr>");
  file.WriteLine("<tr><td>ADP Data</td><td>" + texts.adpName + "</td><td>" + texts.adpLink + "</td></tr>");
  file.WriteLine("</table>");
}

void WriteHtmlLinkFooter(DocumentFile& file) {
  file.WriteLine("<br/><div class=lnk>Page Generated By <a href=\"" + std::string(kProductWebSite) +
                 "\">Kickwell Draftyard</a></div><br/>");
}

void WriteHtmlTail(DocumentFile& file) {
  file.WriteLine("</td></tr></table>");
  file.WriteLine("</body>");
  file.WriteLine("</html>");
  file.Close();
}

// --- Result grids --------------------------------------------------------

namespace {

// Categories of the catalogue that the row builders force: what a display
// grid shows in a column of one of them is the value forced here, or, for
// the two text categories, the text stored under the category's own id.
constexpr int32_t kCatByeWeek = 84;
constexpr int32_t kCatStarterValue = 85;
constexpr int32_t kCatRosterValue = 86;
constexpr int32_t kCatDraftNote = 87;
constexpr int32_t kCatDraftRound = 89;
constexpr int32_t kCatOverallPick = 90;
constexpr int32_t kCatOwnerNumber = 91;
constexpr int32_t kCatOwner = 92;
constexpr int32_t kCatPositionRank = 93;

constexpr int32_t kWhite = 0xFFFFFF;
constexpr uint8_t kSeasonWeek = clsKickwellDB::kSeasonWeek;

// No league rosters anywhere near this many players; a damaged league file
// cannot size a huge roster table with it.
constexpr int32_t kMaxRosterPlaces = 1000;

void Force(clsKickwellDB& db, int32_t catID, double value) {
  db.StatCon().ForceStat(catID, static_cast<float>(value));
}

// Every cell of the row takes the colour (rows beyond 16 bits included,
// which the shared row helper cannot address).
void ColourRow(FlexGridModel& grid, int32_t row, int32_t colour) {
  if (row <= std::numeric_limits<int16_t>::max()) {
    basFlexGridCommon::HighlightGridRow(grid, static_cast<int16_t>(row), colour);
    return;
  }
  for (int32_t c = 0; c < grid.Cols(); ++c) grid.SetCellBackColorAt(row, c, colour);
}

// Rows first..last alternately in colour A and colour B, starting with A.
void ColourDataRows(FlexGridModel& grid, int32_t first, int32_t last, const DocumentOptions& options) {
  bool previousA = false;
  for (int32_t r = first; r <= last; ++r) {
    ColourRow(grid, r, previousA ? options.rowBackColorB : options.rowBackColorA);
    previousA = !previousA;
  }
}

void ColourHeadingRows(FlexGridModel& grid, int32_t row, const DocumentOptions& options) {
  const int32_t colour = options.useColor ? options.headingBackColor : kWhite;
  ColourRow(grid, row, colour);
  ColourRow(grid, row + 1, colour);
}

// Pastes a display row (Tab-separated, as the database renders it) into
// row `row` from column firstCol to the last column, in one selection.
void PasteRow(FlexGridModel& grid, int32_t row, int32_t firstCol, const std::string& text) {
  if (row < 0 || row >= grid.Rows() || firstCol < 0 || firstCol >= grid.Cols()) return;
  grid.SetRow(row);
  grid.SetCol(firstCol);
  grid.SetRowSel(row);
  grid.SetColSel(grid.Cols() - 1);
  grid.SetClip(text);
}

// The display grid's titles of column c; "" for a grid column the display
// grid does not have.
std::string Title1(const clsDisplayGridIsolate& display, int32_t c) {
  return c <= display.ColumnMax() ? display.Title1(c) : std::string();
}
std::string Title2(const clsDisplayGridIsolate& display, int32_t c) {
  return c <= display.ColumnMax() ? display.Title2(c) : std::string();
}

std::string OwnerText(const clsMockDraft& board, int32_t team) {
  if (team < 0 || team > board.OwnerCount()) return " ";
  return " " + Trim(board.OwnerName(team));
}

// How many players a position's block shows: RosterMax x teams + the extra
// players, never more than the stack holds.
int32_t BlockSize(const clsMockRoster& roster, int32_t stack, int32_t additionalPlayers) {
  const int32_t posID = roster.StackPosition(stack);
  const int64_t wanted =
      static_cast<int64_t>(roster.RosterMax(posID)) * roster.OwnerCount() + additionalPlayers;
  return static_cast<int32_t>(std::clamp<int64_t>(wanted, 0, roster.StackPlayerCount(stack)));
}

// The stack's players from row `row` on, at most `size`; a player the
// database does not know ends the block. The grid then ends after the last
// row written, which is returned as the next free row.
int32_t FillPositionRows(const clsMockRoster& roster, int32_t stack, FlexGridModel& grid, clsKickwellDB& db,
                         int32_t row, int32_t size) {
  const int32_t posID = roster.StackPosition(stack);
  const double starterBaseline = roster.SBL(posID);
  const double rosterBaseline = roster.RBL(posID);
  const int16_t year = db.pFnGetYear();
  for (int32_t k = 1; k <= size; ++k) {
    const int32_t playerID = db.pFnGetPlaIDwMasID(roster.StackPlayerMasterID(stack, k - 1));
    if (playerID < 1) break;
    db.pSbMCExtractDisplayValues(playerID, kSeasonWeek, year);
    const double points = roster.StackPlayerPoints(stack, k - 1);
    db.SetMockCheatData(kCatOwner, " N/A");
    db.SetMockCheatData(kCatDraftNote, "N/A");
    Force(db, kCatDraftRound, 0);
    Force(db, kCatOverallPick, 0);
    Force(db, kCatOwner, kCatOwner);
    Force(db, kCatDraftNote, kCatDraftNote);
    Force(db, kCatOwnerNumber, 0);
    Force(db, kCatStarterValue, points - starterBaseline);
    Force(db, kCatRosterValue, points - rosterBaseline);
    Force(db, kCatPositionRank, k);
    PasteRow(grid, row, 0, db.pFnMCGetPlayerDisplayRow(playerID, kSeasonWeek, year));
    ++row;
  }
  grid.SetRows(row);
  return row;
}

// Heading rows of a block: first titles with the position's keywords
// replaced (row merged), second titles after a blank.
void WritePositionHeadings(FlexGridModel& grid, int32_t positionID, clsKickwellDB& db, int32_t row) {
  const basDisplayKeywords::KeywordValues values = basDisplayKeywords::KeywordValuesFor(positionID, db);
  const clsDisplayGridIsolate& display = db.Display();
  for (int32_t c = 0; c < grid.Cols(); ++c) {
    grid.SetTextMatrix(row, c, basDisplayKeywords::ReplaceDisplayKeywords(Title1(display, c), values));
    grid.SetTextMatrix(row + 1, c, " " + Title2(display, c));
  }
  grid.SetMergeRow(row, true);
}

// One position of the cheat-sheet grid from row `row`; returns the row after it.
int32_t AddPositionBlock(FlexGridModel& grid, const clsMockRoster& roster, int32_t stack, clsKickwellDB& db,
                         int32_t row, const DocumentOptions& options) {
  const int32_t size = BlockSize(roster, stack, options.additionalPlayers);
  grid.SetRows(row + 2 + size);
  ColourHeadingRows(grid, row, options);
  WritePositionHeadings(grid, roster.StackPosition(stack), db, row);
  grid.SetCellAlignmentAt(row, 0, FlexGridModel::kAlignLeftCenter);
  const int32_t next = FillPositionRows(roster, stack, grid, db, row + 2, size);
  if (options.useColor) ColourDataRows(grid, row + 2, next - 1, options);
  return next;
}

// The forced values and texts of a pick row; pick -1 is an empty place.
void ForcePickValues(int32_t pick, const clsMockDraft& board, clsKickwellDB& db) {
  if (pick < 0) {
    db.SetMockCheatData(kCatOwner, " ");
    db.SetMockCheatData(kCatDraftNote, "N/A");
    Force(db, kCatByeWeek, 0);
    Force(db, kCatDraftRound, 0);
    Force(db, kCatOverallPick, 0);
    Force(db, kCatOwner, kCatOwner);
    Force(db, kCatDraftNote, kCatDraftNote);
    Force(db, kCatOwnerNumber, 0);
    Force(db, kCatStarterValue, 0);
    Force(db, kCatRosterValue, 0);
    Force(db, kCatPositionRank, 0);
    return;
  }
  const int32_t owner = board.DraftOwner(pick);
  const int32_t posID = board.Position(pick);
  db.SetMockCheatData(kCatOwner, OwnerText(board, owner));
  db.SetMockCheatData(kCatDraftNote, "N/A");
  Force(db, kCatDraftRound, PickRound(pick + 1, board.OwnerCount()));
  Force(db, kCatOverallPick, static_cast<double>(pick) + 1);
  Force(db, kCatOwner, kCatOwner);
  Force(db, kCatDraftNote, kCatDraftNote);
  Force(db, kCatOwnerNumber, owner);
  Force(db, kCatStarterValue, board.Points(pick) - board.SBL(posID));
  Force(db, kCatRosterValue, board.Points(pick) - board.RBL(posID));
  Force(db, kCatPositionRank, 0);
}

// The display row of a pick (player ID 0 for an empty place or a pick not
// made: the display values are cleared).
std::string PickDisplayRow(int32_t pick, const clsMockDraft& board, clsKickwellDB& db, int16_t year) {
  const int32_t playerID = pick < 0 ? 0 : db.pFnGetPlaIDwMasID(board.MasterID(pick));
  if (playerID < 1) {
    db.StatCon().ClearDisplayValues();
  } else {
    db.pSbMCExtractDisplayValues(playerID, kSeasonWeek, year);
  }
  ForcePickValues(pick, board, db);
  return db.pFnMCGetPlayerDisplayRow(playerID < 1 ? 0 : playerID, kSeasonWeek, year);
}

// Lays the section grid out and leaves it with rows 0..2 (the caller sets
// the final row count).
void LayOutSectionGrid(FlexGridModel& grid, clsKickwellDB& db) {
  const clsDisplayGridIsolate& display = db.Display();
  grid.Clear();
  grid.SetRowHeightMin(kResultRowHeight);
  grid.SetBackColorFixed(PaletteColour[basColourScheme::kHeadingColour]);
  grid.SetCols(display.ColumnMax() + 1);
  grid.SetRows(3);
  for (int32_t r = 0; r < 3; ++r) grid.SetRowHeight(r, kResultRowHeight);
  grid.SetFixedRows(0);
  grid.SetFixedCols(0);
  grid.SetMergeRow(0, true);
  const basDisplayKeywords::KeywordValues values = basDisplayKeywords::KeywordValuesFor(0, db);
  for (int32_t c = 0; c < grid.Cols(); ++c) {
    grid.SetColWidth(c, runtime::PixelsToTwips(display.ColumnWidth(c)));
    grid.SetColAlignment(c, display.Align(c));
    grid.SetTextMatrix(0, c, basDisplayKeywords::ReplaceDisplayKeywords(display.Title1(c), values));
    grid.SetTextMatrix(1, c, " " + display.Title2(c));
  }
  if (grid.Cols() >= 2 && grid.TextMatrix(0, 0) == grid.TextMatrix(0, 1))
    grid.SetCellAlignmentAt(0, 0, FlexGridModel::kAlignLeftCenter);
}

}  // namespace

int32_t PickRound(int32_t pickNumber, int32_t teams) {
  if (teams < 1) return -1;
  return static_cast<int32_t>((static_cast<int64_t>(pickNumber) - 1) / teams + 1);
}

std::string PickRoundText(int32_t pickNumber, int32_t teams) {
  const int32_t round = PickRound(pickNumber, teams);
  return round == -1 ? "N/A" : std::to_string(round);
}

void FillCheatSheetGrid(FlexGridModel& grid, const clsMockRoster& roster, clsKickwellDB& db,
                        const DocumentOptions& options) {
  const clsKickwellDB::HeldWeekTeams teams(db);
  int32_t row = 0;
  for (int32_t stack = 1; stack <= roster.StackMax(); ++stack)
    row = AddPositionBlock(grid, roster, stack, db, row, options);
}

void FillMockDraftGrid(FlexGridModel& grid, const clsMockDraft& board, clsKickwellDB& db, bool withHeading,
                       const DocumentOptions& options) {
  const clsKickwellDB::HeldWeekTeams teams(db);
  if (MockDisplayView == 1) {
    basBoardMode::SetUpDraftBoardGrid(grid, board, withHeading);
    for (int32_t p = 0; p <= board.Count(); ++p) {
      const int32_t masterID = board.MasterID(p);
      basBoardMode::FillBoardCell(grid, p, board, db, db.pFnGetPlaIDwMasID(masterID), masterID, withHeading);
    }
    return;
  }
  grid.SetRows(board.Count() + 3);
  ColourHeadingRows(grid, 0, options);
  const int16_t year = db.pFnGetYear();
  for (int32_t p = 0; p <= board.Count(); ++p) PasteRow(grid, p + 2, 0, PickDisplayRow(p, board, db, year));
  if (options.useColor) ColourDataRows(grid, 2, grid.Rows() - 1, options);
}

void SetPositionHeadings(FlexGridModel& grid, const clsMockRoster& roster, clsKickwellDB& db, int32_t row,
                         int32_t stack) {
  WritePositionHeadings(grid, roster.StackPosition(stack), db, row);
}

void FillPositionGrid(const clsMockRoster& roster, int32_t stack, FlexGridModel& grid, clsKickwellDB& db,
                      int32_t additionalPlayers, int32_t firstDataRow) {
  const clsKickwellDB::HeldWeekTeams teams(db);
  const int32_t size = BlockSize(roster, stack, additionalPlayers);
  grid.SetRows(firstDataRow + size);
  FillPositionRows(roster, stack, grid, db, firstDataRow, size);
}

bool LoadDisplayOrDefault(const std::string& fileName, clsKickwellDB& db, int32_t kind, bool& usedDefault) {
  const std::string path = FileTypeFolder[kPageDisplayGrids] + fileName;
  std::string message;
  usedDefault = !basGridValidation::ValidateDisplayGridFile(path, message);
  if (!usedDefault) return db.LoadDisplay(path);
  seams::MessageBox().ShowMessage(
      "Error Loading " + fileName,
      " Default display will be loaded." + std::string(runtime::kCrLf) + "  " + message, seams::kOk, true);
  return db.LoadDisplay(DefaultsFolder + basGridValidation::DefaultDisplayGridFile(kind));
}

bool LoadSectionDisplay(const std::string& fileName, clsKickwellDB& db, FlexGridModel& grid, int32_t kind) {
  bool usedDefault = false;
  const bool loaded = LoadDisplayOrDefault(fileName, db, kind, usedDefault);
  if (loaded) SetUpSectionGrid(grid, db);
  return loaded;
}

void SetUpSectionGrid(FlexGridModel& grid, clsKickwellDB& db) {
  LayOutSectionGrid(grid, db);
  grid.SetRows(2);
}

void SetupResultGridHeadings(FlexGridModel& grid, clsKickwellDB& db) {
  LayOutSectionGrid(grid, db);
  // Off the headings, onto the first result row; a grid of fewer columns
  // keeps its cursor in its last one.
  if (grid.Cols() > 0) grid.SetCol(std::min(2, grid.Cols() - 1));
  grid.SetRow(2);
  grid.SetRows(2);
}

void SetTeamHeadings(FlexGridModel& grid, int32_t team, int32_t positionID, int32_t firstCol,
                     clsKickwellDB& db, const clsMockDraft& board) {
  const basDisplayKeywords::KeywordValues values =
      basDisplayKeywords::KeywordValuesFor(team, positionID, db, &board);
  const clsDisplayGridIsolate& display = db.Display();
  for (int32_t c = std::max(firstCol, 0); c < grid.Cols(); ++c)
    grid.SetTextMatrix(0, c, " " + basDisplayKeywords::ReplaceDisplayKeywords(Title1(display, c), values));
}

void FillPickRow(int32_t row, int32_t pick, FlexGridModel& grid, const clsMockDraft& board, clsKickwellDB& db,
                 bool withKey) {
  const std::string text = PickDisplayRow(pick, board, db, db.pFnGetYear());
  if (withKey) grid.SetTextMatrix(row, 0, std::to_string(pick < 0 ? 0 : board.MasterID(pick)));
  PasteRow(grid, row, withKey ? 1 : 0, text);
}

// --- Documents -----------------------------------------------------------

namespace {

bool IsHtml(int32_t fileType) { return fileType == kExportHtml; }
bool IsText(int32_t fileType) { return fileType == kExportText; }
bool IsCsv(int32_t fileType) { return fileType == kExportCsv; }

// One more empty line after a CSV table's own line end: two empty lines.
void WriteCsvBreak(DocumentFile& file) { file.WriteLine(runtime::kCrLf); }

// A table of rows 2..last under heading rows 0 and 1, all columns, in the
// document's format.
void WriteSectionTable(const FlexGridModel& grid, DocumentFile& file, int32_t fileType) {
  const int32_t last = grid.Rows() - 1;
  const int32_t lastCol = grid.Cols() - 1;
  if (IsHtml(fileType)) {
    WriteHtmlTable("vctbl", grid, file, 2, last, 0, 1, 0, lastCol, false, false);
  } else if (IsText(fileType)) {
    WriteTextTable(grid, file, 0, last, 0, lastCol);
  } else if (IsCsv(fileType)) {
    WriteCsvTable(grid, file, 0, last, 0, lastCol);
    WriteCsvBreak(file);
  }
}

// Saves the document; a failure is shown as the file routines show theirs.
bool FinishDocument(DocumentFile& file) {
  if (file.Close()) return true;
  basAssociatedFiles::ShowOpenFileError(file.Error(), file.Path());
  return false;
}

// The end of a whole document: in HTML the project summary under `title`,
// the link footer and the closing tags; in text the footer. Then saved.
bool FinishDocument(DocumentFile& file, int32_t fileType, std::string_view title,
                    const DocumentOptions& options) {
  if (IsHtml(fileType)) {
    WriteProjectSummary(file, title, options);
    WriteHtmlLinkFooter(file);
    WriteHtmlTail(file);
  } else if (IsText(fileType)) {
    WriteTextFooter(file);
  }
  return FinishDocument(file);
}

// The page grid's layout without its contents: columns (widths,
// alignments), the grid's appearance and its two heading rows, of which the
// first may merge. A merge flag anywhere else would only be stale (the
// pages merge nothing but their first heading row) and would join equal
// neighbouring values in the document's text tables.
void CopyGridLayout(const FlexGridModel& from, FlexGridModel& to) {
  to.SetCols(from.Cols());
  to.SetRows(std::min(from.Rows(), 2));
  to.SetFixedRows(from.FixedRows());
  to.SetFixedCols(from.FixedCols());
  to.SetRowHeightMin(from.RowHeightMin());
  to.SetBackColor(from.BackColor());
  to.SetBackColorFixed(from.BackColorFixed());
  to.SetWordWrap(from.WordWrap());
  to.SetMergeCells(from.MergeCells());
  to.SetGridLines(from.GridLines());
  to.SetGridLinesFixed(from.GridLinesFixed());
  for (int32_t c = 0; c < from.Cols(); ++c) {
    to.SetColWidth(c, from.ColWidth(c));
    to.SetColAlignment(c, from.ColAlignment(c));
  }
  for (int32_t r = 0; r < to.Rows(); ++r) {
    to.SetRowHeight(r, from.RowHeight(r));
    to.SetMergeRow(r, r == 0 && from.MergeRow(r));
  }
}

}  // namespace

bool WriteCheatSheetDocument(const std::string& path, const FlexGridModel& pageGrid,
                             const clsMockRoster& roster, clsKickwellDB& db, int32_t fileType,
                             const DocumentOptions& options) {
  const clsKickwellDB::HeldWeekTeams teams(db);
  DocumentFile file(path);
  FlexGridModel grid;
  CopyGridLayout(pageGrid, grid);
  if (grid.Rows() < 2) grid.SetRows(2);

  if (IsHtml(fileType)) {
    WriteHtmlHead(file);
    WriteHtmlStyle(file, options);
  }
  for (int32_t stack = 1; stack <= roster.StackMax(); ++stack) {
    SetPositionHeadings(grid, roster, db, 0, stack);
    FillPositionGrid(roster, stack, grid, db, options.additionalPlayers, 2);
    WriteSectionTable(grid, file, fileType);
    if (IsHtml(fileType)) file.WriteLine("<br>");
  }
  return FinishDocument(file, fileType, "Cheat Sheet Document", options);
}

bool WriteMockDraftDocument(const std::string& path, const FlexGridModel& pageGrid, const clsMockDraft& board,
                            clsKickwellDB& db, int32_t fileType, bool& colourFromGrid, bool& boardCells,
                            bool withSections, const DocumentOptions& options) {
  const clsKickwellDB::HeldWeekTeams teams(db);
  DocumentFile file(path);
  const int32_t last = pageGrid.Rows() - 1;
  const int32_t lastCol = pageGrid.Cols() - 1;
  if (IsHtml(fileType)) {
    WriteHtmlHead(file);
    WriteHtmlStyle(file, options);
    if (!options.useColor) colourFromGrid = false;
    boardCells = MockDisplayView == 1;
    if (boardCells) {
      // The board's heading is its row 0; its cells keep their line breaks.
      WriteHtmlTable("vctbl", pageGrid, file, 1, last, 0, 0, 0, lastCol, colourFromGrid, true);
    } else {
      WriteHtmlTable("vctbl", pageGrid, file, 2, last, 0, 1, 0, lastCol, false, false);
    }
  } else {
    WriteSectionTable(pageGrid, file, fileType);
  }

  FlexGridModel grid;
  CopyGridLayout(pageGrid, grid);
  if (withSections && IncludeRosterListings == 1) {
    clsDisplayGridIsolate shown;
    db.Display().Spawn(shown);
    if (LoadSectionDisplay(kSmallRosterDisplayGrid, db, grid, kSmallRosterGridKind))
      WriteTeamRosters(grid, board, db, file, fileType);
    db.PassDisplay(shown);
  }
  if (IncludeRosterPointSummary == 1) {
    basMockDraftCalculation::FillTeamSummaryGrid(grid, board, db);
    if (IsHtml(fileType)) file.WriteLine("<br/>");
    WriteSectionTable(grid, file, fileType);
    if (IsHtml(fileType)) file.WriteLine("<br/>");
  }

  return FinishDocument(file, fileType, "Mock Draft Document", options);
}

void WriteTeamRosters(FlexGridModel& grid, const clsMockDraft& board, clsKickwellDB& db, DocumentFile& file,
                      int32_t fileType) {
  // A place for every pick a team made, also when the board gave a team
  // more picks than the league's roster holds.
  int32_t places = std::clamp(board.RosterMax(1), 0, kMaxRosterPlaces);
  std::vector<int32_t> picksOfTeam(static_cast<std::size_t>(std::max(board.OwnerCount(), 0)) + 1, 0);
  for (int32_t p = 0; p <= board.Count(); ++p) {
    const int32_t owner = board.DraftOwner(p);
    if (owner >= 1 && owner <= board.OwnerCount())
      places = std::max(places, ++picksOfTeam[static_cast<std::size_t>(owner)]);
  }
  std::vector<int32_t> slots(static_cast<std::size_t>(places), -1);
  grid.SetRows(places + 2);

  if (IsHtml(fileType)) file.WriteLine("<br/><table style=\"padding: 6px;\">");
  int32_t column = 1;
  for (int32_t team = 1; team <= board.OwnerCount(); ++team) {
    std::size_t filled = 0;
    for (int32_t p = 0; p <= board.Count(); ++p)
      if (board.DraftOwner(p) == team) slots[filled++] = p;
    // By position, equal positions in draft order. A pick without a position
    // stays where it was drafted and nothing passes it.
    auto begin = slots.begin();
    const auto end = slots.begin() + static_cast<std::ptrdiff_t>(filled);
    while (begin != end) {
      auto stop = std::find_if(begin, end, [&](int32_t p) { return board.Position(p) <= 0; });
      std::stable_sort(begin, stop,
                       [&](int32_t a, int32_t b) { return board.Position(a) < board.Position(b); });
      begin = stop == end ? end : stop + 1;
    }

    SetTeamHeadings(grid, team, 0, 0, db, board);
    for (int32_t j = 0; j < places; ++j) {
      FillPickRow(j + 2, slots[static_cast<std::size_t>(j)], grid, board, db, false);
      slots[static_cast<std::size_t>(j)] = -1;
    }

    if (IsHtml(fileType)) {
      // Three teams to a row of the outer table.
      if (column == 1) file.WriteLine("<tr>");
      file.WriteLine("<td>");
      WriteSectionTable(grid, file, fileType);
      file.WriteLine("</td>");
      if (++column == 4) {
        file.WriteLine("</tr>");
        column = 1;
      }
    } else {
      WriteSectionTable(grid, file, fileType);
    }
  }
  if (IsHtml(fileType)) file.WriteLine("</table>");
}

bool WriteGridDocument(const std::string& path, const FlexGridModel& grid, int32_t fileType,
                       int32_t firstDataRow, int32_t lastRow, int32_t firstHeadingRow, int32_t lastHeadingRow,
                       int32_t firstCol, int32_t lastCol, std::string_view title, bool& colourFromGrid,
                       bool cellMode, bool bodyOnly, const DocumentOptions& options) {
  DocumentFile file(path);
  if (IsHtml(fileType)) {
    if (!bodyOnly) {
      WriteHtmlHead(file);
      WriteHtmlStyle(file, options);
    }
    if (!options.useColor && colourFromGrid) colourFromGrid = false;
    WriteHtmlTable("vctbl", grid, file, firstDataRow, lastRow, firstHeadingRow, lastHeadingRow, firstCol,
                   lastCol, colourFromGrid, cellMode);
    WriteProjectSummary(file, title, options);
    WriteHtmlLinkFooter(file);
    if (!bodyOnly) WriteHtmlTail(file);
  } else if (IsText(fileType)) {
    WriteTextTable(grid, file, std::max(firstHeadingRow, 0), lastRow, firstCol, lastCol);
    WriteTextFooter(file);
  } else if (IsCsv(fileType)) {
    WriteCsvTable(grid, file, std::max(firstHeadingRow, 0), lastRow, firstCol, lastCol);
    WriteCsvBreak(file);
  }
  return FinishDocument(file);
}

}  // namespace basFlexGridHTML
