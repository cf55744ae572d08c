#pragma once
// The in-place grid editor's parts made of Qt widgets: a FlexGridWidget and
// the line edit, combo box and list widgets that lie over its cells. The
// window creates the widgets (the editors as children of the grid's own
// parent, so they can cover its cells) and keeps this object as long as
// they live; the editor itself (clsEditFlexGrid) usually belongs to the
// page's headless controller, which attaches these parts to it:
//
//   parts_ = std::make_unique<EditFlexGridWidgets>(flx, txt, cmb, lstNorm, lstMulti);
//   controller_.GridInitialize(parts_->Grid(), parts_->TextBox(), ...);
//
// What is forwarded to the editor:
// - the grid's GotFocus, Click, EnterCell, LeaveCell, KeyDown and Scroll,
//   and a change of its size or column widths as a Scroll (the open editor
//   follows its cell);
// - KeyDown of the line edit, the combo and the lists (a key the editor
//   handles goes no further), KeyUp of the combo, the combo's choice of an
//   item as Click, and a mouse release over a list as MouseUp.
// While the combo's drop-down is open its keys belong to the drop-down: it
// moves through the items itself and chooses with Enter (reported as a
// Click); only Escape is passed on, which closes the combo.

#include <QObject>
#include <QPointer>
#include <memory>

#include "toolkit/EditFlexGridParts.h"

class FlexGridPicture;
class FlexGridWidget;
class PictureBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class clsEditFlexGrid;

class EditFlexGridWidgets : public QObject {
  Q_OBJECT

 public:
  // Any editor widget may be null (the part is then null too).
  EditFlexGridWidgets(FlexGridWidget* grid, QLineEdit* text, QComboBox* combo = nullptr,
                      QListWidget* normList = nullptr, QListWidget* multiList = nullptr);
  ~EditFlexGridWidgets() override;

  EditFlexGridView* Grid();
  EditFlexTextBox* TextBox();
  EditFlexComboBox* ComboBox();
  EditFlexListBox* NormListBox();
  EditFlexListBox* MultiListBox();

  // Attaches every part in the usual order (grid, text, combo, lists).
  void AttachTo(clsEditFlexGrid& editor);

  // The drop arrow of list cells: a small dark triangle at the cell's right
  // edge; the hover form stands on a raised button face.
  static std::shared_ptr<const FlexGridPicture> DropArrowPicture(bool hover);
  // What a picture box shows, as a cell picture (check boxes, sort arrows).
  static std::shared_ptr<const FlexGridPicture> CellPictureOf(PictureBox* picture);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  class GridPart;
  class TextPart;
  class ComboPart;
  class ListPart;

  std::unique_ptr<GridPart> grid_;
  std::unique_ptr<TextPart> text_;
  std::unique_ptr<ComboPart> combo_;
  std::unique_ptr<ListPart> normList_;
  std::unique_ptr<ListPart> multiList_;
  QPointer<QWidget> comboView_;
};
