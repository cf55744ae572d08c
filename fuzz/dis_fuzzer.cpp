// The display-grid file (.dis): reading any bytes (a refused file changes
// nothing), using every column as the grids and the editor do, and writing
// back: what is written reads back to the same bytes.

#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "database/clsDisplayGridIsolate.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string folder = kdfuzz::ScratchSubFolder("dis");
  kdfuzz::EmptyFolder(folder);
  const std::string path = folder + "fuzz.dis";
  kdfuzz::WriteBytes(path, kdfuzz::AsText(data, size));

  clsDisplayGridIsolate grid;
  grid.SetColumnMax(0);
  grid.SetTableFieldID(0, 7);
  grid.SetTitle1(0, "Before");
  const std::string before = grid.ToBytes();
  if (!grid.OpenFile(path)) {
    KD_FUZZ_CHECK(grid.ToBytes() == before);
    return 0;
  }

  for (int32_t col = 0; col <= grid.ColumnMax(); ++col) {
    (void)grid.Title1(col);
    (void)grid.Title2(col);
    (void)grid.OrderNumberWTableFieldID(grid.TableFieldID(col));
  }
  const std::string read = grid.ToBytes();

  grid.SetFilePath(folder + "saved.dis");
  KD_FUZZ_CHECK(grid.SaveFile());
  KD_FUZZ_CHECK(kdfuzz::ReadBytes(folder + "saved.dis") == read);
  clsDisplayGridIsolate reread;
  KD_FUZZ_CHECK(reread.OpenFile(folder + "saved.dis"));
  KD_FUZZ_CHECK(reread.ToBytes() == read);

  // The editor's operations on what was read.
  if (grid.ColumnMax() >= 0) {
    grid.pSbReOrderColumns(grid.OrderNumber(0), grid.ColumnMax() + 1);
    (void)grid.pFnRemoveColumnWithTableFieldID(grid.TableFieldID(0));
  }
  return 0;
}
