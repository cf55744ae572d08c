#include <memory>

#include "core/PageCode.h"
#include "shell/ui/PageRegistry.h"
#include "user_mock/CompatibilityView.h"
#include "user_mock_page/ui/frmCompatibility.h"
#include "user_mock_page/ui/frmUserMock.h"

namespace user_mock_page_ui {

void RegisterWindows() {
  shell_ui::RegisterPage(kPageUserMockDraft, [](QWidget* parent) { return new frmUserMock(parent); });
  seams::Install(std::make_unique<CompatibilityWindow>());
}

}  // namespace user_mock_page_ui
