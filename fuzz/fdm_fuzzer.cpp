// The distribution-map text ("<CatID>-FDM.txt"): loading any text, and
// scoring season values of every size through the map, as a scoring rule
// with the map flag does.

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "draft_inputs/clsFreqDistribution.h"
#include "draft_inputs/clsScoringIsolate.h"

namespace {

constexpr double kValues[] = {0.0,  0.4,  1.0,   2.5,    4.0,    7.0,  15.5,
                              16.0, 99.0, 312.0, 1234.5, 5000.0, -3.0, 2.0e9};

bool Same(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string folder = kdfuzz::ScratchSubFolder("fdm");
  const std::string path = folder + "1-FDM.txt";
  kdfuzz::WriteBytes(path, kdfuzz::AsText(data, size));

  clsFreqDistribution map;
  if (!map.LoadDistribution(path)) {
    KD_FUZZ_CHECK(map.Count() == 0);
    return 0;
  }
  // Loading the same classes again does not continue 0, 1, 2, ..., so it
  // must be refused and change nothing.
  const int32_t count = map.Count();
  const double midPoint = map.MidPoint();
  const double avgRange = map.AvgRange();
  if (count > 0) {
    KD_FUZZ_CHECK(!map.LoadDistribution(path));
    KD_FUZZ_CHECK(map.Count() == count);
    KD_FUZZ_CHECK(Same(map.MidPoint(), midPoint));
    KD_FUZZ_CHECK(Same(map.AvgRange(), avgRange));
  }
  for (int32_t i = 0; i < count; ++i) {
    (void)map.Range(i);
    (void)map.Frequency(i);
    (void)map.RelCumFrequency(i);
  }

  // One rule of category 1 that scores through the map.
  clsScoringIsolate scoring;
  scoring.AddNew();
  scoring.SetCatID(1);
  scoring.SetFDM(-1);
  scoring.BuildMaps(folder);
  std::vector<double> mapped;
  for (double value : kValues) {
    const int32_t upper = scoring.GetFDMap(value, mapped);
    KD_FUZZ_CHECK(upper >= 0 && mapped.size() == static_cast<std::size_t>(upper) + 1);
  }
  return 0;
}
