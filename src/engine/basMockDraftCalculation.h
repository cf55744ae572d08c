#pragma once
// The mock-draft engine's procedures: filling position stacks and the
// cheat-sheet ranking job.

#include <cstdint>
#include <span>

class clsMockDraftPositionStack;

namespace basMockDraftCalculation {

// One season row of a position query, in ranking order.
struct StackRow {
  int32_t MasterID = 0;
  double Points = 0;
  double ADP = 0;
  uint8_t ByeWeek = 0;
};

// Puts the first rows (at most `maximum`, no limit when it is negative) at
// the top of the stack in the order given, which then holds exactly those.
// No rows leave the stack as it was.
void FillPositionStackFromRows(clsMockDraftPositionStack& stack, std::span<const StackRow> rows,
                               int32_t maximum);

}  // namespace basMockDraftCalculation
