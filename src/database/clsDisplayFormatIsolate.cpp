#include "database/clsDisplayFormatIsolate.h"

#include <stdexcept>

const clsDisplayFormatIsolate::Format& clsDisplayFormatIsolate::At(int32_t index) const {
  if (index < 0 || index >= Count()) throw std::out_of_range("display format index " + std::to_string(index));
  return formats_[static_cast<std::size_t>(index)];
}

std::string clsDisplayFormatIsolate::DisplayNameWID(int32_t formatID) const {
  const int32_t index = DisplayIndex(formatID);
  return index < 0 ? std::string() : formats_[static_cast<std::size_t>(index)].displayName;
}

std::string clsDisplayFormatIsolate::GetZeroDisplay(uint8_t code) {
  switch (code) {
    case 0:
      return "-";
    case 1:
      return "0";
    case 2:
      return "N/A";
    default:
      return "";
  }
}

std::string clsDisplayFormatIsolate::GetTextConvert(int32_t index, float value) const {
  const Format& format = At(index);
  const auto first = static_cast<std::size_t>(format.firstConvert);
  const auto end = first + static_cast<std::size_t>(format.convertCount);
  for (std::size_t k = first; k < end; ++k) {
    const Convert& convert = converts_[k];
    const bool match = format.ranged ? convert.typeValueMin <= value && value <= convert.typeValueMax
                                     : convert.typeValueMin == value;
    if (match) return convert.outputText;
  }
  return "";
}

void clsDisplayFormatIsolate::AddDisplayFormat(int32_t id, uint8_t displayType, uint8_t textType, bool ranged,
                                               const std::string& displayName,
                                               const std::string& stringFormat, uint8_t valuePosition,
                                               uint8_t /*convertCount*/) {
  Format format;
  format.id = id;
  format.displayType = displayType;
  format.textType = textType;
  format.ranged = ranged;
  format.displayName = displayName;
  format.stringFormat = stringFormat;
  format.valuePosition = valuePosition;
  format.firstConvert = static_cast<int32_t>(converts_.size());
  formats_.push_back(std::move(format));
  byId_.Set(id, Count() - 1);
}

void clsDisplayFormatIsolate::AddTextConvert(int32_t formatID, float typeValueMin, float typeValueMax,
                                             const std::string& outputText) {
  converts_.push_back(Convert{formatID, typeValueMin, typeValueMax, outputText});
  if (formats_.empty()) return;
  Format& last = formats_.back();
  // Only a run of conversions directly after their own format counts, so a
  // format's conversions stay consecutive from its firstConvert.
  if (last.id == formatID &&
      last.firstConvert + last.convertCount + 1 == static_cast<int32_t>(converts_.size())) {
    ++last.convertCount;
  }
}
