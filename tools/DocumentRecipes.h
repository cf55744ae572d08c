#pragma once
// Default documents written through the program's own document classes
// from short text recipes in data/ (data/sco/*.txt, data/stg/*.txt).
//
// A recipe is UTF-8 text; blank lines and lines starting with '#' are
// ignored; fields are separated by commas and blanks around them dropped.
//
// Scoring system, one rule a line:
//   points, category, for every, range min, range max, positions, map
//   - category: a stat-category ID of the template;
//   - for every: units per point step, or "Threshold" for a rule that gives
//     its points once for a value inside the range;
//   - positions: "All", or position abbreviations separated by blanks;
//   - map: "Yes" scores through the category's distribution map, else "No".
//
// Draft strategy:
//   Description: <text up to the line end>
//   Rule: first pick, last pick, method, compare, factors, inclusion, positions, avoid bye conflicts
//   Factor: kind, <position> <factor>, <position> <factor>, ...
//   - last pick: a number or "Last";
//   - method, compare, inclusion and the factor kinds: the texts the
//     strategy editor shows ("Open Roster", "Roster Value", "Include", "X");
//   - factors: the kinds the rule applies, separated by blanks, or "None";
//   - positions: "Any", or position abbreviations separated by blanks;
//   - avoid bye conflicts: "Yes" or "No".
//
// League properties:
//   Rounds: <number>
//   Style: Serpentine | Cyclic
//   Roster: position, merge as, roster min, roster max, starter min, starter max
//   Team: name, strategy file
//   - the league's teams are its Team lines, in order; the draft order is
//     created for them, the rounds and the style, as Create Order does;
//   - the roster sizes are written as the league editor saves them: an
//     empty record first, then one record per position of the template in
//     display order, those without a Roster line with no places and merged
//     into themselves. "ROS" is the whole roster.
//
// Display grid, one column a line, in display order:
//   Column: category, width, title 1, title 2, format, align
//   - width in pixels; the titles may be empty and may hold the heading
//     keywords ("[Position]", "[MockTeam]", ...);
//   - format: a display-format ID of the template that suits the category
//     (its DisplayType is the category's FormatType), or "Default" for the
//     category's own;
//   - align: Left, Center or Right.
//   A grid that the program's display-grid check would refuse (no column,
//   a column wider than 1600, a category shown twice) is refused here.
//
// Project, one property a line:
//   <key>: <value>
//   - keys are the project file's own ("Scoring System File", ...); the
//     file holds the given keys only, in the project's key order, so the
//     others (the output targets under the user's export folder among them)
//     take their defaults when the project is opened.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "tools/TemplateLookups.h"

class clsDisplayGridIsolate;
class clsDraftStrategy;
class clsLeagueIsolate;
class clsScoringIsolate;

namespace bundle {

// Parse a recipe into the document. False with `error` naming the file and
// line of the first fault (an unknown category, position or text, a field
// that is not a number, a wrong field count).
bool ReadScoringRecipe(const std::string& recipePath, const TemplateLookups& lookups,
                       clsScoringIsolate& scoring, std::string* error);
bool ReadStrategyRecipe(const std::string& recipePath, const TemplateLookups& lookups,
                        clsDraftStrategy& strategy, std::string* error);
bool ReadLeagueRecipe(const std::string& recipePath, const TemplateLookups& lookups, clsLeagueIsolate& league,
                      std::string* error);
bool ReadDisplayGridRecipe(const std::string& recipePath, const TemplateLookups& lookups,
                           clsDisplayGridIsolate& grid, std::string* error);
// The project's (key, value) pairs in the project's key order.
bool ReadProjectRecipe(const std::string& recipePath,
                       std::vector<std::pair<std::string, std::string>>& entries, std::string* error);

// Parse and save: the .sco through basSCOFileControl, the .stg through
// clsDraftStrategy, the .lgp through clsLeagueIsolate. An existing file is
// replaced only by a complete one.
bool WriteScoringSystem(const std::string& recipePath, const TemplateLookups& lookups,
                        const std::string& outPath, std::string* error);
bool WriteDraftStrategy(const std::string& recipePath, const TemplateLookups& lookups,
                        const std::string& outPath, std::string* error);
bool WriteLeagueProperties(const std::string& recipePath, const TemplateLookups& lookups,
                           const std::string& outPath, std::string* error);
// The grid is written to every path of outPaths (the defaults folder keeps
// the fallback copy of a grid the user may change in the display-grid
// folder); its stored name is the file name.
bool WriteDisplayGrid(const std::string& recipePath, const TemplateLookups& lookups,
                      const std::vector<std::string>& outPaths, std::string* error);
// Through the project's INI writer; an existing file is replaced.
bool WriteProjectFile(const std::string& recipePath, const std::string& outPath, std::string* error);

}  // namespace bundle
