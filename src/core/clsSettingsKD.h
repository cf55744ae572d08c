#pragma once
// The application's 44 settings, kept as text under the keys "0".."43" of
// the section "Kickwell Draftyard Settings" in "kd_settings.ini" in the work
// folder. Typed accessors convert on every access. An index outside 0..43
// throws std::out_of_range. The file is described in
// docs/settings-and-project-files.md.

#include <array>
#include <cstdint>
#include <string>

#include "core/clsINIFile.h"

// Setting indexes.
enum SettingIndex : int32_t {
  kSetUpdateServer = 0,
  kSetCheckPlayerUpdates = 1,
  kSetExportFolder = 2,
  kSetWorkFolder = 3,
  kSetDefaultProjectedStats = 4,
  kSetFirstDisplayGrid = 5,   // 5..25: display grid of position ID index - 4
  kSetLastDisplayGrid = 25,
  kSetProjectedGridLines = 26,
  kSetCheckApplicationUpdate = 27,
  kSetUseMergeAs = 28,
  kSetUserMockDepth = 29,
  kSetUseProjectValidation = 30,
  kSetEquilibriumDepth = 31,
  kSetWindowMaximised = 32,
  kSetWindowLeft = 33,
  kSetWindowTop = 34,
  kSetWindowWidth = 35,
  kSetWindowHeight = 36,
  kSetAskBeforeStrainUpdates = 37,
  kSetDownloadAllUpdates = 38,
  kSetCheckByeConflicts = 39,
  kSetActiveSeason = 40,
  kSetKeepModifiedStats = 41,
  kSetEnableEquilibrium = 42,
  kSetEnablePotentialGainLoss = 43,
};

// Groups of AssignDefaults: the tabs of the settings window.
enum SettingsGroup : int32_t {
  kGroupAll = -1,
  kGroupGeneral = 0,
  kGroupProjectedStats = 1,
  kGroupMockDrafts = 2,
  kGroupDisplayGrids = 3,
};

class clsSettingsKD {
 public:
  static constexpr int32_t kCount = 44;
  // The projected depth of the user mock draft (setting 29), as the settings
  // window takes it: each projected pick is a look-ahead run of its own.
  static constexpr int32_t kUserMockDepthMin = 1;
  static constexpr int32_t kUserMockDepthMax = 256;

  // Over the work folder's "kd_settings.ini", every value at its default.
  clsSettingsKD();

  // True when the text, upper-cased, is "YES" or "TRUE".
  bool BoolVal(int32_t index) const;
  void SetBoolVal(int32_t index, bool value);
  const std::string& StringVal(int32_t index) const;
  void SetStringVal(int32_t index, const std::string& value);
  // The text as a whole number (basMockDraftSettings::ValidLong); 0 when it is none.
  int32_t LongVal(int32_t index) const;
  void SetLongVal(int32_t index, int32_t value);
  // 1 when BoolVal, else 0 (a check box's value).
  int32_t CheckVal(int32_t index) const;
  // Stores "True" for 1 and "False" for anything else.
  void SetCheckVal(int32_t index, int32_t value);
  // The key read straight from the file (default "0"), as a whole number.
  int32_t UpdateVersion(const std::string& key);

  // Reads all 44 values from the file; a missing key (or file) gives the
  // default. A projected depth above the settings window's range is cut to
  // its top, and a document name that is not a bare file name (a path, "..")
  // takes its default after one message. False, with the values unchanged,
  // when the file exists but cannot be read.
  bool Load();
  // Writes all 44 values in one save. False when the file could not be
  // written (it is then unchanged); LastError() tells why.
  bool Save();
  // Resets the settings of one group (-1 all) to their defaults; any other
  // group changes nothing.
  void AssignDefaults(int32_t group);

  const std::string& LastError() const { return ini_.LastError(); }
  clsINIFile& Ini() { return ini_; }

 private:
  clsINIFile ini_;
  std::array<std::string, kCount> values_;
};
