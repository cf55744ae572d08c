#include "player_data/basCreateSingleSeasonDB.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <system_error>

#include "core/PageCode.h"
#include "core/Seams.h"
#include "core/basDirToTextFile.h"
#include "core/basMessage.h"
#include "core/basMockDraftSettings.h"
#include "core/basMockItUp.h"
#include "core/basStatusControl.h"
#include "core/clsSettingsKD.h"
#include "core/clsStatusPlain.h"
#include "database/clsKickwellDB.h"
#include "platform/jet/Transaction.h"
#include "platform/runtime/FileIO.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/Text.h"
#include "player_data/StrainUpdatePromptView.h"
#include "player_data/basKWRImport.h"
#include "player_data/clsStrainUpdatePrompt.h"

namespace basCreateSingleSeasonDB {

namespace {

using basKWRImport::KwrImportResult;

namespace fs = std::filesystem;

// The end of a name after the prefix and its one separating character: the
// four-digit version and the extension, "0001.kwr".
constexpr std::size_t kVersionTail = 8;

std::string FileNameOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool FourDigits(const std::string& text, std::size_t at) {
  if (at + 4 > text.size()) return false;
  for (std::size_t i = at; i < at + 4; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
  }
  return true;
}

// The four digits before the name's last "." as a number; nullopt when they
// are not four digits.
std::optional<int32_t> StemVersion(const std::string& fileName) {
  const std::size_t dot = fileName.rfind('.');
  if (dot == std::string::npos || dot < 4 || !FourDigits(fileName, dot - 4)) return std::nullopt;
  return std::stoi(fileName.substr(dot - 4, 4));
}

// A header text as the text fields take it: files before version 4 carry
// NULs where the text would be, which is no text.
std::string FieldText(const std::string& headerText) { return runtime::TrimAtNul(headerText); }

std::string ErrorText(const std::exception_ptr& error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "Unknown error.";
  }
}

// A file beside the target that a build works in; removed unless it has
// been moved over the target. It is named and made as a save's temporary
// file is, so a build killed half-way leaves nothing the next save or build
// of the same target does not clear away.
class BuildFile {
 public:
  explicit BuildFile(const std::string& target) : target_(runtime::SaveTarget(target)) {
    std::string error;
    fd_ = runtime::CreateTemporaryBeside(target_, path_, &error);
    if (fd_ < 0) throw std::runtime_error("Cannot create a working file beside '" + target + "': " + error);
  }
  ~BuildFile() {
    CloseFile();
    if (path_.empty()) return;
    std::error_code ec;
    fs::remove(path_, ec);
    fs::remove(path_ + "-journal", ec);
  }
  BuildFile(const BuildFile&) = delete;
  BuildFile& operator=(const BuildFile&) = delete;

  const std::string& Path() const { return path_; }

  // Fills the working file with the source's bytes; it keeps the mode the
  // target is to have.
  void CopyFrom(const std::string& source) {
    std::error_code ec;
    if (!fs::is_regular_file(source, ec)) throw std::runtime_error("File Not Found:  '" + source + "'");
    const int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    std::string error = "Cannot copy '" + source + "'";
    const bool copied = in >= 0 && runtime::CopyAll(in, fd_, source, path_, &error);
    if (in >= 0) ::close(in);
    if (!copied || !CloseFile()) throw std::runtime_error(error);
  }

  // Moves the finished file over the target in one step.
  void Commit() {
    std::string error;
    if (!runtime::CommitTemporary(path_, target_, &error)) throw std::runtime_error(error);
    path_.clear();
  }

 private:
  bool CloseFile() {
    if (fd_ < 0) return true;
    const bool ok = ::fsync(fd_) == 0;
    ::close(fd_);
    fd_ = -1;
    return ok;
  }

  std::string target_;
  std::string path_;
  int fd_ = -1;
};

}  // namespace

// ------------------------------------------------------------------ file names and versions

std::string MasterPrefix(int16_t year) { return runtime::Format(year, "0000") + " Master"; }

bool HasStrain(const std::string& strainName) {
  const std::string name = runtime::Trim(strainName);
  return !name.empty() && !runtime::EqualsNoCase(name, "None");
}

