#pragma once
// The new projected-stats file dialog (frmNewProjected, "New Projected
// Stats File"): a season and a source, then the new file's name. What its
// arrows, options, Browse buttons and OK / Cancel do lives here; the window
// shows this state and forwards its clicks.
//
// Sources: 0 Static, a copy of another projected-stats file; 1 Dynamic, the
// season's master files and a projection strain; 2 None, the season's
// master files alone (no file at all builds the template's empty season).
// OK asks for the name and prepares what the page builds: the season, the
// player-record files in the order they apply, and the strain. A Static copy
// is made here, replacing a file of that name only once it is complete; the
// file list then holds one empty entry, meaning "nothing to build".

#include <cstdint>
#include <string>
#include <vector>

class clsUINewProjected {
 public:
  static constexpr const char* kCaption = "New Projected Stats File";
  enum Source : int32_t { kStatic = 0, kDynamic = 1, kNone = 2 };

  // The season starts at setting 40 (the active season).
  clsUINewProjected();

  // The file the page showed; the dialog does not use it.
  void PassCurrentPro(const std::string& name) { currentPro_ = name; }

  // lblYear: " " + the season.
  std::string YearLabel() const { return " " + std::to_string(season_); }
  int32_t Season() const { return season_; }
  // picUp / picDown; a season stays within four digits.
  void picUp_Click();
  void picDown_Click();

  static const char* OptionCaption(int32_t index);
  int32_t SourceIndex() const { return source_; }
  // Option1: remembers the source; only its own Browse button and label
  // are enabled.
  void Option1_Click(int32_t index);
  bool StaticEnabled() const { return source_ == kStatic; }
  bool DynamicEnabled() const { return source_ == kDynamic; }

  // lblSt / lblDy: " " + the chosen file name.
  const std::string& StaticLabel() const { return lblSt_; }
  const std::string& DynamicLabel() const { return lblDy_; }
  // The Browse buttons: the file dialog in Select mode for projected-stats
  // files (Static) or projection-strain files (Dynamic).
  void mStatic_Click();
  void mDynamic_Click();

  // 0 OK: the confirmation; every refusal leaves the dialog open. 1 Cancel
  // closes it with no name chosen.
  void mOK_Click(int32_t index);
  // The window's close box: as Cancel.
  void CloseWindow();
  bool Closed() const { return closed_; }

  // After the dialog closed: the new file's bare name ("" when none was
  // chosen), the files to build it from and the strain ("" for none).
  const std::string& ChosenName() const { return chosenName_; }
  const std::vector<std::string>& Files() const { return files_; }
  const std::string& StrainName() const { return strainName_; }
  // True when the chosen file is a finished copy with nothing to build.
  bool IsCopy() const { return !files_.empty() && files_.front().empty(); }

 private:
  bool Confirm();

  std::string currentPro_;
  int32_t season_ = 0;
  int32_t source_ = kStatic;
  std::string lblSt_;
  std::string lblDy_;
  std::string chosenName_;
  std::vector<std::string> files_;
  std::string strainName_;
  bool closed_ = false;
};
