#pragma once
// What the bundle tools take from the template projected-stats database
// (def/Default.pro): team and position ids by abbreviation and the stat
// categories, so that the documents they write use the template's numbers
// rather than copies of them.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace bundle {

struct TemplateLookups {
  std::map<std::string, int32_t> teams;      // AbrvA and AbrvB of teams valid in the year
  std::map<std::string, int32_t> positions;  // Pos -> ID
  std::vector<int32_t> positionOrder;        // position IDs by DisplayOrder
  struct Category {
    int32_t editType = 0;
    int32_t defaultFormat = 0;  // display-format ID
    int32_t formatType = 0;     // the DisplayType of the formats it may use
  };
  std::map<int32_t, Category> categories;
  std::map<int32_t, int32_t> formats;  // display-format ID -> DisplayType
  int32_t year = 0;                    // tblSettings.Year

  // 0 when unknown.
  int32_t TeamID(const std::string& abrv) const;
  int32_t PositionID(const std::string& abrv) const;
  bool IsCategory(int32_t catID) const { return categories.count(catID) != 0; }
  // A category that is one stored field: the only kind a player-record file carries.
  bool IsEditableCategory(int32_t catID) const;
  // 0 when the category is unknown.
  int32_t DefaultFormat(int32_t catID) const;
  // A format the category may be shown in: one whose DisplayType is the
  // category's FormatType.
  bool IsFormatOf(int32_t formatID, int32_t catID) const;
};

// Reads the lookups of the template at `path` for the season `year` (0: the
// template's own year). False with `error` set when the file cannot be
// opened or lacks a table.
bool LoadTemplateLookups(const std::string& path, int32_t year, TemplateLookups& out, std::string* error);

}  // namespace bundle
