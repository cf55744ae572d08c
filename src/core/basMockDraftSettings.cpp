#include "core/basMockDraftSettings.h"

#include <memory>

#include "core/basFileExists_001.h"
#include "core/basMockItUp.h"
#include "core/basOSPAths.h"
#include "core/clsSettingsKD.h"
#include "platform/runtime/Rounding.h"
#include "platform/runtime/Text.h"
#include "platform/win32/SpecialFolders.h"

namespace basMockDraftSettings {

namespace {

struct DefaultTable {
  std::array<std::string, 44> values;
  bool filled = false;
};

DefaultTable& Defaults() {
  static DefaultTable table;
  return table;
}

std::unique_ptr<clsSettingsKD>& GlobalSlot() {
  static std::unique_ptr<clsSettingsKD> settings;
  return settings;
}

// The update server of the maker; requests go to http://<host>/upd/.
constexpr const char* kUpdateServerHost = "update.vellacorn.com";

// The season of the bundled sample data.
constexpr const char* kDefaultSeason = "2024";

}  // namespace

void FillDefaultSettings() {
  auto& v = Defaults().values;
  v[kSetUpdateServer] = kUpdateServerHost;
  v[kSetCheckPlayerUpdates] = "True";
  v[kSetExportFolder] = basOSPAths::SpecialFolderPath(win32::kFolderDocuments);
  v[kSetWorkFolder] = basMockItUp::WorkFolderUnder(basOSPAths::SpecialFolderPath(win32::kFolderLocalAppData));
  v[kSetDefaultProjectedStats] = "2010 Default Stats.pro";
  for (int32_t i : {5, 15, 16, 17, 18, 22, 23, 24, 25}) v[static_cast<std::size_t>(i)] = "Stats - Offensive.dis";
  v[6] = "Stats - Passing Rushing.dis";
  for (int32_t i : {7, 8, 9, 13}) v[static_cast<std::size_t>(i)] = "Stats - Rushing Receiving.dis";
  v[10] = "Stats - Kicking.dis";
  for (int32_t i : {11, 12, 19, 20}) v[static_cast<std::size_t>(i)] = "Stats - Defensive.dis";
  v[14] = "Stats - Punting.dis";
  v[21] = "Stats - Team Defense.dis";
  v[kSetProjectedGridLines] = "False";
  v[kSetCheckApplicationUpdate] = "True";
  v[kSetUseMergeAs] = "True";
  v[kSetUserMockDepth] = "10";
  v[kSetUseProjectValidation] = "True";
  v[kSetEquilibriumDepth] = "4";
  v[kSetWindowMaximised] = "False";
  v[kSetWindowLeft] = "0";
  v[kSetWindowTop] = "0";
  v[kSetWindowWidth] = "0";
  v[kSetWindowHeight] = "0";
  v[kSetAskBeforeStrainUpdates] = "True";
  v[kSetDownloadAllUpdates] = "True";
  v[kSetCheckByeConflicts] = "True";
  v[kSetActiveSeason] = kDefaultSeason;
  v[kSetKeepModifiedStats] = "True";
  v[kSetEnableEquilibrium] = "False";
  v[kSetEnablePotentialGainLoss] = "True";
  Defaults().filled = true;
}

const std::array<std::string, 44>& DefaultSettings() {
  if (!Defaults().filled) FillDefaultSettings();
  return Defaults().values;
}

std::vector<int32_t> GroupMembers(int32_t group) {
  switch (group) {
    case kGroupAll: {
      std::vector<int32_t> all;
      for (int32_t i = 0; i < clsSettingsKD::kCount; ++i) all.push_back(i);
      return all;
    }
    case kGroupGeneral: return {27, 0, 30, 3, 2, 40};
    case kGroupProjectedStats: return {1, 38, 37, 26, 28, 41};
    case kGroupMockDrafts: return {39, 29, 31, 42, 43};
    case kGroupDisplayGrids: {
      std::vector<int32_t> grids;
      for (int32_t i = kSetFirstDisplayGrid; i <= kSetLastDisplayGrid; ++i) grids.push_back(i);
      return grids;
    }
    default: return {};
  }
}

clsSettingsKD& GlobalSettings() {
  auto& slot = GlobalSlot();
  if (!slot) slot = std::make_unique<clsSettingsKD>();
  return *slot;
}

bool InitializeSettings(const std::function<void()>& showWelcomeWindow) {
  FillDefaultSettings();
  return LoadSettingsFile(showWelcomeWindow);
}

bool LoadSettingsFile(const std::function<void()>& showWelcomeWindow) {
  clsSettingsKD& settings = GlobalSettings();
  const std::string path = settings.Ini().FilePath() + settings.Ini().FileName();
  if (basFileExists_001::FileExists(path, false)) return settings.Load();
  if (showWelcomeWindow) showWelcomeWindow();
  if (!settings.Save()) return false;
  return settings.Load();
}

int32_t ValidLong(const std::string& text, bool& ok) {
  ok = false;
  if (!runtime::IsNumeric(text)) return 0;
  int32_t value = 0;
  if (!runtime::TryCLng(runtime::Val(text), value)) return 0;
  ok = true;
  return value;
}

WindowPlacement RestoreWindowPlacement() {
  clsSettingsKD& settings = GlobalSettings();
  WindowPlacement placement;
  if (settings.LongVal(kSetWindowWidth) > 0) {
    placement.hasPosition = true;
    placement.top = settings.LongVal(kSetWindowTop);
    placement.left = settings.LongVal(kSetWindowLeft);
    placement.height = settings.LongVal(kSetWindowHeight);
    placement.width = settings.LongVal(kSetWindowWidth);
  }
  placement.maximised = settings.BoolVal(kSetWindowMaximised);
  return placement;
}

bool SaveWindowPlacement(const WindowState& window) {
  clsSettingsKD& settings = GlobalSettings();
  if (window.maximised) {
    settings.SetBoolVal(kSetWindowMaximised, true);
  } else {
    settings.SetBoolVal(kSetWindowMaximised, false);
    if (!window.minimised) {
      int32_t top = 0, left = 0, height = 0, width = 0;
      if (!runtime::TryCLng(window.top, top) || !runtime::TryCLng(window.left, left) ||
          !runtime::TryCLng(window.height, height) || !runtime::TryCLng(window.width, width)) {
        return false;
      }
      settings.SetLongVal(kSetWindowTop, top);
      settings.SetLongVal(kSetWindowLeft, left);
      settings.SetLongVal(kSetWindowHeight, height);
      settings.SetLongVal(kSetWindowWidth, width);
    }
  }
  return settings.Save();
}

void TerminateSettings() {
  GlobalSlot().reset();
  Defaults().values.fill("");
  Defaults().filled = false;
}

}  // namespace basMockDraftSettings
