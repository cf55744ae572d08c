#include "shell/ui/RealSeams.h"

#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QListWidget>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QTreeView>
#include <QUrl>
#include <algorithm>
#include <climits>
#include <memory>

#include "core/Seams.h"
#include "platform/net/VellacornHTTP.h"
#include "shell/basFileDialog.h"
#include "shell/ui/frmFile.h"
#include "shell/ui/frmLogic.h"
#include "shell/ui/frmMessage.h"
#include "shell/ui/frmStatus.h"

namespace shell_ui {

namespace {

constexpr int kClickHoldOffMs = 100;

class MessageBoxWindows final : public seams::MessageBoxView {
 public:
  std::string ShowMessage(const std::string& caption, const std::string& text, int32_t buttonSet,
                          bool modal) override {
    // Owned by the window underneath only when modal; the owner may go away
    // while the box waits, and takes the box with it.
    QPointer<frmMessage> box = new frmMessage(modal ? OwnerWindow() : nullptr);
    box->Load(caption, text);
    box->SetButtonType(buttonSet);
    if (modal) {
      box->exec();
    } else {
      box->show();
    }
    if (box.isNull()) return "";
    box->Unload();
    const std::string answer = box->Answer();
    delete box.data();
    return answer;
  }

  seams::PlainAnswer PlainMessage(const std::string& text, seams::PlainButtons buttons, seams::PlainIcon icon,
                                  const std::string& caption) override {
    QMessageBox::StandardButtons set = QMessageBox::Ok;
    switch (buttons) {
      case seams::PlainButtons::kOk: set = QMessageBox::Ok; break;
      case seams::PlainButtons::kOkCancel: set = QMessageBox::Ok | QMessageBox::Cancel; break;
      case seams::PlainButtons::kYesNo: set = QMessageBox::Yes | QMessageBox::No; break;
      case seams::PlainButtons::kYesNoCancel: set = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    }
    QMessageBox::Icon shown = QMessageBox::NoIcon;
    switch (icon) {
      case seams::PlainIcon::kNone: shown = QMessageBox::NoIcon; break;
      case seams::PlainIcon::kInformation: shown = QMessageBox::Information; break;
      case seams::PlainIcon::kExclamation: shown = QMessageBox::Warning; break;
      case seams::PlainIcon::kCritical: shown = QMessageBox::Critical; break;
      case seams::PlainIcon::kQuestion: shown = QMessageBox::Question; break;
    }
    // The text often names a file: plain before it is set, so it is never parsed as markup.
    QPointer<QMessageBox> box = new QMessageBox(shown, QString::fromStdString(caption), QString(), set, OwnerWindow());
    box->setTextFormat(Qt::PlainText);
    box->setText(QString::fromStdString(text));
    const int pressed = box->exec();
    delete box.data();
    switch (pressed) {
      case QMessageBox::Ok: return seams::PlainAnswer::kOk;
      case QMessageBox::Yes: return seams::PlainAnswer::kYes;
      case QMessageBox::No: return seams::PlainAnswer::kNo;
      default: break;
    }
    // Closed without a button: the box's escape answer.
    switch (buttons) {
      case seams::PlainButtons::kOk: return seams::PlainAnswer::kOk;
      case seams::PlainButtons::kYesNo: return seams::PlainAnswer::kNo;
      default: return seams::PlainAnswer::kCancel;
    }
  }
};

class EventLoopYield final : public seams::YieldView {
 public:
  void DoEvents() override {
    // With a modal window up (the progress window while a job runs) input
    // can reach only that window. Without one, a yield must not let a
    // click start a second job inside the first.
    if (QApplication::activeModalWidget() != nullptr) {
      QCoreApplication::processEvents(QEventLoop::AllEvents);
    } else {
      QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
  }
};

class ProgressWindow final : public seams::ProgressView {
 public:
  ~ProgressWindow() override {
    // At exit the application may be gone already, and its windows with it.
    if (QCoreApplication::instance() != nullptr) Unload();
  }

