#pragma once
// The three special folders the program asks for, mapped onto the XDG
// folders of this platform. Each comes back with a trailing '/', or as ""
// when it cannot be determined.

#include <cstdint>
#include <string>

namespace win32 {

// The identifiers the program uses.
constexpr int32_t kFolderDocuments = 5;        // the user's documents
constexpr int32_t kFolderLocalAppData = 28;    // the user's local application data
constexpr int32_t kFolderCommonAppData = 35;   // the all-users application data

// 5: $XDG_DOCUMENTS_DIR, else XDG_DOCUMENTS_DIR of the user's user-dirs.dirs
//    (in $XDG_CONFIG_HOME, else $HOME/.config), where a localised desktop
//    names its documents folder, else $HOME/Documents.
// 28: $XDG_DATA_HOME, else $HOME/.local/share.
// 35: the first existing folder of <executable folder>/../share and then the
//     entries of $XDG_DATA_DIRS (default /usr/local/share:/usr/share).
// Relative values of the XDG variables are ignored, as the XDG rules ask.
// Any other identifier gives "".
std::string SpecialFolder(int32_t folderId);

}  // namespace win32
