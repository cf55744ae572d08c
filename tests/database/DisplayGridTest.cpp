#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "FakeSeams.h"
#include "TempDir.h"
#include "database/clsDisplayGridIsolate.h"

namespace {

using kdtest::Hex;
using kdtest::PokeLong;

std::string Padded(const std::string& text, std::size_t width) {
  return text + std::string(width - text.size(), ' ');
}

constexpr std::size_t kVersionAt = 30, kCountAt = 34;

// "Mine": grid type 2, one column showing category 51 ("Player" / "Name",
// 160 wide, format 13, left aligned).
std::string OneColumnFile() {
  return Padded("Vellacorn Display Grid", 30) + Hex("01 00 00 00  01 00 00 00  02 00 00 00") +
         Padded("Mine", 50) + Hex("33 00 00 00  01  a0 00") + Padded("Player", 50) + Padded("Name", 50) +
         Hex("0d 01");
}

// Columns k = 0..n-1 showing categories 10 + k in order, titled "T<k>".
clsDisplayGridIsolate GridOf(int32_t n) {
  clsDisplayGridIsolate grid;
  grid.SetColumnMax(n - 1);
  for (int32_t k = 0; k < n; ++k) {
    grid.SetTableFieldID(k, 10 + k);
    grid.SetOrderNumber(k, static_cast<uint8_t>(k + 1));
    grid.SetTitle1(k, "T" + std::to_string(k));
  }
  return grid;
}

// "catID@order" for every column, in array order.
std::string Layout(const clsDisplayGridIsolate& grid) {
  std::string out;
  for (int32_t k = 0; k <= grid.ColumnMax(); ++k) {
    if (k) out += " ";
    out += std::to_string(grid.TableFieldID(k)) + "@" + std::to_string(grid.OrderNumber(k));
  }
  return out;
}

TEST(DisplayGridFile, WritesAndReadsTheHandWorkedBytesOfAOneColumnGrid) {
  kdtest::TempDir dir;
  clsDisplayGridIsolate grid;
  grid.SetFilePath(dir.File("Mine.dis"));
  grid.SetGridName("Mine");
  grid.SetGridType(2);
  grid.SetColumnMax(0);
  grid.SetTableFieldID(0, 51);
  grid.SetOrderNumber(0, 1);
  grid.SetColumnWidth(0, 160);
  grid.SetTitle1(0, "Player");
  grid.SetTitle2(0, "Name");
  grid.SetDecimals(0, 13);
  grid.SetAlign(0, 1);
  ASSERT_TRUE(grid.SaveFile());
  EXPECT_EQ(kdtest::ReadFile(dir.File("Mine.dis")), OneColumnFile());

  // Read back into a grid of another shape and written again byte for byte.
  kdtest::WriteFile(dir.File("in.dis"), OneColumnFile());
  clsDisplayGridIsolate back = GridOf(3);
  ASSERT_TRUE(back.OpenFile(dir.File("in.dis")));
  EXPECT_EQ(back.ColumnMax(), 0);
  EXPECT_EQ(back.ColumnWidth(0), 160);
  EXPECT_EQ(back.Title2(0), "Name");
  EXPECT_EQ(back.Decimals(0), 13);
  EXPECT_EQ(back.GridType(), 2);
  EXPECT_EQ(back.GridName(), "in.dis");
  back.SetFilePath(dir.File("out.dis"));
  ASSERT_TRUE(back.SaveFile());
  EXPECT_EQ(kdtest::ReadFile(dir.File("out.dis")), OneColumnFile());
}

TEST(DisplayGridFile, AGridWithoutColumnsIsAHeaderOnly) {
  kdtest::TempDir dir;
  clsDisplayGridIsolate empty;
  empty.SetFilePath(dir.File("empty.dis"));
  ASSERT_TRUE(empty.SaveFile());
  const std::string bytes = kdtest::ReadFile(dir.File("empty.dis"));
  // Never named: the header's grid name is 50 zero bytes.
  EXPECT_EQ(bytes, Padded("Vellacorn Display Grid", 30) + Hex("01 00 00 00  00 00 00 00  00 00 00 00") +
                       std::string(50, '\0'));
  clsDisplayGridIsolate grid = GridOf(2);
  ASSERT_TRUE(grid.OpenFile(dir.File("empty.dis")));
  EXPECT_EQ(grid.ColumnMax(), -1);

  // Saving over a longer file replaces it whole.
  const std::string path = dir.File("g.dis");
  clsDisplayGridIsolate wide = GridOf(5);
  wide.SetFilePath(path);
  ASSERT_TRUE(wide.SaveFile());
  clsDisplayGridIsolate narrow = GridOf(1);
  narrow.SetFilePath(path);
  ASSERT_TRUE(narrow.SaveFile());
  EXPECT_EQ(kdtest::ReadFile(path).size(), 92u + 109u);
}

TEST(DisplayGridFile, TextsAreWindows1252CutToTheirWidthAndReadUpToANul) {
  kdtest::TempDir dir;
  clsDisplayGridIsolate grid = GridOf(1);
  grid.SetTitle1(0, "Défense");
  grid.SetTitle2(0, std::string(60, 'x'));
  grid.SetFilePath(dir.File("t.dis"));
  ASSERT_TRUE(grid.SaveFile());
  const std::string bytes = kdtest::ReadFile(dir.File("t.dis"));
  EXPECT_EQ(bytes.substr(92 + 7, 50), Padded("D\xE9"
                                             "fense",
                                             50));
  EXPECT_EQ(bytes.substr(92 + 57, 50), std::string(50, 'x'));
  clsDisplayGridIsolate back;
  ASSERT_TRUE(back.OpenFile(dir.File("t.dis")));
  EXPECT_EQ(back.Title1(0), "Défense");
  EXPECT_EQ(back.Title2(0), std::string(50, 'x'));

  // Read titles are cut at the first NUL and trimmed.
  std::string nul = OneColumnFile();
  nul.replace(92 + 7, 50, Padded(std::string("  Pass\0ing", 10), 50));
  kdtest::WriteFile(dir.File("n.dis"), nul);
  ASSERT_TRUE(back.OpenFile(dir.File("n.dis")));
  EXPECT_EQ(back.Title1(0), "Pass");
  // A new column's titles were never set: they read empty.
  back.SetColumnMax(1);
  EXPECT_EQ(back.Title1(1), "");
  EXPECT_EQ(back.TableFieldID(1), 0);
}

std::string WithSignature(const std::string& signature) {
  std::string bytes = OneColumnFile();
  bytes.replace(0, 30, signature);
  return bytes;
}

std::string WithLong(std::size_t at, int32_t value) {
  std::string bytes = OneColumnFile();
  PokeLong(bytes, at, value);
  return bytes;
}

std::string ThreeColumns(std::size_t cut) {
  std::string bytes = WithLong(kCountAt, 3) + std::string(2 * 109, '\0');
  return bytes.substr(0, bytes.size() - cut);
}

TEST(DisplayGridFile, TheHeaderIsCheckedBeforeAnythingIsRead) {
  const struct {
    const char* name;
    std::string bytes;
    bool opens;
  } cases[] = {
      {"Valid", OneColumnFile(), true},
      {"SignatureWithBlanksAround", WithSignature(Padded("    Vellacorn Display Grid", 30)), true},
      {"SignatureInOtherCase", WithSignature(Padded("VELLACORN DISPLAY GRID", 30)), false},
      {"SignaturePaddedWithNul", WithSignature("Vellacorn Display Grid" + std::string(8, '\0')), false},
      {"OtherSignature", WithSignature(Padded("Vellacorn Draft Strategy", 30)), false},
      {"VersionZero", WithLong(kVersionAt, 0), true},
      {"VersionNegative", WithLong(kVersionAt, -3), true},
      {"VersionTwo", WithLong(kVersionAt, 2), false},
      {"NegativeColumnCount", WithLong(kCountAt, -1), false},
      {"HugeColumnCount", WithLong(kCountAt, 0x7FFFFFFF), false},
      {"CountThatOverflowsThirtyTwoBits", WithLong(kCountAt, 20000000), false},
      {"ThreeColumnsOneByteShort", ThreeColumns(1), false},
      {"ThreeColumnsExactly", ThreeColumns(0), true},
      {"TrailingBytesIgnored", OneColumnFile() + "tail", true},
      {"ShorterThanTheHeader", OneColumnFile().substr(0, 91), false},
      {"Empty", "", false},
  };
  kdtest::TempDir dir;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    kdtest::WriteFile(dir.File("h.dis"), c.bytes);
    clsDisplayGridIsolate grid = GridOf(2);
    grid.SetFilePath(dir.File("before.dis"));
    grid.SetGridType(7);
    EXPECT_EQ(grid.OpenFile(dir.File("h.dis")), c.opens);
    if (!c.opens) {
      // Refused: the grid is exactly as it was.
      EXPECT_EQ(Layout(grid), "10@1 11@2");
      EXPECT_EQ(grid.Title1(1), "T1");
      EXPECT_EQ(grid.GridType(), 7);
      EXPECT_EQ(grid.GridName(), "before.dis");
    }
  }
}

