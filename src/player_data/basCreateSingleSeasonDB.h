#pragma once
// Building a season's projected-stats database from player-record files and
// keeping it current with them.
//
// Three families of .kwr files live in the work folders: the season's
// master files ("<yyyy> Master NNNN.kwr", player master registry folder),
// the files of a projection strain ("<strain name> NNNN.kwr", projected-stat
// strain folder) and single files applied by name (ADP files). A file
// belongs to a prefix when its name is exactly the prefix (compared without
// regard to case), one character and four digits before ".kwr"; the digits
// are its version, and files of one prefix are applied in ascending version
// order. tblSettings records what a database holds: Year, MasterVersion,
// StrainName ("None" for none), StrainVersion, StrainMaxOffer (newer strain
// files are offered again), StrainURL and ADPURL (header texts).
//
// Imports run with the progress window and may be cancelled. A cancelled or
// failed application writes no version field, so the next update applies
// the same files again; the results of the appliers are then negative.
// Import failures are shown and counted here; a version field that cannot
// be written after an import raises jet::JetError to the caller.

#include <cstdint>
#include <string>
#include <vector>

class clsKickwellDB;

namespace basCreateSingleSeasonDB {

// The strain chosen in the new-file dialog, read by CreateProjectedFile;
// empty for none.
inline std::string SelectedStrainName;

// What became of applying a list of files. kBlocksSkipped: every file was
// imported, but blocks of some could not be read (each such file was
// reported once), or some file's header did not read; like a cancel, it
// records no version field.
enum class KwrApplyOutcome { kDone, kCancelled, kFailed, kBlocksSkipped };

// "2024 Master": the prefix of a season's master and update files.
std::string MasterPrefix(int16_t year);
// False for an empty name and for "None" (in any case): no strain.
bool HasStrain(const std::string& strainName);
// True when the bare file name is prefix + one character + four digits + ".kwr"
// (prefix and extension without regard to case).
bool IsFileOfPrefix(const std::string& fileName, const std::string& prefix);

// Appends folder + name for every ".kwr" file of the prefix in the folder
// of the file type whose version is above `minimum`, the new entries sorted
// among themselves. Returns the list's last index (-1 when empty).
int32_t ListKWRFiles(const std::string& prefix, int32_t fileType, std::vector<std::string>& list,
                     int32_t minimum);
// Sorts entries first..last ascending, without regard to case; a stable
// sort, so names equal but for case keep their listed order.
void SortFileNames(std::vector<std::string>& list, int32_t first, int32_t last);
// The highest version among the list's files of the prefix; 0 when none or
// when the prefix is empty.
int32_t KWRFileVersion(const std::string& prefix, const std::vector<std::string>& list);
// The four characters before the name's last "." as a number; 0 when they
// are not four digits.
int32_t FileNameVersion(const std::string& fileName);
// True when the four characters before the last "." are digits and their
// number is above `minimum`.
bool IsNumericFileStem(const std::string& fileName, int32_t minimum);

// Imports the files in list order with the progress window "Projected Stats
// Update". Done: MasterVersion, and StrainVersion / StrainMaxOffer of the
// database's strain, are raised to the versions the list holds; `text` is
// the header text of the last file. A failure shows its reason captioned
// "Projected Stats Not Updated"; rows written before it stay. Files with
// skipped blocks are all imported, and the result says they were.
KwrApplyOutcome ApplyKWRFiles(int16_t year, clsKickwellDB& db, const std::vector<std::string>& list,
                              std::string& text, bool keepModified);

// Applies the season's master files above the version (keeping modified
// player-weeks). The number of files, its negative when cancelled or
// failed, 0 when there is none.
int32_t ApplyNewerUpdates(clsKickwellDB& db, int32_t minimumVersion);

// Makes the database follow a strain: its files (all, or with takeAll
// False those up to maximumVersion) are applied and StrainName, StrainURL,
// StrainVersion (maximumVersion when above 0, else the newest file's) and
// StrainMaxOffer (the newest file's) recorded. No strain ("None" or empty)
// records StrainName "None", versions 0, StrainURL "0" and answers 1.
// Otherwise the number of files applied, negative when cancelled or failed,
// 0 when there was none (nothing recorded then).
int32_t ApplyStrain(clsKickwellDB& db, const std::string& strainName, int32_t maximumVersion, bool takeAll,
                    bool keepModified);

// Applies one file (an ADP file) and records its header text as ADPURL:
// 1 when applied, -1 when cancelled or failed.
int32_t ApplyOneKWRFile(clsKickwellDB& db, const std::string& path, bool keepModified);

// Applies the season's master files above MasterVersion, then offers the
// strain's files above StrainMaxOffer through the strain-update prompt and
// does what its answer says. The number of master files, or of strain
// files once some were on offer; negative when an import was cancelled or
// failed.
int32_t FindAndApplyUpdates(clsKickwellDB& db);

// FindAndApplyUpdates, then with showMessage the outcome in a plain box
// captioned "Projected Stats Update".
void UpdateProjectedStats(clsKickwellDB& db, bool showMessage);

// Builds the database at `destination` for the season from the files of
// the list (an empty entry is passed over): a copy of the template
// (DefaultsFolder + "Default.pro"), or with updateOnly of the destination
// itself, is imported into and given its version fields in a temporary file
// beside the destination, which replaces the destination only when the
// build is complete. A cancelled or failed build (the latter shown
// captioned "Projected File Not Created") leaves the destination as it was
// and answers False; so does a build from files with headers or blocks that
// could not be read, which would be incomplete. The strain is SelectedStrainName
// ("None" when empty).
bool CreateProjectedFile(int16_t year, const std::string& destination, const std::vector<std::string>& list,
                         bool updateOnly);

// Moves the database to another season (every stat row and the settings
// record) and forgets its master version, whose files belonged to the old
// season; both or neither. Always False, as its callers expect.
bool ChangeSeasonYear(clsKickwellDB& db, int16_t currentYear, int16_t newYear);

}  // namespace basCreateSingleSeasonDB
