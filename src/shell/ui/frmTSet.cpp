#include "shell/ui/frmTSet.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTimer>

#include "platform/flexgrid/widget/FlexGridWidget.h"
#include "platform/gdi/VirtualKey.h"
#include "platform/runtime/Rounding.h"
#include "shell/ui/PageRegistry.h"
#include "toolkit/ui/EditFlexGridWidgets.h"
#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/PlainLabel.h"
#include "toolkit/ui/basButtonMocks.h"
#include "toolkit/ui/basFormLook.h"
#include "toolkit/ui/clsButton.h"
#include "toolkit/ui/clsTabStrip.h"

namespace shell_ui {

namespace {

constexpr int kMargin = 10;
constexpr int kTabHeight = 21;
constexpr int kButtonWidth = 72;
constexpr int kButtonBarWidth = 5 + 3 * kButtonWidth + 2 * 9 + 5;
constexpr int kButtonBarHeight = 30;
constexpr int kRowHeight = 28;

QPointer<frmTSet>& OpenWindow() {
  static QPointer<frmTSet> window;
  return window;
}

// Check boxes by frame, in the order they stand on it.
constexpr std::array<std::array<int, 6>, 3> kChecksByTab{{
    {0, 4, -1, -1, -1, -1},
    {1, 2, 3, 5, 6, 8},
    {7, 9, 10, -1, -1, -1},
}};

const char* const kCheckCaptions[] = {
    "On application startup check for application update.",
    "On application startup check for player updates.",
    "Automatically download all player updates.",
    "Always ask before applying projection strain updates.",
    "Use Project Status Validation.",
    "Display grid lines.",
    "Use Merge As positions from League Properties.",
    "Check for Bye Week conflicts.",
    "DO NOT overwrite modified stats when applying projection strain updates.",
    "Enable Equilibrium strategy method In User Generated Mock.",
    "Enable Potential Gain-Loss strategy method in User Generated Mock.",
};

}  // namespace

// A tool window of its owner, kept above the main window as the logic
// window is (frmLogic).
frmTSet::frmTSet(QWidget* owner)
    : QWidget(owner, Qt::Tool),
      picTabCheat_(new PictureBox(this)),
      picCheat_(new PictureBox(this)),
      picUpdate_(new QWidget(this)),
      flxCheat_(new FlexGridWidget(this)),
      txtCheat_(new QLineEdit(this)),
      lstPos_(new QListWidget(this)),
      picRun_(new PictureBox(this)),
      timTab_(new QTimer(this)),
      timRun_(new QTimer(this)),
      mTab_(std::make_unique<clsTabStrip>()),
      mRun_(std::make_unique<clsButton>()) {
  setAttribute(Qt::WA_DeleteOnClose);
  basFormLook::Apply(this, "Arial");
  basFormLook::UseOwnerIcon(this, owner);
  setWindowTitle("Kickwell Draftyard Settings");
  resize(580, 430);

  controller_.Load();
  BuildFrames();
  ShowValues();
  LayoutControls();

  mTab_->InitializeTab(picTabCheat_, picCheat_, timTab_,
                       {clsUISettings::TabCaption(0), clsUISettings::TabCaption(1), clsUISettings::TabCaption(2),
                        clsUISettings::TabCaption(3)});
  connect(mTab_.get(), &clsTabStrip::Click, this, [this](int32_t i) { mTab_Click(i); });
  basButtonMocks::SetUpButtonBar(*mRun_, picRun_, timRun_, kButtonWidth, {"Save", "Defaults", "Close"}, true);
  connect(mRun_.get(), &clsButton::Click, this, [this](int32_t i) { mRun_Click(i); });
  // The tabs' controls joined the window after Save, Defaults and Close:
  // Tab reaches those last, as they read (once the bar takes the focus).
  setTabOrder(chkUpd_[10], picRun_);

  parts_ = std::make_unique<EditFlexGridWidgets>(flxCheat_, txtCheat_, nullptr, lstPos_, nullptr);
  // The table takes every key it is sent; Escape there closes the window too.
  connect(flxCheat_, &FlexGridWidget::KeyDown, this, [this](int16_t key, int16_t) {
    if (key == gdi::VK_ESCAPE) mRun_Click(2);  // Close
  });
  controller_.Editor().SetNorm(EditFlexGridWidgets::DropArrowPicture(false));
  controller_.Editor().SetHover(EditFlexGridWidgets::DropArrowPicture(true));
  controller_.GridInitialize(parts_->Grid(), parts_->TextBox(), parts_->NormListBox());
  ShowTab();
}

frmTSet::~frmTSet() {
  timTab_->stop();
  timRun_->stop();
}

frmTSet* frmTSet::Open(QWidget* owner) {
  QPointer<frmTSet>& window = OpenWindow();
  if (window == nullptr) {
    window = new frmTSet(owner);
    basFormLook::CentreOver(window, owner);
  }
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

void frmTSet::BuildFrames() {
  for (int tab = 0; tab < 3; ++tab) {
    fraTab_[static_cast<std::size_t>(tab)] =
        new QGroupBox(QString::fromStdString(clsUISettings::TabCaption(tab)), picUpdate_);
  }
  for (int i = 0; i < 11; ++i) {
    chkUpd_[static_cast<std::size_t>(i)] = new QCheckBox(kCheckCaptions[i]);
    connect(chkUpd_[static_cast<std::size_t>(i)], &QCheckBox::clicked, this, [this, i](bool checked) {
      controller_.SetCheck(clsUISettings::ControlKey(clsUISettings::kKindCheck, i), checked);
    });
  }
  for (int i = 0; i < 4; ++i) {
    auto* box = new QLineEdit;
    txtUpd_[static_cast<std::size_t>(i)] = box;
    // Checked when the person leaves the field (or presses Enter in it).
    connect(box, &QLineEdit::editingFinished, this, [this, i, box] {
      const int32_t key = clsUISettings::ControlKey(clsUISettings::kKindText, i);
      box->setText(QString::fromStdString(controller_.CommitText(key, box->text().toStdString())));
    });
  }
  const char* const labelCaptions[] = {"Update URL or IP:", "Projected Depth:", "Equilibrium Depth:", "", ""};
  for (int i = 0; i < 5; ++i) label1_[static_cast<std::size_t>(i)] = new PlainLabel(labelCaptions[i]);
  for (int i = 3; i <= 4; ++i) {
    label1_[static_cast<std::size_t>(i)]->setFrameShape(QFrame::Panel);
    label1_[static_cast<std::size_t>(i)]->setFrameShadow(QFrame::Sunken);
    label1_[static_cast<std::size_t>(i)]->setTextInteractionFlags(Qt::TextSelectableByMouse);
  }

  const int captionWidth = 150;
  auto place = [](QWidget* w, QWidget* frame, int x, int row, int width) {
    w->setParent(frame);
    w->setGeometry(x, 24 + kRowHeight * row, width, 22);
  };
  // General: the two update options, the server, the folders and the season.
  QGroupBox* general = fraTab_[0];
  place(chkUpd_[0], general, 12, 0, 480);
  place(label1_[0], general, 12, 1, captionWidth);
  place(txtUpd_[0], general, 12 + captionWidth, 1, 300);
  place(chkUpd_[4], general, 12, 2, 480);
  place(new PlainLabel(" Work Directory:"), general, 12, 3, captionWidth);
  place(label1_[3], general, 12 + captionWidth, 3, 360);
  place(new PlainLabel(" Export Directory:"), general, 12, 4, captionWidth);
  place(label1_[4], general, 12 + captionWidth, 4, 360);
  place(new PlainLabel("Current active season:"), general, 12, 5, captionWidth);
  place(txtUpd_[3], general, 12 + captionWidth, 5, 60);
  // Projected Stats: check boxes only.
  for (int row = 0; row < 6; ++row) place(chkUpd_[static_cast<std::size_t>(kChecksByTab[1][row])], fraTab_[1], 12, row, 500);
  // Mock Drafts: bye weeks, the two depths, the two look-ahead switches.
  QGroupBox* mock = fraTab_[2];
  place(chkUpd_[7], mock, 12, 0, 480);
  place(label1_[1], mock, 12, 1, captionWidth);
  place(txtUpd_[1], mock, 12 + captionWidth, 1, 60);
  place(label1_[2], mock, 12, 2, captionWidth);
  place(txtUpd_[2], mock, 12 + captionWidth, 2, 60);
  place(chkUpd_[9], mock, 12, 3, 480);
  place(chkUpd_[10], mock, 12, 4, 480);
}

void frmTSet::ShowValues() {
  const clsSettingsKD& s = controller_.Settings();
  for (int i = 0; i < 5; ++i) {
    const int32_t key = clsUISettings::ControlKey(clsUISettings::kKindLabel, i);
    if (key >= 0) label1_[static_cast<std::size_t>(i)]->setText(QString::fromStdString(s.StringVal(key)));
  }
  for (int i = 0; i < 4; ++i) {
    const int32_t key = clsUISettings::ControlKey(clsUISettings::kKindText, i);
    txtUpd_[static_cast<std::size_t>(i)]->setText(QString::fromStdString(s.StringVal(key)));
  }
  for (int i = 0; i < 11; ++i) {
    const int32_t key = clsUISettings::ControlKey(clsUISettings::kKindCheck, i);
    chkUpd_[static_cast<std::size_t>(i)]->setChecked(s.CheckVal(key) == 1);
  }
}

void frmTSet::ShowTab() {
  const int32_t tab = controller_.Tab();
  const bool table = tab == clsUISettings::kTabDisplayGrids;
  for (int i = 0; i < 3; ++i) fraTab_[static_cast<std::size_t>(i)]->setVisible(i == tab);
  picUpdate_->setVisible(!table);
  flxCheat_->setVisible(table);
  if (table) {
    controller_.FillGridTable();
  } else {
    txtCheat_->hide();
    lstPos_->hide();
  }
}

void frmTSet::RedrawBorder() { mTab_->RedrawBorder(controller_.Tab()); }

void frmTSet::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayoutControls();
  if (mTab_->Tabs() > 0) {
    mTab_->CreateButtons();
    RedrawBorder();
  }
}

void frmTSet::keyPressEvent(QKeyEvent* event) {
  // Without a window manager's close box, Escape is the way out; an open
  // list or cell of the Display Grids table takes its own Escape first.
  if (event->key() == Qt::Key_Escape) {
    mRun_Click(2);  // Close
    return;
  }
  QWidget::keyPressEvent(event);
}

void frmTSet::LayoutControls() {
  const int w = width() - 2 * kMargin;
  const int bottom = height() - kMargin - kButtonBarHeight;
  picTabCheat_->setGeometry(kMargin, kMargin, w, kTabHeight);
  picCheat_->setGeometry(kMargin, kMargin + kTabHeight, w, bottom - kMargin - kTabHeight - kMargin);
  const QRect inner = picCheat_->geometry().adjusted(4, 4, -4, -4);
  picUpdate_->setGeometry(inner);
  for (QGroupBox* frame : fraTab_) frame->setGeometry(0, 0, inner.width(), inner.height());
  flxCheat_->setGeometry(inner);
  controller_.SetListAreaHeight(runtime::PixelsToTwips(inner.bottom() + 1));
  picRun_->setGeometry(width() - kMargin - kButtonBarWidth, bottom, kButtonBarWidth, kButtonBarHeight);
}

void frmTSet::mTab_Click(int32_t index) {
  if (!controller_.SelectTab(index)) return;
  ShowTab();
  RedrawBorder();
}

void frmTSet::mRun_Click(int32_t index) {
  switch (index) {
    case 0: {
      // A text still being typed counts, as leaving the field would; the
      // focus then comes back, so that the keys go on from where they were.
      QPointer<QWidget> focus = focusWidget();
      if (focus != nullptr) focus->clearFocus();
      controller_.Save();
      if (focus != nullptr && focus->isVisible() && focus->isEnabled()) focus->setFocus(Qt::OtherFocusReason);
      break;
    }
    case 1:
      if (controller_.Defaults()) {
        ShowValues();
        ShowTab();
      }
      break;
    case 2:
      close();
      break;
    default:
      break;
  }
}

void RegisterShellWindows() {
  RegisterMenuWindow(MenuWindow::kSettings, [](QWidget* mainWindow) { frmTSet::Open(mainWindow); });
}

}  // namespace shell_ui
