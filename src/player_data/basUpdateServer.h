#pragma once
// Where the online updates live: the update server named by setting 0 and
// the local update folder, the work folder's "upd/"; how long a check may
// take; and the texts that tell the user why a check or a file failed.

#include <chrono>
#include <cstdint>
#include <string>

namespace basUpdateServer {

// "http://" + setting 0 + "/upd/" + the file name, the name percent-encoded
// so that blanks and signs in a published name stay part of the path.
std::string UpdateURL(const std::string& fileName);

// WorkFolder + "upd/".
std::string LocalUpdateFolder();

// Setting 0 as it stands.
std::string ServerName();
// Why setting 0 cannot name the update server ("" when it can): it must be
// a host name or address, with an optional ":port".
std::string ServerProblem();

// How long a check may take in all, whatever the server sends: the
// application check, or a player check's number file, indexes and chosen
// archives together. kCheckDeadline unless set otherwise (tests shorten it).
inline constexpr std::chrono::milliseconds kCheckDeadline{120000};
std::chrono::milliseconds CheckDeadline();
void SetCheckDeadline(std::chrono::milliseconds deadline);

// The time a check has left since Start. While the user chooses what to
// fetch the clock is stopped (Pause .. Resume): only the time spent waiting
// for the server counts. A check that continues another (the start-up
// player check after the application check) takes over its clock.
class CheckClock {
 public:
  void Start() {
    end_ = std::chrono::steady_clock::now() + CheckDeadline();
    paused_ = false;
  }
  void Pause();
  void Resume();
  // Milliseconds left, at least 1.
  int64_t RemainingMs() const;
  // True when less than a millisecond is left: the deadline has passed.
  bool Spent() const { return LeftMs() <= 0; }

 private:
  int64_t LeftMs() const;

  std::chrono::steady_clock::time_point end_ = std::chrono::steady_clock::now() + CheckDeadline();
  bool paused_ = false;
  std::chrono::steady_clock::duration left_{};
};

// "Unable to GET 'upd/<name>' from <server>: <reason>."
std::string UnableToGet(const std::string& name, const std::string& reason);

}  // namespace basUpdateServer
