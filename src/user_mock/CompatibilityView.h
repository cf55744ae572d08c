#pragma once
// The league-properties transfer window ("LGP -> UGM Compatibility") as the
// preparation of a user mock draft drives it. The window is part of the user
// mock page's widgets; headless code reaches it only through this seam, and
// tests install a scripted stand-in.

#include <array>
#include <memory>

class clsKickwellDB;
class clsLeagueIsolate;
class clsUserMockIsolate;

// What is to be carried from the league into the user mock, kept for the
// run; indexed by LGPTransferOption.
inline std::array<bool, 4> LGPTransferFlags{};

enum LGPTransferOption : int {
  kTransferRosterSizes = 0,
  kTransferTeamNames = 1,
  kTransferTeamStrategies = 2,
  kTransferDraftOrder = 3,
};

namespace seams {

class CompatibilityView {
 public:
  virtual ~CompatibilityView() = default;
  // Loads the window and compares the league with the user mock; sets every
  // LGPTransferFlags entry whose category differs, clears the others. It may
  // rebuild and save the league's created draft order.
  virtual void PopulateTeamChanges(clsUserMockIsolate& ugm, clsLeagueIsolate& league, clsKickwellDB& db) = 0;
  // Fills the grid with the category of the current tab before showing.
  virtual void ActivateGrid() = 0;
  // Shows the window modal over the main window and returns when it closes,
  // LGPTransferFlags then holding the user's choice.
  virtual void ShowModal() = 0;
  // Unloads the window, shown or not.
  virtual void Unload() = 0;
};

// The installed window; never null. With nothing installed the comparison
// finds nothing to transfer and nothing is shown.
CompatibilityView& Compatibility();
// Takes ownership; nullptr restores the silent default.
void Install(std::unique_ptr<CompatibilityView> view);

}  // namespace seams
