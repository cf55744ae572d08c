#pragma once
// The names the pick log prints beside its numbers. The projected-stats
// database answers them in the program; tests answer them from a table. The
// operations keep the database's names and arguments, so the database's own
// lookups plug in unchanged.

#include <cstdint>
#include <string>

// The display format in which the pick log prints players' names.
inline constexpr int32_t kPickLogNameFormat = 18;

class PickLogNames {
 public:
  virtual ~PickLogNames() = default;
  // The position's abbreviation ("-" for position 1 with allFlag off).
  virtual std::string pFnGetPosAbrv(int32_t posID, bool allFlag) = 0;
  virtual std::string pFnGetPlayerNamewMasID(int32_t masterID) = 0;
  // The name as a display format shows it (the pick log asks for format 18).
  virtual std::string pFnGetPlayerNamewMasIDDisID(int32_t masterID, int32_t displayID) = 0;
  virtual int32_t pFnGetPlaIDwMasID(int32_t masterID) = 0;
  virtual int16_t pFnGetYear() = 0;
  virtual std::string pFnGetTeamAbrvwPlaID(int32_t playerID, uint8_t week, int16_t year) = 0;
};
