#pragma once
// What the project page's controller asks of its window: the layout for the
// tab shown, the tab strip's selection, the display-grid name and mock-type
// boxes of the preview tabs, and the busy state while a job runs. The
// window implements it; tests script it.

#include <cstdint>
#include <memory>
#include <string>

class FlexGridPicture;

class CheatSheetPageView {
 public:
  virtual ~CheatSheetPageView() = default;
  // Places the controls for the tab now shown (the window's resize layout).
  virtual void LayOutForTab(int32_t tab) = 0;
  // Shows a tab of the strip as selected or not; raises no click.
  virtual void SetTabSelected(int32_t tab, bool selected) = 0;
  // The name in the display-grid box of the preview tabs.
  virtual void ShowDisplayGridName(const std::string& name) = 0;
  // Sets the mock-type buttons (0 Automatic, otherwise User Generated) and
  // shows them; setting them is not a user's choice and raises nothing.
  virtual void ShowMockType(int32_t mockType) = 0;
  // Hourglass and a page that takes no clicks while a job runs.
  virtual void SetBusy(bool busy) = 0;
  // Repaints the main window at once (after a question or a job).
  virtual void RepaintMain() = 0;
  // The file dialog for a display grid, starting from `name`; True with the
  // chosen bare name in `name`, False when cancelled.
  virtual bool ChooseDisplayGridFile(std::string& name) = 0;

  // The Additional Players box over the value cell of `row`, showing `text`
  // all selected, with the focus; HidePropertyTextBox hides it.
  virtual void ShowPropertyTextBox(int32_t row, const std::string& text) = 0;
  virtual void HidePropertyTextBox() = 0;
  // The colour dialog preset with `colour`: the chosen colour, -1 when cancelled.
  virtual int32_t ChooseColour(int32_t colour) = 0;
  // A small square of `colour` on `back`, for a value cell left of its text.
  virtual std::shared_ptr<const FlexGridPicture> ColourSwatch(int32_t colour, int32_t back) = 0;
  // The Files tab's pictures: 0 to 3 the four documents, 4 the Change File button.
  virtual std::shared_ptr<const FlexGridPicture> FilesPicture(int32_t index) = 0;
  // The application's file dialog in Select mode for a document type: the
  // chosen name, "" when cancelled (or while clicks are held off after the
  // last dialog closed).
  virtual std::string SelectProjectFile(int32_t fileType) = 0;
};
