// The league-properties file (.lgp): reading any bytes (a refused file
// changes nothing), using it as the mock drafts do, and writing back: a
// saved league reads back and saves to the same bytes again.

#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "draft_inputs/basLGPFileControl.h"
#include "draft_inputs/clsLeagueIsolate.h"

namespace {

clsLeagueIsolate At(const std::string& folder, const std::string& name) {
  clsLeagueIsolate league;
  league.SetFilePath(folder);
  league.SetFileName(name);
  return league;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string folder = kdfuzz::ScratchSubFolder("lgp");
  kdfuzz::EmptyFolder(folder);
  kdfuzz::WriteBytes(folder + "fuzz.lgp", kdfuzz::AsText(data, size));

  clsLeagueIsolate league = At(folder, "fuzz.lgp");
  league.SetTeamCount(2);
  league.SetTeamName(1, "Before");
  league.SetDraftRounds(3);
  if (!league.LoadLeagueProps()) {
    KD_FUZZ_CHECK(league.TeamCount() == 2 && league.DraftRounds() == 3);
    KD_FUZZ_CHECK(league.TeamName(1).rfind("Before", 0) == 0);
    return 0;
  }

  std::string message;
  (void)league.VerifyHeaderValues(message, true);
  for (int32_t team = 1; team <= league.TeamCount(); ++team) {
    (void)league.TeamName(team);
    (void)league.Strategy(team);
  }
  for (int32_t pick = 0; pick < league.PickCount(); ++pick) (void)league.Pick(pick);
  for (int32_t i = 0; i < league.RosterSizeCount(); ++i) {
    const int32_t pos = league.RosterPosID(i);
    (void)league.RosterIndex(pos);
    (void)league.RosterMax(pos);
    (void)league.StarterMin(pos);
    (void)league.MergeAsID(pos);
  }
  std::vector<int32_t> order;
  (void)basLGPFileControl::BuildDraftOrder(order, league.TeamCount(), league.DraftRounds(),
                                           league.DraftStyle());

  league.SetFileName("saved.lgp");
  KD_FUZZ_CHECK(league.SaveLeagueProps());
  clsLeagueIsolate reread = At(folder, "saved.lgp");
  KD_FUZZ_CHECK(reread.LoadLeagueProps());
  reread.SetFileName("again.lgp");
  KD_FUZZ_CHECK(reread.SaveLeagueProps());
  KD_FUZZ_CHECK(kdfuzz::ReadBytes(folder + "again.lgp") == kdfuzz::ReadBytes(folder + "saved.lgp"));
  return 0;
}
