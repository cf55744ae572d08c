#pragma once
// Where the online updates live: the update server named by setting 0 and
// the local update folder, the work folder's "upd/".

#include <string>

namespace basUpdateServer {

// "http://" + setting 0 + "/upd/" + the file name, the name percent-encoded
// so that blanks and signs in a published name stay part of the path.
std::string UpdateURL(const std::string& fileName);

// WorkFolder + "upd/".
std::string LocalUpdateFolder();

}  // namespace basUpdateServer
