// The project file: opening any text (document names that are not bare file
// names are refused), and saving and opening back what was read.

#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "core/basMockItUp.h"
#include "core/clsCheatIsolate.h"
#include "platform/runtime/FileIO.h"
#include "platform/win32/PrivateProfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string work = kdfuzz::ScratchSubFolder("project");
  basMockItUp::InitFileTypeTable(work);
  const std::string folder = kdfuzz::ScratchSubFolder("project/kdp");
  kdfuzz::EmptyFolder(folder);
  kdfuzz::WriteBytes(folder + "fuzz.kdp", kdfuzz::AsText(data, size));

  clsCheatIsolate project;
  const bool opened = project.OpenFile("fuzz.kdp");
  KD_FUZZ_CHECK(opened == (size <= win32::kMaxProfileBytes));
  if (!opened) return 0;
  KD_FUZZ_CHECK(!project.pFnWereChangesMade());
  for (int32_t i = 0; i < clsCheatIsolate::kCount; ++i) {
    // A document name never leads out of its folder.
    const std::string& value = project.Value(i);
    KD_FUZZ_CHECK(!clsCheatIsolate::IsDocumentKey(i) || value.empty() || runtime::IsBareFileName(value));
  }

  // A value read with a stray CR in it cannot be written back, nor can a
  // file that would grow past what can be read back; anything else saves.
  bool writable = true;
  win32::ProfileEntries entries;
  for (int32_t i = 0; i < clsCheatIsolate::kCount; ++i) {
    writable = writable && win32::ValidProfileValue(project.Value(i));
    entries.emplace_back(clsCheatIsolate::Keys()[static_cast<std::size_t>(i)], project.Value(i));
  }
  writable =
      writable &&
      win32::ApplyProfileWrites(kdfuzz::AsText(data, size), "Kickwell Draftyard Project", entries).size() <=
          win32::kMaxProfileBytes;
  const bool saved = project.SaveFile();
  KD_FUZZ_CHECK(saved == writable);
  if (!saved) {
    KD_FUZZ_CHECK(kdfuzz::ReadBytes(folder + "fuzz.kdp") == kdfuzz::AsText(data, size));
    return 0;
  }
  clsCheatIsolate reopened;
  KD_FUZZ_CHECK(reopened.OpenFile("fuzz.kdp"));
  for (int32_t i = 0; i < clsCheatIsolate::kCount; ++i) {
    KD_FUZZ_CHECK(reopened.Value(i) == project.Value(i));
  }
  return 0;
}
