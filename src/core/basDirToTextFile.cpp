#include "core/basDirToTextFile.h"

#include <algorithm>
#include <optional>

#include "platform/runtime/Text.h"
#include "platform/win32/FileSystem.h"

namespace basDirToTextFile {

std::size_t CharacterCount(const std::string& text) {
  std::size_t count = 0;
  for (unsigned char c : text) {
    if ((c & 0xC0) != 0x80) ++count;
  }
  return count;
}

namespace {

std::optional<std::vector<std::string>> SortedListing(const std::string& folder) {
  auto listing = win32::ListFolder(folder);
  if (listing) {
    std::sort(listing->begin(), listing->end(), [](const std::string& a, const std::string& b) {
      int c = runtime::CompareNoCase(a, b);
      return c != 0 ? c < 0 : a < b;
    });
  }
  return listing;
}

}  // namespace

int32_t ListFolderEntries(const std::string& folder, std::vector<std::string>& names) {
  auto listing = SortedListing(folder);
  if (!listing) {
    names.assign(1, std::string());
    return 0;
  }
  names = std::move(*listing);
  return static_cast<int32_t>(names.size()) - 1;
}

int32_t ListFolderEntriesEx(const std::string& folder, std::vector<std::string>& names,
                            const std::string& ending) {
  names.clear();
  auto listing = SortedListing(folder);
  if (listing) {
    for (std::string& name : *listing) {
      if (CharacterCount(name) > 4 && runtime::EndsWithNoCase(name, ending)) names.push_back(std::move(name));
    }
  }
  return static_cast<int32_t>(names.size()) - 1;
}

}  // namespace basDirToTextFile
