#include "core/basStatusControl.h"

namespace basStatusControl {

std::unique_ptr<clsStatusPlain> CreateStatusWindow(const std::string& caption, bool showList) {
  seams::ProgressView& window = seams::Progress();
  window.Load();
  auto status = std::make_unique<clsStatusPlain>();
  status->SetStatusForm(window);
  status->SetStatusList(window);
  status->SetFormCaption(caption);
  status->SetListVisible(showList);
  CancelFlag = false;
  return status;
}

JobProgress::JobProgress(const std::string& caption, bool showList)
    : status_(CreateStatusWindow(caption, showList)) {
  seams::Progress().Show();
}

JobProgress::~JobProgress() {
  status_.reset();
  seams::Progress().Unload();
}

}  // namespace basStatusControl
