#include "tools/WeeklyStatFiles.h"

#include <filesystem>

#include "platform/runtime/FileIO.h"
#include "platform/runtime/Text.h"

namespace bundle {

namespace {

// Fum is the fumbles a player lost: the source's own points take 2 off for
// each, as standard scoring does for a lost fumble.
constexpr StatColumn kOffenseColumns[] = {
    {"PassingYDS", 3}, {"PassingTD", 4},     {"PassingInt", 5},    {"RushingYDS", 14},
    {"RushingTD", 15}, {"ReceivingRec", 20}, {"ReceivingYDS", 21}, {"ReceivingTD", 22},
    {"RetTD", 68},     {"FumTD", 73},        {"Fum", 71},          {"2PT", 75},
};

// The files have no columns for field goals missed from 40 yards on.
constexpr StatColumn kKickingColumns[] = {
    {"PatMade", 31},      {"PatMissed", 32},    {"FgMade_0-19", 33},  {"FgMiss_0-19", 34},
    {"FgMade_20-29", 35}, {"FgMiss_20-29", 36}, {"FgMade_30-39", 37}, {"FgMiss_30-39", 38},
    {"FgMade_40-49", 39}, {"FgMade_50", 41},
};

std::vector<std::string> SplitCells(std::string_view line) {
  std::vector<std::string> cells;
  std::size_t start = 0;
  for (;;) {
    std::size_t comma = line.find(',', start);
    if (comma == std::string_view::npos) {
      cells.emplace_back(line.substr(start));
      return cells;
    }
    cells.emplace_back(line.substr(start, comma - start));
    start = comma + 1;
  }
}

}  // namespace

int CsvTable::Column(std::string_view name) const {
  for (std::size_t i = 0; i < header.size(); ++i) {
    if (header[i] == name) return static_cast<int>(i);
  }
  return -1;
}

bool ReadCsvTable(const std::string& path, CsvTable& out, std::string* error) {
  auto Fail = [&](const std::string& why) {
    if (error) *error = path + ": " + why;
    return false;
  };
  std::string readError;
  auto bytes = runtime::ReadFileBytes(path, &readError);
  if (!bytes) return Fail(readError);
  if (bytes->find('"') != std::string::npos) return Fail("quoted cells are not expected");

  CsvTable table;
  std::size_t lineNumber = 0;
  std::size_t start = 0;
  while (start < bytes->size()) {
    std::size_t end = bytes->find('\n', start);
    if (end == std::string::npos) end = bytes->size();
    std::string_view line(bytes->data() + start, end - start);
    start = end + 1;
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) continue;
    std::vector<std::string> cells = SplitCells(line);
    if (table.header.empty()) {
      table.header = std::move(cells);
    } else if (cells.size() != table.header.size()) {
      return Fail("line " + std::to_string(lineNumber) + " has " + std::to_string(cells.size()) +
                  " cells, the header " + std::to_string(table.header.size()));
    } else {
      table.rows.push_back(std::move(cells));
    }
  }
  if (table.header.empty()) return Fail("no header row");
  out = std::move(table);
  return true;
}

bool ParseStatCell(std::string_view text, double& value) {
  if (text.empty()) {
    value = 0.0;
    return true;
  }
  if (!runtime::IsNumeric(text) || text.find_first_of("eE ") != std::string_view::npos) return false;
  value = runtime::Val(text);
  return true;
}

std::string WeeklyFilePath(const std::string& dataFolder, std::string_view kind, int32_t week,
                           std::string_view pos) {
  std::string path = dataFolder;
  if (!path.empty() && path.back() != '/') path += '/';
  path.append(kind).append("/").append(std::to_string(week)).append("/").append(pos).append(".csv");
  return path;
}

std::vector<int32_t> WeeksPresent(const std::string& dataFolder, std::string_view kind) {
  std::vector<int32_t> weeks;
  std::error_code ec;
  for (int32_t week = 1;; ++week) {
    std::filesystem::path folder(dataFolder);
    folder /= std::string(kind);
    folder /= std::to_string(week);
    if (!std::filesystem::is_directory(folder, ec)) return weeks;
    weeks.push_back(week);
  }
}

std::span<const StatColumn> StatColumns(std::string_view pos) {
  if (pos == "K") return kKickingColumns;
  return kOffenseColumns;
}

}  // namespace bundle
