#include "documents/ui/frmExportSheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTimer>

#include "platform/gdi/Region.h"
#include "shell/ui/PageRegistry.h"
#include "core/basFlexGridCommon.h"
#include "toolkit/ui/ButtonPainter.h"
#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/PlainLabel.h"
#include "toolkit/ui/basBitmapResource.h"
#include "toolkit/ui/basButtonMocks.h"
#include "toolkit/ui/basFormLook.h"
#include "toolkit/ui/clsBitmap.h"
#include "toolkit/ui/clsButton.h"
#include "toolkit/ui/frmColour.h"

using basFormLook::Px;

namespace documents_ui {

namespace {

constexpr int32_t kPageWithArrowImage = 160;
constexpr int32_t kFrameLeft = 120;
constexpr int32_t kFrameWidth = 6615;

QGroupBox* Frame(QWidget* parent, const char* caption, int32_t left, int32_t top, int32_t width, int32_t height) {
  auto* frame = new QGroupBox(QString::fromUtf8(caption), parent);
  frame->setGeometry(Px(left), Px(top), Px(width), Px(height));
  return frame;
}

template <class Control>
Control* Place(Control* control, int32_t left, int32_t top, int32_t width, int32_t height) {
  control->setGeometry(Px(left), Px(top), Px(width), Px(height));
  return control;
}

// The mini-bar pictures mark their background with the key colour, so that
// the frame's own colour shows around them.
void PaintFramePicture(PictureBox* picture, int32_t resourceId) {
  clsBitmap image;
  if (!image.LoadResImage(resourceId)) return;
  picture->Cls();
  picture->hDC().BitBltKeyed(0, 0, image.Width(), image.Height(), image.hDC(), 0, 0, basBitmapResource::kKeyMagenta);
  picture->Refresh();
}

void MoveBy(QWidget* widget, int32_t dy) { widget->move(widget->x(), widget->y() + dy); }

}  // namespace

frmExportSheet::frmExportSheet(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      controller_(*this),
      picProperty_(new PictureBox(this)),
      fraMockType_(Frame(this, "Mock Draft Type", kFrameLeft, 600, 2145, 780)),
      fraMockView_(Frame(this, "Mock Draft Display View", 2355, 600, 2145, 780)),
      fraInclude_(Frame(this, "Include", 4590, 600, 2145, 780)),
      fraDisplay_(Frame(this, "Display Grid", kFrameLeft, 660, kFrameWidth, 765)),
      picDis_(new PictureBox(fraDisplay_)),
      cmbDisplay_(new QComboBox(fraDisplay_)),
      fraFileType_(Frame(this, "File Type", kFrameLeft, 1500, kFrameWidth, 735)),
      picExp_(new PictureBox(fraFileType_)),
      fraHtml_(Frame(this, "HTML Properties", kFrameLeft, 2310, kFrameWidth, 2115)),
      chkColour_(new QCheckBox(QStringLiteral("Use Color"), fraHtml_)),
      chkGridLines_(new QCheckBox(QStringLiteral("Use Grid Lines"), fraHtml_)),
      fraTarget_(Frame(this, "Target File", kFrameLeft, 4470, kFrameWidth, 900)),
      txtTarget_(new QLineEdit(fraTarget_)),
      picBrowse_(new PictureBox(fraTarget_)),
      timBrowse_(new QTimer(this)),
      picSave_(new PictureBox(this)),
      timSave_(new QTimer(this)) {
  basFormLook::Apply(this, "Arial");
  setFixedSize(Px(6855), Px(6015));
  setWindowTitle(QStringLiteral("Kickwell Draftyard Document Dialog"));
  basFormLook::UseOwnerIcon(this, owner);
  Place(picProperty_, kFrameLeft, 90, kFrameWidth, 480);

  const char* mockTypes[] = {"Automatic", "User Generated"};
  const char* views[] = {"List View", "Board View"};
  const char* includes[] = {"Roster Listings", "Roster Point Summary"};
  for (int32_t i = 0; i < 2; ++i) {
    const auto k = static_cast<std::size_t>(i);
    optMock_[k] = Place(new QRadioButton(QString::fromUtf8(mockTypes[i]), fraMockType_), 150, 270 + i * 255, 1900, 255);
    option1_[k] = Place(new QRadioButton(QString::fromUtf8(views[i]), fraMockView_), 150, 270 + i * 255, 1900, 255);
    chkInclude_[k] = Place(new QCheckBox(QString::fromUtf8(includes[i]), fraInclude_), 150, 270 + i * 255, 1950, 255);
    connect(optMock_[k], &QRadioButton::toggled, this, [this, i](bool on) {
      if (on && !syncing_) controller_.MockTypeChosen(i);
    });
    connect(option1_[k], &QRadioButton::toggled, this, [this, i](bool on) {
      if (on && !syncing_) controller_.MockViewChosen(i);
    });
    connect(chkInclude_[k], &QCheckBox::toggled, this, [this, i](bool on) {
      if (!syncing_) controller_.IncludeChanged(i, on);
    });
  }
  for (QGroupBox* frame : {fraMockType_, fraMockView_, fraInclude_}) frame->hide();

  Place(picDis_, 150, 300, 225, 270);
  Place(cmbDisplay_, 540, 270, 5900, 315);
  connect(cmbDisplay_, &QComboBox::activated, this, [this](int index) {
    if (!syncing_) controller_.DisplayGridChosen(index);
  });

  Place(picExp_, 150, 300, 225, 270);
  const char* types[] = {"HTML", "TXT", "CSV"};
  for (int32_t i = 0; i < 3; ++i) {
    auto* option = Place(new QRadioButton(QString::fromUtf8(types[i]), fraFileType_), 600 + i * 1400, 300, 1200, 255);
    optFile_[static_cast<std::size_t>(i)] = option;
    connect(option, &QRadioButton::toggled, this, [this, i](bool on) {
      if (on && !syncing_) controller_.FileTypeClicked(i);
    });
  }

  Place(chkColour_, 240, 300, 3000, 255);
  const char* colourRows[] = {"Heading Background Color", "Row Background Color A", "Row Background Color B"};
  for (int32_t i = 0; i < 3; ++i) {
    const auto k = static_cast<std::size_t>(i);
    lblColour_[k] = Place(new PlainLabel(QString::fromUtf8(colourRows[i]), fraHtml_), 600, 690 + i * 390, 2400, 255);
    picColour_[k] = Place(new PictureBox(fraHtml_), 3120, 660 + i * 390, 1500, 300);
    picColour_[k]->setCursor(Qt::PointingHandCursor);
    // Tab reaches a swatch; Space or Return picks its colour.
    picColour_[k]->setFocusPolicy(Qt::TabFocus);
    picColour_[k]->installEventFilter(this);
  }
  Place(chkGridLines_, 240, 1740, 3000, 255);
  connect(chkColour_, &QCheckBox::toggled, this, [this](bool on) {
    if (!syncing_) controller_.UseColorClicked(on);
  });
  connect(chkGridLines_, &QCheckBox::toggled, this, [this](bool on) {
    if (!syncing_) controller_.UseGridLinesClicked(on);
  });

  Place(txtTarget_, 150, 330, 5040, 315);
  Place(picBrowse_, 5280, 285, 1230, 405);
  connect(txtTarget_, &QLineEdit::textEdited, this,
          [this](const QString& text) { controller_.TargetEdited(text.toStdString()); });

  Place(picSave_, 6735 - 2430, 5460, 2430, 405);

  basFormLook::SetTabChain(TabChain());
  // Editable only now: ordering an editable combo box cuts the rest of the
  // chain off the dialog (Qt 6.4).
  cmbDisplay_->setEditable(true);
  // Typing in the box chooses nothing; only an item of the list does.
  cmbDisplay_->setInsertPolicy(QComboBox::NoInsert);

  PaintFramePicture(picDis_, basButtonMocks::kGridImage);
  PaintFramePicture(picExp_, kPageWithArrowImage);
}

// Top to bottom, left to right, whatever the mode shows: the mock-draft
// frames head the dialog when they are shown; Tab passes over hidden and
// disabled controls, and over the unchosen buttons of an option group.
std::vector<QWidget*> frmExportSheet::TabChain() const {
  return {optMock_[0],   optMock_[1],   option1_[0],   option1_[1],   chkInclude_[0], chkInclude_[1], cmbDisplay_,
          optFile_[0],   optFile_[1],   optFile_[2],   chkColour_,    picColour_[0],  picColour_[1],  picColour_[2],
          chkGridLines_, txtTarget_,    picBrowse_,    picSave_};
}

void frmExportSheet::FocusFirstControl() {
  for (QWidget* w : TabChain()) {
    const auto* option = qobject_cast<const QRadioButton*>(w);
    if (w->isVisibleTo(this) && w->isEnabled() && (option == nullptr || option->isChecked())) {
      w->setFocus(Qt::OtherFocusReason);
      return;
    }
  }
}

frmExportSheet::~frmExportSheet() {
  timSave_->stop();
  timBrowse_->stop();
}

void frmExportSheet::ActivateForm(int32_t mode, int32_t targetIndex, bool colourRows) {
  controller_.ActivateForm(mode, targetIndex, colourRows);
  if (mode == clsUIExportSheet::kModeMockDraft) ArrangeForMockDraft();
  if (mode == clsUIExportSheet::kModeGridExport) {
    if (!controller_.ShowsColourRows()) HideColourRows();
    ArrangeForGridExport();
  }
  ShowChoices();

  mSave_ = std::make_unique<clsButton>();
  connect(mSave_.get(), &clsButton::Click, this, &frmExportSheet::mSave_Click);
  basButtonMocks::SetUpSaveCancelButtons(*mSave_, picSave_, timSave_);
  mBrowse_ = std::make_unique<clsButton>();
  connect(mBrowse_.get(), &clsButton::Click, this, &frmExportSheet::mBrowse_Click);
  basButtonMocks::SetUpButtonBar(*mBrowse_, picBrowse_, timBrowse_, 70, {"Browse"}, false);

  picProperty_->SetBackColor(gdi::kWhite);
  basButtonMocks::DrawTitleImage(controller_.Title(), picProperty_, mode);
  // The chain of Tab has no fixed start: the dialog opens on its first
  // control as the mode arranged it.
  FocusFirstControl();
}

// The controls take the controller's state without reporting it back.
void frmExportSheet::ShowChoices() {
  syncing_ = true;
  const clsUIExportSheet& c = controller_;
  optFile(c.FileType())->setChecked(true);
  chkColour_->setChecked(c.UseColor());
  chkGridLines_->setChecked(c.UseGridLines());
  cmbDisplay_->clear();
  for (std::size_t i = 0; i < c.DisplayGrids().size(); ++i) {
    cmbDisplay_->addItem(QString::fromStdString(c.DisplayGrids()[i]), static_cast<int>(i));
  }
  cmbDisplay_->setCurrentIndex(-1);
  cmbDisplay_->setEditText(QString::fromStdString(c.DisplayGridName()));
  optMock(c.MockType())->setChecked(true);
  Option1(c.MockView())->setChecked(true);
  chkInclude(0)->setChecked(c.IncludeRosterListing());
  chkInclude(1)->setChecked(c.IncludePointSummary());
  txtTarget_->setText(QString::fromStdString(c.Target()));
  syncing_ = false;
}

void frmExportSheet::GrowBy(int32_t dy) { setFixedSize(width(), height() + dy); }

void frmExportSheet::ArrangeForMockDraft() {
  const int32_t d = fraHtml_->y() - fraFileType_->y();
  const int32_t fileTop = fraFileType_->y();
  const int32_t htmlTop = fraHtml_->y();
  GrowBy(d);
  fraDisplay_->move(fraDisplay_->x(), fileTop);
  fraFileType_->move(fraFileType_->x(), htmlTop);
  for (QWidget* w : {static_cast<QWidget*>(fraHtml_), static_cast<QWidget*>(fraTarget_),
                     static_cast<QWidget*>(picSave_)}) {
    MoveBy(w, d);
  }
  for (QGroupBox* frame : {fraMockType_, fraMockView_, fraInclude_}) frame->show();
}

void frmExportSheet::ArrangeForGridExport() {
  const int32_t d = fraFileType_->y() - fraDisplay_->y();
  fraDisplay_->hide();
  GrowBy(-d);
  for (QWidget* w : {static_cast<QWidget*>(fraFileType_), static_cast<QWidget*>(fraHtml_),
                     static_cast<QWidget*>(fraTarget_), static_cast<QWidget*>(picSave_)}) {
    MoveBy(w, -d);
  }
}

void frmExportSheet::HideColourRows() {
  for (std::size_t i = 0; i < 3; ++i) {
    lblColour_[i]->hide();
    picColour_[i]->hide();
  }
  const int32_t d = chkGridLines_->y() - lblColour_[0]->y();
  MoveBy(chkGridLines_, -d);
  fraHtml_->resize(fraHtml_->width(), fraHtml_->height() - d);
  MoveBy(fraTarget_, -d);
  MoveBy(picSave_, -d);
  GrowBy(-d);
}

void frmExportSheet::ShowTarget(const std::string& target) { txtTarget_->setText(QString::fromStdString(target)); }

// A filled square of the colour, framed, and its HTML form beside it, on white;
// the swatch that has the focus wears a dotted frame just inside its edge.
void frmExportSheet::ShowSwatch(int32_t index, int32_t colour) {
  PictureBox* picture = picColour(index);
  picture->SetBackColor(gdi::kWhite);
  const gdi::Region square = gdi::Region::FromPolygon({{5, 3}, {18, 3}, {18, 17}, {5, 17}}, gdi::FillMode::kAlternate);
  picture->hDC().FillRegion(square, static_cast<gdi::COLORREF>(colour));
  // Framed, so that a white (or any pale) colour shows on the white picture.
  picture->hDC().Polyline({{5, 3}, {17, 3}, {17, 16}, {5, 16}, {5, 3}}, gdi::kBlack);
  basButtonMocks::DrawArialCaption(picture, basFlexGridCommon::ColourToHtml(colour), 24, 4);
  if (picture->hasFocus()) ButtonPainter::DrawPictureFocusRect(picture->hDC());
  picture->Refresh();
}

void frmExportSheet::EnableHtmlOptions(bool enabled) {
  for (std::size_t i = 0; i < 3; ++i) {
    lblColour_[i]->setEnabled(enabled);
    picColour_[i]->setEnabled(enabled);
  }
  chkColour_->setEnabled(enabled);
  chkGridLines_->setEnabled(enabled);
}

int32_t frmExportSheet::PickColour(int32_t initial) {
  frmColour dialog(this);
  dialog.pSbSetInitialColour(initial);
  dialog.exec();
  return ColourDialogAnswer;
}

void frmExportSheet::CloseDialog() { accept(); }

void frmExportSheet::done(int result) {
  controller_.FormUnload();
  QDialog::done(result);
}

bool frmExportSheet::eventFilter(QObject* watched, QEvent* event) {
  int32_t swatch = -1;
  for (int32_t i = 0; i < 3; ++i) {
    if (watched == picColour_[static_cast<std::size_t>(i)]) swatch = i;
  }
  if (swatch < 0) return QDialog::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseButtonRelease:
      if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) break;
      controller_.SwatchClicked(swatch);
      return true;
    case QEvent::KeyPress: {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() != Qt::Key_Space && !clsButton::IsReturnKey(*key)) break;
      if (!key->isAutoRepeat()) controller_.SwatchClicked(swatch);
      return true;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut:
      ShowSwatch(swatch, controller_.SwatchColour(swatch));
      break;
    default:
      break;
  }
  return QDialog::eventFilter(watched, event);
}

void frmExportSheet::keyPressEvent(QKeyEvent* event) {
  // A focused button or swatch answers Return itself; anywhere else in the
  // dialog Return saves, as the first button.
  if (clsButton::IsReturnKey(*event)) {
    if (!event->isAutoRepeat()) mSave_Click(0);
    return;
  }
  QDialog::keyPressEvent(event);
}

void frmExportSheet::mSave_Click(int32_t index) {
  if (index == 0) {
    controller_.SaveClicked();
  } else {
    controller_.CancelClicked();
  }
}

void frmExportSheet::mBrowse_Click(int32_t /*index*/) { controller_.BrowseClicked(); }

void RegisterWindows() {
  shell_ui::RegisterExportDialog([](QWidget* mainWindow, int32_t mode, int32_t targetIndex, bool colourRows) {
    frmExportSheet dialog(mainWindow);
    dialog.ActivateForm(mode, targetIndex, colourRows);
    basFormLook::CentreOver(&dialog, mainWindow);
    dialog.exec();
  });
}

}  // namespace documents_ui
