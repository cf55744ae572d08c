#pragma once
// One player-update run: fetches the season's number file, the index files
// of the updates not held here, offers the archives not yet unpacked, then
// fetches the requested archives and unpacks them into the work folders.
//
// Stages: 1 the number file, 2 the index files, 3 the archives. Every
// download completes, stored or failed, within the check's deadline
// (basUpdateServer::CheckDeadline, one for all three stages; the time the
// user takes to choose the archives does not count), so every stage ends: a failed index file is not offered, and the archives
// that failed are reported in one message when the run unpacks what did
// arrive. Each kind of file is fetched no longer than its reader can use:
// 4 bytes of number, an index of at most clsUpdateFile::kMaxEntries
// entries, an archive of the size its index states; and a run holds at most
// kMaxRunEntries index entries.
//
// Why stages 1 and 2 failed is kept (Failures) for the check's owner, who
// tells a user who asked; only the number file's error page is shown here
// ("Update Failed").
//
// Create it with std::make_shared: a completion reaches the run only while
// someone still holds it.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/Seams.h"
#include "player_data/basUpdateServer.h"
#include "player_data/clsDownFile.h"
#include "player_data/clsUpdateFile.h"

class clsPlayerUpdate : public std::enable_shared_from_this<clsPlayerUpdate> {
 public:
  // Entries of all the index files of a run, together.
  static constexpr int32_t kMaxRunEntries = 4096;

  ~clsPlayerUpdate();

  // Starts a run for the season `year` (0 .. 9999). False when it could not
  // start; no event is then raised. `continued`: the clock of the check this
  // run continues, whose deadline it shares (a run with none left does not
  // start); without one the run has a deadline of its own.
  bool InitializePlayerUpdate(bool manual, int32_t year,
                              const std::optional<basUpdateServer::CheckClock>& continued = std::nullopt);

  // The offered files, 0 .. TotalFileCount - 1.
  int32_t TotalFileCount() const { return static_cast<int32_t>(offered_.size()); }
  std::string FileName(int32_t i) const;
  int32_t FileSize(int32_t i) const;
  int32_t FileType(int32_t i) const;
  std::string DestDir(int32_t i) const;
  bool RequestFile(int32_t i) const;
  void SetRequestFile(int32_t i, bool requested);

  int32_t FileYear() const { return fileYear_; }
  // Also starts FileVersion again at 0.
  void SetFileYear(int32_t year) {
    fileYear_ = year;
    fileVersion_ = 0;
  }
  int32_t FileVersion() const { return fileVersion_; }
  void SetFileVersion(int32_t version) { fileVersion_ = version; }
  bool Manual() const { return manual_; }
  // Why the run could not learn all that the server offers: one line each
  // for the number file or an index file that failed; empty when the server
  // answered everything.
  const std::vector<std::string>& Failures() const { return failures_; }
  // True when the run has already told the user that the number file was
  // a server's error page.
  bool FailureShown() const { return failureShown_; }

  // Starts the downloads of the requested files (stage 3). False when none
  // was requested.
  bool DownloadRequested();
  // Unpacks the requested archives that arrived, deletes those that did not
  // unpack from the update folder, and shows at most one message for those
  // that failed ("Update File Skipped") and one for the user's own files
  // that were kept ("Update Files Kept").
  void UnzipRequested();
  bool AnyDownloads() const { return anyDownloads_; }
  // Registers one index file of the run: 0 when it is held here and read, 1
  // when its download was started.
  int32_t AddUpdateFile(const std::string& folder, const std::string& name);

  // The offered files are ready (ok True).
  std::function<void(bool manual, bool ok)> ReadyForRequested;
  // The run has ended: False, False without offering anything; True, True
  // after unpacking.
  std::function<void(bool, bool)> DonePlayerUpdate;

 private:
  struct IndexFile {
    clsUpdateFile file;
    bool usable = false;
    std::string failure;  // why it could not be used, "" when it was or is on its way
  };

  // An archive requested in stage 3.
  struct Archive {
    std::size_t index;
    int32_t entry;
    int32_t id;
  };

  // Fetches upd/`name` into `dest`, at most `maxBytes`, within the clock.
  // False when it could not start; the list then has it finished, with why.
  bool StartDownload(const std::string& dest, const std::string& name, int64_t maxBytes, bool manual, int32_t id);
  void OnDownloadComplete(int32_t id, const seams::DownloadResult& result);
  void NumberFileDone(int32_t id, bool stored);
  int32_t RegisterIndexFiles(int32_t first, int32_t last);
  void IndexFileDone(int32_t id, bool stored);
  // Makes an index that was read usable while the run holds room for its
  // entries; past kMaxRunEntries it and every index still arriving are dropped.
  void Hold(IndexFile& index);
  static void ShowReport(const UnpackReport& report);
  void FinishIndexStageWhenDone();
  void FinishArchiveStageWhenDone();
  void BuildOfferedList();
  void End(bool a, bool b);
  // The index file and entry of offered file i; null out of range.
  std::pair<const clsUpdateFile*, int32_t> Offered(int32_t i) const;
  template <typename T>
  T OfferedField(int32_t i, T (clsUpdateFile::*field)(int32_t) const, T missing) const;

  int32_t fileYear_ = 0;
  int32_t fileVersion_ = 0;
  int32_t stage_ = 1;
  int32_t latest_ = 0;
  std::vector<IndexFile> indexFiles_;
  std::vector<std::pair<std::size_t, int32_t>> offered_;
  bool allStarted_ = false;
  bool anyDownloads_ = false;
  bool manual_ = false;
  clsDownFile list_;
  std::vector<int32_t> pending_;  // numbers still under way, abandoned on release
  basUpdateServer::CheckClock clock_;
  std::vector<std::string> failures_;
  bool failureShown_ = false;
  int32_t heldEntries_ = 0;
  bool overOffered_ = false;
  std::vector<Archive> archives_;
};
