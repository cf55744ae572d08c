#pragma once
// Writing a grid that a page shows to a file: the export dialog confirms the
// file type, target and HTML options, then overwriting is asked, the grid
// written as a document in the project's file type, and the user offered to
// open the result with its associated program.

#include <cstdint>
#include <string>

class FlexGridModel;

namespace basExportFile {

// The export of a page's grid: data rows firstDataRow..lastRow under
// heading rows firstHeadingRow..lastHeadingRow (-1: none), columns
// firstCol..lastCol, `title` naming the grid in the project summary. The
// target is the project entry targetIndex as the dialog left it. With
// colourFromGrid the rows keep the grid's own colours and the dialog hides
// its colour rows. The grid's drawing is left off; the caller resumes it.
// A write that fails is reported by the writer and ends the step.
void ExportGridToFile(int32_t mode, int32_t targetIndex, FlexGridModel& grid, int32_t firstDataRow,
                      int32_t lastRow, int32_t firstHeadingRow, int32_t lastHeadingRow, int32_t firstCol,
                      int32_t lastCol, const std::string& title, bool colourFromGrid, bool cellMode);

}  // namespace basExportFile
