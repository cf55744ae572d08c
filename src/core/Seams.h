#pragma once
// The seams through which headless code reaches the person at the screen.
//
// Jobs, documents and engines call the free functions below (DoEvents,
// seams::MessageBox().ShowMessage(...), ...). At start-up the shell installs
// the real windows; tests install the scripted fakes of tests/support. With
// nothing installed, every seam falls back to a silent default that answers
// "cancelled" / "no" and shows nothing, so headless tools never block.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The one process-wide cancel flag of the progress window: set by its Cancel
// button, cleared when a status window is created, loaded or unloaded. Jobs
// read it after every yield.
inline bool CancelFlag = false;

// Yields to the message loop once, so that a long job keeps the progress
// window painted and its Cancel button answering.
void DoEvents();

namespace seams {

// Button sets of the application's message box, left to right.
enum MessageButtonSet : int32_t {
  kSaveDontSaveCancel = 0,  // "Save", "Don't Save", "Cancel"
  kYesNo = 1,               // "Yes", "No"
  kOk = 2,                  // "OK"
  kYesToAllYesNo = 3,       // "Yes To All", "Yes", "No"
};

// Answers of the message box are positional: the first button answers
// "save", the second "nosave", the third "cancel"; a box closed any other
// way answers "".
inline constexpr const char* kAnswerSave = "save";
inline constexpr const char* kAnswerNoSave = "nosave";
inline constexpr const char* kAnswerCancel = "cancel";

// Plain (system-style) message boxes: used by low-level helpers for
// "File Not Found" and similar notices.
enum class PlainButtons { kOk, kOkCancel, kYesNo, kYesNoCancel };
enum class PlainIcon { kNone, kInformation, kExclamation, kCritical, kQuestion };
enum class PlainAnswer { kOk, kCancel, kYes, kNo };

class MessageBoxView {
 public:
  virtual ~MessageBoxView() = default;
  // The application's own box (frmMessage). Returns "save", "nosave",
  // "cancel" or "".
  virtual std::string ShowMessage(const std::string& caption, const std::string& text,
                                  int32_t buttonSet, bool modal) = 0;
  // A plain box in Qt's standard look, for the low-level helpers.
  virtual PlainAnswer PlainMessage(const std::string& text, PlainButtons buttons,
                                   PlainIcon icon, const std::string& caption) = 0;
};

class YieldView {
 public:
  virtual ~YieldView() = default;
  virtual void DoEvents() = 0;
};

// The progress window (frmStatus) as clsStatusPlain drives it.
class ProgressView {
 public:
  virtual ~ProgressView() = default;
  virtual void Load() = 0;                 // loading clears CancelFlag
  virtual void Show() = 0;                 // modeless, owned by the main window
  virtual void Unload() = 0;               // unloading clears CancelFlag
  virtual void SetVisible(bool visible) = 0;
  virtual bool Visible() const = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void SetTopText(const std::string& text) = 0;         // lblTop
  virtual void SetBottomText(const std::string& text) = 0;      // picBottom
  virtual void SetTotalTopText(const std::string& text) = 0;    // lblTotTop
  virtual void SetTotalBottomText(const std::string& text) = 0; // lblTotBottom
  virtual void Percent(int32_t percent) = 0;        // pSbPercent
  virtual void TotalPercent(int32_t percent) = 0;   // pSbTotalPercent
  virtual void RefreshWindow() = 0;
  virtual void ClearCurrent() = 0;                  // pSbClearCurrent
  virtual void ClearTotal() = 0;                    // pSbClearTotal
  virtual void ShowList() = 0;                      // does nothing in the real window
  virtual void AddListItem(const std::string& text) = 0;  // lstStatus: add, select, repaint
};

// The list box that the pick search writes its trace into.
class TraceListView {
 public:
  virtual ~TraceListView() = default;
  virtual void AddItem(const std::string& line) = 0;
  virtual void Clear() = 0;
};

class ShellOpenView {
 public:
  virtual ~ShellOpenView() = default;
  // Opens a file with its associated program, or a URL in the browser.
  virtual bool Open(const std::string& pathOrUrl) = 0;
};

// What the application's own file dialog (frmFile) is asked to show.
struct OwnFileDialogRequest {
  std::string folder;        // work sub-folder, with trailing '/'
  std::string extension;     // without the dot
  std::string description;
  int32_t mode = 0;          // 0 Save, 1 Open, 2 New, 3 Select
  std::string name;          // proposed name, or the prefix when prefixFilter
  int32_t fileType = 0;      // page code
  bool seriesOnly = false;
  bool prefixFilter = false;
};

// The system open and save dialogs.
struct SystemFileDialogRequest {
  std::string title;
  std::string extension;
  std::string description;
  std::string initialFolder;
  std::string fileName;
  bool save = false;
  bool multiSelect = false;
};

struct SystemFileDialogResult {
  bool cancelled = true;
  std::string path;                 // folder of the chosen files
  std::vector<std::string> files;   // bare names
};

class FileDialogView {
 public:
  virtual ~FileDialogView() = default;
  // The chosen name as typed or picked (before the wrappers' checks), or
  // nullopt when cancelled.
  virtual std::optional<std::string> ShowOwnFileDialog(const OwnFileDialogRequest& request) = 0;
  virtual SystemFileDialogResult ShowSystemFileDialog(const SystemFileDialogRequest& request) = 0;
};

// The pointer as the owner-drawn widgets poll it, in global screen pixels.
struct PointerState {
  int32_t x = 0;
  int32_t y = 0;
  bool leftDown = false;
};

class PointerView {
 public:
  virtual ~PointerView() = default;
  virtual PointerState State() = 0;
};

// One asynchronous download: the body goes to `dest` (through a temporary
// file renamed over it only when the download succeeds), at most
// `maxBytes` of it (0: the control's ceiling), and the transfer ends by
// `deadlineMs` after its start (0: the control's deadline).
struct DownloadRequest {
  std::string url;
  std::string dest;
  int64_t maxBytes = 0;
  int64_t deadlineMs = 0;
};

// How one asynchronous download ended. `ok` only for a 2xx reply that
// arrived whole (as long as its Content-Length said), not empty, within
// its limits and time, and was stored at its destination; anything else
// carries the reason in `error` (a phrase such as "the connection was
// refused"), and `tooLarge` when the body was refused for its size.
struct DownloadResult {
  bool ok = false;
  std::string error;
  bool tooLarge = false;
};

// Asynchronous HTTP GET into a file with a completion event, on this thread.
class DownloadView {
 public:
  using Completion = std::function<void(int32_t id, const DownloadResult& result)>;
  virtual ~DownloadView() = default;
  // Starts fetching `request.url` anew (never from a cache) under the
  // download number `id`. `done` is called exactly once, later, from the
  // event loop (never inside this call), and reaches only this request's
  // owner. False, with `error` set, when the download could not start;
  // `done` is then never called.
  virtual bool DownloadFile(const DownloadRequest& request, int32_t id, Completion done, std::string* error) = 0;
  // Forgets the download and what it wrote: its completion is never delivered.
  virtual void Abandon(int32_t id) = 0;
};

// The installed implementations. Install takes ownership; Install(nullptr)
// restores the silent default. Accessors never return null.
MessageBoxView& MessageBox();
YieldView& Yield();
ProgressView& Progress();
TraceListView& TraceList();
ShellOpenView& ShellOpen();
FileDialogView& FileDialogs();
PointerView& Pointer();
DownloadView& Downloads();

void Install(std::unique_ptr<MessageBoxView> view);
void Install(std::unique_ptr<YieldView> view);
void Install(std::unique_ptr<ProgressView> view);
void Install(std::unique_ptr<TraceListView> view);
void Install(std::unique_ptr<ShellOpenView> view);
void Install(std::unique_ptr<FileDialogView> view);
void Install(std::unique_ptr<PointerView> view);
void Install(std::unique_ptr<DownloadView> view);

// Restores every seam to its silent default.
void ResetAll();

}  // namespace seams
