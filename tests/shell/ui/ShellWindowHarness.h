#pragma once
// Driving the shell's windows in tests: the real seams with a scripted
// pointer, clicks on owner-drawn buttons, a script of answers for modal
// dialogs that appear one after another, and screenshots for a person to
// look at.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "FakeSeams.h"
#include "Screenshot.h"
#include "core/Seams.h"
#include "shell/ui/RealSeams.h"
#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/clsButton.h"
#include "toolkit/ui/clsTabStrip.h"

namespace kdtest {

// Every seam real except the pointer, which the test moves.
class RealSeamsWithScriptedPointer {
 public:
  RealSeamsWithScriptedPointer() {
    shell_ui::InstallRealSeams();
    auto fake = std::make_unique<FakePointer>();
    pointer = fake.get();
    seams::Install(std::move(fake));
    CancelFlag = false;
  }
  ~RealSeamsWithScriptedPointer() {
    seams::ResetAll();
    CancelFlag = false;
  }
  RealSeamsWithScriptedPointer(const RealSeamsWithScriptedPointer&) = delete;
  RealSeamsWithScriptedPointer& operator=(const RealSeamsWithScriptedPointer&) = delete;

  FakePointer* pointer = nullptr;
};

// Moves the pointer onto rectangle `r` of the bar's picture, presses and
// releases it, one poll at each step, as the bar's timer would see it.
template <class Bar>
void PressAt(FakePointer& pointer, Bar* bar, const ButtonRect& r) {
  ASSERT_NE(bar, nullptr);
  ASSERT_NE(bar->PictureControl(), nullptr);
  const QPoint at = bar->PictureControl()->mapToGlobal(QPoint(r.Left + r.Width / 2, r.Top + r.Height / 2));
  for (const bool down : {false, true, false}) {
    pointer.current = seams::PointerState{at.x(), at.y(), down};
    bar->Tick();
  }
  pointer.current = seams::PointerState{-5000, -5000, false};
}

// A button of a bar, and a tab of a strip.
inline void Press(FakePointer& pointer, clsButton* bar, int32_t index) {
  ASSERT_NE(bar, nullptr);
  PressAt(pointer, bar, bar->Rect(index));
}
inline void PressTab(FakePointer& pointer, clsTabStrip* strip, int32_t index) {
  ASSERT_NE(strip, nullptr);
  PressAt(pointer, strip, strip->ScreenRect(index));
}

// The same, from the event loop: the click may open a modal window of its
// own, which must not run inside the caller.
inline void PressSoon(FakePointer& pointer, clsButton* bar, int32_t index) {
  QTimer::singleShot(0, bar, [&pointer, bar, index] { Press(pointer, bar, index); });
}

// Acts on modal windows as they come up, one step per window, in order.
// Each step waits until a visible modal window of its type is on top.
class ModalScript {
 public:
  ModalScript() {
    timer_.setInterval(1);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
  }
  ~ModalScript() { timer_.stop(); }

  template <class Window>
  ModalScript& Then(std::function<void(Window*)> act) {
    steps_.push_back({[] { return qobject_cast<Window*>(QApplication::activeModalWidget()); },
                      [act](QWidget* w) { act(static_cast<Window*>(w)); }});
    timer_.start();
    return *this;
  }
  bool Done() const { return steps_.empty(); }

 private:
  struct Step {
    std::function<QWidget*()> find;
    std::function<void(QWidget*)> act;
  };

  void Poll() {
    if (steps_.empty()) {
      timer_.stop();
      return;
    }
    // Nothing came up: fail, and close what is open so the test ends.
    if (++polls_ > 20000) {
      ADD_FAILURE() << "A modal window the script waits for never came up";
      steps_.clear();
      if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) d->reject();
      return;
    }
    QWidget* w = steps_.front().find();
    if (w == nullptr || !w->isVisible()) return;
    Step step = std::move(steps_.front());
    steps_.pop_front();
    polls_ = 0;
    const int failedBefore = FatalFailures();
    QPointer<QWidget> window(w);
    step.act(w);
    // A step stopped by a failed assertion left its window open: close it,
    // so that the test fails at once instead of waiting for its time-out.
    if (FatalFailures() > failedBefore && window != nullptr && window->isVisible()) {
      steps_.clear();
      if (auto* d = qobject_cast<QDialog*>(window.data())) {
        d->reject();
      } else {
        window->close();
      }
    }
  }

  static int FatalFailures() {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    if (test == nullptr) return 0;
    int n = 0;
    for (int i = 0; i < test->result()->total_part_count(); ++i)
      n += test->result()->GetTestPartResult(i).fatally_failed();
    return n;
  }

  std::deque<Step> steps_;
  QTimer timer_;
  int polls_ = 0;
};

}  // namespace kdtest