bool IsFileOfPrefix(const std::string& fileName, const std::string& prefix) {
  if (fileName.size() < prefix.size() + 1 + kVersionTail) return false;
  if (!runtime::StartsWithNoCase(fileName, prefix) || !runtime::EndsWithNoCase(fileName, ".kwr"))
    return false;
  const std::size_t versionAt = fileName.size() - kVersionTail;
  if (!FourDigits(fileName, versionAt)) return false;
  // Exactly one character between the prefix and the version, so that
  // "Strain" does not take the files of "Strain B".
  return basDirToTextFile::CharacterCount(fileName.substr(prefix.size(), versionAt - prefix.size())) == 1;
}

int32_t FileNameVersion(const std::string& fileName) { return StemVersion(fileName).value_or(0); }

bool IsNumericFileStem(const std::string& fileName, int32_t minimum) {
  const std::optional<int32_t> version = StemVersion(fileName);
  return version && *version > minimum;
}

void SortFileNames(std::vector<std::string>& list, int32_t first, int32_t last) {
  if (first < 0 || last >= static_cast<int32_t>(list.size()) || first >= last) return;
  std::stable_sort(
      list.begin() + first, list.begin() + last + 1,
      [](const std::string& a, const std::string& b) { return runtime::CompareNoCase(a, b) < 0; });
}

int32_t ListKWRFiles(const std::string& prefix, int32_t fileType, std::vector<std::string>& list,
                     int32_t minimum) {
  const int32_t oldLast = static_cast<int32_t>(list.size()) - 1;
  if (fileType < 0 || fileType >= kPageCodeCount) return oldLast;
  const std::string& folder = FileTypeFolder[static_cast<std::size_t>(fileType)];
  if (folder.empty()) return oldLast;
  std::vector<std::string> names;
  basDirToTextFile::ListFolderEntriesEx(folder, names, "kwr");
  for (const std::string& name : names) {
    if (!IsFileOfPrefix(name, prefix) || !IsNumericFileStem(name, minimum)) continue;
    std::error_code ec;
    if (!fs::is_regular_file(folder + name, ec)) continue;
    list.push_back(folder + name);
  }
  const int32_t last = static_cast<int32_t>(list.size()) - 1;
  if (last > oldLast) SortFileNames(list, oldLast + 1, last);
  return last;
}

int32_t KWRFileVersion(const std::string& prefix, const std::vector<std::string>& list) {
  if (prefix.empty()) return 0;
  int32_t highest = 0;
  for (const std::string& path : list) {
    const std::string name = FileNameOf(path);
    if (IsFileOfPrefix(name, prefix)) highest = std::max(highest, FileNameVersion(name));
  }
  return highest;
}

// ------------------------------------------------------------------ applying files

KwrApplyOutcome ApplyKWRFiles(int16_t year, clsKickwellDB& db, const std::vector<std::string>& list,
                              std::string& text, bool keepModified) {
  basStatusControl::JobProgress progress("Projected Stats Update");
  clsStatusPlain& status = progress.Status();
  status.Clear(1);
  try {
    const float weight = list.empty() ? 0.0f : 100.0f / static_cast<float>(list.size());
    bool skipped = false;
    for (std::size_t i = 0; i < list.size(); ++i) {
      DoEvents();
      if (CancelFlag) return KwrApplyOutcome::kCancelled;
      const int32_t segment = static_cast<int32_t>(i);
      status.AddSegment(segment, weight);
      const KwrImportResult result =
          basKWRImport::ExpandKwrFile(db, list[i], year, status, text, segment, keepModified);
      if (result == KwrImportResult::kCancelled) return KwrApplyOutcome::kCancelled;
      if (result == KwrImportResult::kBlocksSkipped || result == KwrImportResult::kUnreadable) skipped = true;
    }
    // Versions are recorded only for files read whole, so the same files are
    // applied again next time (a sound copy of a file that did not read
    // among them).
    if (skipped) return KwrApplyOutcome::kBlocksSkipped;
    const int32_t master = KWRFileVersion(MasterPrefix(year), list);
    const std::string strain = db.StrainName();
    const int32_t strainVersion = HasStrain(strain) ? KWRFileVersion(strain, list) : 0;
    if (master > 0) db.SetMasterVersion(master);
    if (strainVersion > 0) {
      db.SetStrainVersion(strainVersion);
      if (strainVersion > db.StrainMaxOffer()) db.SetStrainMaxOffer(strainVersion);
    }
    return KwrApplyOutcome::kDone;
  } catch (...) {
    basMessage::ShowMessage("Projected Stats Not Updated", ErrorText(std::current_exception()), seams::kOk,
                            true);
    return KwrApplyOutcome::kFailed;
  }
}

