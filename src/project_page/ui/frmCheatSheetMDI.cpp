#include "project_page/ui/frmCheatSheetMDI.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QResizeEvent>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <vector>

#include "core/PageCode.h"
#include "documents/basFlexGridHTML.h"
#include "platform/flexgrid/widget/FlexGridImagePicture.h"
#include "platform/flexgrid/widget/FlexGridWidget.h"
#include "shell/basFileDialog.h"
#include "shell/basUIControl.h"
#include "shell/ui/PageRegistry.h"
#include "toolkit/ui/EditFlexGridWidgets.h"
#include "toolkit/ui/LabelLink.h"
#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/PlainLabel.h"
#include "toolkit/ui/basBitmapResource.h"
#include "toolkit/ui/basFormLook.h"
#include "toolkit/ui/clsTabStrip.h"
#include "toolkit/ui/frmColour.h"

namespace project_page_ui {

namespace {

constexpr int32_t kStripHeight = 21;
constexpr int32_t kInstructionHeight = 40;
constexpr int32_t kRowTop = 6;  // the preview tabs' top row, inside the tab body

QColor FromColourRef(int32_t colour) { return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

// The Change File cell's button: a raised face with its caption, at the
// grid's device pixel ratio.
QImage ChangeFileButton(double ratio) {
  QImage image = FlexGridImagePicture::Canvas(QSize(72, 22), ratio);
  QPainter p(&image);
  p.setPen(QColor(128, 128, 128));
  p.setBrush(QColor(236, 233, 216));
  p.drawRect(0, 0, 71, 21);
  p.setPen(Qt::black);
  p.drawText(QRect(0, 0, 72, 22), Qt::AlignCenter, "Change File");
  return image;
}

}  // namespace

frmCheatSheetMDI::frmCheatSheetMDI(QWidget* parent) : frmPage(parent, kPageProject) {
  picCheat_ = new PictureBox(this);
  picCheat_->SetBackColor(gdi::kWhite);
  picTabCheat_ = new PictureBox(this);
  flxCheat_ = new FlexGridWidget(this);

  picInstruction_ = new QFrame(this);
  picInstruction_->setFrameShape(QFrame::StyledPanel);

  lblDisplayGrid_ = new PlainLabel(this);
  lblDisplayGrid_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  picDis_ = new QToolButton(this);
  picDis_->setAutoRaise(true);
  picDis_->setToolTip("Change Display Grid");
  if (basBitmapResource::Exists(159)) {
    // The grid picture on the button's own background, not on its key colour.
    const QImage image = basBitmapResource::WithoutKey(basBitmapResource::Load(159), basBitmapResource::kKeyMagenta);
    // On a scaled screen each pixel becomes a whole block, as in the
    // pictures beside it; the button would smooth it into a blur.
    const int factor = std::max(1, static_cast<int>(std::ceil(devicePixelRatioF())));
    QPixmap pixmap = QPixmap::fromImage(image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    pixmap.setDevicePixelRatio(factor);
    picDis_->setIcon(QIcon(pixmap));
    picDis_->setIconSize(image.size());
  }
  connect(picDis_, &QToolButton::clicked, this, [this] { controller_.ChooseDisplayGrid(); });

  lblDis_ = new PlainLabel("Mock Type", this);
  optAuto_ = new QRadioButton("Automatic", this);
  optUGM_ = new QRadioButton("User Generated", this);
  label1_ = new PlainLabel("View:", this);
  option1_ = {new QCheckBox("List View", this), new QCheckBox("Board View", this)};
  connect(optAuto_, &QRadioButton::toggled, this, [this](bool on) { MockTypeClicked(0, on); });
  connect(optUGM_, &QRadioButton::toggled, this, [this](bool on) { MockTypeClicked(1, on); });
  for (int32_t i = 0; i < 2; ++i) {
    connect(option1_[static_cast<std::size_t>(i)], &QCheckBox::clicked, this, [this, i] { Option1_Click(i); });
  }
  SetMockDisplayView(MockDisplayView);

  // The strip measures and draws its tabs into its picture: size it first.
  picTabCheat_->setGeometry(3, 2, std::max(width() - 5, 400), kStripHeight);
  picCheat_->setGeometry(4, 2 + kStripHeight - 1, std::max(width() - 6, 400), std::max(height() - 40, 100));
  tab_ = new clsTabStrip(this);
  tab_->InitializeTab(picTabCheat_, picCheat_, &timTabCheat_,
                      std::vector<std::string>(clsUICheatSheet::kTabCaptions.begin(),
                                               clsUICheatSheet::kTabCaptions.end()));
  connect(tab_, &clsTabStrip::Click, this, [this](int32_t index) { controller_.TabClick(index); });

  lblDetails_ = new PlainLabel("View Project Validation Details", picInstruction_);
  new LabelLink(lblDetails_, [this] {
    shell_ui::OpenMenuWindow(shell_ui::MenuWindow::kProjectValidation, "Project Validation", window());
  });
  txtEdit_ = new QLineEdit(this);
  txtEdit_->hide();
  lstPos_ = new QListWidget(this);
  lstPos_->hide();
  txtCheat_ = new QLineEdit(this);
  txtCheat_->hide();
  connect(txtCheat_, &QLineEdit::textEdited, this,
          [this](const QString& text) { controller_.PropertyTextChanged(text.toStdString()); });
  for (int32_t i = 0; i < 4; ++i) {
    constexpr std::array<int32_t, 4> kResources = {147, 148, 149, 158};
    const int32_t id = kResources[static_cast<std::size_t>(i)];
    if (basBitmapResource::Exists(id))
      filesPictures_[static_cast<std::size_t>(i)] = std::make_shared<FlexGridImagePicture>(basBitmapResource::Load(id));
  }
  connect(flxCheat_, &FlexGridWidget::KeyDown, this,
          [this](int16_t& keyCode, int16_t shift) { controller_.GridKeyDown(keyCode, shift); });
  connect(flxCheat_, &FlexGridWidget::MouseMove, this, [this](int16_t, int16_t, float, float) {
    const bool hand = controller_.CurrentTab() == clsUICheatSheet::kTabFiles && flxCheat_->MouseCol() == 2 &&
                      flxCheat_->MouseRow() > 0 && flxCheat_->MouseRow() < flxCheat_->Model().Rows();
    if (hand) {
      flxCheat_->setCursor(Qt::PointingHandCursor);
    } else {
      flxCheat_->unsetCursor();
    }
  });

  controller_.Bind(flxCheat_->Model(), *this);
  parts_ = std::make_unique<EditFlexGridWidgets>(flxCheat_, txtEdit_, nullptr, lstPos_, nullptr);
  controller_.GridInitialize(parts_->Grid(), parts_->TextBox(), parts_->ComboBox(), parts_->NormListBox(),
                             parts_->MultiListBox());
  SetCommands(&controller_);
  // Tab goes as the eye does: the tabs, the controls above the grid from
  // left to right, the grid, then the link below it.
  basFormLook::SetTabChain(
      {picTabCheat_, optAuto_, optUGM_, option1_[0], option1_[1], picDis_, flxCheat_, lblDetails_});
  LayOutForTab(controller_.CurrentTab());
}

frmCheatSheetMDI::~frmCheatSheetMDI() {
  timTabCheat_.stop();
  parts_.reset();
}

void frmCheatSheetMDI::ShowPropertyTextBox(int32_t row, const std::string& text) {
  const QRect cell = flxCheat_->CellRect(row, 1);
  txtCheat_->setGeometry(QRect(flxCheat_->mapTo(this, cell.topLeft()), cell.size()).adjusted(4, 3, -4, -2));
  txtCheat_->setText(QString::fromStdString(text));
  txtCheat_->selectAll();
  txtCheat_->show();
  txtCheat_->raise();
  txtCheat_->setFocus();
}

void frmCheatSheetMDI::HidePropertyTextBox() { txtCheat_->hide(); }

int32_t frmCheatSheetMDI::ChooseColour(int32_t colour) {
  frmColour dialog(window());
  dialog.pSbSetInitialColour(colour);
  dialog.exec();
  return ColourDialogAnswer;
}

std::shared_ptr<const FlexGridPicture> frmCheatSheetMDI::ColourSwatch(int32_t colour, int32_t back) {
  QImage image = FlexGridImagePicture::Canvas(QSize(30, 16), flxCheat_->devicePixelRatioF());
  image.fill(FromColourRef(back));
  QPainter p(&image);
  p.setPen(Qt::black);
  p.setBrush(FromColourRef(colour));
  p.drawRect(5, 2, 18, 11);
  return std::make_shared<FlexGridImagePicture>(image);
}

std::shared_ptr<const FlexGridPicture> frmCheatSheetMDI::FilesPicture(int32_t index) {
  if (index == 4) {
    // Drawn for the screen the grid is on now.
    const double ratio = flxCheat_->devicePixelRatioF();
    auto& button = filesPictures_[4];
    if (!button || button->Image().devicePixelRatio() != ratio)
      button = std::make_shared<FlexGridImagePicture>(ChangeFileButton(ratio));
  }
  return index >= 0 && index < 5 ? filesPictures_[static_cast<std::size_t>(index)] : nullptr;
}

std::string frmCheatSheetMDI::SelectProjectFile(int32_t fileType) {
  // The click that closed the last file dialog is not a new one.
  if (!ClicksAccepted) return "";
  return basFileDialog::SelectFileDialog(fileType, false);
}

void frmCheatSheetMDI::resizeEvent(QResizeEvent* event) {
  frmPage::resizeEvent(event);
  LayOutForTab(controller_.CurrentTab());
}

void frmCheatSheetMDI::LayOutForTab(int32_t tab) {
  if (tab_ == nullptr) return;
  const int32_t w = std::max(width() - 6, 40);
  const int32_t bodyTop = 2 + kStripHeight - 1;
  const int32_t bodyHeight = std::max(height() - bodyTop - 4, 40);
  const QSize stripSize = picTabCheat_->size();
  picTabCheat_->setGeometry(3, 2, w + 1, kStripHeight);
  picCheat_->setGeometry(4, bodyTop, w, bodyHeight);
  // A resized strip keeps what was drawn at the old size: draw it afresh.
  if (picTabCheat_->size() != stripSize) tab_->DrawFullToolbar();
  picCheat_->lower();

  const bool preview = tab == clsUICheatSheet::kTabCheatSheet || tab == clsUICheatSheet::kTabMockDraft;
  const int32_t gridWidth = std::max(w - 15, 10);
  if (preview) {
    flxCheat_->setGeometry(11, bodyTop + 25, gridWidth, std::max(bodyHeight - 32, 10));
    const QSize button = picDis_->sizeHint();
    const int32_t disLeft = 4 + gridWidth + 8 - button.width();
    picDis_->setGeometry(disLeft, bodyTop + kRowTop - 3, button.width(), button.height());
    lblDisplayGrid_->setGeometry(std::max(disLeft - 306, 11), bodyTop + kRowTop, 300, 16);
  } else if (tab == clsUICheatSheet::kTabFiles) {
    flxCheat_->setGeometry(11, bodyTop + 12, gridWidth, std::max(bodyHeight - 19 - kInstructionHeight, 10));
    picInstruction_->setGeometry(12, bodyTop + bodyHeight - kInstructionHeight - 4, std::max(w - 16, 10),
                                 kInstructionHeight);
    lblDetails_->setGeometry(8, (kInstructionHeight - 18) / 2, lblDetails_->sizeHint().width(), 18);
  } else {
    flxCheat_->setGeometry(11, bodyTop + 12, gridWidth, std::max(bodyHeight - 19, 10));
  }
  picDis_->setVisible(preview);
  lblDisplayGrid_->setVisible(preview);
  picInstruction_->setVisible(tab == clsUICheatSheet::kTabFiles);

  const bool mockRow = tab == clsUICheatSheet::kTabMockDraft;
  int32_t x = 11;
  for (QWidget* control : std::vector<QWidget*>{lblDis_, optAuto_, optUGM_, label1_, option1_[0], option1_[1]}) {
    const int32_t controlWidth = control->sizeHint().width();
    control->setGeometry(x, bodyTop + kRowTop - 1, controlWidth, 18);
    control->setVisible(mockRow);
    x += controlWidth + (control == optUGM_ ? 24 : 8);
  }
  tab_->RedrawBorder(tab);
}

void frmCheatSheetMDI::SetTabSelected(int32_t tab, bool selected) { tab_->SetTabSelected(tab, selected); }

void frmCheatSheetMDI::ShowDisplayGridName(const std::string& name) {
  lblDisplayGrid_->setText(QString::fromStdString(name));
}

void frmCheatSheetMDI::ShowMockType(int32_t mockType) {
  settingMockType_ = true;
  (mockType != 0 ? optUGM_ : optAuto_)->setChecked(true);
  settingMockType_ = false;
}

void frmCheatSheetMDI::MockTypeClicked(int32_t mockType, bool checked) {
  if (settingMockType_ || !checked || !optAuto_->isVisible() || !optUGM_->isVisible()) return;
  controller_.MockTypeChosen(mockType);
}

void frmCheatSheetMDI::SetBusy(bool busy) {
  if (busy) {
    setCursor(Qt::WaitCursor);
  } else {
    unsetCursor();
  }
}

void frmCheatSheetMDI::RepaintMain() { basUIControl::RefreshActiveView(); }

bool frmCheatSheetMDI::ChooseDisplayGridFile(std::string& name) {
  constexpr int32_t kOpen = 1;
  if (basFileDialog::ShowFileDialogBasic(name, kPageDisplayGrids, kOpen, false)) return false;
  name = FileDialogChosenName;
  return true;
}

// The two boxes work as a pair; setting them raises no click of its own.
void frmCheatSheetMDI::SetMockDisplayView(int32_t view) {
  for (QCheckBox* box : option1_) box->setEnabled(false);
  MockDisplayView = view;
  option1_[view == 1 ? 1 : 0]->setChecked(true);
  option1_[view == 1 ? 0 : 1]->setChecked(false);
  for (QCheckBox* box : option1_) box->setEnabled(true);
}

void frmCheatSheetMDI::Option1_Click(int32_t index) {
  if (!option1_[static_cast<std::size_t>(index)]->isEnabled()) return;
  SetMockDisplayView(index);
  controller_.SetMockDisplayView(index);
}

void RegisterWindows() {
  shell_ui::RegisterPage(kPageProject, [](QWidget* parent) { return new frmCheatSheetMDI(parent); });
}

}  // namespace project_page_ui
