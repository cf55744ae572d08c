#pragma once
// The File menu's archive import: the packed files of one or more chosen
// archives go to the work folders of their file types, chosen by name.

#include <string>

namespace basImportVCZ {

// Asks for archives (several may be chosen) and imports each entry that
// has a destination, asking before it replaces an existing file.
void ImportArchiveFile();

// The work folder (with trailing '/') for a packed file name, by its
// extension (after the last ".", without case): "kwr" goes to the player
// master registry when the name contains " Master ", else to the ADP folder
// when it contains "-ADP-", else to the strain folder; "sco", "dis", "stg",
// "pro" and "lgp" to their own folders; anything else gives "".
std::string DestFolderForFile(const std::string& name);

}  // namespace basImportVCZ
