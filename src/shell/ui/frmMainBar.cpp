#include "shell/ui/frmMainBar.h"

#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QMouseEvent>

#include "core/basColourScheme.h"
#include "core/basMessage.h"
#include "core/basMockDraftSettings.h"
#include "core/clsSettingsKD.h"
#include "shell/basCheatSheetMenu.h"
#include "shell/basFileDialog.h"
#include "shell/basUIControl.h"
#include "toolkit/ui/BarFocus.h"
#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/PlainLabel.h"
#include "toolkit/ui/basButtonMocks.h"
#include "toolkit/ui/basFormLook.h"

namespace shell_ui {

namespace {

using basFormLook::Px;

constexpr int32_t kIconWidth = 32;
constexpr int32_t kIconHeight = 28;
constexpr int32_t kIconTop = 2;
// Left edges in pixels: CheatDoc, MockDoc, Project, Draft; then the editors.
constexpr std::array<int32_t, frmMainBar::kProjectIcons> kProjectLeft = {330, 386, 6, 280};
constexpr std::array<int32_t, frmMainBar::kEditorIcons> kEditorLeft = {52, 98, 144, 190, 236};
constexpr std::array<const char*, frmMainBar::kProjectIcons> kProjectLabels = {"CheatDoc", "MockDoc", "Project",
                                                                               "Draft"};
constexpr std::array<const char*, frmMainBar::kProjectIcons> kProjectTips = {
    "Create Cheat Sheet Document", "Create Mock Draft Document", "Kickwell Draftyard Project",
    "User Generated Mock Draft"};
constexpr std::array<const char*, frmMainBar::kEditorIcons> kEditorLabels = {"League", "Scoring", "Stats", "Grids",
                                                                             "Strategy"};
constexpr std::array<const char*, frmMainBar::kEditorIcons> kEditorTips = {
    "League Properties", "Scoring System", "Projected Stats", "Display Grids", "Draft Strategies"};

// The strip of icons, and the row under it with the quick icons and the
// current page's title.
constexpr int32_t kStripHeight = 48;
constexpr int32_t kPropertyTop = 50;
constexpr int32_t kPropertyHeight = 34;
constexpr int32_t kTitleOffset = 76;
// Room right of the update status line for its "Cancel".
constexpr int32_t kCancelWidth = 52;

frmMainBar::UpdateCheck& AppCheck() {
  static frmMainBar::UpdateCheck check;
  return check;
}
frmMainBar::UpdateCheck& PlayerCheck() {
  static frmMainBar::UpdateCheck check;
  return check;
}
frmMainBar::CancelChecks& CancelCheck() {
  static frmMainBar::CancelChecks cancel;
  return cancel;
}

frmMainBar*& Loaded() {
  static frmMainBar* bar = nullptr;
  return bar;
}

bool Setting(int32_t index) { return basMockDraftSettings::GlobalSettings().BoolVal(index); }

QLabel* IconLabel(QWidget* parent, const char* text) {
  auto* label = new PlainLabel(QString::fromLatin1(text), parent);
  label->move(0, kIconTop + kIconHeight + 1);
  return label;
}

}  // namespace

frmMainBar::frmMainBar(QWidget* parent)
    : QWidget(parent),
      picMainBar_(new PictureBox(this)),
      picProperty_(new PictureBox(this)),
      lblMockProperty_(nullptr),
      lblUpdate_(new PlainLabel(this)),
      lblCancel_(new PlainLabel(QStringLiteral("Cancel"), this)),
      timer1_(new QTimer(this)),
      timer2_(new QTimer(this)),
      timer3_(new QTimer(this)) {
  basFormLook::Apply(this, "Arial");
  setAutoFillBackground(true);
  for (int32_t i = 0; i < kProjectIcons; ++i) {
    picProject_[i] = new PictureBox(this);
    lblPro_[i] = IconLabel(this, kProjectLabels[i]);
  }
  for (int32_t i = 0; i < kEditorIcons; ++i) {
    picEditor_[i] = new PictureBox(this);
    lblEdit_[i] = IconLabel(this, kEditorLabels[i]);
  }
  for (int32_t i = 0; i < 2; ++i) {
    picQuick_[i] = new PictureBox(picProperty_);
    quickFocus_[i] = new BarFocus(
        {[] { return 1; }, [](int32_t) { return true; },
         [this, i](int32_t) { basButtonMocks::DrawQuickButton(picQuick_[i], i, quickFocus_[i]->Shows(0)); },
         [] {}, [this, i](int32_t) { picQuick_Click(i); }},
        this);
    quickFocus_[i]->SetPicture(picQuick_[i]);
  }
  lblMockProperty_ = new PlainLabel(picProperty_);
  for (std::size_t i = 0; i < lblSource_.size(); ++i) {
    lblSource_[i] = new PlainLabel(picProperty_);
    lblSource_[i]->setGeometry(420, 2 + 15 * static_cast<int32_t>(i), 600, 15);
    lblSource_[i]->hide();
  }
  lblUpdate_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  QFont underlined = lblCancel_->font();
  underlined.setUnderline(true);
  lblCancel_->setFont(underlined);
  lblCancel_->setToolTip(QStringLiteral("Stop the update check"));
  lblCancel_->setCursor(Qt::PointingHandCursor);
  lblCancel_->installEventFilter(this);
  lblCancel_->hide();
  timer1_->setSingleShot(false);
  connect(timer1_, &QTimer::timeout, this, &frmMainBar::Timer1_Timer);
  timer3_->setInterval(100);
  connect(timer3_, &QTimer::timeout, this, &frmMainBar::Timer3_Timer);
}

frmMainBar::~frmMainBar() {
  if (Loaded() == this) {
    Loaded() = nullptr;
    basFileDialog::SetClickHoldOffTimer(nullptr);
  }
}

frmMainBar* frmMainBar::Instance() { return Loaded(); }

void frmMainBar::SetSourceLabel(int32_t index, const std::string& text) {
  if (index >= 0 && index < static_cast<int32_t>(lblSource_.size())) {
    lblSource_[static_cast<std::size_t>(index)]->setText(QString::fromStdString(text));
  }
}

void frmMainBar::ShowSourceLabels(bool visible) {
  for (QLabel* label : lblSource_) label->setVisible(visible);
}

void frmMainBar::Load() {
  picMainBar_->SetBackColor(static_cast<gdi::COLORREF>(PaletteColour[basColourScheme::kTitleRowColour]));
  for (int32_t i = 0; i < kProjectIcons; ++i) {
    picProject_[i]->setGeometry(kProjectLeft[i], kIconTop, kIconWidth, kIconHeight);
    picProject_[i]->SetToolTipText(kProjectTips[i]);
    picProject_[i]->setCursor(Qt::PointingHandCursor);
    picProject_[i]->installEventFilter(this);
  }
  for (int32_t i = 0; i < kEditorIcons; ++i) {
    picEditor_[i]->setGeometry(kEditorLeft[i], kIconTop, kIconWidth, kIconHeight);
    picEditor_[i]->SetToolTipText(kEditorTips[i]);
    picEditor_[i]->setCursor(Qt::PointingHandCursor);
    picEditor_[i]->installEventFilter(this);
  }
  ShowCurrentPage(basUIControl::CurrentPage());
  for (QLabel* label : lblPro_) label->raise();
  for (QLabel* label : lblEdit_) label->raise();
  picProperty_->SetBackColor(static_cast<gdi::COLORREF>(PaletteColour[basColourScheme::kButtonFaceColour]));
  for (PictureBox* quick : picQuick_) {
    quick->SetBackColor(picProperty_->BackColor());
    quick->setCursor(Qt::PointingHandCursor);
    quick->installEventFilter(this);
  }
  basButtonMocks::DrawOpenSaveImages(picQuick_[0], picQuick_[1], nullptr, nullptr);
  lblMockProperty_->setGeometry(Px(1680), Px(210), 500, 16);
  lblMockProperty_->clear();
  basFileDialog::SetClickHoldOffTimer([this] { FireDialogTimer(); });
  Loaded() = this;
  timer1_->start(10);
}

void frmMainBar::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (window()->isMinimized()) return;
  const int32_t w = width();
  picMainBar_->setGeometry(Px(60), 0, std::max(w - Px(90), 0), kStripHeight);
  picMainBar_->SetBackColor(static_cast<gdi::COLORREF>(PaletteColour[basColourScheme::kTitleRowColour]));
  picMainBar_->lower();
  picProperty_->setGeometry(Px(60), kPropertyTop, std::max(w - Px(90), 0), kPropertyHeight);
  if (titled_ >= 0) ShowTitle(titled_);
  const int32_t statusTop = kStripHeight - Px(60) - 16;
  const int32_t statusRight = std::max(w - Px(150) - kCancelWidth, 0);
  lblUpdate_->setGeometry(0, statusTop, statusRight, 16);
  lblUpdate_->raise();
  lblCancel_->setGeometry(statusRight + 6, statusTop, kCancelWidth - 6, 16);
  lblCancel_->raise();
}

