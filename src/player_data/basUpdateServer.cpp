#include "player_data/basUpdateServer.h"

#include <algorithm>

#include "core/basMockDraftSettings.h"
#include "core/basMockItUp.h"
#include "core/clsSettingsKD.h"
#include "platform/runtime/Text.h"

namespace basUpdateServer {

namespace {

std::chrono::milliseconds& Deadline() {
  static std::chrono::milliseconds deadline = kCheckDeadline;
  return deadline;
}

std::string PercentEncode(const std::string& text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : text) {
    const bool unreserved = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                            c == '-' || c == '.' || c == '_' || c == '~';
    if (unreserved) {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 0x0F];
    }
  }
  return out;
}

bool IsHostName(const std::string& host) {
  if (host.empty() || host.size() > 253 || host.front() == '.' || host.front() == '-') return false;
  return std::all_of(host.begin(), host.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.';
  });
}

bool IsPort(const std::string& port) {
  if (port.empty() || port.size() > 5) return false;
  if (!std::all_of(port.begin(), port.end(), [](char c) { return c >= '0' && c <= '9'; })) return false;
  const int value = std::stoi(port);
  return value >= 1 && value <= 65535;
}

}  // namespace

std::string UpdateURL(const std::string& fileName) {
  return "http://" + ServerName() + "/upd/" + PercentEncode(fileName);
}

std::string LocalUpdateFolder() { return WorkFolder + "upd/"; }

std::string ServerName() { return basMockDraftSettings::GlobalSettings().StringVal(kSetUpdateServer); }

std::string ServerProblem() {
  const std::string server = ServerName();
  if (runtime::Trim(server).empty()) return "No update server is set.";
  const std::size_t colon = server.find(':');
  const bool ok = colon == std::string::npos ? IsHostName(server)
                                             : IsHostName(server.substr(0, colon)) && IsPort(server.substr(colon + 1));
  return ok ? std::string() : "The update server \"" + server + "\" is not a host name.";
}

std::chrono::milliseconds CheckDeadline() { return Deadline(); }

void SetCheckDeadline(std::chrono::milliseconds deadline) { Deadline() = deadline; }

void CheckClock::Pause() {
  if (paused_) return;
  left_ = std::max(end_ - std::chrono::steady_clock::now(), std::chrono::steady_clock::duration::zero());
  paused_ = true;
}

void CheckClock::Resume() {
  if (!paused_) return;
  end_ = std::chrono::steady_clock::now() + left_;
  paused_ = false;
}

int64_t CheckClock::LeftMs() const {
  return std::chrono::duration_cast<std::chrono::milliseconds>(paused_ ? left_
                                                                       : end_ - std::chrono::steady_clock::now())
      .count();
}

int64_t CheckClock::RemainingMs() const { return std::max<int64_t>(LeftMs(), 1); }

std::string UnableToGet(const std::string& name, const std::string& reason) {
  return "Unable to GET 'upd/" + name + "' from " + ServerName() + ": " + reason + ".";
}

}  // namespace basUpdateServer
