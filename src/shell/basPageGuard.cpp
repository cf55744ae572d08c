#include "shell/basPageGuard.h"

#include <exception>

#include "core/Seams.h"
#include "core/basMessage.h"

namespace basPageGuard {

bool Run(const std::string& caption, const std::function<void()>& handler) {
  try {
    handler();
    return true;
  } catch (const std::exception& e) {
    basMessage::ShowMessage(caption, " " + std::string(e.what()), seams::kOk, true);
  }
  return false;
}

}  // namespace basPageGuard
