#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "FakeSeams.h"
#include "TempDir.h"
#include "database/clsDisplayGridIsolate.h"
#include "documents/basGridValidation.h"

namespace {

TEST(DefaultDisplayGridFile, NamesTheDefaultOfEachKind) {
  using basGridValidation::DefaultDisplayGridFile;
  EXPECT_EQ(DefaultDisplayGridFile(1), "Mock Draft - Default.dis");
  EXPECT_EQ(DefaultDisplayGridFile(2), "Cheat Sheet - Default.dis");
  EXPECT_EQ(DefaultDisplayGridFile(5), "Stats - Team Defense.dis");
  EXPECT_EQ(DefaultDisplayGridFile(10), "UserMock - Small Roster.dis");
  EXPECT_EQ(DefaultDisplayGridFile(0), "");
  EXPECT_EQ(DefaultDisplayGridFile(11), "");
}

TEST(CheckDisplayGridColumns, RefusesNoColumnsWideColumnsAndRepeatedCategories) {
  using basGridValidation::CheckDisplayGridColumns;
  std::string message = "kept?";
  EXPECT_FALSE(CheckDisplayGridColumns({}, message));
  EXPECT_EQ(message, "Display grid contains no columns.");
  message.clear();
  EXPECT_TRUE(CheckDisplayGridColumns({{1, 1600}, {2, 0}}, message));
  EXPECT_EQ(message, "");
  // Columns count from one.
  EXPECT_FALSE(CheckDisplayGridColumns({{1, 1601}, {2, 10}, {3, 5000}}, message));
  EXPECT_EQ(message, "Column [1] width exceeds limit.\r\nColumn [3] width exceeds limit.\r\n");
  // Shown three times: one line per pair, added to what was there.
  message = "Earlier.\r\n";
  EXPECT_FALSE(CheckDisplayGridColumns({{84, 50}, {7, 50}, {84, 50}, {84, 50}}, message));
  EXPECT_EQ(message,
            "Earlier.\r\n"
            "Category ID [84] found multiple times.\r\n"
            "Category ID [84] found multiple times.\r\n"
            "Category ID [84] found multiple times.\r\n");
}

// A display-grid file written by the grid's own writer: (category, width) per column.
std::string SaveGrid(const kdtest::TempDir& dir, const std::string& name,
                     const std::vector<std::pair<int32_t, int16_t>>& columns) {
  clsDisplayGridIsolate grid;
  grid.SetFilePath(dir.File(name));
  grid.SetColumnMax(static_cast<int32_t>(columns.size()) - 1);
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const auto col = static_cast<int32_t>(i);
    grid.SetTableFieldID(col, columns[i].first);
    grid.SetOrderNumber(col, static_cast<uint8_t>(i + 1));
    grid.SetColumnWidth(col, columns[i].second);
  }
  EXPECT_TRUE(grid.SaveFile());
  return dir.File(name);
}

TEST(ValidateDisplayGridFile, ChecksTheFilesColumnsAndShowsNothing) {
  kdtest::ScopedFakeSeams seams;
  kdtest::TempDir dir;
  std::string message;
  EXPECT_TRUE(
      basGridValidation::ValidateDisplayGridFile(SaveGrid(dir, "ok.dis", {{1, 1600}, {84, 45}}), message));
  EXPECT_EQ(message, "");
  message = "Earlier.\r\n";
  EXPECT_FALSE(basGridValidation::ValidateDisplayGridFile(
      SaveGrid(dir, "bad.dis", {{84, 50}, {7, 1601}, {84, 50}}), message));
  EXPECT_EQ(message,
            "Earlier.\r\nCategory ID [84] found multiple times.\r\nColumn [2] width exceeds limit.\r\n");
  message = "Earlier.";
  EXPECT_FALSE(basGridValidation::ValidateDisplayGridFile(SaveGrid(dir, "empty.dis", {}), message));
  EXPECT_EQ(message, "Display grid contains no columns.");
  EXPECT_TRUE(seams.messages.captions.empty());
}

TEST(ValidateDisplayGridFile, AFileThatCannotBeOpenedReplacesTheMessage) {
  kdtest::ScopedFakeSeams seams;
  kdtest::TempDir dir;
  const std::string good = kdtest::ReadFile(SaveGrid(dir, "good.dis", {{1, 45}, {2, 45}}));
  kdtest::WriteFile(dir.File("short.dis"), good.substr(0, good.size() - 1));
  kdtest::WriteFile(dir.File("foreign.dis"), "Vellacorn League Properties" + good.substr(27));
  kdtest::WriteFile(dir.File("folder.dis/x"), "");
  for (const char* name : {"missing.dis", "short.dis", "foreign.dis", "folder.dis"}) {
    std::string message = "Earlier.\r\n";
    EXPECT_FALSE(basGridValidation::ValidateDisplayGridFile(dir.File(name), message)) << name;
    EXPECT_EQ(message, "Could not open display grid.") << name;
  }
  EXPECT_TRUE(seams.messages.captions.empty());
}

}  // namespace
