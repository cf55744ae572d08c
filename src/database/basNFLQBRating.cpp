#include "database/basNFLQBRating.h"

#include <algorithm>

namespace basNFLQBRating {

float PasserRating(float attempts, float completions, float yards, float touchdowns, float interceptions) {
  if (!(attempts > 0)) return 0;
  constexpr double kCap = 2.375;
  const double att = attempts;
  const float a = static_cast<float>(std::clamp((completions / att - 0.3) * 5, 0.0, kCap));
  const float b = static_cast<float>(std::clamp((yards / att - 3) * 0.25, 0.0, kCap));
  const float c = static_cast<float>(std::min(touchdowns / att * 20, kCap));
  const float d = static_cast<float>(std::max(kCap - interceptions / att * 25, 0.0));
  const float sum = a + b + c + d;
  return sum / 6.0f * 100.0f;
}

}  // namespace basNFLQBRating
