#include "core/clsCheatIsolate.h"

#include <memory>
#include <stdexcept>

#include "core/basColourScheme.h"
#include "core/basFileExists_001.h"
#include "core/basMessage.h"
#include "core/basMockDraftSettings.h"
#include "core/basMockItUp.h"
#include "core/clsSettingsKD.h"

namespace {

std::size_t At(int32_t index) {
  if (index < 0 || index >= clsCheatIsolate::kCount) {
    throw std::out_of_range("Subscript out of range: project property " + std::to_string(index));
  }
  return static_cast<std::size_t>(index);
}

std::unique_ptr<clsCheatIsolate>& GlobalSlot() {
  static std::unique_ptr<clsCheatIsolate> project;
  return project;
}

}  // namespace

const std::array<std::string, clsCheatIsolate::kCount>& clsCheatIsolate::Keys() {
  // "Row Back Colour B" and "Mock Draft Targer" are spelt as existing
  // project files have them.
  static const std::array<std::string, kCount> keys = {
      "Additional Players", "Cheat Sheet Display Grid", "Use Color",           "File Type",
      "Heading Back Color", "Row Back Color A",         "Row Back Colour B",   "League Properties File",
      "Scoring System File", "Projected Stats File",    "Cheat Sheet Target",  "Mock Draft Targer",
      "Use Grid Lines",     "Mock Draft Display Grid",  "User Generated Mock Draft File",
      "Mock Draft Type",    "Export File Target"};
  return keys;
}

clsCheatIsolate::clsCheatIsolate() {
  const std::string exportFolder = basMockDraftSettings::GlobalSettings().StringVal(kSetExportFolder);
  defaults_ = {"10",
               "Cheat Sheet - Default.dis",
               "1",
               "0",
               std::to_string(PaletteColour[basColourScheme::kHeadingColour]),
               std::to_string(PaletteColour[basColourScheme::kProjectRowColourA]),
               std::to_string(PaletteColour[basColourScheme::kProjectRowColourB]),
               "",
               "",
               "",
               exportFolder + "CheatSheet",
               exportFolder + "MockDraft",
               "1",
               "Mock Draft - Default.dis",
               "",
               "0",
               exportFolder + "ExportGrid"};
  current_ = defaults_;
  saved_ = defaults_;
  ini_.SetHeader("Kickwell Draftyard Project");
  ini_.SetFileName(FileTypeDefaultName[kPageCheatSheetJob]);
}

const std::string& clsCheatIsolate::Value(int32_t index) const { return current_[At(index)]; }

void clsCheatIsolate::SetValue(int32_t index, const std::string& text) { current_[At(index)] = text; }

const std::string& clsCheatIsolate::DefaultValue(int32_t index) const { return defaults_[At(index)]; }

std::string clsCheatIsolate::ProjectFolder() { return FileTypeFolder[kPageCheatSheetJob]; }

bool clsCheatIsolate::OpenFile(const std::string& name) {
  lastError_.clear();
  if (name.empty() || !basFileExists_001::FileExists(ProjectFolder() + name, false)) return false;
  clsINIFile reader = ini_;
  reader.SetFilePath(ProjectFolder());
  reader.SetFileName(name);
  auto text = reader.ReadFile();
  if (!text) {
    lastError_ = reader.LastError();
    return false;
  }
  ini_ = reader;
  std::string refused;
  for (int32_t i = 0; i < kCount; ++i) {
    std::string& value = current_[At(i)];
    value = ini_.ValueIn(*text, Keys()[At(i)], defaults_[At(i)]);
    // A name leading out of its folder is used as a missing document would be.
    if (IsDocumentKey(i)) basMessage::KeepDocumentInFolder(value, defaults_[At(i)], Keys()[At(i)], refused);
  }
  saved_ = current_;
  writeFailed_ = false;
  basMessage::ReportRefusedDocuments("Project File Error", name, refused);
  return true;
}

bool clsCheatIsolate::IsDocumentKey(int32_t index) {
  switch (index) {
    case kProjCheatSheetDisplayGrid:
    case kProjLeaguePropertiesFile:
    case kProjScoringSystemFile:
    case kProjProjectedStatsFile:
    case kProjMockDraftDisplayGrid:
    case kProjUserMockDraftFile:
      return true;
    default:
      return false;
  }
}

bool clsCheatIsolate::WriteAll() {
  lastError_.clear();
  if (ini_.FileName().empty()) {
    lastError_ = "The project has no file name.";
    return false;
  }
  ini_.SetFilePath(ProjectFolder());
  win32::ProfileEntries entries;
  for (int32_t i = 0; i < kCount; ++i) entries.emplace_back(Keys()[At(i)], current_[At(i)]);
  if (!ini_.SetValues(entries)) {
    lastError_ = ini_.LastError();
    return false;
  }
  saved_ = current_;
  return true;
}

bool clsCheatIsolate::SaveFile() {
  if (!WriteAll()) {
    writeFailed_ = true;
    return false;
  }
  writeFailed_ = false;
  return true;
}

bool clsCheatIsolate::NewFile(const std::string& name) {
  ini_.SetFilePath(ProjectFolder());
  ini_.SetFileName(name);
  current_ = defaults_;
  saved_ = defaults_;
  writeFailed_ = false;
  lastError_.clear();
  if (name.empty()) return true;
  if (!WriteAll()) {
    writeFailed_ = true;
    return false;
  }
  return true;
}

bool clsCheatIsolate::pFnWereChangesMade() const { return writeFailed_ || current_ != saved_; }

clsCheatIsolate& GlobalProject() {
  auto& slot = GlobalSlot();
  if (!slot) slot = std::make_unique<clsCheatIsolate>();
  return *slot;
}

void ReleaseGlobalProject() { GlobalSlot().reset(); }
