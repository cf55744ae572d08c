#include "FakeSeams.h"

#include <gtest/gtest.h>

namespace kdtest {

std::string FakeMessageBox::ShowMessage(const std::string& caption, const std::string& text,
                                        int32_t buttonSet, bool modal) {
  messages.push_back({caption, text, buttonSet, modal});
  captions.push_back(caption);
  if (!answers_.empty()) {
    std::string a = answers_.front();
    answers_.pop_front();
    return a;
  }
  if (buttonSet == seams::kOk) return seams::kAnswerSave;
  ADD_FAILURE() << "Unscripted question: [" << caption << "] " << text;
  return "";
}

seams::PlainAnswer FakeMessageBox::PlainMessage(const std::string& text, seams::PlainButtons buttons,
                                                seams::PlainIcon icon, const std::string& caption) {
  plain.push_back({text, buttons, icon, caption});
  captions.push_back(caption);
  if (!plainAnswers_.empty()) {
    auto a = plainAnswers_.front();
    plainAnswers_.pop_front();
    return a;
  }
  if (buttons == seams::PlainButtons::kOk) return seams::PlainAnswer::kOk;
  ADD_FAILURE() << "Unscripted plain question: [" << caption << "] " << text;
  return seams::PlainAnswer::kCancel;
}

void FakeYield::DoEvents() {
  ++count;
  if (cancelAfter > 0 && count >= cancelAfter) CancelFlag = true;
  if (onYield) onYield(count);
}

void FakeProgress::Load() {
  ++loads;
  CancelFlag = false;
  log.push_back("Load");
}
void FakeProgress::Show() {
  ++shows;
  SetVisible(true);
  log.push_back("Show");
}
void FakeProgress::Unload() {
  ++unloads;
  SetVisible(false);
  CancelFlag = false;
  log.push_back("Unload");
}
void FakeProgress::SetCaption(const std::string& text) {
  caption = text;
  log.push_back("Caption " + text);
}
void FakeProgress::SetTopText(const std::string& text) {
  topText = text;
  log.push_back("TopText " + text);
}
void FakeProgress::SetBottomText(const std::string& text) {
  bottomText = text;
  log.push_back("BottomText " + text);
}
void FakeProgress::SetTotalTopText(const std::string& text) {
  totalTopText = text;
  log.push_back("TotalTopText " + text);
}
void FakeProgress::SetTotalBottomText(const std::string& text) {
  totalBottomText = text;
  log.push_back("TotalBottomText " + text);
}
void FakeProgress::Percent(int32_t percent) {
  percents.push_back(percent);
  log.push_back("Percent " + std::to_string(percent));
}
void FakeProgress::TotalPercent(int32_t percent) {
  totalPercents.push_back(percent);
  log.push_back("TotalPercent " + std::to_string(percent));
}
void FakeProgress::ClearCurrent() { log.push_back("ClearCurrent"); }
void FakeProgress::ClearTotal() { log.push_back("ClearTotal"); }

std::optional<std::string> FakeFileDialogs::ShowOwnFileDialog(const seams::OwnFileDialogRequest& request) {
  ownRequests.push_back(request);
  if (ownAnswers_.empty()) {
    ADD_FAILURE() << "Unscripted file dialog for " << request.description;
    return std::nullopt;
  }
  auto a = ownAnswers_.front();
  ownAnswers_.pop_front();
  return a;
}

seams::SystemFileDialogResult FakeFileDialogs::ShowSystemFileDialog(
    const seams::SystemFileDialogRequest& request) {
  systemRequests.push_back(request);
  if (systemAnswers_.empty()) {
    ADD_FAILURE() << "Unscripted system file dialog: " << request.title;
    return {};
  }
  auto a = systemAnswers_.front();
  systemAnswers_.pop_front();
  return a;
}

namespace {
template <typename T>
T& InstallFake() {
  auto fake = std::make_unique<T>();
  T& ref = *fake;
  seams::Install(std::move(fake));
  return ref;
}
}  // namespace

ScopedFakeSeams::ScopedFakeSeams()
    : messages(InstallFake<FakeMessageBox>()),
      yield(InstallFake<FakeYield>()),
      progress(InstallFake<FakeProgress>()),
      trace(InstallFake<FakeTraceList>()),
      shell(InstallFake<FakeShellOpen>()),
      files(InstallFake<FakeFileDialogs>()),
      pointer(InstallFake<FakePointer>()) {
  CancelFlag = false;
}

ScopedFakeSeams::~ScopedFakeSeams() {
  seams::ResetAll();
  CancelFlag = false;
}

}  // namespace kdtest
