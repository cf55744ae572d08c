#pragma once
// One display grid: the ordered columns of a player table, each naming a
// stat category with its width, two heading lines, display format and
// alignment; read and written as a ".dis" file (docs/file-format-dis.md).
//
// Column indexes are 0-based and must lie in 0..ColumnMax(); any other is a
// caller error and throws std::out_of_range. Columns stand in array index =
// OrderNumber - 1, which the editing operations assume and keep.
//
// The fixed texts (titles, the header's grid name) are held as the bytes the
// file stores, Windows-1252 padded with blanks, so that a grid copied or
// saved keeps them byte for byte; the Gets convert and trim them.

#include <cstdint>
#include <string>
#include <vector>

class clsDisplayGridIsolate {
 public:
  static constexpr const char* kSignature = "Vellacorn Display Grid";
  static constexpr int32_t kVersion = 1;
  static constexpr std::size_t kSignatureWidth = 30;
  static constexpr std::size_t kTextWidth = 50;
  static constexpr std::size_t kHeaderBytes = 92;
  static constexpr std::size_t kColumnBytes = 109;
  // Largest file read: tens of thousands of columns, where a grid shows a
  // few dozen. Each column read takes about twice its bytes in memory.
  static constexpr uint64_t kMaxFileBytes = 4ull * 1024 * 1024;

  clsDisplayGridIsolate();

  // Copies path, file name (as the target's stored grid name) and every
  // column into target. GridType is not copied.
  void Spawn(clsDisplayGridIsolate& target) const;

  // -1 empties the grid; otherwise columns 0..n, keeping existing ones and
  // adding zero-filled ones. Below -1 throws std::out_of_range.
  void SetColumnMax(int32_t n);
  int32_t ColumnMax() const { return static_cast<int32_t>(columns_.size()) - 1; }

  // Setting the path recomputes the file-name part: what follows the last
  // '/'; a path without one leaves the file-name part as it was.
  const std::string& FilePath() const { return filePath_; }
  void SetFilePath(const std::string& path);

  // The two directions address different data: the Get is the file-name
  // part of FilePath, the Set the name stored in the file's header.
  const std::string& GridName() const { return fileName_; }
  void SetGridName(const std::string& name);

  int32_t GridType() const { return gridType_; }
  void SetGridType(int32_t value) { gridType_ = value; }

  int32_t TableFieldID(int32_t col) const { return At(col).tableFieldID; }
  void SetTableFieldID(int32_t col, int32_t value) { At(col).tableFieldID = value; }
  uint8_t OrderNumber(int32_t col) const { return At(col).orderNumber; }
  void SetOrderNumber(int32_t col, uint8_t value) { At(col).orderNumber = value; }
  int16_t ColumnWidth(int32_t col) const { return At(col).columnWidth; }
  void SetColumnWidth(int32_t col, int16_t value) { At(col).columnWidth = value; }
  // Up to the first NUL, blanks trimmed at both ends.
  std::string Title1(int32_t col) const;
  void SetTitle1(int32_t col, const std::string& text);
  std::string Title2(int32_t col) const;
  void SetTitle2(int32_t col, const std::string& text);
  uint8_t Decimals(int32_t col) const { return At(col).decimals; }
  void SetDecimals(int32_t col, uint8_t value) { At(col).decimals = value; }
  uint8_t Align(int32_t col) const { return At(col).align; }
  void SetAlign(int32_t col, uint8_t value) { At(col).align = value; }

  // OrderNumber of the first column showing the category; 0 when none.
  uint8_t OrderNumberWTableFieldID(int32_t catID) const;
  // Removes the first column showing the category, closing the gap; returns
  // its OrderNumber, 0 (and nothing changes) when none shows it.
  uint8_t pFnRemoveColumnWithTableFieldID(int32_t catID);
  // Moves the column at display position fromOrder to toOrder. A fromOrder
  // that no column has, or a toOrder outside 1..ColumnMax() + 1, changes
  // nothing.
  void pSbReOrderColumns(int32_t fromOrder, int32_t toOrder);

  // Reads a grid file. False, with the grid exactly as it was, for a missing
  // or unreadable file, one larger than kMaxFileBytes or shorter than its
  // header, another signature, a
  // version of 2 or more, or a column count that is negative or larger than
  // the file holds. Bytes after the last column are ignored.
  bool OpenFile(const std::string& path);
  // Writes the grid to FilePath, replacing the whole file. On failure shows
  // the reason and the path titled "Open File Error" and returns False.
  bool SaveFile();

  // The file's bytes for this grid (what SaveFile writes).
  std::string ToBytes() const;

 private:
  struct Column {
    int32_t tableFieldID = 0;
    uint8_t orderNumber = 0;
    int16_t columnWidth = 0;
    std::string title1 = std::string(kTextWidth, '\0');
    std::string title2 = std::string(kTextWidth, '\0');
    uint8_t decimals = 0;
    uint8_t align = 0;
  };

  Column& At(int32_t col);
  const Column& At(int32_t col) const;
  void RecomputeFileName();

  // Header fields kept between reading and writing (the signature, version
  // and column count are written afresh).
  int32_t gridType_ = 0;
  std::string gridName_;

  std::vector<Column> columns_;
  std::string filePath_;
  std::string fileName_;
};
