#pragma once
// The weekly player files of data/nfl-2024 (its README has the columns):
// <folder>/<kind>/<week>/<POS>.csv, kind "projected" or "actual", one header
// row, no quoting, an empty cell meaning zero. This module reads them and
// knows which stat category of the template each stat column is.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace bundle {

// The positions the files cover, in the template's display order.
inline constexpr std::string_view kWeeklyPositions[] = {"QB", "RB", "WR", "TE", "K"};

struct CsvTable {
  std::vector<std::string> header;
  std::vector<std::vector<std::string>> rows;  // every row has header.size() cells

  // The column's index, -1 when the header lacks it.
  int Column(std::string_view name) const;
};

// Reads a whole file. False with `error` (naming the file and line) when it
// cannot be read, is empty, holds a quote, or has a row whose cell count
// differs from the header's. A trailing CR of a line is dropped.
bool ReadCsvTable(const std::string& path, CsvTable& out, std::string* error);

// A stat cell: empty is 0, otherwise a plain decimal number. False for any
// other text.
bool ParseStatCell(std::string_view text, double& value);

std::string WeeklyFilePath(const std::string& dataFolder, std::string_view kind, int32_t week,
                           std::string_view pos);

// The weeks 1, 2, ... whose folder <dataFolder>/<kind>/<week> exists, up to
// the first missing one.
std::vector<int32_t> WeeksPresent(const std::string& dataFolder, std::string_view kind);

// A stat column of the files and the stat category that holds it.
struct StatColumn {
  std::string_view column;
  int32_t catID;
};

// The stat columns of a position's files: the kicking columns for "K", the
// offensive ones for the others.
std::span<const StatColumn> StatColumns(std::string_view pos);

}  // namespace bundle