bool frmMainBar::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (mouse->button() == Qt::LeftButton && widget != nullptr && widget->rect().contains(mouse->position().toPoint())) {
      for (int32_t i = 0; i < kProjectIcons; ++i) {
        if (watched == picProject_[i]) picProject_Click(i);
      }
      for (int32_t i = 0; i < kEditorIcons; ++i) {
        if (watched == picEditor_[i]) picEditor_Click(i);
      }
      for (int32_t i = 0; i < 2; ++i) {
        if (watched == picQuick_[i]) picQuick_Click(i);
      }
      if (watched == lblCancel_) CancelUpdateChecks();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void frmMainBar::picProject_Click(int32_t index) { basUIControl::SwitchPage(kProjectPages[index]); }

void frmMainBar::picEditor_Click(int32_t index) { basUIControl::SwitchPage(kEditorPages[index]); }

void frmMainBar::picQuick_Click(int32_t index) {
  const int32_t page = basUIControl::CurrentPage();
  const bool project = page == kPageProject;
  if (index == 0) {
    basCheatSheetMenu::FileCommand(project ? basCheatSheetMenu::kOpenProject : basCheatSheetMenu::kOpenDocument, page);
  } else {
    basCheatSheetMenu::FileCommand(project ? basCheatSheetMenu::kSaveProject : basCheatSheetMenu::kSaveDocument, page);
  }
}

void frmMainBar::FireDialogTimer() {
  timer1_->start(100);
  basUIControl::SetPageEnabled(false);
}

void frmMainBar::Timer1_Timer() {
  ClicksAccepted = true;
  // Only the page current now: one closed in between is never touched.
  basUIControl::SetPageEnabled(true);
  timer1_->stop();
}

void frmMainBar::SyncUpdates() {
  if (Setting(kSetCheckApplicationUpdate)) {
    chain_ = false;
    AppUpdate(false);
    timer3_->start();
  } else if (Setting(kSetCheckPlayerUpdates)) {
    chain_ = false;
    PlaUpdate(false);
  }
}

void frmMainBar::SetUpdateChecks(UpdateCheck appCheck, UpdateCheck playerCheck, CancelChecks cancel) {
  AppCheck() = std::move(appCheck);
  PlayerCheck() = std::move(playerCheck);
  CancelCheck() = std::move(cancel);
}

void frmMainBar::CancelUpdateChecks() {
  if (CancelCheck()) CancelCheck()(*this);
  if (appChecking_) EndAppUpdate();
  if (playerChecking_) EndPlayerUpdate();
  // Nothing follows a check the user stopped.
  chain_ = false;
  timer3_->stop();
}

bool frmMainBar::RefuseWhileChecking(bool manual) {
  if (!appChecking_ && !playerChecking_) return false;
  if (manual) basMessage::ShowMessage(kBusyCaption, kBusyText, seams::kOk, true);
  return true;
}

void frmMainBar::AppUpdate(bool manual) {
  if (!Setting(kSetCheckApplicationUpdate) && !manual) return;
  if (RefuseWhileChecking(manual)) return;
  ShowStatus("Checking for app update...");
  appChecking_ = true;
  if (!AppCheck() || !AppCheck()(*this, manual)) EndAppUpdate();
}

void frmMainBar::EndAppUpdate() {
  appChecking_ = false;
  ShowStatus("");
  chain_ = true;
}

void frmMainBar::Timer3_Timer() {
  if (!chain_) return;
  if (Setting(kSetCheckPlayerUpdates)) PlaUpdate(false);
  chain_ = false;
  timer3_->stop();
}

void frmMainBar::PlaUpdate(bool manual) {
  if (!Setting(kSetCheckPlayerUpdates) && !manual) return;
  if (RefuseWhileChecking(manual)) return;
  ShowStatus("Checking for player updates...");
  playerChecking_ = true;
  if (!PlayerCheck() || !PlayerCheck()(*this, manual)) EndPlayerUpdate();
}

void frmMainBar::EndPlayerUpdate() {
  playerChecking_ = false;
  ShowStatus("");
}

void frmMainBar::ShowStatus(const std::string& text) {
  lblUpdate_->setText(QString::fromStdString(text));
  lblUpdate_->repaint();
  lblCancel_->setVisible(!text.empty());
}

void frmMainBar::ShowTitle(int32_t pageCode) {
  titled_ = pageCode;
  picProperty_->Cls();
  basButtonMocks::DrawPageTitleAt(pageCode, picProperty_, kTitleOffset, 0);
}

void frmMainBar::SetProperty(const std::string& text) { lblMockProperty_->setText(QString::fromStdString(text)); }

std::string frmMainBar::Property() const { return lblMockProperty_->text().toStdString(); }

void frmMainBar::ShowCurrentPage(int32_t pageCode) {
  marked_ = pageCode;
  if (pageCode != kPageProjectedStats) ShowSourceLabels(false);
  for (int32_t i = 0; i < kProjectIcons; ++i) PaintIcon(picProject_[i], lblPro_[i], kProjectPages[i]);
  for (int32_t i = 0; i < kEditorIcons; ++i) PaintIcon(picEditor_[i], lblEdit_[i], kEditorPages[i]);
}

// The current page's icon is marked by its label: bold on the selection
// colour (the title pictures cover their whole icon).
void frmMainBar::PaintIcon(PictureBox* icon, QLabel* label, int32_t pageCode) {
  const bool current = pageCode == marked_;
  icon->SetBackColor(static_cast<gdi::COLORREF>(PaletteColour[basColourScheme::kTitleRowColour]));
  basButtonMocks::DrawPageTitleImage(pageCode, icon);
  icon->Refresh();
  label->setFont(basFormLook::FormFont("Arial", current));
  const int32_t c = PaletteColour[basColourScheme::kSelectionColour];
  label->setStyleSheet(current ? QString("background-color: rgb(%1, %2, %3);").arg(c & 0xFF).arg((c >> 8) & 0xFF).arg((c >> 16) & 0xFF)
                               : QString());
  const int32_t centre = icon->x() + kIconWidth / 2;
  label->adjustSize();
  label->move(centre - label->width() / 2, label->y());
}

}  // namespace shell_ui
