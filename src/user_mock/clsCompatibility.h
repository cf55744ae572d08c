#pragma once
// What the league-properties transfer window compares and offers: the
// differences between the project's league and a user mock draft in four
// categories (roster sizes, team names, team strategies, draft order), one
// grid text per category, a check box per category, and the choice that
// ends up in LGPTransferFlags. The window only shows this and forwards its
// clicks, so the whole comparison runs headless.

#include <array>
#include <cstdint>
#include <string>

#include "user_mock/CompatibilityView.h"

class FlexGridModel;
class clsKickwellDB;
class clsLeagueIsolate;
class clsUserMockIsolate;

class clsCompatibility {
 public:
  static constexpr int32_t kCategories = 4;

  // As the window loads: every flag False, no differences, tab 0.
  clsCompatibility();

  // Compares the league with the user mock, category by category, and sets
  // each flag and check box by whether its category differs. When the team
  // counts match but the league's stored draft order was made for other
  // rounds or teams, the order is rebuilt and the league file saved (after
  // "LGP Draft Round Change" when a stored order would be lost).
  void PopulateTeamChanges(clsUserMockIsolate& ugm, clsLeagueIsolate& league, clsKickwellDB& db);

  int32_t Count(int32_t category) const;
  // The category's rows: " " + label, Tab, league value, Tab, user-mock
  // value, CR, per difference.
  const std::string& Text(int32_t category) const;
  bool CheckEnabled(int32_t category) const;
  bool Checked(int32_t category) const;
  void SetChecked(int32_t category, bool checked);

  int32_t CurrentTab() const { return currentTab_; }
  // Shows a category (a tab click): it becomes the current tab.
  void ShowCategory(FlexGridModel& grid, int32_t category);
  // Fills the grid with the current tab's category.
  void FillGrid(FlexGridModel& grid) const;

  // "Transfer": each flag as its check box. "No Changes", or the window
  // closed by its close box: every flag False.
  void Transfer();
  void NoChanges();

 private:
  void Record(int32_t category, const std::string& label, const std::string& league, const std::string& ugm);
  void CheckLeagueDraftOrder(const clsUserMockIsolate& ugm, clsLeagueIsolate& league);

  std::array<int32_t, kCategories> counts_{};
  std::array<std::string, kCategories> texts_;
  std::array<bool, kCategories> enabled_{};
  std::array<bool, kCategories> checked_{};
  int32_t currentTab_ = 0;
};
