#include "core/Seams.h"

namespace seams {
namespace {

class SilentMessageBox final : public MessageBoxView {
 public:
  std::string ShowMessage(const std::string&, const std::string&, int32_t, bool) override {
    return "";
  }
  PlainAnswer PlainMessage(const std::string&, PlainButtons buttons, PlainIcon,
                           const std::string&) override {
    switch (buttons) {
      case PlainButtons::kOk: return PlainAnswer::kOk;
      case PlainButtons::kYesNo: return PlainAnswer::kNo;
      default: return PlainAnswer::kCancel;
    }
  }
};

class SilentYield final : public YieldView {
 public:
  void DoEvents() override {}
};

class SilentProgress final : public ProgressView {
 public:
  void Load() override { CancelFlag = false; }
  void Show() override { visible_ = true; }
  void Unload() override {
    visible_ = false;
    CancelFlag = false;
  }
  void SetVisible(bool visible) override { visible_ = visible; }
  bool Visible() const override { return visible_; }
  void SetCaption(const std::string&) override {}
  void SetTopText(const std::string&) override {}
  void SetBottomText(const std::string&) override {}
  void SetTotalTopText(const std::string&) override {}
  void SetTotalBottomText(const std::string&) override {}
  void Percent(int32_t) override {}
  void TotalPercent(int32_t) override {}
  void RefreshWindow() override {}
  void ClearCurrent() override {}
  void ClearTotal() override {}
  void ShowList() override {}
  void AddListItem(const std::string&) override {}

 private:
  bool visible_ = false;
};

class SilentTraceList final : public TraceListView {
 public:
  void AddItem(const std::string&) override {}
  void Clear() override {}
};

class SilentShellOpen final : public ShellOpenView {
 public:
  bool Open(const std::string&) override { return false; }
};

class SilentFileDialogs final : public FileDialogView {
 public:
  std::optional<std::string> ShowOwnFileDialog(const OwnFileDialogRequest&) override {
    return std::nullopt;
  }
  SystemFileDialogResult ShowSystemFileDialog(const SystemFileDialogRequest&) override {
    return {};
  }
};

class SilentPointer final : public PointerView {
 public:
  PointerState State() override { return {}; }
};

// Nothing is ever fetched without the real control.
class SilentDownloads final : public DownloadView {
 public:
  bool DownloadFile(const DownloadRequest&, int32_t, Completion, std::string* error) override {
    if (error) *error = "downloads are not available";
    return false;
  }
  void Abandon(int32_t) override {}
};

template <typename View, typename Silent>
struct Slot {
  std::unique_ptr<View> installed;
  Silent fallback;
  View& Get() { return installed ? *installed : fallback; }
};

Slot<MessageBoxView, SilentMessageBox>& MessageSlot() {
  static Slot<MessageBoxView, SilentMessageBox> s;
  return s;
}
Slot<YieldView, SilentYield>& YieldSlot() {
  static Slot<YieldView, SilentYield> s;
  return s;
}
Slot<ProgressView, SilentProgress>& ProgressSlot() {
  static Slot<ProgressView, SilentProgress> s;
  return s;
}
Slot<TraceListView, SilentTraceList>& TraceSlot() {
  static Slot<TraceListView, SilentTraceList> s;
  return s;
}
Slot<ShellOpenView, SilentShellOpen>& ShellSlot() {
  static Slot<ShellOpenView, SilentShellOpen> s;
  return s;
}
Slot<FileDialogView, SilentFileDialogs>& FileDialogSlot() {
  static Slot<FileDialogView, SilentFileDialogs> s;
  return s;
}
Slot<PointerView, SilentPointer>& PointerSlot() {
  static Slot<PointerView, SilentPointer> s;
  return s;
}
Slot<DownloadView, SilentDownloads>& DownloadSlot() {
  static Slot<DownloadView, SilentDownloads> s;
  return s;
}

}  // namespace

MessageBoxView& MessageBox() { return MessageSlot().Get(); }
YieldView& Yield() { return YieldSlot().Get(); }
ProgressView& Progress() { return ProgressSlot().Get(); }
TraceListView& TraceList() { return TraceSlot().Get(); }
ShellOpenView& ShellOpen() { return ShellSlot().Get(); }
FileDialogView& FileDialogs() { return FileDialogSlot().Get(); }
PointerView& Pointer() { return PointerSlot().Get(); }
DownloadView& Downloads() { return DownloadSlot().Get(); }

void Install(std::unique_ptr<MessageBoxView> view) { MessageSlot().installed = std::move(view); }
void Install(std::unique_ptr<YieldView> view) { YieldSlot().installed = std::move(view); }
void Install(std::unique_ptr<ProgressView> view) { ProgressSlot().installed = std::move(view); }
void Install(std::unique_ptr<TraceListView> view) { TraceSlot().installed = std::move(view); }
void Install(std::unique_ptr<ShellOpenView> view) { ShellSlot().installed = std::move(view); }
void Install(std::unique_ptr<FileDialogView> view) { FileDialogSlot().installed = std::move(view); }
void Install(std::unique_ptr<PointerView> view) { PointerSlot().installed = std::move(view); }
void Install(std::unique_ptr<DownloadView> view) { DownloadSlot().installed = std::move(view); }

void ResetAll() {
  MessageSlot().installed.reset();
  YieldSlot().installed.reset();
  ProgressSlot().installed.reset();
  TraceSlot().installed.reset();
  ShellSlot().installed.reset();
  FileDialogSlot().installed.reset();
  PointerSlot().installed.reset();
  DownloadSlot().installed.reset();
}

}  // namespace seams

void DoEvents() { seams::Yield().DoEvents(); }
