#include "user_mock/CompatibilityView.h"

namespace seams {
namespace {

class SilentCompatibility final : public CompatibilityView {
 public:
  void PopulateTeamChanges(clsUserMockIsolate&, clsLeagueIsolate&, clsKickwellDB&) override {
    LGPTransferFlags.fill(false);
  }
  void ActivateGrid() override {}
  void ShowModal() override {}
  void Unload() override {}
};

std::unique_ptr<CompatibilityView>& Installed() {
  static std::unique_ptr<CompatibilityView> view = std::make_unique<SilentCompatibility>();
  return view;
}

}  // namespace

CompatibilityView& Compatibility() { return *Installed(); }

void Install(std::unique_ptr<CompatibilityView> view) {
  Installed() = view ? std::move(view) : std::make_unique<SilentCompatibility>();
}

}  // namespace seams
