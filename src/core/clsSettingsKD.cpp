#include "core/clsSettingsKD.h"

#include <stdexcept>

#include "core/basMessage.h"
#include "core/basMockDraftSettings.h"
#include "core/basMockItUp.h"
#include "platform/runtime/Text.h"

namespace {

std::size_t At(int32_t index) {
  if (index < 0 || index >= clsSettingsKD::kCount) {
    throw std::out_of_range("Subscript out of range: setting " + std::to_string(index));
  }
  return static_cast<std::size_t>(index);
}

}  // namespace

clsSettingsKD::clsSettingsKD() {
  ini_.SetFileName("kd_settings.ini");
  ini_.SetFilePath(WorkFolder);
  ini_.SetHeader("Kickwell Draftyard Settings");
  AssignDefaults(kGroupAll);
}

bool clsSettingsKD::BoolVal(int32_t index) const {
  const std::string upper = runtime::UCase(values_[At(index)]);
  return upper == "YES" || upper == "TRUE";
}

void clsSettingsKD::SetBoolVal(int32_t index, bool value) { values_[At(index)] = value ? "True" : "False"; }

const std::string& clsSettingsKD::StringVal(int32_t index) const { return values_[At(index)]; }

void clsSettingsKD::SetStringVal(int32_t index, const std::string& value) { values_[At(index)] = value; }

int32_t clsSettingsKD::LongVal(int32_t index) const {
  bool ok = false;
  return basMockDraftSettings::ValidLong(values_[At(index)], ok);
}

void clsSettingsKD::SetLongVal(int32_t index, int32_t value) { values_[At(index)] = std::to_string(value); }

int32_t clsSettingsKD::CheckVal(int32_t index) const { return BoolVal(index) ? 1 : 0; }

void clsSettingsKD::SetCheckVal(int32_t index, int32_t value) { SetBoolVal(index, value == 1); }

int32_t clsSettingsKD::UpdateVersion(const std::string& key) {
  bool ok = false;
  return basMockDraftSettings::ValidLong(ini_.Value(key, "0"), ok);
}

bool clsSettingsKD::Load() {
  auto text = ini_.ReadFile();
  if (!text) return false;
  const auto& defaults = basMockDraftSettings::DefaultSettings();
  std::string refused;
  for (int32_t i = 0; i < kCount; ++i) {
    std::string& value = values_[At(i)];
    value = ini_.ValueIn(*text, std::to_string(i), defaults[At(i)]);
    const bool documentName =
        i == kSetDefaultProjectedStats || (i >= kSetFirstDisplayGrid && i <= kSetLastDisplayGrid);
    if (documentName) basMessage::KeepDocumentInFolder(value, defaults[At(i)], std::to_string(i), refused);
  }
  // Each projected pick is a look-ahead of its own: a depth above what the
  // settings window takes would keep the page busy without end. (A depth
  // below 1 switches the projection off.)
  if (LongVal(kSetUserMockDepth) > kUserMockDepthMax) SetLongVal(kSetUserMockDepth, kUserMockDepthMax);
  basMessage::ReportRefusedDocuments("Settings File Error", ini_.FileName(), refused);
  return true;
}

bool clsSettingsKD::Save() {
  win32::ProfileEntries entries;
  entries.reserve(kCount);
  for (int32_t i = 0; i < kCount; ++i) entries.emplace_back(std::to_string(i), values_[At(i)]);
  return ini_.SetValues(entries);
}

void clsSettingsKD::AssignDefaults(int32_t group) {
  const auto& defaults = basMockDraftSettings::DefaultSettings();
  for (int32_t index : basMockDraftSettings::GroupMembers(group)) values_[At(index)] = defaults[At(index)];
}