int32_t ApplyNewerUpdates(clsKickwellDB& db, int32_t minimumVersion) {
  const int16_t year = db.pFnGetYear();
  std::vector<std::string> list;
  ListKWRFiles(MasterPrefix(year), kPagePlayerMasterRegistry, list, minimumVersion);
  const int32_t n = static_cast<int32_t>(list.size());
  if (n == 0) return 0;
  std::string text;
  return ApplyKWRFiles(year, db, list, text, true) == KwrApplyOutcome::kDone ? n : -n;
}

int32_t ApplyStrain(clsKickwellDB& db, const std::string& strainName, int32_t maximumVersion, bool takeAll,
                    bool keepModified) {
  if (!HasStrain(strainName)) {
    db.SetStrainName("None");
    db.SetStrainVersion(0);
    db.SetStrainMaxOffer(0);
    db.SetStrainURL("0");
    return 1;
  }
  const std::string name = runtime::Trim(strainName);
  std::vector<std::string> list;
  ListKWRFiles(name, kPageProjectedStatStrain, list, 0);
  std::vector<std::string> kept;
  for (const std::string& path : list) {
    // Sorted by version: the first one beyond the maximum ends the files kept.
    if (!takeAll && FileNameVersion(FileNameOf(path)) > maximumVersion) break;
    kept.push_back(path);
  }
  const int32_t n = static_cast<int32_t>(kept.size());
  if (n == 0) return 0;
  std::string text;
  if (ApplyKWRFiles(db.pFnGetYear(), db, kept, text, keepModified) != KwrApplyOutcome::kDone) return -n;
  const int32_t newest = KWRFileVersion(name, list);
  db.SetStrainName(name);
  db.SetStrainURL(FieldText(text));
  db.SetStrainVersion(maximumVersion > 0 ? maximumVersion : newest);
  db.SetStrainMaxOffer(newest);
  return n;
}

int32_t ApplyOneKWRFile(clsKickwellDB& db, const std::string& path, bool keepModified) {
  std::string text;
  if (ApplyKWRFiles(db.pFnGetYear(), db, {path}, text, keepModified) != KwrApplyOutcome::kDone) return -1;
  db.SetADPURL(FieldText(text));
  return 1;
}

int32_t FindAndApplyUpdates(clsKickwellDB& db) {
  const int16_t year = db.pFnGetYear();
  std::vector<std::string> masters;
  ListKWRFiles(MasterPrefix(year), kPagePlayerMasterRegistry, masters, db.MasterVersion());
  const int32_t m = static_cast<int32_t>(masters.size());
  std::string text;
  if (m > 0 && ApplyKWRFiles(year, db, masters, text, true) != KwrApplyOutcome::kDone) return -m;

  const std::string strain = db.StrainName();
  if (!HasStrain(strain)) return m;
  std::vector<std::string> offered;
  ListKWRFiles(strain, kPageProjectedStatStrain, offered, db.StrainMaxOffer());
  const int32_t n = static_cast<int32_t>(offered.size());
  if (n == 0) return m;

  StrainUpdateOptions = {false, true, basMockDraftSettings::GlobalSettings().BoolVal(kSetKeepModifiedStats)};
  clsStrainUpdatePrompt prompt;
  prompt.FileName(offered.back());
  seams::StrainUpdatePrompt().ShowModal(prompt);
  // Only OK answers "save"; the prompt answers "cancel" however else it closes.
  const bool cancelled = MessageAnswer != seams::kAnswerSave;
  const std::array<bool, 3> options = StrainUpdateOptions;

  bool apply = false;
  if (!cancelled) {
    if (options[kIgnoreStrainUpdate]) {
      // Offered once: the same files are not offered again.
      db.SetStrainMaxOffer(KWRFileVersion(strain, offered));
    } else {
      apply = options[kApplyStrainUpdate] || m > 0;
    }
  }
  if (apply) {
    if (ApplyKWRFiles(year, db, offered, text, options[kKeepModifiedStats]) != KwrApplyOutcome::kDone)
      return -n;
    db.SetStrainURL(FieldText(text));
    return n;
  }
  return cancelled || options[kIgnoreStrainUpdate] ? n : m;
}

