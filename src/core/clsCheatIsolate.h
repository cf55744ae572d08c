#pragma once
// The open project: 17 properties kept as text, written to and read from a
// project file (extension "kdp") in the project folder, with detection of
// unsaved changes. The file is an INI file with one section "Kickwell
// Draftyard Project"; see docs/settings-and-project-files.md. An index
// outside 0..16 throws std::out_of_range.

#include <array>
#include <cstdint>
#include <string>

#include "core/clsINIFile.h"

// Project property indexes.
enum ProjectProperty : int32_t {
  kProjAdditionalPlayers = 0,
  kProjCheatSheetDisplayGrid = 1,
  kProjUseColor = 2,
  kProjFileType = 3,
  kProjHeadingBackColor = 4,
  kProjRowBackColorA = 5,
  kProjRowBackColorB = 6,
  kProjLeaguePropertiesFile = 7,
  kProjScoringSystemFile = 8,
  kProjProjectedStatsFile = 9,
  kProjCheatSheetTarget = 10,
  kProjMockDraftTarget = 11,
  kProjUseGridLines = 12,
  kProjMockDraftDisplayGrid = 13,
  kProjUserMockDraftFile = 14,
  kProjMockDraftType = 15,
  kProjExportFileTarget = 16,
};

class clsCheatIsolate {
 public:
  static constexpr int32_t kCount = 17;

  // Every value at its default (the colours from the palette, the targets
  // under the export folder of the global settings, both read now); no file
  // name; no changes.
  clsCheatIsolate();

  const std::string& Value(int32_t index) const;
  // Changes the value in memory only.
  void SetValue(int32_t index, const std::string& text);

  const std::string& FileName() const { return ini_.FileName(); }
  void SetFileName(const std::string& name) { ini_.SetFileName(name); }

  // Reads the named file of the project folder: missing keys take their
  // defaults and every value counts as saved. A document name that is not a
  // bare file name (a path, "..") takes its default too, after one message
  // naming every such key. False, with nothing changed, when the file does
  // not exist or cannot be read.
  bool OpenFile(const std::string& name);
  // Writes all 17 values to the current file in one save and marks them
  // saved. False, with nothing marked saved, when there is no file name or
  // the write failed (LastError tells why).
  bool SaveFile();
  // Resets every value to its default under the given name and writes the
  // file at once (its other sections are kept). An empty name gives an
  // unnamed project and writes nothing. False when the write failed; the
  // defaults then count as unsaved changes.
  bool NewFile(const std::string& name);
  // True when any value differs from its saved value (exact comparison), or
  // the last write failed.
  bool pFnWereChangesMade() const;

  // True for the properties that name a document of a work sub-folder.
  static bool IsDocumentKey(int32_t index);
  // The key of each property in the file, and its default.
  static const std::array<std::string, kCount>& Keys();
  const std::string& DefaultValue(int32_t index) const;
  // The project folder: the file-type table's folder of page code 5.
  static std::string ProjectFolder();
  const std::string& LastError() const { return lastError_; }

 private:
  bool WriteAll();

  clsINIFile ini_;
  std::array<std::string, kCount> current_;
  std::array<std::string, kCount> saved_;
  std::array<std::string, kCount> defaults_;
  bool writeFailed_ = false;
  std::string lastError_;
};

// The one project object of the program, created on first use.
clsCheatIsolate& GlobalProject();
// Releases it (the next use creates a fresh one).
void ReleaseGlobalProject();