// A 256 MB grid file held two million columns, about twice its size in
// memory; files above the ceiling are refused before anything is read.
TEST(DisplayGridFile, AMissingFileAFolderOrAFileLargerThanTheCeilingIsNotOpened) {
  kdtest::TempDir dir;
  std::string bytes = OneColumnFile();
  bytes.resize(clsDisplayGridIsolate::kMaxFileBytes + 1, '\0');  // a valid grid with a long tail
  kdtest::WriteFile(dir.File("huge.dis"), bytes);
  clsDisplayGridIsolate grid = GridOf(1);
  EXPECT_FALSE(grid.OpenFile(dir.File("missing.dis")));
  EXPECT_FALSE(grid.OpenFile(dir.Path()));
  EXPECT_FALSE(grid.OpenFile(dir.File("huge.dis")));
  EXPECT_EQ(Layout(grid), "10@1");
  bytes.resize(clsDisplayGridIsolate::kMaxFileBytes);
  kdtest::WriteFile(dir.File("huge.dis"), bytes);
  EXPECT_TRUE(grid.OpenFile(dir.File("huge.dis")));
  EXPECT_EQ(grid.ColumnMax(), 0);
}

TEST(DisplayGridFile, ASaveThatCannotWriteSaysSoAndReturnsFalse) {
  kdtest::ScopedFakeSeams fakes;
  kdtest::TempDir dir;
  clsDisplayGridIsolate grid = GridOf(1);
  const std::string path = dir.File("no-such-folder/g.dis");
  grid.SetFilePath(path);
  EXPECT_FALSE(grid.SaveFile());
  ASSERT_EQ(fakes.messages.plain.size(), 1u);
  EXPECT_EQ(fakes.messages.plain[0].caption, "Open File Error");
  EXPECT_NE(fakes.messages.plain[0].text.find("\r\n" + path), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(DisplayGrid, GridNameReadsTheFileNameWhateverTheHeaderHolds) {
  clsDisplayGridIsolate grid;
  grid.SetGridName("Offence");
  EXPECT_EQ(grid.GridName(), "");
  grid.SetFilePath("/home/u/dis/Stats - Offensive.dis");
  EXPECT_EQ(grid.GridName(), "Stats - Offensive.dis");
  // A path without a folder keeps the name from before.
  grid.SetFilePath("plain.dis");
  EXPECT_EQ(grid.GridName(), "Stats - Offensive.dis");
}

TEST(DisplayGrid, SpawnCopiesPathNameAndColumnsButNotTheGridType) {
  kdtest::TempDir dir;
  clsDisplayGridIsolate source = GridOf(3);
  source.SetFilePath("/w/dis/Source.dis");
  source.SetGridType(4);
  source.SetTitle2(2, "Yds");
  clsDisplayGridIsolate target = GridOf(5);
  source.Spawn(target);
  EXPECT_EQ(Layout(target), "10@1 11@2 12@3");
  EXPECT_EQ(target.Title2(2), "Yds");
  EXPECT_EQ(target.FilePath(), "/w/dis/Source.dis");
  EXPECT_EQ(target.GridName(), "Source.dis");
  EXPECT_EQ(target.GridType(), 0);
  // The target's header holds the source's file name.
  target.SetFilePath(dir.File("t.dis"));
  ASSERT_TRUE(target.SaveFile());
  EXPECT_EQ(kdtest::ReadFile(dir.File("t.dis")).substr(42, 50), Padded("Source.dis", 50));
}

TEST(DisplayGrid, RemovingAColumnClosesTheGap) {
  clsDisplayGridIsolate grid = GridOf(4);
  EXPECT_EQ(grid.pFnRemoveColumnWithTableFieldID(11), 2);
  EXPECT_EQ(Layout(grid), "10@1 12@2 13@3");
  EXPECT_EQ(grid.Title1(1), "T2");
  EXPECT_EQ(grid.pFnRemoveColumnWithTableFieldID(13), 3);
  EXPECT_EQ(Layout(grid), "10@1 12@2");
  EXPECT_EQ(grid.pFnRemoveColumnWithTableFieldID(99), 0);
  EXPECT_EQ(Layout(grid), "10@1 12@2");

  clsDisplayGridIsolate single = GridOf(1);
  EXPECT_EQ(single.pFnRemoveColumnWithTableFieldID(10), 1);
  EXPECT_EQ(single.ColumnMax(), -1);

  // Only the first column of a category is found or removed.
  clsDisplayGridIsolate twice = GridOf(3);
  twice.SetTableFieldID(2, 11);
  EXPECT_EQ(twice.OrderNumberWTableFieldID(11), 2);
  EXPECT_EQ(twice.OrderNumberWTableFieldID(12), 0);
  EXPECT_EQ(twice.pFnRemoveColumnWithTableFieldID(11), 2);
  EXPECT_EQ(Layout(twice), "10@1 11@2");
}

TEST(DisplayGrid, MovingAColumnShiftsTheOthers) {
  clsDisplayGridIsolate grid = GridOf(4);
  grid.pSbReOrderColumns(2, 3);
  EXPECT_EQ(Layout(grid), "10@1 12@2 11@3 13@4");
  grid.pSbReOrderColumns(3, 2);
  EXPECT_EQ(Layout(grid), "10@1 11@2 12@3 13@4");
  grid.pSbReOrderColumns(4, 1);
  EXPECT_EQ(Layout(grid), "13@1 10@2 11@3 12@4");
  EXPECT_EQ(grid.Title1(0), "T3");
  grid.pSbReOrderColumns(1, 4);
  EXPECT_EQ(Layout(grid), "10@1 11@2 12@3 13@4");
  // The same place, or an invalid one, changes nothing.
  for (auto [from, to] : {std::pair{3, 3}, {5, 1}, {0, 2}, {2, 0}, {2, 5}, {-1, 1}, {1, -1}, {257, 1}}) {
    grid.pSbReOrderColumns(from, to);
    EXPECT_EQ(Layout(grid), "10@1 11@2 12@3 13@4") << from << " -> " << to;
  }
}

TEST(DisplayGrid, ColumnIndexesOutsideTheGridAreCallerErrors) {
  clsDisplayGridIsolate grid = GridOf(2);
  EXPECT_THROW(grid.TableFieldID(2), std::out_of_range);
  EXPECT_THROW(grid.SetTitle1(-1, "x"), std::out_of_range);
  EXPECT_THROW(grid.SetColumnMax(-2), std::out_of_range);
  grid.SetColumnMax(-1);
  EXPECT_EQ(grid.ColumnMax(), -1);
  EXPECT_THROW(grid.Title1(0), std::out_of_range);
}

}  // namespace
