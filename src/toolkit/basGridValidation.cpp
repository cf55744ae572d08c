#include "toolkit/basGridValidation.h"

namespace basGridValidation {

std::string DefaultDisplayGridFile(int32_t kind) {
  switch (kind) {
    case 1: return "Mock Draft - Default.dis";
    case 2: return "Cheat Sheet - Default.dis";
    case 3: return "Stats - Offensive.dis";
    case 4: return "Stats - Defensive.dis";
    case 5: return "Stats - Team Defense.dis";
    case 6: return "Stats - Kicking.dis";
    case 7: return "UserMock - Available.dis";
    case 8: return "UserMock - Picks.dis";
    case 9: return "UserMock - Roster.dis";
    case 10: return "UserMock - Small Roster.dis";
    default: return "";
  }
}

}  // namespace basGridValidation
