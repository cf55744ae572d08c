#pragma once
// Paints a grid model into its cell area: cell colours (fixed cells in
// BackColorFixed unless given their own), text in each cell's alignment and
// weight, merged rows drawn as one cell where neighbouring texts are equal,
// cell pictures, grid lines in the grid's styles, and, while the grid has
// the focus, the selection in the highlight colour and a dotted frame round
// the current cell. Plain drawing on a QPainter.

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <cstdint>

#include "platform/flexgrid/FlexGridModel.h"
#include "platform/flexgrid/widget/FlexGridLayout.h"

class FlexGridPainter {
 public:
  struct Options {
    QFont font;
    bool focused = false;
    // The grid's font is the check-mark symbol font: its "P" is drawn as a
    // tick.
    bool checkMarkFont = false;
  };

  // Colours in the platform layout (0x00BBGGRR).
  static constexpr int32_t kGridColour = 0xC0C0C0;
  static constexpr int32_t kGridColourFixed = 0x808080;
  static constexpr int32_t kHighlight = 0xC56A31;  // RGB(49,106,197)
  static constexpr int32_t kHighlightText = 0xFFFFFF;
  static constexpr int32_t kShadow = 0x808080;
  static constexpr int32_t kLight = 0xFFFFFF;
  // Space between a cell's edge and its text.
  static constexpr int32_t kTextMargin = 3;

  static void Paint(QPainter& painter, const FlexGridModel& grid, const FlexGridLayout& layout,
                    const Options& options);

  // A cell's text as drawn: a CR LF breaks the line with word wrap, else it
  // is a blank.
  static QString CellText(const FlexGridModel& grid, int32_t row, int32_t col);
  // Whether a cell shows only its picture (one in its middle: a check box).
  static bool ShowsPictureOnly(const FlexGridModel& grid, int32_t row, int32_t col);
  // The room a right-aligned picture takes from the text beside it.
  static int32_t RightPictureWidth(const FlexGridModel& grid, int32_t row, int32_t col);
  // The pixels across a cell needs to show its text whole (with word wrap,
  // its longest word): text, margins, grid line and a picture at its right;
  // 0 for a cell without text or with a picture in its middle.
  static int32_t NeededWidth(const FlexGridModel& grid, int32_t row, int32_t col, const QFontMetrics& metrics);

  // The alignment a cell's text is drawn in: its own, else its column's;
  // "general" (9) puts numbers right and other text left, centred
  // vertically.
  static Qt::Alignment TextAlignment(const FlexGridModel& grid, int32_t row, int32_t col);
  // The colour a cell is filled with, before any highlight.
  static int32_t CellColour(const FlexGridModel& grid, int32_t row, int32_t col);
};
