#pragma once
// Creating the progress reporter for a job.

#include <memory>
#include <string>

#include "core/clsStatusPlain.h"

namespace basStatusControl {

// Loads the progress window (without showing it), makes a clsStatusPlain
// bound to it and to its message list, sets the caption and whether the
// list shows, and clears CancelFlag. The caller shows the window, runs the
// job and unloads the window (seams::Progress().Unload()).
std::unique_ptr<clsStatusPlain> CreateStatusWindow(const std::string& caption, bool showList);

}  // namespace basStatusControl