void UpdateProjectedStats(clsKickwellDB& db, bool showMessage) {
  const int32_t result = FindAndApplyUpdates(db);
  if (!showMessage) return;
  const char* text = result == 0  ? "No new updates for Projected Stats."
                     : result > 0 ? "Updates applied to Projected Stats."
                                  : "Projected Stats update failed.";
  seams::MessageBox().PlainMessage(text, seams::PlainButtons::kOk, seams::PlainIcon::kNone,
                                   "Projected Stats Update");
}

// ------------------------------------------------------------------ building a database

bool CreateProjectedFile(int16_t year, const std::string& destination, const std::vector<std::string>& list,
                         bool updateOnly) {
  basStatusControl::JobProgress progress(updateOnly ? "KWR Update" : "KWR Full Season Expansion");
  clsStatusPlain& status = progress.Status();
  if (!HasStrain(SelectedStrainName)) SelectedStrainName = "None";
  const std::string strain = runtime::Trim(SelectedStrainName);
  try {
    BuildFile build(destination);
    build.CopyFrom(updateOnly ? destination : DefaultsFolder + "Default.pro");

    clsKickwellDB db;
    if (!db.InitializeKickwellDB(build.Path())) throw std::runtime_error(db.LastError());

    std::vector<std::string> files;
    for (const std::string& path : list) {
      if (!path.empty()) files.push_back(path);
    }
    status.Clear(1);
    std::string text;
    const float weight = files.empty() ? 0.0f : 100.0f / static_cast<float>(files.size());
    int32_t damaged = 0;
    int32_t unreadable = 0;
    for (std::size_t i = 0; i < files.size(); ++i) {
      const int32_t segment = static_cast<int32_t>(i);
      status.AddSegment(segment, weight);
      const KwrImportResult result = basKWRImport::ExpandKwrFile(db, files[i], year, status, text, segment, false);
      if (result == KwrImportResult::kCancelled) return false;
      if (result == KwrImportResult::kBlocksSkipped) ++damaged;
      if (result == KwrImportResult::kUnreadable) ++unreadable;
    }
    // A season built without a file's players would look complete and be empty.
    if (unreadable > 0) {
      throw std::runtime_error(std::to_string(unreadable) + " player-record file" + (unreadable == 1 ? "" : "s") +
                               " could not be read; the projected-stats file was left as it was.");
    }
    if (damaged > 0) {
      throw std::runtime_error("Blocks of " + std::to_string(damaged) + " player-record file" +
                               (damaged == 1 ? "" : "s") +
                               " could not be read; the projected-stats file was left as it was.");
    }

    // The version fields only once everything they claim is in the file.
    const int32_t master = KWRFileVersion(MasterPrefix(year), files);
    const int32_t strainVersion = HasStrain(strain) ? KWRFileVersion(strain, files) : 0;
    {
      jet::Transaction transaction(db.Database());
      auto settings = db.pSbEditableKickwellSQL("SELECT * FROM tblSettings;");
      if (settings->Eof()) throw std::runtime_error("The projected-stats file has no settings record.");
      const int32_t maxOffer = db.StrainMaxOffer();
      settings->Edit();
      settings->SetField("Year", jet::Value(static_cast<int>(year)));
      settings->SetField("MasterVersion", jet::Value(master));
      settings->SetField("StrainName", jet::Value(strain));
      settings->SetField("StrainVersion", jet::Value(strainVersion));
      if (strainVersion >= maxOffer) settings->SetField("StrainMaxOffer", jet::Value(strainVersion));
      settings->Update();
      settings.reset();
      db.SetStrainURL(FieldText(text));
      transaction.Commit();
    }
    db.pSbCloseKickwellDB();
    build.Commit();
    return true;
  } catch (...) {
    basMessage::ShowMessage("Projected File Not Created", ErrorText(std::current_exception()), seams::kOk,
                            true);
    return false;
  }
}

bool ChangeSeasonYear(clsKickwellDB& db, int16_t /*currentYear*/, int16_t newYear) {
  jet::Transaction transaction(db.Database());
  db.FullStatYearChange(newYear);
  db.SetMasterVersion(0);
  transaction.Commit();
  return false;
}

}  // namespace basCreateSingleSeasonDB
