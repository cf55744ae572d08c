#include "documents/basFlexGridHTML.h"

#include <algorithm>
#include <cctype>

#include "platform/flexgrid/FlexGridModel.h"
#include "platform/runtime/Rounding.h"
#include "platform/runtime/Text.h"
#include "toolkit/basFlexGridCommon.h"

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

bool HasScheme(std::string_view url) {
  if (url.empty() || !std::isalpha(static_cast<unsigned char>(url[0]))) return false;
  std::size_t i = 1;
  while (i < url.size()) {
    const unsigned char ch = static_cast<unsigned char>(url[i]);
    if (!std::isalnum(ch) && ch != '+' && ch != '-' && ch != '.') break;
    ++i;
  }
  return url.substr(i, 3) == "://";
}

// A link to an address stored in the database; "" when there is none
// ("None" or blanks). An address without a scheme is a web address.
std::string Link(const std::optional<std::string>& value) {
  if (!value) return "";
  const std::string address = Trim(*value);
  if (address.empty() || address == "None") return "";
  const std::string href = HasScheme(address) ? address : "http://" + address;
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

}  // namespace basFlexGridHTML
