#include "FakeCompatibility.h"

#include <gtest/gtest.h>

#include <memory>

namespace kdtest {

void FakeCompatibility::PopulateTeamChanges(clsUserMockIsolate&, clsLeagueIsolate&, clsKickwellDB&) {
  calls.push_back("PopulateTeamChanges");
  LGPTransferFlags = differences;
}

void FakeCompatibility::ShowModal() {
  calls.push_back("ShowModal");
  if (!choice) {
    ADD_FAILURE() << "Unscripted compatibility window";
    return;
  }
  LGPTransferFlags = *choice;
}

namespace {
FakeCompatibility& InstallFresh() {
  auto fake = std::make_unique<FakeCompatibility>();
  FakeCompatibility& ref = *fake;
  seams::Install(std::move(fake));
  return ref;
}
}  // namespace

ScopedFakeCompatibility::ScopedFakeCompatibility() : window(InstallFresh()) { LGPTransferFlags.fill(false); }

ScopedFakeCompatibility::~ScopedFakeCompatibility() {
  seams::Install(std::unique_ptr<seams::CompatibilityView>());
  LGPTransferFlags.fill(false);
}

}  // namespace kdtest
