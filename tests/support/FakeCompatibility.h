#pragma once
// A scripted stand-in for the league-properties transfer window. The
// comparison sets LGPTransferFlags to `differences`; showing the window
// applies the scripted choice, and showing it without one fails the test.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "user_mock/CompatibilityView.h"

namespace kdtest {

class FakeCompatibility final : public seams::CompatibilityView {
 public:
  void PopulateTeamChanges(clsUserMockIsolate& ugm, clsLeagueIsolate& league, clsKickwellDB& db) override;
  void ActivateGrid() override { calls.push_back("ActivateGrid"); }
  void ShowModal() override;
  void Unload() override { calls.push_back("Unload"); }

  // Categories the comparison reports as different.
  std::array<bool, 4> differences{};
  // What the user leaves checked when the window is shown ("Transfer");
  // all false answers "No Changes".
  std::optional<std::array<bool, 4>> choice;

  // "PopulateTeamChanges", "ActivateGrid", "ShowModal", "Unload" in order.
  std::vector<std::string> calls;
};

// Installs a fresh FakeCompatibility and clears LGPTransferFlags; restores the
// silent window and clears the flags again afterwards.
class ScopedFakeCompatibility {
 public:
  ScopedFakeCompatibility();
  ~ScopedFakeCompatibility();
  ScopedFakeCompatibility(const ScopedFakeCompatibility&) = delete;
  ScopedFakeCompatibility& operator=(const ScopedFakeCompatibility&) = delete;

  FakeCompatibility& window;
};

}  // namespace kdtest