  void Load() override {
    if (window_.isNull()) window_ = new frmStatus(OwnerWindow());
  }
  void Show() override {
    Load();
    window_->ShowModal();
  }
  void Unload() override {
    if (!window_.isNull()) {
      window_->hide();
      delete window_.data();
    }
    CancelFlag = false;
  }
  void SetVisible(bool visible) override {
    if (visible) {
      Show();
    } else if (!window_.isNull()) {
      window_->hide();
    }
  }
  bool Visible() const override { return !window_.isNull() && window_->isVisible(); }
  // Calls on a window that is not loaded do nothing: a job that already
  // closed its window never brings it back.
  void SetCaption(const std::string& caption) override {
    if (window_) window_->setWindowTitle(QString::fromStdString(caption));
  }
  void SetTopText(const std::string& text) override {
    if (window_) window_->SetTopText(text);
  }
  void SetBottomText(const std::string& text) override {
    if (window_) window_->PrintBottom(text);
  }
  void SetTotalTopText(const std::string& text) override {
    if (window_) window_->SetTotalTopText(text);
  }
  void SetTotalBottomText(const std::string& text) override {
    if (window_) window_->SetTotalBottomText(text);
  }
  void Percent(int32_t percent) override {
    if (window_) window_->pSbPercent(percent);
  }
  void TotalPercent(int32_t percent) override {
    if (window_) window_->pSbTotalPercent(percent);
  }
  void RefreshWindow() override {
    if (window_) window_->RefreshWindow();
  }
  void ClearCurrent() override {
    if (window_) window_->pSbClearCurrent();
  }
  void ClearTotal() override {
    if (window_) window_->pSbClearTotal();
  }
  void ShowList() override {
    if (window_) window_->ShowList();
  }
  void AddListItem(const std::string& text) override {
    if (window_) window_->AddListItem(text);
  }

 private:
  QPointer<frmStatus> window_;
};

// Lines go to the logic window while it is open and are dropped otherwise.
class LogicTraceList final : public seams::TraceListView {
 public:
  void AddItem(const std::string& line) override {
    // A line's own line break (the pick log's lines end in one) is no row
    // of its own: every section is spaced alike.
    QString shown = QString::fromStdString(line);
    while (shown.endsWith(QChar('\n')) || shown.endsWith(QChar('\r'))) shown.chop(1);
    if (frmLogic* window = frmLogic::Instance()) window->lstLogic()->addItem(shown);
  }
  void Clear() override {
    if (frmLogic* window = frmLogic::Instance()) window->lstLogic()->clear();
  }
};

class DesktopShellOpen final : public seams::ShellOpenView {
 public:
  bool Open(const std::string& pathOrUrl) override {
    const QString target = QString::fromStdString(pathOrUrl);
    const QUrl url = target.contains(QStringLiteral("://")) ? QUrl(target) : QUrl::fromLocalFile(target);
    return QDesktopServices::openUrl(url);
  }
};

class FileDialogWindows final : public seams::FileDialogView {
 public:
  std::optional<std::string> ShowOwnFileDialog(const seams::OwnFileDialogRequest& request) override {
    QPointer<frmFile> dialog = new frmFile(OwnerWindow());
    dialog->InitializeDialog(request.folder, request.extension, request.description, request.mode, request.name,
                             request.fileType, request.seriesOnly, request.prefixFilter);
    dialog->exec();
    if (dialog.isNull()) return std::nullopt;
    std::optional<std::string> answer;
    if (!dialog->Cancelled()) answer = dialog->ChosenName();
    delete dialog.data();
    return answer;
  }

