#pragma once
// Mean and sample standard deviation of a list of numbers.

#include <vector>

namespace basStatistics {

// The arithmetic mean; 0 for an empty list.
double Mean(const std::vector<double>& values);

// The sample standard deviation (divided by count - 1); `mean` receives
// Mean(values). Fewer than two values give 0.
double StandardDeviation(const std::vector<double>& values, double& mean);

}  // namespace basStatistics
