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

// The progress window of one job: created and shown with the object,
// unloaded with it however the job ends.
class JobProgress {
 public:
  explicit JobProgress(const std::string& caption, bool showList = false);
  ~JobProgress();
  JobProgress(const JobProgress&) = delete;
  JobProgress& operator=(const JobProgress&) = delete;
  clsStatusPlain& Status() { return *status_; }

 private:
  std::unique_ptr<clsStatusPlain> status_;
};

}  // namespace basStatusControl