  seams::SystemFileDialogResult ShowSystemFileDialog(const seams::SystemFileDialogRequest& request) override {
    const QString filter = QString::fromStdString(request.description + " File (*." + request.extension + ")");
    const QString start = QString::fromStdString(request.initialFolder + request.fileName);
    const QString title = QString::fromStdString(request.title);
    seams::SystemFileDialogResult result;
    QPointer<QFileDialog> dialog = new QFileDialog(OwnerWindow(), title, QString(), filter);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    // The callers ask their own overwrite question.
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    dialog->setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(request.save              ? QFileDialog::AnyFile
                        : request.multiSelect ? QFileDialog::ExistingFiles
                                              : QFileDialog::ExistingFile);
    dialog->setDirectory(QString::fromStdString(request.initialFolder));
    if (!request.fileName.empty()) dialog->selectFile(start);
    // Wide enough for the files' size, type and date beside their names.
    dialog->resize(dialog->sizeHint().expandedTo(QSize(760, 460)));
    if (auto* details = dialog->findChild<QTreeView*>()) {
      for (int column = 1; column < details->header()->count(); ++column)
        details->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    const bool accepted = dialog->exec() == QDialog::Accepted;
    if (dialog.isNull()) return result;
    const QStringList chosen = accepted ? dialog->selectedFiles() : QStringList();
    delete dialog.data();
    if (chosen.isEmpty()) return result;
    result.cancelled = false;
    result.path = QFileInfo(chosen.front()).absolutePath().toStdString() + "/";
    for (const QString& file : chosen) result.files.push_back(QFileInfo(file).fileName().toStdString());
    return result;
  }
};

class NetworkDownloads final : public seams::DownloadView {
 public:
  NetworkDownloads(int32_t timeoutMs, int32_t deadlineMs) {
    http_.SetTransferTimeout(timeoutMs);
    http_.SetDeadline(deadlineMs);
  }
  bool DownloadFile(const seams::DownloadRequest& request, int32_t id, Completion done, std::string* error) override {
    VellacornHTTP::Limits limits;
    limits.maxBytes = request.maxBytes;
    limits.deadlineMs = static_cast<int32_t>(std::clamp<int64_t>(request.deadlineMs, 0, INT32_MAX));
    return http_.DownloadFile(
        request.url, request.dest, id, limits,
        [done = std::move(done)](int32_t doneID, const VellacornHTTP::Outcome& outcome) {
          done(doneID, seams::DownloadResult{outcome.ok, outcome.error, outcome.tooLarge});
        },
        error);
  }
  void Abandon(int32_t id) override { http_.Abandon(id); }

 private:
  VellacornHTTP http_;
};

class CursorPointer final : public seams::PointerView {
 public:
  seams::PointerState State() override {
    const QPoint at = QCursor::pos();
    return {at.x(), at.y(), (QGuiApplication::mouseButtons() & Qt::LeftButton) != 0};
  }
};

}  // namespace

QWidget* OwnerWindow() {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  if (QWidget* active = QApplication::activeWindow()) return active;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->isVisible() && qobject_cast<QMainWindow*>(top) != nullptr) return top;
  }
  return nullptr;
}

std::unique_ptr<seams::MessageBoxView> MakeMessageBoxWindows() { return std::make_unique<MessageBoxWindows>(); }

std::unique_ptr<seams::DownloadView> MakeNetworkDownloads(int32_t timeoutMs, int32_t deadlineMs) {
  return std::make_unique<NetworkDownloads>(timeoutMs, deadlineMs);
}

void InstallRealSeams() {
  seams::Install(MakeMessageBoxWindows());
  seams::Install(std::make_unique<EventLoopYield>());
  seams::Install(std::make_unique<ProgressWindow>());
  seams::Install(std::make_unique<LogicTraceList>());
  seams::Install(std::make_unique<DesktopShellOpen>());
  seams::Install(std::make_unique<FileDialogWindows>());
  seams::Install(std::make_unique<CursorPointer>());
  seams::Install(MakeNetworkDownloads(VellacornHTTP::kDefaultTimeoutMs, VellacornHTTP::kDefaultDeadlineMs));
  basFileDialog::SetClickHoldOffTimer([] {
    QTimer::singleShot(kClickHoldOffMs, qApp, [] { ClicksAccepted = true; });
  });
}

}  // namespace shell_ui
