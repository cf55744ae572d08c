#pragma once
// The display formats of one projected-stats file: how a category's numeric
// value becomes cell text, through a number format, a table of value-to-text
// conversions, a lookup or a caller's keyed text. Loaded at open in ascending
// format id, each format followed at once by its conversions in ascending
// conversion id, so a format's conversions sit side by side in one list.
//
// "index" is a position in the format list (0..Count() - 1); an index outside
// it is a caller error and throws std::out_of_range. Ids come from the file
// and are never trusted: an id that no format has is "not found" (-1, "").

#include <cstdint>
#include <string>
#include <vector>

#include "database/IdPositionMap.h"

class clsDisplayFormatIsolate {
 public:
  // TextType: how the text of a cell is produced.
  static constexpr uint8_t kTextNumber = 0;   // StringFormat
  static constexpr uint8_t kTextConvert = 1;  // GetTextConvert
  static constexpr uint8_t kTextLookup = 2;   // lookup by DisplayType
  static constexpr uint8_t kTextKeyed = 3;    // the document builders' keyed texts
  // ValuePosition of the text types.
  static constexpr uint8_t kTextOnly = 0;
  static constexpr uint8_t kNumberThenText = 1;
  static constexpr uint8_t kTextThenNumber = 2;

  int32_t Count() const { return static_cast<int32_t>(formats_.size()); }

  const std::string& DisplayName(int32_t index) const { return At(index).displayName; }
  uint8_t DisplayType(int32_t index) const { return At(index).displayType; }
  int32_t DisplayID(int32_t index) const { return At(index).id; }
  uint8_t TextType(int32_t index) const { return At(index).textType; }
  const std::string& StringFormat(int32_t index) const { return At(index).stringFormat; }
  bool Ranged(int32_t index) const { return At(index).ranged; }
  uint8_t ValuePosition(int32_t index) const { return At(index).valuePosition; }
  // The conversions that followed the format when it was loaded; the count
  // stored with the format is not trusted, since a wrong one would read
  // another format's texts.
  int32_t ConvertCount(int32_t index) const { return At(index).convertCount; }

  // List position of a format id; -1 when no format has it.
  int32_t DisplayIndex(int32_t formatID) const { return byId_.Find(formatID); }
  // DisplayName of the format with that id; "" when there is none.
  std::string DisplayNameWID(int32_t formatID) const;

  // 0 "-", 1 "0", 2 "N/A", any other code "".
  static std::string GetZeroDisplay(uint8_t code);

  // The text of the first conversion of the format that matches the value:
  // exactly its TypeValueMin, or (ranged) within TypeValueMin..TypeValueMax,
  // both ends inclusive. "" when none matches.
  std::string GetTextConvert(int32_t index, float value) const;

  // `convertCount` is what the file says; the format's ConvertCount counts
  // the AddTextConvert calls for it that follow.
  void AddDisplayFormat(int32_t id, uint8_t displayType, uint8_t textType, bool ranged,
                        const std::string& displayName, const std::string& stringFormat,
                        uint8_t valuePosition, uint8_t convertCount);
  // A conversion belongs to the format added last when it names that
  // format's id; any other is kept out of every format.
  void AddTextConvert(int32_t formatID, float typeValueMin, float typeValueMax,
                      const std::string& outputText);

 private:
  struct Format {
    int32_t id = 0;
    uint8_t displayType = 0;
    uint8_t textType = 0;
    bool ranged = false;
    std::string displayName;
    std::string stringFormat;
    uint8_t valuePosition = 0;
    int32_t convertCount = 0;
    int32_t firstConvert = 0;
  };
  struct Convert {
    int32_t formatID = 0;
    float typeValueMin = 0;
    float typeValueMax = 0;
    std::string outputText;
  };

  const Format& At(int32_t index) const;

  std::vector<Format> formats_;
  std::vector<Convert> converts_;
  IdPositionMap byId_;
};
