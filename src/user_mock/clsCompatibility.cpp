#include "user_mock/clsCompatibility.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "core/Seams.h"
#include "database/clsKickwellDB.h"
#include "draft_inputs/basLGPFileControl.h"
#include "draft_inputs/clsLeagueIsolate.h"
#include "engine/LeagueTransfer.h"
#include "platform/flexgrid/FlexGridModel.h"
#include "platform/runtime/Text.h"
#include "user_mock/clsUserMockIsolate.h"

namespace {

void CheckCategory(int32_t category) {
  if (category < 0 || category >= clsCompatibility::kCategories)
    throw std::out_of_range("no transfer category " + std::to_string(category));
}

std::string SizeText(clsKickwellDB& db, int32_t posID, int32_t mergeAsID, int32_t rosterMin,
                     int32_t rosterMax, int32_t starterMin, int32_t starterMax) {
  return " " + db.pFnGetPosAbrv(posID, true) + "-" + db.pFnGetPosAbrv(mergeAsID, true) + "-" +
         std::to_string(rosterMin) + "-" + std::to_string(rosterMax) + "-" + std::to_string(starterMin) +
         "-" + std::to_string(starterMax);
}

}  // namespace

clsCompatibility::clsCompatibility() { LGPTransferFlags.fill(false); }

int32_t clsCompatibility::Count(int32_t category) const {
  CheckCategory(category);
  return counts_[static_cast<std::size_t>(category)];
}

const std::string& clsCompatibility::Text(int32_t category) const {
  CheckCategory(category);
  return texts_[static_cast<std::size_t>(category)];
}

bool clsCompatibility::CheckEnabled(int32_t category) const {
  CheckCategory(category);
  return enabled_[static_cast<std::size_t>(category)];
}

bool clsCompatibility::Checked(int32_t category) const {
  CheckCategory(category);
  return checked_[static_cast<std::size_t>(category)];
}

void clsCompatibility::SetChecked(int32_t category, bool checked) {
  CheckCategory(category);
  // A category without differences has nothing to carry.
  if (enabled_[static_cast<std::size_t>(category)]) checked_[static_cast<std::size_t>(category)] = checked;
}

void clsCompatibility::Record(int32_t category, const std::string& label, const std::string& league,
                              const std::string& ugm) {
  if (league == ugm) return;
  const auto c = static_cast<std::size_t>(category);
  ++counts_[c];
  // The texts are pasted as a clip: a name's own tab or line break would
  // shift the rows and columns after it.
  texts_[c] += " " + runtime::OneLineField(label) + "\t" + runtime::OneLineField(league) + "\t" +
               runtime::OneLineField(ugm) + "\r";
}

void clsCompatibility::CheckLeagueDraftOrder(const clsUserMockIsolate& ugm, clsLeagueIsolate& league) {
  const int32_t teams = league.TeamCount();
  const int32_t rounds = league.DraftRounds();
  if (teams != ugm.OwnerCount()) return;
  if (rounds == league.CreatedDraftRounds() && teams == league.CreatedTeamCount()) return;
  if (league.CreatedDraftRounds() != 0) {
    const std::string text =
        " Would you like to overwrite the existing LGP draft order?" + std::string(runtime::kCrLf) +
        "  New [Draft Rounds - Team Count]   [" + std::to_string(rounds) + "-" + std::to_string(teams) + "]" +
        std::string(runtime::kCrLf) + "  Previous [Draft Rounds - Team Count]   [" +
        std::to_string(league.CreatedDraftRounds()) + "-" + std::to_string(league.CreatedTeamCount()) + "].";
    if (seams::MessageBox().ShowMessage("LGP Draft Round Change", text, seams::kYesNo, true) !=
        seams::kAnswerSave)
      return;
  }
  std::vector<int32_t> order;
  const int32_t last = basLGPFileControl::BuildDraftOrder(order, teams, rounds, league.DraftStyle());
  // A league without rounds has no order to store.
  if (last < 0) return;
  league.SetCreatedDraftRounds(rounds);
  league.SetCreatedTeamCount(teams);
  league.SetPickCount(last + 1);
  for (int32_t p = 0; p <= last; ++p) league.SetPick(p, order[static_cast<std::size_t>(p)]);
  league.SaveLeagueProps();
}

