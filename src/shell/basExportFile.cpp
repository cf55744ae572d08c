#include "shell/basExportFile.h"

#include "core/basMessage.h"
#include "core/clsCheatIsolate.h"
#include "documents/DocumentOptions.h"
#include "documents/basFlexGridHTML.h"
#include "platform/flexgrid/FlexGridModel.h"
#include "shell/basUIControl.h"

namespace basExportFile {

void ExportGridToFile(int32_t mode, int32_t targetIndex, FlexGridModel& grid, int32_t firstDataRow,
                      int32_t lastRow, int32_t firstHeadingRow, int32_t lastHeadingRow, int32_t firstCol,
                      int32_t lastCol, const std::string& title, bool colourFromGrid, bool cellMode) {
  if (!basUIControl::ShowExportDialog(mode, targetIndex, !colourFromGrid)) return;
  // The grid shows again where the dialog covered it, then waits for the caller.
  grid.SetRedraw(true);
  basUIControl::RefreshActiveView();
  grid.SetRedraw(false);

  const clsCheatIsolate& project = GlobalProject();
  const std::string target = project.Value(targetIndex);
  if (!basMessage::ConfirmDocumentOverwrite(target)) return;
  const DocumentOptions options = ReadDocumentOptions(project);
  bool colours = colourFromGrid;
  if (!basFlexGridHTML::WriteGridDocument(target, grid, options.fileType, firstDataRow, lastRow, firstHeadingRow,
                                          lastHeadingRow, firstCol, lastCol, title, colours, cellMode, false,
                                          options)) {
    return;
  }
  basMessage::OfferToView("File Created", target);
}

}  // namespace basExportFile
