// The INI reader and writer on arbitrary file text: every lookup agrees with
// the file read through the path, and writing one key gives that key back
// while every other key keeps its value.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "FuzzSupport.h"
#include "core/clsINIFile.h"
#include "platform/runtime/Text.h"
#include "platform/win32/PrivateProfile.h"

namespace {

using Name = std::pair<std::string, std::string>;  // section, key

std::string_view Trim(std::string_view s) {
  const std::size_t b = s.find_first_not_of(" \t");
  if (b == std::string_view::npos) return {};
  return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

// Up to a few (section, key) names that occur in the text, so that the
// lookups below hit real lines, plus names that never occur.
std::vector<Name> NamesIn(std::string_view text) {
  std::vector<Name> names = {{"Kickwell Draftyard Settings", "0"},
                             {"Kickwell Draftyard Project", "Use Color"}};
  std::string section;
  std::size_t start = 0;
  while (start < text.size() && names.size() < 10) {
    std::size_t lf = text.find('\n', start);
    std::string_view line =
        text.substr(start, lf == std::string_view::npos ? std::string_view::npos : lf - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::string_view t = Trim(line);
    if (!t.empty() && t.front() == '[') {
      t.remove_prefix(1);
      section = std::string(Trim(t.substr(0, t.find(']'))));
    } else if (std::size_t eq = line.find('='); eq != std::string_view::npos) {
      names.emplace_back(section, std::string(Trim(line.substr(0, eq))));
    }
    if (lf == std::string_view::npos) break;
    start = lf + 1;
  }
  return names;
}

const std::string kMissing = "\x01missing";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string folder = kdfuzz::ScratchSubFolder("ini");
  const std::string path = folder + "fuzz.ini";
  kdfuzz::WriteBytes(path, kdfuzz::AsText(data, size));
  const std::string text(kdfuzz::AsText(data, size));
  const std::vector<Name> names = NamesIn(text);

  clsINIFile ini;
  ini.SetFilePath(folder);
  ini.SetFileName("fuzz.ini");
  const std::optional<std::string> read = ini.ReadFile();
  KD_FUZZ_CHECK(read.has_value() == (size <= win32::kMaxProfileBytes));
  if (!read) return 0;
  KD_FUZZ_CHECK(*read == text);

  for (const auto& [section, key] : names) {
    ini.SetHeader(section);
    const std::optional<std::string> found = win32::FindProfileValue(text, section, key);
    const std::string value = ini.ValueIn(text, key, kMissing);
    KD_FUZZ_CHECK(value == (found ? *found : kMissing));
    KD_FUZZ_CHECK(ini.Value(key, kMissing) == value);
    KD_FUZZ_CHECK(win32::GetPrivateProfileString(section, key, kMissing, path) == value);
  }

  // Write the first name that can be written; the file then answers the new
  // value for it and the old value for every other name.
  for (const auto& [section, key] : names) {
    if (!win32::ValidProfileSection(section) || !win32::ValidProfileKey(key)) continue;
    const std::string written = "v=1 \t[x]";
    std::string error;
    const bool saved = win32::WritePrivateProfileString(section, key, written, path, &error);
    // Only a file that would grow past what can be read back is refused.
    KD_FUZZ_CHECK(saved == (win32::ApplyProfileWrites(text, section, {{key, written}}).size() <=
                            win32::kMaxProfileBytes));
    if (!saved) {
      KD_FUZZ_CHECK(kdfuzz::ReadBytes(path) == text);
      break;
    }
    const std::string after = kdfuzz::ReadBytes(path);
    KD_FUZZ_CHECK(win32::FindProfileValue(after, section, key) == written);
    for (const auto& [otherSection, otherKey] : names) {
      if (runtime::EqualsNoCase(Trim(otherSection), Trim(section)) &&
          runtime::EqualsNoCase(Trim(otherKey), Trim(key)))
        continue;
      KD_FUZZ_CHECK(win32::FindProfileValue(after, otherSection, otherKey) ==
                    win32::FindProfileValue(text, otherSection, otherKey));
    }
    // Writing the same key again changes nothing more.
    KD_FUZZ_CHECK(win32::ApplyProfileWrites(after, section, {{key, written}}) == after);
    break;
  }
  return 0;
}
