#pragma once
// The user's special folders.

#include <cstdint>
#include <string>

namespace basOSPAths {

// 5 the user's documents, 28 the user's local application data, 35 the
// all-users application data (see platform/win32/SpecialFolders.h for where
// each lives here); with a trailing '/', "" when it cannot be determined.
std::string SpecialFolderPath(int32_t folderId);

}  // namespace basOSPAths
