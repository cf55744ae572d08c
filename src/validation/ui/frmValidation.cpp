#include "validation/ui/frmValidation.h"

#include <QLabel>
#include <QListWidget>

#include "shell/ui/PageRegistry.h"
#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/PlainLabel.h"
#include "toolkit/ui/basButtonMocks.h"
#include "toolkit/ui/basFormLook.h"
#include "toolkit/ui/clsButton.h"

namespace validation_ui {

namespace {

constexpr int kMargin = 8;
constexpr int kWidth = 620;
constexpr int kLabelHeight = 18;
constexpr int kListHeight = 140;
constexpr int kBarWidth = 162;
constexpr int kBarHeight = 27;
// The lists top to bottom: errors, warnings, valid lines.
constexpr int kTopDown[] = {2, 1, 0};

}  // namespace

frmValidation::frmValidation(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      picOK_(nullptr),
      timOK_(new QTimer(this)),
      mOK_(std::make_unique<clsButton>()) {
  basFormLook::Apply(this, "Arial");
  setWindowTitle("Kickwell Draftyard Project Validation");
  if (owner != nullptr) setWindowIcon(owner->window()->windowIcon());

  int top = kMargin;
  for (int index : kTopDown) {
    const auto k = static_cast<std::size_t>(index);
    lblVal_[k] = new PlainLabel(QString::fromUtf8(basValidationReport::kListCaptions[k]), this);
    lblVal_[k]->setGeometry(kMargin, top, kWidth - 2 * kMargin, kLabelHeight);
    lstVal_[k] = new QListWidget(this);
    lstVal_[k]->setGeometry(kMargin, top + kLabelHeight, kWidth - 2 * kMargin, kListHeight);
    top += kLabelHeight + kListHeight + kMargin;
  }
  // After the lists: the window opens on a list, and Tab goes down
  // the lists to Export and Close, as they read.
  picOK_ = new PictureBox(this);
  picOK_->setGeometry(kWidth - kMargin - kBarWidth, top, kBarWidth, kBarHeight);
  setFixedSize(kWidth, top + kBarHeight + kMargin);

  connect(mOK_.get(), &clsButton::Click, this, &frmValidation::mOK_Click);
  basButtonMocks::SetUpButtonBar(*mOK_, picOK_, timOK_, 70, {"Export", "Close"}, false);

  const auto appender = [](QListWidget* list) {
    return [list](const std::string& line) { list->addItem(QString::fromStdString(line)); };
  };
  validation_.SetListValid(appender(lstVal_[0]));
  validation_.SetListWarning(appender(lstVal_[1]));
  validation_.SetListError(appender(lstVal_[2]));
}

frmValidation::~frmValidation() {
  timOK_->stop();
  mOK_.reset();
}

void frmValidation::Open(QWidget* owner) {
  frmValidation window(owner);
  basFormLook::CentreOver(&window, owner);
  window.exec();
}

basValidationReport::ListLines frmValidation::Lines() const {
  basValidationReport::ListLines lines;
  for (std::size_t k = 0; k < lstVal_.size(); ++k) {
    for (int row = 0; row < lstVal_[k]->count(); ++row) lines[k].push_back(lstVal_[k]->item(row)->text().toStdString());
  }
  return lines;
}

void frmValidation::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (validated_) return;
  validated_ = true;
  // After the window is on screen: the lists fill while the checks run.
  QTimer::singleShot(0, this, &frmValidation::RunValidation);
}

void frmValidation::RunValidation() {
  setCursor(Qt::WaitCursor);
  validation_.ValidateProject(true, false, false);
  // The focus went to the errors list before it filled; an empty list shows
  // no focus, so it moves to the first list from the top with lines, and
  // that list's first line is marked, as a list marks it on taking the focus.
  // (A window not yet active has no focus child: it goes there too.)
  auto* focused = qobject_cast<QListWidget*>(focusWidget());
  if (focusWidget() == nullptr || (focused != nullptr && focused->count() == 0)) {
    for (int index : kTopDown) {
      if (lstVal_[index]->count() == 0) continue;
      focused = lstVal_[index];
      focused->setFocus();
      break;
    }
  }
  if (focused != nullptr && focused->currentRow() < 0 && focused->count() > 0) {
    focused->setCurrentRow(0, QItemSelectionModel::NoUpdate);
  }
  unsetCursor();
  done_ = true;
}

void frmValidation::mOK_Click(int32_t index) {
  if (index == 0 && !basValidationReport::ExportReport(validation_, Lines())) return;
  accept();
}

void RegisterWindows() {
  shell_ui::RegisterMenuWindow(shell_ui::MenuWindow::kProjectValidation,
                               [](QWidget* mainWindow) { frmValidation::Open(mainWindow); });
}

}  // namespace validation_ui