void clsCompatibility::PopulateTeamChanges(clsUserMockIsolate& ugm, clsLeagueIsolate& league,
                                           clsKickwellDB& db) {
  const int32_t teams = league.TeamCount();
  const int32_t owners = ugm.OwnerCount();
  for (int32_t t = 1; t <= std::max(teams, owners); ++t) {
    Record(1, "Name " + std::to_string(t), t <= teams ? " " + runtime::Trim(league.TeamName(t)) : " ",
           t <= owners ? " " + runtime::Trim(ugm.OwnerName(t - 1)) : " ");
  }
  for (int32_t t = 1; t <= std::max(teams, owners); ++t) {
    Record(2, "STG " + std::to_string(t), t <= teams ? " " + runtime::Trim(league.Strategy(t)) : " ",
           t <= owners ? " " + runtime::Trim(ugm.OwnerStrategy(t - 1)) : " ");
  }

  CheckLeagueDraftOrder(ugm, league);

  if (league.CreatedTeamCount() == owners) {
    // The stored order claims teams x rounds picks; only those the file
    // holds can be compared.
    const int64_t claimed = static_cast<int64_t>(league.CreatedTeamCount()) * league.CreatedDraftRounds();
    const int32_t stored = static_cast<int32_t>(std::clamp<int64_t>(claimed, 0, league.PickCount()));
    const int32_t board = ugm.BoardCount();
    for (int32_t p = 1; p <= std::max(stored, board); ++p) {
      Record(3, "Pick " + std::to_string(p), p <= stored ? " " + std::to_string(league.Pick(p - 1)) : " ",
             p <= board ? " " + std::to_string(ugm.BoardOwnerID(p - 1)) : " ");
    }
  }

  std::vector<LGPRosterSizeRecord> records(1);
  basLGPFileControl::ReadRosterSizes(records, db, league);
  for (std::size_t k = 1; k < records.size(); ++k) {
    const LGPRosterSizeRecord& r = records[k];
    const std::string leagueText =
        SizeText(db, r.PosID, r.MergeAsID, r.RosterMin, r.RosterMax, r.StarterMin, r.StarterMax);
    const int32_t i = ugm.RosterIndex(r.PosID);
    const std::string ugmText =
        i >= 0 ? SizeText(db, ugm.PosID(i), ugm.MergeAsID(i), ugm.RosterMin(i), ugm.RosterMax(i),
                          ugm.StarterMin(i), ugm.StarterMax(i))
               : " " + db.pFnGetPosAbrv(r.PosID, false) + "-" + db.pFnGetPosAbrv(r.PosID, false) + "-0-0-0-0";
    Record(0, db.pFnGetPosAbrv(r.PosID, true), leagueText, ugmText);
  }

  for (std::size_t c = 0; c < kCategories; ++c) {
    const bool differs = counts_[c] > 0;
    LGPTransferFlags[c] = differs;
    enabled_[c] = differs;
    checked_[c] = differs;
  }
}

void clsCompatibility::ShowCategory(FlexGridModel& grid, int32_t category) {
  CheckCategory(category);
  currentTab_ = category;
  FillGrid(grid);
}

void clsCompatibility::FillGrid(FlexGridModel& grid) const {
  const int32_t count = Count(currentTab_);
  grid.SetRedraw(false);
  grid.Clear();
  grid.SetCols(3);
  grid.SetRows(count + 1);
  grid.SetFixedRows(1);
  grid.SetFixedCols(0);
  const char* headings[] = {" Property", " LGP Value (New)", " UGM Value (Current)"};
  const int32_t widths[] = {1000, 2600, 2600};
  for (int32_t c = 0; c < 3; ++c) {
    grid.SetTextMatrix(0, c, headings[c]);
    grid.SetColWidth(c, widths[c]);
  }
  if (count > 0) {
    std::string block = Text(currentTab_);
    if (!block.empty() && block.back() == '\r') block.pop_back();
    grid.SetRow(1);
    grid.SetCol(0);
    grid.SetRowSel(count);
    grid.SetColSel(2);
    grid.SetClip(block);
    grid.SetRow(0);
    grid.SetCol(0);
  }
  grid.SetRedraw(true);
}

void clsCompatibility::Transfer() {
  for (std::size_t c = 0; c < kCategories; ++c) LGPTransferFlags[c] = checked_[c];
}

void clsCompatibility::NoChanges() { LGPTransferFlags.fill(false); }
