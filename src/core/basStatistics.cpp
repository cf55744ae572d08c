#include "core/basStatistics.h"

#include <cmath>

namespace basStatistics {

double Mean(const std::vector<double>& values) {
  if (values.empty()) return 0.0;
  double sum = 0.0;
  for (double v : values) sum += v;
  return sum / static_cast<double>(values.size());
}

double StandardDeviation(const std::vector<double>& values, double& mean) {
  mean = Mean(values);
  if (values.size() < 2) return 0.0;
  double squares = 0.0;
  for (double v : values) squares += (mean - v) * (mean - v);
  return std::sqrt(squares / static_cast<double>(values.size() - 1));
}

}  // namespace basStatistics
