#include "shell/ui/frmFile.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

#include "core/Seams.h"
#include "core/basDirToTextFile.h"
#include "core/basMessage.h"
#include "shell/basFileDialog.h"
#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/PlainLabel.h"
#include "toolkit/ui/basButtonMocks.h"
#include "toolkit/ui/basFormLook.h"
#include "toolkit/ui/clsButton.h"

using basFormLook::Px;

namespace {

constexpr int32_t kButtonWidth = 70;
constexpr const char* kSeriesFirst = "0001";

}  // namespace

frmFile::frmFile(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      picProperty_(new PictureBox(this)),
      lstFile_(new QListWidget(this)),
      label1_(new PlainLabel(QStringLiteral("File Name:"), this)),
      txtFileName_(new QLineEdit(this)),
      label2_(new PlainLabel(QStringLiteral("File Type:"), this)),
      txtFileType_(new QLineEdit(this)),
      picOS_(new PictureBox(this)),
      timOS_(new QTimer(this)),
      picCancel_(new PictureBox(this)),
      timCancel_(new QTimer(this)) {
  basFormLook::Apply(this, "Arial");
  setFixedSize(Px(6555), Px(4890));
  setWindowTitle(QStringLiteral("Kickwell Draftyard File Dialog"));
  basFormLook::UseOwnerIcon(this, owner);

  picProperty_->setGeometry(Px(120), Px(30), Px(6285), Px(480));
  lstFile_->setGeometry(Px(90), Px(585), Px(6285), Px(3180));
  lstFile_->setSelectionMode(QAbstractItemView::SingleSelection);
  label1_->move(Px(150), Px(3900) + 3);
  label1_->adjustSize();
  txtFileName_->setGeometry(Px(1140), Px(3900), Px(3825), Px(315));
  label2_->move(Px(150), Px(4350) + 3);
  label2_->adjustSize();
  txtFileType_->setGeometry(Px(1140), Px(4350), Px(3825), Px(315));
  // Filled once and read by nobody.
  txtFileType_->setReadOnly(true);
  txtFileType_->setFocusPolicy(Qt::NoFocus);
  picOS_->setGeometry(Px(5220), Px(3900), Px(1215), Px(405));
  picCancel_->setGeometry(Px(5220), Px(4350), Px(1215), Px(405));

  // A click on the name already selected fills the box again as well.
  connect(lstFile_, &QListWidget::itemSelectionChanged, this, &frmFile::lstFile_Click);
  connect(lstFile_, &QListWidget::itemClicked, this, &frmFile::lstFile_Click);
  connect(lstFile_, &QListWidget::itemDoubleClicked, this, &frmFile::lstFile_DblClick);
  lstFile_->installEventFilter(this);
  txtFileName_->setFocus();
}

frmFile::~frmFile() {
  timOS_->stop();
  timCancel_->stop();
}

void frmFile::InitializeDialog(const std::string& folder, const std::string& extension,
                               const std::string& description, int32_t mode, const std::string& name,
                               int32_t pageCode, bool seriesOnly, bool prefixFilter) {
  folder_ = folder;
  extension_ = extension;
  description_ = description;
  mode_ = mode;
  picProperty_->SetBackColor(gdi::kWhite);
  basButtonMocks::DrawTitleImage(basFileDialog::DialogTitle(description, mode), picProperty_, pageCode);
  CreateOkButton(mode);
  CreateCancelButton();
  txtFileType_->setText(QString::fromStdString(description + "  (*." + extension + ")"));

  std::vector<std::string> names = FolderListing(folder, extension);
  if (prefixFilter) {
    names = FilesWithPrefix(names, name);
    txtFileName_->clear();
  } else {
    txtFileName_->setText(QString::fromStdString(name));
    if (seriesOnly) names = SeriesFirstFiles(names, extension);
  }
  FillFileList(names);
}

std::vector<std::string> frmFile::FolderListing(const std::string& folder, const std::string& extension) {
  std::vector<std::string> names;
  // The dot makes "notes.sco" a document and "notessco" not one.
  if (basDirToTextFile::ListFolderEntriesEx(folder, names, "." + extension) < 0) names.clear();
  return names;
}

std::vector<std::string> frmFile::SeriesFirstFiles(const std::vector<std::string>& names,
                                                   const std::string& extension) {
  std::vector<std::string> kept;
  const std::size_t tail = extension.size() + 1;  // the dot and the extension
  for (const std::string& name : names) {
    if (name.size() < tail + 4) continue;
    if (name.compare(name.size() - tail - 4, 4, kSeriesFirst) == 0) kept.push_back(name);
  }
  return kept;
}

std::vector<std::string> frmFile::FilesWithPrefix(const std::vector<std::string>& names,
                                                  const std::string& prefix) {
  std::vector<std::string> kept;
  for (const std::string& name : names) {
    if (name.compare(0, prefix.size(), prefix) == 0) kept.push_back(name);
  }
  return kept;
}

void frmFile::FillFileList(const std::vector<std::string>& names) {
  lstFile_->clear();
  for (std::size_t i = 0; i < names.size(); ++i) {
    auto* item = new QListWidgetItem(QString::fromStdString(names[i]), lstFile_);
    item->setData(Qt::UserRole, static_cast<int>(i));
  }
}

void frmFile::CreateOkButton(int32_t mode) {
  const char* caption = mode == basFileDialog::kOpen ? "Open" : mode == basFileDialog::kSelect ? "Select" : "Save";
  mOS_ = std::make_unique<clsButton>();
  connect(mOS_.get(), &clsButton::Click, this, &frmFile::mOS_Click);
  basButtonMocks::SetUpButtonBar(*mOS_, picOS_, timOS_, kButtonWidth, {caption}, mode != basFileDialog::kSelect);
}

void frmFile::CreateCancelButton() {
  mCancel_ = std::make_unique<clsButton>();
  connect(mCancel_.get(), &clsButton::Click, this, &frmFile::mCancel_Click);
  basButtonMocks::SetUpButtonBar(*mCancel_, picCancel_, timCancel_, kButtonWidth, {"Cancel"}, false);
}

void frmFile::lstFile_Click() {
  const QListWidgetItem* item = lstFile_->currentItem();
  if (item != nullptr && item->isSelected()) txtFileName_->setText(item->text());
}

void frmFile::lstFile_DblClick(QListWidgetItem* item) {
  if (mode_ != basFileDialog::kOpen && mode_ != basFileDialog::kSelect) return;
  if (item == nullptr || !item->isSelected()) return;
  basFileDialog::ArmClickHoldOff();
  chosenName_ = item->text().toStdString();
  cancelled_ = false;
  accept();
}

void frmFile::keyPressEvent(QKeyEvent* event) {
  // A focused button answers Return itself; the name box and the list
  // pass it on to the dialog.
  if (!clsButton::IsReturnKey(*event)) {
    QDialog::keyPressEvent(event);
    return;
  }
  // The entry under the list's cursor is the one chosen, selected or not.
  QListWidgetItem* item = lstFile_->currentItem();
  if (focusWidget() == lstFile_ && item != nullptr) {
    if (mode_ == basFileDialog::kOpen || mode_ == basFileDialog::kSelect) {
      chosenName_ = item->text().toStdString();
      cancelled_ = false;
      accept();
    } else {
      txtFileName_->setText(item->text());
      Confirm(item->text().toStdString());
    }
    return;
  }
  mOS_Click(0);
}

bool frmFile::eventFilter(QObject* watched, QEvent* event) {
  // The list marks its first file when it takes the focus, before anything
  // is selected: the first Up or Down selects that file, not the one past it.
  if (watched == lstFile_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<const QKeyEvent*>(event)->key();
    QListWidgetItem* item = lstFile_->currentItem();
    if ((key == Qt::Key_Up || key == Qt::Key_Down) && item != nullptr &&
        lstFile_->selectedItems().isEmpty()) {
      item->setSelected(true);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void frmFile::mOS_Click(int32_t /*index*/) { Confirm(txtFileName_->text().toStdString()); }

void frmFile::Confirm(const std::string& name) {
  // A name the wrappers would refuse is refused here already, so that the
  // user can correct it without opening the dialog again.
  const std::string problem = basFileDialog::TypedNameProblem(name, mode_);
  if (!problem.empty()) {
    basMessage::ShowMessage(basFileDialog::kNameErrorCaption, problem, seams::kOk, true);
    txtFileName_->setFocus();
    return;
  }
  chosenName_ = name;
  cancelled_ = false;
  accept();
}

void frmFile::mCancel_Click(int32_t /*index*/) {
  cancelled_ = true;
  reject();
}
