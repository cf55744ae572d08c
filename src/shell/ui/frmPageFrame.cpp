#include "shell/ui/frmPageFrame.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "core/basColourScheme.h"
#include "platform/flexgrid/widget/FlexGridWidget.h"
#include "platform/runtime/Rounding.h"
#include "toolkit/ui/EditFlexGridWidgets.h"
#include "toolkit/ui/PlainLabel.h"
#include "toolkit/ui/basButtonMocks.h"
#include "toolkit/ui/basFormLook.h"

namespace shell_ui {

frmPageFrame::frmPageFrame(QWidget* parent, int32_t pageCode) : frmPage(parent, pageCode) {}

frmPageFrame::~frmPageFrame() {
  // The children go after this, and a focus moving while they go must not
  // reach a controller that is gone.
  for (QObject* child : findChildren<QObject*>()) child->disconnect(this);
  // The controller draws into the widgets and owns the grid editor: it goes first.
  controller_.reset();
  gridEditor_.reset();
}

gdi::COLORREF frmPageFrame::PanelColour() {
  return static_cast<gdi::COLORREF>(Palette(basColourScheme::kTitleRowColour));
}

EditFlexGridView* frmPageFrame::EditGrid() { return gridEditor_ ? gridEditor_->Grid() : nullptr; }
EditFlexTextBox* frmPageFrame::EditText() { return gridEditor_ ? gridEditor_->TextBox() : nullptr; }
EditFlexComboBox* frmPageFrame::EditCombo() { return gridEditor_ ? gridEditor_->ComboBox() : nullptr; }
EditFlexListBox* frmPageFrame::EditList() { return gridEditor_ ? gridEditor_->NormListBox() : nullptr; }
EditFlexListBox* frmPageFrame::EditCheckList() { return gridEditor_ ? gridEditor_->MultiListBox() : nullptr; }

int32_t frmPageFrame::ListAreaHeight() const {
  return runtime::PixelsToTwips(panel_ != nullptr ? panel_->height() : height());
}

std::shared_ptr<const FlexGridPicture> frmPageFrame::CheckPicture(bool checked) {
  if (checkBoxes_[0] == nullptr) {
    for (PictureBox*& box : checkBoxes_) {
      box = new PictureBox(this);
      box->hide();
    }
    basButtonMocks::DrawCheckBoxImages(checkBoxes_[0], checkBoxes_[1]);
    for (std::size_t i = 0; i < checkBoxes_.size(); ++i)
      checkPictures_[i] = EditFlexGridWidgets::CellPictureOf(checkBoxes_[i]);
  }
  return checkPictures_[checked ? 1 : 0];
}

std::shared_ptr<const FlexGridPicture> frmPageFrame::DropArrow(bool hover) {
  return EditFlexGridWidgets::DropArrowPicture(hover);
}

QLabel* frmPageFrame::AddTitle(QWidget* parent, const char* text, bool bold) {
  auto* label = new PlainLabel(QString::fromUtf8(text), parent);
  label->setFont(basFormLook::FormFont("Arial", bold));
  return label;
}

PictureBox* frmPageFrame::AddPanel(QWidget* parent, gdi::COLORREF back) {
  auto* panel = new PictureBox(parent);
  panel->SetBackColor(back);
  return panel;
}

clsButton* frmPageFrame::AddButtonBar(QWidget* parent, int32_t buttonWidth, const std::vector<std::string>& captions,
                                      int32_t width, int32_t height, gdi::COLORREF back) {
  PictureBox* picture = AddPanel(parent, back);
  picture->resize(width, height);
  auto* bar = new clsButton(this);
  basButtonMocks::SetUpButtonBar(*bar, picture, new QTimer(this), buttonWidth, captions, false);
  // On the page's own colour, not on a patch of the button face.
  bar->SetBackColor(back);
  bar->DrawFullToolbar();
  picture->Refresh();
  return bar;
}

clsMiniBar* frmPageFrame::AddMiniBar(QWidget* parent, int32_t height, int32_t kind, gdi::COLORREF back) {
  auto* bar = new clsMiniBar(this);
  basButtonMocks::SetUpMiniBar(*bar, AddPanel(parent, back), new QTimer(this), height, kind);
  return bar;
}

frmPageFrame::TabStrip frmPageFrame::AddTabStrip(QWidget* parent, PictureBox* border,
                                                 const std::function<void(int32_t)>& clicked) {
  const TabStrip tabs{new PictureBox(parent), border, new QTimer(this), new clsTabStrip(this)};
  connect(tabs.strip, &clsTabStrip::Click, this, [tabs, clicked](int32_t index) {
    tabs.Select(index);
    clicked(index);
  });
  return tabs;
}

void frmPageFrame::TabStrip::SetTabs(const std::vector<std::string>& captions) const {
  strip->InitializeTab(picture, border, timer, captions);
}

void frmPageFrame::TabStrip::Select(int32_t index) const {
  for (int32_t t = 0; t < strip->Tabs(); ++t) strip->SetTabSelected(t, t == index);
  if (strip->Tabs() > 0) strip->RedrawBorder(index);
}

void frmPageFrame::TabStrip::Redraw(int32_t current) const {
  if (strip->Tabs() == 0) return;
  strip->DrawFullToolbar();
  strip->RedrawBorder(current);
  strip->RefreshTab();
  strip->RefreshBorder();
}

PictureBox* frmPageFrame::AddTabbedPanel(const std::function<void(int32_t)>& clicked) {
  top_ = AddTabStrip(this, nullptr, clicked);
  panel_ = AddPanel(this);
  top_.border = panel_;
  return panel_;
}

void frmPageFrame::SetTabs(const std::vector<std::string>& captions) {
  if (top_.strip != nullptr) top_.SetTabs(captions);
}

void frmPageFrame::SelectTab(int32_t index) {
  if (top_.strip != nullptr) top_.Select(index);
}

void frmPageFrame::PlaceTabbedPanel(int32_t current) {
  top_.picture->setGeometry(0, 0, width(), kTabHeight);
  panel_->setGeometry(0, kTabHeight, width(), height() - kTabHeight);
  top_.Redraw(current);
}

frmPageFrame::EditedGrid frmPageFrame::AddEditedGrid(QWidget* parent, int32_t parts) {
  EditedGrid edited;
  edited.grid = new FlexGridWidget(parent);
  const auto hidden = [](auto* editor) {
    editor->hide();
    return editor;
  };
  edited.text = hidden(new QLineEdit(parent));
  if ((parts & kGridCombo) != 0) edited.combo = hidden(new QComboBox(parent));
  if ((parts & kGridList) != 0) edited.list = hidden(new QListWidget(parent));
  if ((parts & kGridMultiList) != 0) edited.multiList = hidden(new QListWidget(parent));
  gridEditor_ = std::make_unique<EditFlexGridWidgets>(edited.grid, edited.text, edited.combo, edited.list,
                                                      edited.multiList);
  return edited;
}

void frmPageFrame::StartLayout(int32_t minimum) {
  minimum_ = minimum;
}

void frmPageFrame::LayOutAgain() {
  if (minimum_ >= 0 && !isMinimized() && width() >= minimum_ && height() >= minimum_) LayOut();
}

void frmPageFrame::resizeEvent(QResizeEvent* event) {
  frmPage::resizeEvent(event);
  LayOutAgain();
}

}  // namespace shell_ui
