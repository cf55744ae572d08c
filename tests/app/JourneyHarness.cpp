#include "JourneyHarness.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <cstdio>

#include "platform/flexgrid/widget/FlexGridWidget.h"
#include "shell/basCheatSheetMenu.h"
#include "shell/ui/RealSeams.h"
#include "shell/ui/frmFile.h"

namespace kdtest {

namespace {

// The guide's pictures: the main window at a size that reads well on a page.
constexpr QSize kGuideSize(1100, 720);

std::string JourneyName() {
  const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
  return info != nullptr ? info->name() : "journey";
}

QString JourneyFolder() { return QString(KD_SCREENSHOT_DIR) + "/journeys/" + QString::fromStdString(JourneyName()); }

}  // namespace

void PrintTo(const SeenMessage& m, std::ostream* os) {
  *os << "[" << testing::PrintToString(m.caption) << "] " << testing::PrintToString(m.text);
}

RecordingMessageBox::RecordingMessageBox() : real_(shell_ui::MakeMessageBoxWindows()) {}

std::string RecordingMessageBox::ShowMessage(const std::string& caption, const std::string& text,
                                             int32_t buttonSet, bool modal) {
  seen.push_back({caption, text});
  return real_->ShowMessage(caption, text, buttonSet, modal);
}

seams::PlainAnswer RecordingMessageBox::PlainMessage(const std::string& text, seams::PlainButtons buttons,
                                                     seams::PlainIcon icon, const std::string& caption) {
  seen.push_back({caption, text});
  return real_->PlainMessage(text, buttons, icon, caption);
}

Journey::Journey() {
  RegisterAllWindows();
  auto told = std::make_unique<RecordingMessageBox>();
  told_ = told.get();
  seams::Install(std::move(told));
  auto opened = std::make_unique<FakeShellOpen>();
  opened_ = opened.get();
  seams::Install(std::move(opened));
  guard_.setInterval(20);
  QObject::connect(&guard_, &QTimer::timeout, [this] { GuardUnscriptedWindows(); });
  guard_.start();
  // Only this run's pictures.
  QDir(JourneyFolder()).removeRecursively();
}

Journey::~Journey() { guard_.stop(); }

// A modal window nobody scripted would wait for ever: after a minute it
// fails the journey and is closed, so the journey ends and says what came
// up. (The progress window is a job's, and goes by itself.)
void Journey::GuardUnscriptedWindows() {
  auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
  if (modal == nullptr || !script.Done()) {
    waiting_ = nullptr;
    return;
  }
  if (modal != waiting_) {
    waiting_ = modal;
    since_.start();
    return;
  }
  if (since_.elapsed() < 60000) return;
  waiting_ = nullptr;
  const bool box = qobject_cast<frmMessage*>(modal) != nullptr || qobject_cast<QMessageBox*>(modal) != nullptr;
  ADD_FAILURE() << "A window came up that the journey did not expect: " << modal->metaObject()->className() << " \""
                << modal->windowTitle().toStdString() << "\""
                << (box && !Told().empty() ? " " + testing::PrintToString(Told().back()) : std::string());
  modal->reject();
}

bool Journey::StartApplication() {
  onFirstRun = [this](shell_ui::frmStart* start) {
    ClickOption(start->chkM(0));
    ClickOption(start->chkM(1));
    Shot(start, "first-run window");
    Press(*pointer, start->mBtn(), 0);
  };
  return Start();
}

void Journey::OpenProject(const std::string& name) {
  PickInFileDialog(name);
  window->mnuFile(basCheatSheetMenu::kOpenProject)->trigger();
  EXPECT_TRUE(script.Done());
}

void Journey::Shot(QWidget* widget, const std::string& what) {
  char number[8];
  std::snprintf(number, sizeof number, "%02d", ++shots_);
  QDir().mkpath(JourneyFolder());
  QApplication::processEvents();
  SaveScreenshot(widget, "journeys/" + JourneyName() + "/" + number + " " + what);
}

void Journey::GuideShot(const std::string& name) {
  const QSize size = window->size();
  window->resize(kGuideSize.expandedTo(window->minimumSize()));
  QApplication::processEvents();
  QDir().mkpath(QString(KD_SCREENSHOT_DIR) + "/guide");
  SaveScreenshot(window.get(), "guide/" + name);
  window->resize(size);
  QApplication::processEvents();
}

void Journey::AnswerMessage(int32_t index) {
  script.Then<frmMessage>([this, index](frmMessage* box) {
    Shot(box, "message " + box->windowTitle().toStdString());
    PressSoon(*pointer, box->mBtn(), index);
  });
}

void Journey::AnswerPlain(QMessageBox::StandardButton button) {
  script.Then<QMessageBox>([this, button](QMessageBox* box) {
    Shot(box, "message " + box->windowTitle().toStdString());
    QAbstractButton* pressed = box->button(button);
    ASSERT_NE(pressed, nullptr);
    // From the event loop: the box's own exec must return first.
    QTimer::singleShot(0, pressed, [pressed] { Click(pressed); });
  });
}

void Journey::TypeInFileDialog(const std::string& name) {
  script.Then<frmFile>([this, name](frmFile* dialog) {
    dialog->txtFileName()->setFocus();
    dialog->txtFileName()->selectAll();
    QTest::keyClicks(dialog->txtFileName(), QString::fromStdString(name));
    Shot(dialog, "file dialog");
    QTest::keyClick(dialog->txtFileName(), Qt::Key_Return);
  });
}

void Journey::PickInFileDialog(const std::string& name) {
  script.Then<frmFile>([this, name](frmFile* dialog) {
    ClickItem(dialog->lstFile(), name);
    Shot(dialog, "file dialog");
    const auto found = dialog->lstFile()->findItems(QString::fromStdString(name), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name;
    QTest::mouseDClick(dialog->lstFile()->viewport(), Qt::LeftButton, {},
                       dialog->lstFile()->visualItemRect(found.front()).center());
  });
}

void Journey::TypeInSystemDialog(const std::string& path) {
  script.Then<QFileDialog>([this, path](QFileDialog* dialog) {
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(name, nullptr);
    name->setFocus();
    // Set whole: typed, the dialog's completer would take the Enter.
    if (!path.empty()) name->setText(QString::fromStdString(path));
    Shot(dialog, "system file dialog");
    QTest::keyClick(name, Qt::Key_Return);
  });
}

void Journey::Click(QWidget* widget) {
  ASSERT_NE(widget, nullptr);
  ASSERT_TRUE(widget->isVisible()) << widget->metaObject()->className();
  QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void Journey::ClickOption(QAbstractButton* button) {
  ASSERT_NE(button, nullptr);
  ASSERT_TRUE(button->isVisible()) << button->text().toStdString();
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

void Journey::ClickCell(FlexGridWidget* grid, int32_t row, int32_t col) {
  ASSERT_NE(grid, nullptr);
  grid->EnsureVisible(row, col);
  const QRect cell = grid->CellRect(row, col);
  ASSERT_FALSE(cell.isNull()) << row << "," << col;
  QTest::mouseClick(grid, Qt::LeftButton, {}, cell.center());
}

void Journey::ClickItem(QListWidget* list, const std::string& text) {
  ASSERT_NE(list, nullptr);
  const auto found = list->findItems(QString::fromStdString(text), Qt::MatchExactly);
  ASSERT_EQ(found.size(), 1) << text;
  list->scrollToItem(found.front());
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.front()).center());
}

bool Journey::WaitFor(const std::function<bool()>& condition, int ms) { return QTest::qWaitFor(condition, ms); }

}  // namespace kdtest
