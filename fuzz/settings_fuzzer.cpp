// The settings file: loading any text, reading every setting through each
// typed accessor, restoring the window placement, and saving and loading
// back what was read.

#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "core/basMockDraftSettings.h"
#include "core/basMockItUp.h"
#include "core/clsSettingsKD.h"
#include "platform/runtime/FileIO.h"
#include "platform/win32/PrivateProfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string work = kdfuzz::ScratchSubFolder("settings");
  kdfuzz::EmptyFolder(work);
  basMockItUp::InitFileTypeTable(work);
  kdfuzz::WriteBytes(work + "kd_settings.ini", kdfuzz::AsText(data, size));

  clsSettingsKD settings;
  const bool loaded = settings.Load();
  KD_FUZZ_CHECK(loaded == (size <= win32::kMaxProfileBytes));
  if (!loaded) return 0;
  for (int32_t i = 0; i < clsSettingsKD::kCount; ++i) {
    (void)settings.BoolVal(i);
    (void)settings.LongVal(i);
    (void)settings.CheckVal(i);
    (void)settings.StringVal(i);
  }
  (void)settings.UpdateVersion("0");
  // What the program uses is bounded as the settings window bounds it, and
  // document names stay in their folders.
  KD_FUZZ_CHECK(settings.LongVal(kSetUserMockDepth) <= clsSettingsKD::kUserMockDepthMax);
  for (int32_t i = kSetFirstDisplayGrid; i <= kSetLastDisplayGrid; ++i) {
    KD_FUZZ_CHECK(settings.StringVal(i).empty() || runtime::IsBareFileName(settings.StringVal(i)));
  }

  clsSettingsKD& global = basMockDraftSettings::GlobalSettings();
  global.Ini().SetFilePath(work);
  KD_FUZZ_CHECK(global.Load());
  (void)basMockDraftSettings::RestoreWindowPlacement();

  // A value read with a stray CR in it cannot be written back, nor can a
  // file that would grow past what can be read back; anything else saves.
  bool writable = true;
  win32::ProfileEntries entries;
  for (int32_t i = 0; i < clsSettingsKD::kCount; ++i) {
    writable = writable && win32::ValidProfileValue(settings.StringVal(i));
    entries.emplace_back(std::to_string(i), settings.StringVal(i));
  }
  writable =
      writable &&
      win32::ApplyProfileWrites(kdfuzz::AsText(data, size), "Kickwell Draftyard Settings", entries).size() <=
          win32::kMaxProfileBytes;
  const bool saved = settings.Save();
  KD_FUZZ_CHECK(saved == writable);
  if (!saved) {
    KD_FUZZ_CHECK(kdfuzz::ReadBytes(work + "kd_settings.ini") == kdfuzz::AsText(data, size));
    return 0;
  }
  clsSettingsKD reloaded;
  KD_FUZZ_CHECK(reloaded.Load());
  for (int32_t i = 0; i < clsSettingsKD::kCount; ++i) {
    KD_FUZZ_CHECK(reloaded.StringVal(i) == settings.StringVal(i));
  }
  return 0;
}
