#pragma once
// The distribution map of one stat category: a histogram of the whole value
// classes 0, 1, 2, ... with their frequencies, read from "<CatID>-FDM.txt"
// (docs/file-format-sco.md). It turns one projected season value into a
// fixed number of occurrence values (16 in use) whose whole parts add up to
// that value and whose spread follows the histogram, so that a rule scores
// each occurrence instead of the single total.

#include <cstdint>
#include <string>
#include <vector>

class clsFreqDistribution {
 public:
  int32_t id() const { return id_; }
  void SetId(int32_t value) { id_ = value; }
  double LastMapRequest() const { return lastMapRequest_; }
  void SetLastMapRequest(double value) { lastMapRequest_ = value; }
  double Occurances() const { return occurances_; }
  void SetOccurances(double value) { occurances_ = value; }
  double AvgRange() const { return avgRange_; }
  void SetAvgRange(double value) { avgRange_ = value; }
  double ApplyOffset() const { return applyOffset_; }
  void SetApplyOffset(double value) { applyOffset_ = value; }
  double MidPoint() const { return midPoint_; }

  // Indexed accessors; an index outside the array throws std::out_of_range.
  double Frequency(int32_t index) const;
  void SetFrequency(int32_t index, double value);
  double Range(int32_t index) const;
  void SetRange(int32_t index, double value);
  double MapValue(int32_t index) const;
  void SetMapValue(int32_t index, double value);
  double RelCumFrequency(int32_t index) const;
  void SetRelCumFrequency(int32_t index, double value);
  int32_t Count() const { return static_cast<int32_t>(range_.size()); }

  // Appends the classes of the file, then computes the total frequency, the
  // relative cumulative frequencies and MidPoint. False, changing nothing,
  // when the file is missing or unreadable, a number does not parse, a class
  // lacks its frequency, or the classes do not continue 0, 1, 2, ...
  bool LoadDistribution(const std::string& path);

  // Fills MapValue for one season value; true when the values were produced.
  bool MapDistribution(double value);

  // Sets Occurances and ApplyOffset and builds the base map (the
  // distribution's quantile values).
  void CreateBaseMap(double occurrences, double applyOffset);

 private:
  bool MapSmallValues(double value);
  int32_t MapUpper() const { return static_cast<int32_t>(mapValue_.size()) - 1; }

  int32_t id_ = 0;
  std::vector<double> range_;
  std::vector<double> frequency_;
  std::vector<double> relCumFrequency_;
  double avgRange_ = 0.0;
  double occurances_ = 0.0;
  double applyOffset_ = 0.5;
  double midPoint_ = 0.0;
  double totalFrequency_ = 0.0;
  std::vector<double> baseMap_;
  std::vector<double> mapValue_;
  double lastMapRequest_ = -9898989898.0;
};
