#pragma once
// The application's title, version, maker and web addresses, shown by the
// About window, the welcome page and the Help menu.

#include <cstdint>
#include <string>

namespace AppInfo {

inline constexpr const char* kTitle = "Kickwell Draftyard";
// From the project's version in the build (CMake's project()).
inline constexpr int32_t kMajor = KD_VERSION_MAJOR;
inline constexpr int32_t kMinor = KD_VERSION_MINOR;
inline constexpr int32_t kRevision = KD_VERSION_PATCH;
inline constexpr const char* kMaker = "Vellacorn";

inline std::string VersionText() {
  return std::to_string(kMajor) + "." + std::to_string(kMinor) + "." + std::to_string(kRevision);
}

// The maker's pages.
inline constexpr const char* kHelpAddress = "https://www.vellacorn.com/kickwell/help/contents.html";
inline constexpr const char* kTutorialsAddress = "https://www.vellacorn.com/kickwell/tutorials.html";
inline constexpr const char* kAppDownloadAddress = "https://www.vellacorn.com/kickwell/download.html";
inline constexpr const char* kPlayerDataAddress = "https://www.vellacorn.com/kickwell/playerdata.html";
inline constexpr const char* kContactAddress = "https://www.vellacorn.com/contact.html";
inline constexpr const char* kForumsAddress = "https://www.vellacorn.com/forums/";

}  // namespace AppInfo
