#pragma once
// Names of the default display-grid files of each kind of result grid.

#include <cstdint>
#include <string>

namespace basGridValidation {

// Kinds 1 .. 10 (2 cheat sheet, 1 mock draft, 7 .. 9 the user mock page's
// grids, 10 the small roster of the mock-draft document); "" for any other.
std::string DefaultDisplayGridFile(int32_t kind);

}  // namespace basGridValidation
