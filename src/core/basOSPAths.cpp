#include "core/basOSPAths.h"

#include "platform/win32/SpecialFolders.h"

namespace basOSPAths {

std::string SpecialFolderPath(int32_t folderId) { return win32::SpecialFolder(folderId); }

}  // namespace basOSPAths
