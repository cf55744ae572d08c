#include "draft_inputs/clsFreqDistribution.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "platform/runtime/FileIO.h"
#include "platform/runtime/Rounding.h"
#include "platform/runtime/Text.h"

namespace {

// Map files are a few hundred bytes; anything this large is not one.
constexpr uint64_t kMaxMapFileBytes = 4ull * 1024 * 1024;

int32_t Whole(double x) { return runtime::CLng(x); }

int32_t AddLong(int32_t a, int32_t b) {
  int64_t r = int64_t{a} + int64_t{b};
  if (r < std::numeric_limits<int32_t>::min() || r > std::numeric_limits<int32_t>::max()) {
    throw runtime::OverflowError("Overflow in distribution map sum");
  }
  return static_cast<int32_t>(r);
}

double Divide(double numerator, double denominator) {
  if (denominator == 0.0) throw std::domain_error("Division by zero in distribution map");
  return numerator / denominator;
}

std::string_view StripBlanksAndTabs(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// The numbers of a map file: separated by commas or line ends, blanks and
// tabs around each number ignored, blank lines skipped. False when a field
// is empty or not a finite number.
bool ParseNumbers(std::string_view text, std::vector<double>& out) {
  while (!text.empty()) {
    std::size_t eol = text.find('\n');
    std::string_view line = text.substr(0, eol);
    text = eol == std::string_view::npos ? std::string_view() : text.substr(eol + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (StripBlanksAndTabs(line).empty()) continue;
    while (true) {
      std::size_t comma = line.find(',');
      std::string_view field = StripBlanksAndTabs(line.substr(0, comma));
      if (!runtime::IsNumeric(field)) return false;
      double v = runtime::Val(field);
      if (!std::isfinite(v)) return false;
      out.push_back(v);
      if (comma == std::string_view::npos) break;
      line = line.substr(comma + 1);
    }
  }
  return true;
}

// Makes at once the whole passes of AdjustToTarget that cannot reach the
// target, so that a season value far from the map's sum (a damaged stats
// row) costs a few passes instead of one per unit of the difference. A
// value moves in every one of those passes: going up it stays above 0, and
// going down the passes stop while every moving value is still 1 or more.
void SkipWholePasses(std::vector<double>& values, int32_t upper, int32_t delta, int32_t& sum, int32_t target) {
  int64_t moving = 0;
  int64_t passes = std::numeric_limits<int64_t>::max();
  for (int32_t i = 0; i <= upper; ++i) {
    const double v = values.at(static_cast<std::size_t>(i));
    if (Whole(v) <= 0) continue;
    ++moving;
    if (delta < 0) passes = std::min(passes, static_cast<int64_t>(std::floor(v)) - 1);
  }
  if (moving == 0) return;
  // Stop one step short of the target, so the steps that reach it are made
  // one by one in the usual order.
  const int64_t remaining = (int64_t{target} - sum) * delta;
  passes = std::min(passes, (remaining - 1) / moving);
  if (passes <= 0) return;
  for (int32_t i = 0; i <= upper; ++i) {
    double& v = values.at(static_cast<std::size_t>(i));
    if (Whole(v) > 0) v += static_cast<double>(delta * passes);
  }
  sum = static_cast<int32_t>(sum + delta * passes * moving);
}

// The adjustment pass of a mapping: steps every value whose whole part is
// above 0 by one unit towards the target until the counted sum reaches it.
// A pass that changes nothing ends it (no value can move any more); the
// values reached are kept. Answers whether the target was reached.
bool AdjustToTarget(std::vector<double>& values, int32_t upper, bool ascending, int32_t& sum,
                    int32_t target, double value) {
  if (sum == target) return true;
  const int32_t delta = sum <= value ? 1 : -1;
  while (true) {
    SkipWholePasses(values, upper, delta, sum, target);
    bool changed = false;
    for (int32_t n = 0; n <= upper; ++n) {
      const int32_t i = ascending ? n : upper - n;
      double& v = values.at(static_cast<std::size_t>(i));
      if (Whole(v) > 0) {
        v += delta;
        sum = AddLong(sum, delta);
        changed = true;
        if (sum == target) return true;
      }
    }
    if (!changed) return false;
  }
}

}  // namespace

double clsFreqDistribution::Frequency(int32_t index) const { return frequency_.at(static_cast<std::size_t>(index)); }
void clsFreqDistribution::SetFrequency(int32_t index, double value) {
  frequency_.at(static_cast<std::size_t>(index)) = value;
}
double clsFreqDistribution::Range(int32_t index) const { return range_.at(static_cast<std::size_t>(index)); }
void clsFreqDistribution::SetRange(int32_t index, double value) { range_.at(static_cast<std::size_t>(index)) = value; }
double clsFreqDistribution::MapValue(int32_t index) const { return mapValue_.at(static_cast<std::size_t>(index)); }
void clsFreqDistribution::SetMapValue(int32_t index, double value) {
  mapValue_.at(static_cast<std::size_t>(index)) = value;
}
double clsFreqDistribution::RelCumFrequency(int32_t index) const {
  return relCumFrequency_.at(static_cast<std::size_t>(index));
}
void clsFreqDistribution::SetRelCumFrequency(int32_t index, double value) {
  relCumFrequency_.at(static_cast<std::size_t>(index)) = value;
}

bool clsFreqDistribution::LoadDistribution(const std::string& path) {
  // Nothing (and no message) for a missing or unreadable file, or one too large to be a map.
  std::optional<std::string> text = runtime::ReadFileBytes(path, nullptr, kMaxMapFileBytes);
  if (!text) return false;
  std::vector<double> numbers;
  if (!ParseNumbers(*text, numbers) || numbers.empty()) return false;
  if ((numbers.size() - 1) % 2 != 0) return false;  // a class without its frequency

  // The mapping uses a class value as its position, so the classes must be
  // the consecutive whole values 0, 1, 2, ... (continuing an earlier load).
  std::vector<double> range = range_;
  std::vector<double> frequency = frequency_;
  std::vector<double> relCum = relCumFrequency_;
  for (std::size_t p = 1; p + 1 < numbers.size(); p += 2) {
    if (numbers[p] != static_cast<double>(range.size())) return false;
    range.push_back(numbers[p]);
    frequency.push_back(numbers[p + 1]);
    relCum.push_back(0.0);
  }

  // Frequencies that are each finite can still add up past a double, which
  // would make every share not a number: such a map is refused like a malformed one.
  double total = 0.0;
  for (double f : frequency) total += f;
  if (!std::isfinite(total)) return false;

  avgRange_ = numbers[0];
  range_ = std::move(range);
  frequency_ = std::move(frequency);
  relCumFrequency_ = std::move(relCum);

  const int32_t last = Count() - 1;
  totalFrequency_ = total;
  if (totalFrequency_ != 0.0) {
    double running = 0.0;
    for (int32_t i = 0; i <= last; ++i) {
      running += frequency_[static_cast<std::size_t>(i)];
      relCumFrequency_[static_cast<std::size_t>(i)] = running / totalFrequency_;
    }
  }

  const auto RC = [this](int32_t i) { return relCumFrequency_[static_cast<std::size_t>(i)]; };
  const auto R = [this](int32_t i) { return range_[static_cast<std::size_t>(i)]; };
  for (int32_t i = 0; i + 1 <= last; ++i) {
    if (RC(i) == 0.5) {
      midPoint_ = R(i);
      break;
    }
    if (RC(i + 1) == 0.5) {
      midPoint_ = R(i + 1);
      break;
    }
    if (RC(i) < 0.5 && 0.5 < RC(i + 1)) {
      midPoint_ = R(i) + (0.5 - RC(i)) / (RC(i + 1) - RC(i)) * (R(i + 1) - R(i));
      break;
    }
    if (i == 0 && RC(0) > 0.5) {
      midPoint_ = (0.5 / RC(0)) * R(1);
      break;
    }
  }
  return true;
}

void clsFreqDistribution::CreateBaseMap(double occurrences, double applyOffset) {
  occurances_ = occurrences;
  applyOffset_ = applyOffset;
  const int32_t last = Count() - 1;

  std::vector<double> C(static_cast<std::size_t>(last + 1), 0.0);
  if (last >= 0) {
    const auto RC = [this](int32_t i) { return relCumFrequency_[static_cast<std::size_t>(i)]; };
    // The relative cumulative frequency at the lower edge of the average
    // range around MidPoint; classes below it are left out of the trimmed
    // histogram. The position is kept inside the classes.
    const double x = midPoint_ - avgRange_ / 2.0;
    int32_t k = 0;
    if (x > static_cast<double>(last)) {
      k = last;
    } else if (x >= 0.0) {
      k = Whole(x);
    }
    const int32_t k1 = k + 1 > last ? 0 : k + 1;
    const double low = RC(k) + (x - k) * (RC(k1) - RC(k));

    std::vector<double> H(static_cast<std::size_t>(last + 1), 0.0);
    double total = 0.0;
    for (int32_t i = 0; i <= last; ++i) {
      if (RC(i) < low) continue;
      const int32_t at = Whole(range_[static_cast<std::size_t>(i)]);
      H.at(static_cast<std::size_t>(at)) += frequency_[static_cast<std::size_t>(i)];
      total += frequency_[static_cast<std::size_t>(i)];
    }
    if (total != 0.0) {
      double running = 0.0;
      for (int32_t i = 0; i <= last; ++i) {
        running += H[static_cast<std::size_t>(i)];
        C[static_cast<std::size_t>(i)] = running / total;
      }
    }
  }

  const int32_t top = occurances_ >= 1.0 ? Whole(occurances_ - 1.0) : -1;
  baseMap_.assign(static_cast<std::size_t>(top + 1), 0.0);
  mapValue_.assign(static_cast<std::size_t>(top + 1), 0.0);
  if (top < 0) return;

  const double step = 1.0 / occurances_;
  const double off = step * applyOffset_;
  double q = step - off;
  if (q <= 0.0) q = 0.001;
  double j = 0.0;
  int32_t i = 0;
  while (i <= last) {
    const double Ci = C[static_cast<std::size_t>(i)];
    if (Ci < q) {
      ++i;
      continue;
    }
    const double R = i == 0 ? 0.0 : range_[static_cast<std::size_t>(i - 1)];
    const double P = i == 0 ? 0.0 : C[static_cast<std::size_t>(i - 1)];
    const int32_t at = Whole(j);
    if (at > top) break;
    // Ci >= q > P here, so the class has a width to interpolate in.
    baseMap_[static_cast<std::size_t>(at)] = R + (q - P) / (Ci - P) * (range_[static_cast<std::size_t>(i)] - R);
    j += 1.0;
    q = step * (j + 1.0) - off;
    if (j == occurances_ || Whole(j) > top) break;
  }
}

bool clsFreqDistribution::MapDistribution(double value) {
  if (range_.empty()) return false;
  bool result = value == lastMapRequest_;
  try {
    if (range_.back() < 5.0) {
      // Small-value maps are recomputed even for a repeated value.
      result = MapSmallValues(value);
      if (result) lastMapRequest_ = value;
      return result;
    }
    if (result) return true;

    const double shift = Divide(value, occurances_) - midPoint_;
    const int32_t top = Whole(occurances_ - 1.0);
    double carry = 0.0;
    int32_t sum = 0;
    for (int32_t i = 0; i <= top; ++i) {
      const double m = shift + baseMap_.at(static_cast<std::size_t>(i)) + carry;
      double& out = mapValue_.at(static_cast<std::size_t>(i));
      if (m < 0.0) {
        carry = m;
        out = 0.0;
      } else {
        out = m;
        const int32_t r = Whole(m);
        carry = m - r;
        sum = AddLong(sum, r);
      }
    }
    const int32_t target = Whole(value);
    AdjustToTarget(mapValue_, top, false, sum, target, value);
    lastMapRequest_ = value;
    return true;
  } catch (const std::exception&) {
    return result;
  }
}

bool clsFreqDistribution::MapSmallValues(double value) {
  const int32_t last = Count() - 1;
  int32_t pos = MapUpper();
  const auto R = [this](int32_t i) { return range_.at(static_cast<std::size_t>(i)); };

  // Expected contribution of each class over Occurances occurrences, class 0
  // left out.
  const double others = totalFrequency_ - frequency_.at(0);
  std::vector<double> W(static_cast<std::size_t>(last + 1), 0.0);
  for (int32_t i = 1; i <= last; ++i) {
    W[static_cast<std::size_t>(i)] = Divide(frequency_[static_cast<std::size_t>(i)], others) * occurances_ * R(i);
  }

  for (double& v : mapValue_) v = 0.0;
  int32_t total = 0;
  for (int32_t i = last - 1; i >= 0; --i) {
    const int32_t c = i + 1;
    double threshold = 0.0;
    for (int32_t t = 1; t <= i; ++t) threshold += W[static_cast<std::size_t>(t)];
    threshold -= avgRange_;
    if (value < threshold) continue;
    int32_t n = Whole(Divide(W[static_cast<std::size_t>(c)], R(c)));
    if (n < 1) n = 1;
    int32_t lo = pos - (n - 1);
    if (lo < 0) lo = 0;
    for (int32_t k = pos; k >= lo; --k) {
      mapValue_.at(static_cast<std::size_t>(k)) = R(c);
      total = AddLong(total, Whole(R(c)));
      if (total >= value) break;
    }
    pos = lo - 1;
    if (total >= value) break;
  }

  const int32_t target = Whole(value);
  if (total == target) return true;
  AdjustToTarget(mapValue_, MapUpper(), true, total, target, value);
  return true;
}
