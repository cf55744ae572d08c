#include "toolkit/GridPageView.h"

#include "toolkit/clsEditFlexGrid.h"

void GridPageView::AttachTo(clsEditFlexGrid& editor) {
  editor.SetNorm(DropArrow(false));
  editor.SetHover(DropArrow(true));
  editor.SetFlexgrid(EditGrid());
  editor.SetTextBox(EditText());
  editor.SetComboBox(EditCombo());
  editor.SetNormListBox(EditList());
  editor.SetMultiListBox(EditCheckList());
}
