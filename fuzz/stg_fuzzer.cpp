// The draft-strategy file (.stg): reading any bytes (a refused file changes
// nothing), showing every rule as the editor and the validation do, and
// saving: a saved strategy reads back and saves to the same bytes again.

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "draft_inputs/basSTGFileControl.h"
#include "draft_inputs/clsDraftStrategy.h"

namespace {

void ShowEveryRule(const clsDraftStrategy& strategy) {
  const auto abbreviation = [](int32_t posID) {
    return posID == 1 ? std::string("-") : std::to_string(posID);
  };
  for (int32_t rule = 0; rule < strategy.Count(); ++rule) {
    std::string message;
    (void)strategy.IsPositionValid(rule, message);
    const clsDraftStrategy::PositionIDs ids = strategy.PosInclusionIDs(rule);
    (void)basSTGFileControl::PositionSetText(ids, abbreviation);
    (void)basSTGFileControl::FactorFlagsText(strategy, rule);
    (void)basSTGFileControl::MethodText(strategy.Method(rule));
    (void)basSTGFileControl::CompareText(strategy.Compare(rule));
    (void)basSTGFileControl::InclusionText(strategy.Inclusion(rule));
    (void)basSTGFileControl::PickNumberText(strategy.BegPick(rule));
    (void)basSTGFileControl::PickNumberText(strategy.EndPick(rule));
    (void)strategy.NoByeConflict(rule);
  }
  for (int32_t type = 0; type < 3; ++type) {
    // A factor that reads can be multiplied with another in the draft.
    for (int32_t posID = -1; posID <= 41; ++posID)
      KD_FUZZ_CHECK(std::fabs(strategy.Factor(type, posID)) <= clsDraftFactor::kMaxMagnitude);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string folder = kdfuzz::ScratchSubFolder("stg");
  kdfuzz::EmptyFolder(folder);
  kdfuzz::WriteBytes(folder + "fuzz.stg", kdfuzz::AsText(data, size));

  // A strategy already holding something, so that a refused file can be
  // seen to change nothing.
  clsDraftStrategy strategy;
  strategy.SetDescription("before");
  strategy.SetCount(1);
  strategy.SetMethod(0, 3);
  strategy.AddFactor(2);
  strategy.SetFactor(2, 4, 1.5);
  strategy.SetFilePath(folder);
  strategy.SetFileName("fuzz.stg");
  std::string error;
  if (!strategy.LoadDraftStrategy(&error)) {
    KD_FUZZ_CHECK(!error.empty());
    KD_FUZZ_CHECK(strategy.Description() == "before" && strategy.Count() == 1 && strategy.Method(0) == 3 &&
                  strategy.Factor(2, 4) == 1.5);
    return 0;
  }
  ShowEveryRule(strategy);

  strategy.SetFileName("saved.stg");
  KD_FUZZ_CHECK(strategy.SaveDraftStrategy());
  clsDraftStrategy reread;
  reread.SetFilePath(folder);
  reread.SetFileName("saved.stg");
  KD_FUZZ_CHECK(reread.LoadDraftStrategy(&error));
  KD_FUZZ_CHECK(reread.Count() == strategy.Count());
  reread.SetFileName("again.stg");
  KD_FUZZ_CHECK(reread.SaveDraftStrategy());
  KD_FUZZ_CHECK(kdfuzz::ReadBytes(folder + "again.stg") == kdfuzz::ReadBytes(folder + "saved.stg"));
  return 0;
}
