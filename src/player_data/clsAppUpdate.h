#pragma once
// One check for a newer version of the program: fetches the server's
// version file "kd.txt", compares the version in its first field with the
// program's own and, when the server's is newer, offers to open the maker's
// download page. It never replaces the program.
//
// Create it with std::make_shared: a completion reaches the check only
// while someone still holds it, so releasing it mid-download is safe.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/Seams.h"
#include "player_data/basUpdateServer.h"
#include "player_data/clsDownFile.h"

class clsAppUpdate : public std::enable_shared_from_this<clsAppUpdate> {
 public:
  struct Version {
    int32_t major = 0;
    int32_t minor = 0;
    int32_t revision = 0;
  };

  ~clsAppUpdate();

  // Starts the check; `manual` when the user asked for it. False when the
  // download could not start (DoneAppUpdate is then never raised). The check
  // ends within basUpdateServer::CheckDeadline whatever the server sends;
  // one the user asked for that fails says why, in one message.
  bool InitializeAppUpdate(bool manual);
  // Evaluates the stored version file; True when a newer version was offered.
  bool HandleAppFile(bool manual);

  // Raised once at the end of the check, always with False, False.
  std::function<void(bool, bool)> DoneAppUpdate;
  // The check's clock: stopped once the server's answer is in, so that the
  // time the user takes over it does not count against a check that
  // continues this one's deadline.
  const basUpdateServer::CheckClock& Clock() const { return clock_; }

  // The program's own version, compared with the server's.
  void SetOwnVersion(const Version& version) { own_ = version; }
  // The maker's download page, opened in the browser on "Yes".
  void SetDownloadPage(const std::string& address) { downloadPage_ = address; }

  // The comparison of a version file's first field ("x.major.minor.revision")
  // with `own`: True when newer, with `versionText` the server's three
  // numbers as written. A field of other than four parts, or with a part
  // that is not a number of 1 to 9 digits, leaves `versionText` empty and
  // is not newer.
  static bool IsNewer(const std::string& firstField, const Version& own, std::string& versionText);

 private:
  void OnDownloadComplete(int32_t id, const seams::DownloadResult& result);
  // The manual check's one message: it failed, and `why`.
  static void ShowFailure(const std::string& why);

  clsDownFile list_;
  basUpdateServer::CheckClock clock_;
  int32_t pendingID_ = -1;
  Version own_;
  std::string downloadPage_;
};
