#pragma once
// The season's master player-record file (mas/<year> Master 0001.kwr) made
// from the weekly projections of data/nfl-2024 through the program's own
// .kwr writer (docs/file-format-kwr.md):
// - week 0: one biography per player ("Last, First", team, position; no
//   date of birth) and one bye-week modification per team;
// - weeks 1 to 17: the player's projected stats of that week under his team
//   of that week;
// - week 250: his season totals, the sums of his weeks, under his team of
//   week 0, so that a database built from the file has its season rows.
// MasterIDs are our own, numbered from 1 by position (QB, RB, WR, TE, K),
// then by name, then by the source's id, so a rebuild gives the same file.

#include <cstdint>
#include <string>
#include <string_view>

#include "tools/TemplateLookups.h"

namespace bundle {

// "Patrick Mahomes" -> "Mahomes, Patrick". The last word is the family name,
// taking with it a generational suffix before it ("Harrison Jr., Marvin")
// and a particle ("St. Brown, Amon-Ra"). A single word stays as it is.
std::string BackName(std::string_view displayName);

// Writes the master file of `year` from <dataFolder>/projected and
// <dataFolder>/byes-<year>.csv. Teams, positions and stat categories are the
// template's. A projected value of 0 or below is not written: nothing is
// projected then (the source has a few negative missed-kick projections,
// which no count can be). False with `error` set when a file is missing or
// malformed, names a team or position the template lacks, or the file
// cannot be saved; an existing file is then left as it was.
bool WriteMasterFile(const std::string& dataFolder, const TemplateLookups& lookups, int16_t year,
                     const std::string& outPath, std::string* error);

}  // namespace bundle
