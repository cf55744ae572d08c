#include "platform/flexgrid/widget/FlexGridPainter.h"

#include <QFontMetrics>
#include <QRegularExpression>
#include <algorithm>

#include "platform/flexgrid/widget/FlexGridImagePicture.h"
#include "platform/gdi/CheckMark.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/runtime/Text.h"

namespace {

QColor Colour(int32_t c) {
  const auto ref = static_cast<gdi::COLORREF>(c);
  return QColor(gdi::RedOf(ref), gdi::GreenOf(ref), gdi::BlueOf(ref));
}

Qt::Alignment FromCode(int16_t code, bool numeric) {
  switch (code) {
    case 0:
      return Qt::AlignLeft | Qt::AlignTop;
    case 1:
      return Qt::AlignLeft | Qt::AlignVCenter;
    case 2:
      return Qt::AlignLeft | Qt::AlignBottom;
    case 3:
      return Qt::AlignHCenter | Qt::AlignTop;
    case 4:
      return Qt::AlignHCenter | Qt::AlignVCenter;
    case 5:
      return Qt::AlignHCenter | Qt::AlignBottom;
    case 6:
      return Qt::AlignRight | Qt::AlignTop;
    case 7:
      return Qt::AlignRight | Qt::AlignVCenter;
    case 8:
      return Qt::AlignRight | Qt::AlignBottom;
    default:
      return (numeric ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
  }
}

bool InSelection(const FlexGridModel& g, int32_t row, int32_t col) {
  const int32_t r0 = std::min(g.Row(), g.RowSel()), r1 = std::max(g.Row(), g.RowSel());
  const int32_t c0 = std::min(g.Col(), g.ColSel()), c1 = std::max(g.Col(), g.ColSel());
  return row >= r0 && row <= r1 && col >= c0 && col <= c1;
}

void DrawLines(QPainter& p, const QRect& r, int16_t style, int32_t flatColour) {
  const int x0 = r.left(), y0 = r.top(), x1 = r.left() + r.width() - 1, y1 = r.top() + r.height() - 1;
  switch (style) {
    case 1:
      p.fillRect(QRect(x1, y0, 1, r.height()), Colour(flatColour));
      p.fillRect(QRect(x0, y1, r.width(), 1), Colour(flatColour));
      break;
    case 2:    // inset: dark above and left, light below and right
    case 3: {  // raised: the other way round
      const QColor topLeft = Colour(style == 2 ? FlexGridPainter::kShadow : FlexGridPainter::kLight);
      const QColor bottomRight = Colour(style == 2 ? FlexGridPainter::kLight : FlexGridPainter::kShadow);
      p.fillRect(QRect(x0, y0, r.width(), 1), topLeft);
      p.fillRect(QRect(x0, y0, 1, r.height()), topLeft);
      p.fillRect(QRect(x1, y0, 1, r.height()), bottomRight);
      p.fillRect(QRect(x0, y1, r.width(), 1), bottomRight);
      break;
    }
    default:
      break;
  }
}

void DrawPicture(QPainter& p, const QRect& inner, const FlexGridPicture* picture, int16_t alignment) {
  const auto* image = dynamic_cast<const FlexGridImagePicture*>(picture);
  if (image == nullptr || image->Image().isNull()) return;
  const QImage& img = image->Image();
  // Placed by the size it shows at: a picture drawn at the device pixel
  // ratio has more pixels than that.
  const QSize size = image->Size();
  if (alignment == 9) {  // stretch
    p.drawImage(inner, img);
    return;
  }
  if (alignment == 10) {  // tile
    p.save();
    p.setClipRect(inner);
    for (int y = inner.top(); y < inner.top() + inner.height(); y += std::max(size.height(), 1))
      for (int x = inner.left(); x < inner.left() + inner.width(); x += std::max(size.width(), 1))
        p.drawImage(x, y, img);
    p.restore();
    return;
  }
  const int h = alignment / 3;  // 0 left, 1 centre, 2 right
  const int v = alignment % 3;  // 0 top, 1 centre, 2 bottom
  int x = inner.left();
  if (h == 1) x = inner.left() + (inner.width() - size.width()) / 2;
  if (h == 2) x = inner.left() + inner.width() - size.width();
  int y = inner.top();
  if (v == 1) y = inner.top() + (inner.height() - size.height()) / 2;
  if (v == 2) y = inner.top() + inner.height() - size.height();
  p.save();
  p.setClipRect(inner);
  p.drawImage(x, y, img);
  p.restore();
}

void DrawFocusFrame(QPainter& p, const QRect& r) {
  // A dotted frame, every other pixel, just inside the cell.
  const int x0 = r.left(), y0 = r.top(), x1 = r.left() + r.width() - 2, y1 = r.top() + r.height() - 2;
  if (x1 <= x0 || y1 <= y0) return;
  p.save();
  p.setPen(Qt::NoPen);
  const QColor ink(0, 0, 0);
  for (int x = x0; x <= x1; x += 2) {
    p.fillRect(QRect(x, y0, 1, 1), ink);
    p.fillRect(QRect(x, y1, 1, 1), ink);
  }
  for (int y = y0; y <= y1; y += 2) {
    p.fillRect(QRect(x0, y, 1, 1), ink);
    p.fillRect(QRect(x1, y, 1, 1), ink);
  }
  p.restore();
}

// Text in the check-mark font: an em per character, a tick for each "P".
void DrawCheckMarks(QPainter& p, const QRect& r, int flags, const QString& s, int em, const QColor& ink) {
  em = std::max(em, 1);
  const int width = em * static_cast<int>(s.size());
  int x = r.left();
  if (flags & Qt::AlignHCenter) x = r.left() + (r.width() - width) / 2;
  if (flags & Qt::AlignRight) x = r.left() + r.width() - width;
  int y = r.top() + (r.height() - em) / 2;
  if (flags & Qt::AlignTop) y = r.top();
  if (flags & Qt::AlignBottom) y = r.top() + r.height() - em;
  for (qsizetype i = 0; i < s.size(); ++i) {
    if (s[i] == QChar(gdi::kCheckMarkGlyph)) gdi::DrawCheckMark(p, QRectF(x + i * em, y, em, em), ink);
  }
}

// The widest run a text must show unbroken: the whole line, or with word
// wrap its longest word.
int WidestRun(const QFontMetrics& metrics, const QString& s, bool wordWrap) {
  if (!wordWrap) return metrics.horizontalAdvance(s);
  // Built once: the fit measures every cell of a grid after each change.
  static const QRegularExpression kBlanks(QStringLiteral("\\s+"));
  int widest = 0;
  for (const QString& word : s.split(kBlanks, Qt::SkipEmptyParts))
    widest = std::max(widest, metrics.horizontalAdvance(word));
  return widest;
}

// A text wider than its cell (the grid's widen to their texts, but not one
// whose widths the person sets) is drawn a little smaller, as the button
// captions are; one that still does not fit shows its start.
QFont FitText(const QFont& font, const QString& s, bool wordWrap, int room, int& flags) {
  constexpr double kSmallestShare = 0.8;
  QFont fitted = font;
  if (room <= 0 || WidestRun(QFontMetrics(font), s, wordWrap) <= room) return fitted;
  const bool pixels = font.pixelSize() > 0;
  double size = pixels ? font.pixelSize() : font.pointSizeF();
  const double smallest = size * kSmallestShare;
  while (size > smallest) {
    size = std::max(size - (pixels ? 1.0 : 0.5), smallest);
    if (pixels) {
      fitted.setPixelSize(static_cast<int>(size));
    } else {
      fitted.setPointSizeF(size);
    }
    if (WidestRun(QFontMetrics(fitted), s, wordWrap) <= room) return fitted;
  }
  if (!wordWrap) flags = (flags & ~Qt::AlignHorizontal_Mask) | Qt::AlignLeft;
  return fitted;
}

}  // namespace

QString FlexGridPainter::CellText(const FlexGridModel& grid, int32_t row, int32_t col) {
  const std::string& text = grid.TextMatrix(row, col);
  QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  if (grid.WordWrap()) {
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  } else {
    s.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    s.replace(QChar('\r'), QChar(' '));
    s.replace(QChar('\n'), QChar(' '));
  }
  return s;
}

// A cell that shows a picture in its middle (a check box) keeps its text
// out of sight behind blanks: the picture is what it shows, also where this
// installed fonts' narrower blanks would bring the text into view.
bool FlexGridPainter::ShowsPictureOnly(const FlexGridModel& grid, int32_t row, int32_t col) {
  return grid.CellPictureAt(row, col) != nullptr && grid.CellPictureAlignmentAt(row, col) / 3 == 1;
}

// A picture at the cell's right (a drop-down arrow) keeps the text off it;
// one at the left has room left for it by the text's blanks.
int32_t FlexGridPainter::RightPictureWidth(const FlexGridModel& grid, int32_t row, int32_t col) {
  const auto picture = grid.CellPictureAt(row, col);
  if (picture == nullptr || grid.CellPictureAlignmentAt(row, col) / 3 != 2) return 0;
  return std::max(picture->WidthPixels() - kTextMargin, 0);
}

int32_t FlexGridPainter::NeededWidth(const FlexGridModel& grid, int32_t row, int32_t col,
                                     const QFontMetrics& metrics) {
  const QString s = CellText(grid, row, col);
  if (s.trimmed().isEmpty()) return 0;
  if (ShowsPictureOnly(grid, row, col)) return 0;
  // The margins either side, and the grid line.
  return WidestRun(metrics, s, grid.WordWrap()) + 2 * kTextMargin + 1 + RightPictureWidth(grid, row, col);
}

Qt::Alignment FlexGridPainter::TextAlignment(const FlexGridModel& grid, int32_t row, int32_t col) {
  int16_t code = grid.CellAlignmentAt(row, col);
  // A cell without an alignment of its own reads 0: it follows its column.
  if (code == 0) code = grid.ColAlignment(col);
  return FromCode(code, runtime::IsNumeric(grid.TextMatrix(row, col)));
}

int32_t FlexGridPainter::CellColour(const FlexGridModel& grid, int32_t row, int32_t col) {
  const int32_t own = grid.CellBackColorAt(row, col);
  const bool fixed = row < grid.FixedRows() || col < grid.FixedCols();
  // An unset cell reads the grid's BackColor; fixed cells show theirs.
  if (fixed && own == grid.BackColor()) return grid.BackColorFixed();
  return own;
}

void FlexGridPainter::Paint(QPainter& p, const FlexGridModel& grid, const FlexGridLayout& layout,
                            const Options& options) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.fillRect(QRect(0, 0, layout.Width(), layout.Height()), Colour(grid.BackColor()));
  const auto& cols = layout.ColBands();
  QFont bold = options.font;
  bold.setBold(true);

