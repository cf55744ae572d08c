#pragma once
// Scripted stand-ins for the person at the screen. ScopedFakeSeams installs
// one fake per seam for the life of a test and restores the silent defaults
// afterwards. Every fake records what it was asked; questions are answered
// from a queue, and a question nobody scripted fails the test loudly.
// Notices with a single OK button need no script: they are recorded and
// answered "OK", and tests assert on what was recorded.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/Seams.h"

namespace kdtest {

struct MessageCall {
  std::string caption;
  std::string text;
  int32_t buttonSet = 0;
  bool modal = false;
};

struct PlainCall {
  std::string text;
  seams::PlainButtons buttons = seams::PlainButtons::kOk;
  seams::PlainIcon icon = seams::PlainIcon::kNone;
  std::string caption;
};

class FakeMessageBox final : public seams::MessageBoxView {
 public:
  std::string ShowMessage(const std::string& caption, const std::string& text, int32_t buttonSet,
                          bool modal) override;
  seams::PlainAnswer PlainMessage(const std::string& text, seams::PlainButtons buttons,
                                  seams::PlainIcon icon, const std::string& caption) override;

  // Answers for the application's box ("save", "nosave", "cancel", "").
  void Answer(std::string answer) { answers_.push_back(std::move(answer)); }
  void AnswerPlain(seams::PlainAnswer answer) { plainAnswers_.push_back(answer); }

  std::vector<MessageCall> messages;
  std::vector<PlainCall> plain;
  // Every caption of either kind, in order.
  std::vector<std::string> captions;

 private:
  std::deque<std::string> answers_;
  std::deque<seams::PlainAnswer> plainAnswers_;
};

class FakeYield final : public seams::YieldView {
 public:
  void DoEvents() override;
  int count = 0;
  // When > 0, the cancel flag is set at the cancelAfter-th yield.
  int cancelAfter = 0;
  std::function<void(int)> onYield;
};

class FakeProgress final : public seams::ProgressView {
 public:
  void Load() override;
  void Show() override;
  void Unload() override;
  void SetVisible(bool visible) override { visible_ = visible; }
  bool Visible() const override { return visible_; }
  void SetCaption(const std::string& caption) override;
  void SetTopText(const std::string& text) override;
  void SetBottomText(const std::string& text) override;
  void SetTotalTopText(const std::string& text) override;
  void SetTotalBottomText(const std::string& text) override;
  void Percent(int32_t percent) override;
  void TotalPercent(int32_t percent) override;
  void RefreshWindow() override { ++refreshes; }
  void ClearCurrent() override;
  void ClearTotal() override;
  void ShowList() override { ++showListCalls; }
  void AddListItem(const std::string& text) override { listItems.push_back(text); }

  // Every call as one readable line ("Percent 50", "TopText Scoring"), in order.
  std::vector<std::string> log;
  std::vector<int32_t> percents;
  std::vector<int32_t> totalPercents;
  std::vector<std::string> listItems;
  std::string caption, topText, bottomText, totalTopText, totalBottomText;
  int loads = 0, unloads = 0, shows = 0, refreshes = 0, showListCalls = 0;

 private:
  bool visible_ = false;
};

class FakeTraceList final : public seams::TraceListView {
 public:
  void AddItem(const std::string& line) override { lines.push_back(line); }
  void Clear() override { lines.clear(); ++clears; }
  std::vector<std::string> lines;
  int clears = 0;
};

class FakeShellOpen final : public seams::ShellOpenView {
 public:
  bool Open(const std::string& pathOrUrl) override {
    opened.push_back(pathOrUrl);
    return result;
  }
  std::vector<std::string> opened;
  bool result = true;
};

class FakeFileDialogs final : public seams::FileDialogView {
 public:
  std::optional<std::string> ShowOwnFileDialog(const seams::OwnFileDialogRequest& request) override;
  seams::SystemFileDialogResult ShowSystemFileDialog(
      const seams::SystemFileDialogRequest& request) override;

  // nullopt answers "cancelled".
  void AnswerOwn(std::optional<std::string> name) { ownAnswers_.push_back(std::move(name)); }
  void AnswerSystem(seams::SystemFileDialogResult result) { systemAnswers_.push_back(std::move(result)); }

  std::vector<seams::OwnFileDialogRequest> ownRequests;
  std::vector<seams::SystemFileDialogRequest> systemRequests;

 private:
  std::deque<std::optional<std::string>> ownAnswers_;
  std::deque<seams::SystemFileDialogResult> systemAnswers_;
};

class FakePointer final : public seams::PointerView {
 public:
  seams::PointerState State() override {
    ++polls;
    if (!script.empty()) {
      current = script.front();
      script.pop_front();
    }
    return current;
  }
  // Each poll takes the next scripted state; the last one then holds.
  std::deque<seams::PointerState> script;
  seams::PointerState current;
  int polls = 0;
};

// Installs a fresh fake in every seam; restores the silent defaults and
// clears the cancel flag when it goes out of scope.
class ScopedFakeSeams {
 public:
  ScopedFakeSeams();
  ~ScopedFakeSeams();
  ScopedFakeSeams(const ScopedFakeSeams&) = delete;
  ScopedFakeSeams& operator=(const ScopedFakeSeams&) = delete;

  FakeMessageBox& messages;
  FakeYield& yield;
  FakeProgress& progress;
  FakeTraceList& trace;
  FakeShellOpen& shell;
  FakeFileDialogs& files;
  FakePointer& pointer;
};

}  // namespace kdtest
