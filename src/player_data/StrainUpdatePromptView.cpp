#include "player_data/StrainUpdatePromptView.h"

#include "player_data/clsStrainUpdatePrompt.h"

namespace seams {
namespace {

class SilentStrainUpdatePrompt final : public StrainUpdatePromptView {
 public:
  void ShowModal(clsStrainUpdatePrompt&) override {}
};

std::unique_ptr<StrainUpdatePromptView>& Installed() {
  static std::unique_ptr<StrainUpdatePromptView> view = std::make_unique<SilentStrainUpdatePrompt>();
  return view;
}

}  // namespace

StrainUpdatePromptView& StrainUpdatePrompt() { return *Installed(); }

void Install(std::unique_ptr<StrainUpdatePromptView> view) {
  Installed() = view ? std::move(view) : std::make_unique<SilentStrainUpdatePrompt>();
}

}  // namespace seams
