#include "engine/basMockDraftCalculation.h"

#include <algorithm>

#include "engine/clsMockDraftPositionStack.h"

namespace basMockDraftCalculation {

void FillPositionStackFromRows(clsMockDraftPositionStack& stack, std::span<const StackRow> rows,
                               int32_t maximum) {
  std::size_t taken = rows.size();
  if (maximum >= 0) taken = std::min(taken, static_cast<std::size_t>(maximum));
  if (taken == 0) return;
  stack.SetCount(static_cast<int32_t>(taken) - 1);
  for (std::size_t k = 0; k < taken; ++k) {
    const int32_t i = static_cast<int32_t>(k);
    stack.SetMasterID(i, rows[k].MasterID);
    stack.SetPoints(i, rows[k].Points);
    stack.SetByeWeek(i, rows[k].ByeWeek);
    stack.SetADP(i, rows[k].ADP);
    stack.SetDrafted(i, false);
  }
}

}  // namespace basMockDraftCalculation
