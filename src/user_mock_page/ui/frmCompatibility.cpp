#include "user_mock_page/ui/frmCompatibility.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>

#include "platform/flexgrid/widget/FlexGridWidget.h"
#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/PlainLabel.h"
#include "toolkit/ui/basButtonMocks.h"
#include "toolkit/ui/basFormLook.h"
#include "toolkit/ui/clsButton.h"
#include "toolkit/ui/clsTabStrip.h"

namespace user_mock_page_ui {

namespace {

constexpr int32_t kWidth = 560;
constexpr int32_t kHeight = 440;

QLabel* Text(QWidget* parent, const char* text, const QRect& at, bool bold = false) {
  auto* label = new PlainLabel(QString::fromUtf8(text), parent);
  label->setFont(basFormLook::FormFont("Arial", bold));
  label->setGeometry(at);
  return label;
}

}  // namespace

frmCompatibility::frmCompatibility(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      picTab_(nullptr),
      picBorder_(new PictureBox(this)),
      timTab_(new QTimer(this)),
      flxTS_(nullptr),
      picAR_(nullptr),
      timAR_(new QTimer(this)),
      mAR_(std::make_unique<clsButton>()),
      mTab_(std::make_unique<clsTabStrip>()) {
  basFormLook::Apply(this, "Arial");
  basFormLook::UseOwnerIcon(this, owner);
  setWindowTitle("LGP -> UGM Compatibility");
  setFixedSize(kWidth, kHeight);
  Text(this, "Potential Changes To User Generated Mock Draft", QRect(12, 8, kWidth - 24, 20), true);
  Text(this, "LGP data can be transfered to a UGM file if team counts match.",
       QRect(12, 28, kWidth - 24, 18));

  // The tab strip sits on the border picture, the grid inside its frame.
  picBorder_->setGeometry(12, 52, kWidth - 24, 250);
  picTab_ = new PictureBox(picBorder_);
  picTab_->setGeometry(0, 0, kWidth - 24, 21);
  flxTS_ = new FlexGridWidget(picBorder_);
  flxTS_->setGeometry(4, 25, kWidth - 32, 250 - 29);

  const char* captions[] = {"Transfer Roster Size Properties", "Transfer Team Names",
                            "Transfer Team Strategies", "Transfer Draft Order"};
  for (std::size_t c = 0; c < check_.size(); ++c) {
    check_[c] = new QCheckBox(QString::fromUtf8(captions[c]), this);
    check_[c]->setGeometry(12 + static_cast<int>(c % 2) * 260, 310 + static_cast<int>(c / 2) * 22, 250, 20);
    connect(check_[c], &QCheckBox::toggled, this,
            [this, c](bool on) { compare_.SetChecked(static_cast<int32_t>(c), on); });
  }
  Text(this, "* Changes are not perminant until UGM is saved.", QRect(12, 360, kWidth - 24, 18));

  // After the rest: the dialog opens on its tab strip, and Tab goes down to
  // Transfer and No Changes, as they read.
  picAR_ = new PictureBox(this);
  picAR_->setGeometry(kWidth - 190, kHeight - 44, 180, 34);
  basButtonMocks::SetUpButtonBar(*mAR_, picAR_, timAR_, 76, {"Transfer", "No Changes"}, false);
  connect(mAR_.get(), &clsButton::Click, this, &frmCompatibility::mAR_Click);
  mTab_->InitializeTab(picTab_, picBorder_, timTab_,
                       {"Roster Size", "Team Names", "Team Strategies", "Draft Order"});
  connect(mTab_.get(), &clsTabStrip::Click, this, &frmCompatibility::mTab_Click);
}

frmCompatibility::~frmCompatibility() = default;

void frmCompatibility::ShowChecks() {
  for (int32_t c = 0; c < clsCompatibility::kCategories; ++c) {
    QCheckBox* box = check_[static_cast<std::size_t>(c)];
    const QSignalBlocker quiet(box);
    box->setChecked(compare_.Checked(c));
    box->setEnabled(compare_.CheckEnabled(c));
  }
}

void frmCompatibility::ActivateGrid() { compare_.FillGrid(flxTS_->Model()); }

void frmCompatibility::mTab_Click(int32_t index) {
  for (int32_t t = 0; t < mTab_->Tabs(); ++t) mTab_->SetTabSelected(t, t == index);
  mTab_->RedrawBorder(index);
  compare_.ShowCategory(flxTS_->Model(), index);
}

void frmCompatibility::mAR_Click(int32_t index) {
  if (index == 0) {
    compare_.Transfer();
    done(QDialog::Accepted);
  } else if (index == 1) {
    compare_.NoChanges();
    done(QDialog::Rejected);
  }
}

void frmCompatibility::reject() {
  compare_.NoChanges();
  QDialog::reject();
}

void CompatibilityWindow::PopulateTeamChanges(clsUserMockIsolate& ugm, clsLeagueIsolate& league,
                                              clsKickwellDB& db) {
  window_ = std::make_unique<frmCompatibility>(QApplication::activeWindow());
  window_->Compare().PopulateTeamChanges(ugm, league, db);
  window_->ShowChecks();
}

void CompatibilityWindow::ActivateGrid() {
  if (window_) window_->ActivateGrid();
}

void CompatibilityWindow::ShowModal() {
  if (window_) window_->exec();
}

void CompatibilityWindow::Unload() { window_.reset(); }

}  // namespace user_mock_page_ui
