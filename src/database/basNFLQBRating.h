#pragma once
// The NFL passer rating. The stat tables do not store a projected rating:
// whenever passing counts of a player-week or season row are written or
// summed, the row's rating is recomputed from the counts with this function.

namespace basNFLQBRating {

// Computed in Single precision, each of the four terms held as a float
// before the sum. 0 for no attempts. Terms a and b are limited to 0..2.375;
// the touchdown term only from above and the interception term only from
// below, which for counts that are not negative is the published formula.
float PasserRating(float attempts, float completions, float yards, float touchdowns, float interceptions);

}  // namespace basNFLQBRating
