#include "player_data/clsAppUpdate.h"

#include <algorithm>
#include <vector>

#include "platform/runtime/FileIO.h"
#include "platform/runtime/Text.h"
#include "platform/win32/FileSystem.h"
#include "player_data/basUpdateServer.h"
#include "core/basMessage.h"

namespace {

constexpr const char* kVersionFile = "kd.txt";
constexpr const char* kCaption = "Kickwell Draftyard Update";
// A version file is one short line; anything longer is not one, and is
// refused while it arrives.
constexpr int64_t kMaxVersionFileBytes = 4096;
// A version number has at most this many digits (it is compared as a number).
constexpr std::size_t kMaxVersionDigits = 9;

bool IsVersionNumber(const std::string& part) {
  return !part.empty() && part.size() <= kMaxVersionDigits &&
         std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts(1);
  for (char c : text) {
    if (c == separator) {
      parts.emplace_back();
    } else {
      parts.back() += c;
    }
  }
  return parts;
}

}  // namespace

clsAppUpdate::~clsAppUpdate() {
  if (pendingID_ != -1) seams::Downloads().Abandon(pendingID_);
}

bool clsAppUpdate::InitializeAppUpdate(bool manual) {
  clock_.Start();
  // At start-up a check that fails stays silent; one the user asked for says why.
  if (const std::string problem = basUpdateServer::ServerProblem(); !problem.empty()) {
    if (manual) ShowFailure(problem);
    return false;
  }
  const std::string local = basUpdateServer::LocalUpdateFolder() + kVersionFile;
  const std::string url = basUpdateServer::UpdateURL(kVersionFile);
  // An old copy must not be taken for this check's answer.
  if (win32::EntryExists(local)) win32::DeleteFile(local);
  const int32_t id = clsDownFile::NextDownloadNumber();
  if (!list_.Start({url, local, kMaxVersionFileBytes, clock_.RemainingMs()}, manual, id,
                   clsDownFile::ReachOwner(weak_from_this(), &clsAppUpdate::OnDownloadComplete))) {
    if (manual) ShowFailure(basUpdateServer::UnableToGet(kVersionFile, list_.Error(id)));
    return false;
  }
  pendingID_ = id;
  return true;
}

void clsAppUpdate::OnDownloadComplete(int32_t id, const seams::DownloadResult& result) {
  pendingID_ = -1;
  clock_.Pause();
  if (list_.SaveBinaryFile(result, id)) {
    HandleAppFile(list_.Manual(id));
  } else if (list_.Finished(id) && list_.Manual(id)) {
    ShowFailure(basUpdateServer::UnableToGet(kVersionFile, list_.Error(id)));
  }
  if (DoneAppUpdate) DoneAppUpdate(false, false);
}

void clsAppUpdate::ShowFailure(const std::string& why) {
  basMessage::ShowMessage(kCaption,
                          "Unable to check for a new version of Kickwell Draftyard." + std::string(runtime::kCrLf) + why,
                          seams::kOk, true);
}

bool clsAppUpdate::HandleAppFile(bool manual) {
  std::string field;
  if (auto bytes = runtime::ReadFileBytes(basUpdateServer::LocalUpdateFolder() + kVersionFile, nullptr,
                                          static_cast<uint64_t>(kMaxVersionFileBytes))) {
    const std::size_t end = bytes->find_first_of(",\r\n");
    field = bytes->substr(0, end);
  }
  std::string versionText;
  const bool newer = IsNewer(field, own_, versionText);
  if (versionText.empty()) {
    if (manual) {
      ShowFailure("'upd/" + std::string(kVersionFile) + "' on " + basUpdateServer::ServerName() +
                  " holds no version number.");
    }
    return false;
  }
  if (newer) {
    if (basMessage::AskYesNo(kCaption, "Kickwell Draftyard " + versionText + " is available for download." +
                                           std::string(runtime::kCrLf) + "  Would you like to " + "download update now?")) {
      if (!downloadPage_.empty()) seams::ShellOpen().Open(downloadPage_);
    }
    return true;
  }
  if (manual) {
    basMessage::ShowMessage(kCaption,
                            "Kickwell Draftyard " + std::to_string(own_.major) + "." + std::to_string(own_.minor) +
                                "." + std::to_string(own_.revision) + " is up to date.",
                            seams::kOk, true);
  }
  return false;
}

bool clsAppUpdate::IsNewer(const std::string& firstField, const Version& own, std::string& versionText) {
  versionText.clear();
  const std::vector<std::string> parts = Split(firstField, '.');
  if (parts.size() != 4) return false;
  for (std::size_t i = 1; i < 4; ++i) {
    if (!IsVersionNumber(parts[i])) return false;
  }
  versionText = parts[1] + "." + parts[2] + "." + parts[3];
  const int64_t major = std::stoll(parts[1]);
  const int64_t minor = std::stoll(parts[2]);
  const int64_t revision = std::stoll(parts[3]);
  if (major != own.major) return major > own.major;
  if (minor != own.minor) return minor > own.minor;
  return revision > own.revision;
}
