// The validation window in the real main window: opened from the Options
// menu over the sample project, filled once, closed by its button.

#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include "MainWindowHarness.h"
#include "toolkit/ui/PictureBox.h"
#include "Screenshot.h"
#include "validation/ui/frmValidation.h"

namespace {

using validation_ui::frmValidation;

class ValidationWindow : public kdtest::MainWindowTest {};

TEST_F(ValidationWindow, OpensFromTheMenuValidatesOncePerOpeningAndCloses) {
  validation_ui::RegisterWindows();
  ASSERT_TRUE(Start());
  ASSERT_TRUE(GlobalProject().OpenFile("KD-Sample 2024.kdp"));
  bool seen = false;
  script.Then<frmValidation>([&](frmValidation* w) {
    EXPECT_EQ(w->windowTitle().toStdString(), "Kickwell Draftyard Project Validation");
    EXPECT_EQ(w->lblVal(1)->text().toStdString(), " Warning Messages   (* Mock - Required for Mock Draft)");
    // The check yields while it runs (this step runs inside it): look once it is done.
    auto* poll = new QTimer(w);
    QObject::connect(poll, &QTimer::timeout, w, [&, w, poll] {
      if (!w->ValidationDone()) return;
      poll->stop();
      seen = true;
      const basValidationReport::ListLines first = w->Lines();
      EXPECT_FALSE(first[0].empty());
      // Activated again (as after a box shown over it): nothing runs twice.
      QEvent activate(QEvent::WindowActivate);
      QApplication::sendEvent(w, &activate);
      QTest::qWait(20);
      EXPECT_EQ(w->Lines(), first);
      kdtest::SaveScreenshot(w, "validation");
      Press(*pointer, w->mOK(), 1);
    });
    poll->start(5);
  });
  window->mnuPro()->trigger();
  EXPECT_TRUE(seen);
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// The window opened on Export at its foot, and Tab went from there to the
// lists.
TEST_F(ValidationWindow, OpensOnTheFirstListWithLinesTabGoesDownToItsButtonsAndEscapeCloses) {
  validation_ui::RegisterWindows();
  ASSERT_TRUE(Start());
  ASSERT_TRUE(GlobalProject().OpenFile("KD-Sample 2024.kdp"));
  QApplication::setActiveWindow(window.get());
  QWidget* const before = QApplication::focusWidget();
  script.Then<frmValidation>([](frmValidation* w) {
    auto* poll = new QTimer(w);
    QObject::connect(poll, &QTimer::timeout, w, [w, poll] {
      if (!w->ValidationDone() || QApplication::activeWindow() != w) return;
      poll->stop();
      // No errors nor warnings: the focus is on the valid lines, framed on the first.
      EXPECT_EQ(w->lstVal(2)->count() + w->lstVal(1)->count(), 0);
      EXPECT_EQ(QApplication::focusWidget(), w->lstVal(0));
      EXPECT_EQ(w->lstVal(0)->currentRow(), 0);
      QWidget* const order[] = {w->picOK(), w->picOK(), w->lstVal(2), w->lstVal(1), w->lstVal(0)};
      for (QWidget* next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next);
      }
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    });
    poll->start(5);
  });
  window->mnuPro()->trigger();
  EXPECT_TRUE(script.Done());
  EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == before; }));
}

}  // namespace