  for (const FlexGridLayout::Band& rb : layout.RowBands()) {
    const int32_t row = rb.index;
    const bool merged = grid.MergeRow(row);
    for (size_t i = 0; i < cols.size();) {
      // A merged row joins neighbouring cells of equal text on the same side
      // of the fixed columns.
      size_t last = i;
      if (merged) {
        while (last + 1 < cols.size() && cols[last + 1].fixed == cols[i].fixed &&
               grid.TextMatrix(row, cols[last + 1].index) == grid.TextMatrix(row, cols[i].index)) {
          ++last;
        }
      }
      const int32_t col = cols[i].index;
      const QRect cell(cols[i].start, rb.start, cols[last].End() - cols[i].start, rb.size);
      const bool fixedCell = rb.fixed || cols[i].fixed;
      bool highlighted = false;
      if (options.focused && !fixedCell) {
        for (size_t k = i; k <= last && !highlighted; ++k) {
          const bool isCurrent = row == grid.Row() && cols[k].index == grid.Col();
          highlighted = InSelection(grid, row, cols[k].index) && !isCurrent;
        }
      }
      const int16_t lineStyle = fixedCell ? grid.GridLinesFixed() : grid.GridLines();
      const int32_t lineColour = fixedCell ? kGridColourFixed : kGridColour;

      p.fillRect(cell, Colour(highlighted ? kHighlight : CellColour(grid, row, col)));
      // The area inside the lines: flat lines take the last column and row.
      QRect inner = cell;
      if (lineStyle == 1) inner.adjust(0, 0, -1, -1);
      if (lineStyle == 2 || lineStyle == 3) inner.adjust(1, 1, -1, -1);
      if (const auto picture = grid.CellPictureAt(row, col)) {
        DrawPicture(p, inner, picture.get(), grid.CellPictureAlignmentAt(row, col));
      }
      const std::string& text = grid.TextMatrix(row, col);
      // A joined text that runs on into the scrollable columns shows once,
      // there; the fixed cells that repeat it stay empty.
      const bool repeated = merged && cols[last].fixed && last + 1 < cols.size() &&
                            grid.TextMatrix(row, cols[last + 1].index) == text;
      if (!text.empty() && !repeated && !ShowsPictureOnly(grid, row, col)) {
        const QString s = CellText(grid, row, col);
        int flags = static_cast<int>(TextAlignment(grid, row, col));
        flags |= grid.WordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine;
        QRect textRect = inner.adjusted(kTextMargin, 0, -kTextMargin, 0);
        textRect.setRight(textRect.right() - RightPictureWidth(grid, row, col));
        const QColor ink = Colour(highlighted ? kHighlightText : 0);
        p.save();
        p.setClipRect(inner);
        if (options.checkMarkFont) {
          DrawCheckMarks(p, textRect, flags, s, options.font.pixelSize(), ink);
        } else {
          p.setFont(FitText(grid.CellFontBoldAt(row, col) ? bold : options.font, s, grid.WordWrap(),
                            textRect.width(), flags));
          p.setPen(ink);
          p.drawText(textRect, flags, s);
        }
        p.restore();
      }
      DrawLines(p, cell, lineStyle, lineColour);
      i = last + 1;
    }
  }

  if (options.focused) {
    const QRect r = layout.CellRect(grid.Row(), grid.Col());
    const bool fixed = grid.Row() < grid.FixedRows() || grid.Col() < grid.FixedCols();
    if (!r.isNull() && !fixed) DrawFocusFrame(p, r);
  }
  p.restore();
}
