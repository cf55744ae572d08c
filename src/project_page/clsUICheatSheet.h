#pragma once
// The controller of the project page: a tab strip of four tabs over one
// grid, the previews of the cheat sheet and the automatic (or user) mock
// draft, and the two documents written from them. The window hands it the
// page grid and a view and forwards its events; everything that happens
// inside the page runs here, headless.
//
// A preview is generated afresh whenever its tab is entered (also by the
// page switch's activation, never by window-activation events, since
// closing the progress window would activate the window again). The
// results of the last successful generation of each kind (board, roster
// and the database they were read from) are kept: a document is written
// from them, and a new display grid or view re-renders them without
// ranking again. A job that is cancelled keeps the previous preview.
//
// A job yields to the message loop while it runs, so a click could start a
// second one: while one runs the page refuses tab clicks, jobs and file
// commands.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "project_page/clsCheatFilesTab.h"
#include "project_page/clsCheatPropertiesTab.h"
#include "shell/PageWindow.h"

class CheatSheetPageView;
class FlexGridModel;
class clsKickwellDB;
class clsMockDraft;
class clsMockRoster;
class clsStatusPlain;

class clsUICheatSheet : public PageCommands {
 public:
  // Tab index = GridType.
  static constexpr int32_t kTabFiles = 0;
  static constexpr int32_t kTabProperties = 1;
  static constexpr int32_t kTabCheatSheet = 2;
  static constexpr int32_t kTabMockDraft = 3;
  static const std::array<std::string, 4> kTabCaptions;

  clsUICheatSheet();
  ~clsUICheatSheet() override;
  clsUICheatSheet(const clsUICheatSheet&) = delete;
  clsUICheatSheet& operator=(const clsUICheatSheet&) = delete;

  // The page grid and the window; both outlive the controller's use.
  void Bind(FlexGridModel& grid, CheatSheetPageView& view);
  // The grid editor's parts over the page grid (the Document Properties
  // tab edits through them; the Files tab takes the grid's clicks).
  void GridInitialize(EditFlexGridView* grid, EditFlexTextBox* text, EditFlexComboBox* combo,
                      EditFlexListBox* norm, EditFlexListBox* multi);
  // A key on the page grid (on the Files tab Return and Space press the
  // Change File cell the cursor is on), and the Additional Players box's
  // text.
  void GridKeyDown(int16_t keyCode, int16_t shift);
  void PropertyTextChanged(const std::string& text);
  clsEditFlexGrid& PropertyEditor() { return properties_.Editor(); }

  int32_t GridType() const { return gridType_; }
  int32_t CurrentTab() const { return currentTab_; }
  bool CheatValid() const { return cheat_.valid; }
  bool MockValid() const { return mock_.valid; }
  bool Busy() const { return busy_; }

  // Redraws the current tab, and so regenerates a preview that is shown.
  void RefreshGrid();
  // The Files tab, rebuilt for the project now open (after New and Open).
  void ResetPreviewMade();
  // A click on tab `index`; the selected tab again does nothing.
  void TabClick(int32_t index);

  // The previews; True when the results are new and shown. `caption` heads
  // the message of a failed project check.
  bool GenerateCheatSheet(const std::string& caption);
  bool GenerateMockDraft(const std::string& caption, int32_t mockType);

  // The mock-draft view box (0 list, 1 board): records MockDisplayView and
  // redraws the mock-draft preview when it is shown.
  void SetMockDisplayView(int32_t view);
  // Re-renders the kept mock draft with the project's mock display grid.
  void MockDisplayChange();
  // "Change Display Grid": the file dialog, then ChangePreviewDisplay.
  void ChooseDisplayGrid();
  // The preview shown, laid out by another display grid from the kept
  // results; the project is not changed.
  void ChangePreviewDisplay(const std::string& fileName);
  // A user's choice of mock type (0 Automatic, 1 User Generated).
  void MockTypeChosen(int32_t mockType);

  // The document jobs: overwrite question, fresh preview, document, and
  // the offer to open it.
  void CreateCheatSheet();
  void CreateMockDraft();

  // The main bar's property line shows the project's file name and the
  // main window's caption is renewed.
  void UpdateProjectCaptions();

  // PageCommands. FileCommand carries out the project's 0 New, 1 Open,
  // 3 Save and 4 Save As, then shows the Files tab after New and Open, else
  // refreshes the tab shown.
  bool ActivateForm() override;
  void FileCommand(int32_t index) override;
  void RunDocumentJob(int32_t jobCode) override;

 private:
  struct Results {
    std::unique_ptr<clsKickwellDB> db;
    std::unique_ptr<clsMockDraft> board;
    std::unique_ptr<clsMockRoster> roster;
    bool valid = false;
    Results();
    Results(Results&&) noexcept;
    Results& operator=(Results&&) noexcept;
    ~Results();
  };
  enum class Kind { kCheatSheet, kMockDraft };
  class BusyScope;

  bool RefreshPage();
  void FormatGridRows(bool wordWrap);
  void ClearResultGrid();
  bool LoadDisplayGrid(const std::string& fileName, int32_t kind, clsKickwellDB& db);
  bool RenderKept(Kind kind, bool withHeading);
  void KeepOrDrop(Kind kind, Results& fresh, bool ok, bool cancelled);
  // A job under its progress window with the status bar's `segments`:
  // `calculate` fills `fresh` and says whether it did; the result grid then
  // shows it under `displayGrid` through `fill`, and KeepOrDrop decides what
  // stays. Whether the job made new results.
  bool RunJob(Kind kind, const std::string& caption, const char* title,
              const std::vector<std::pair<int32_t, float>>& segments, Results& fresh,
              const std::string& displayGrid, int32_t gridKind,
              const std::function<bool(clsStatusPlain&)>& calculate, const std::function<void()>& fill);
  void CreateDocument(Kind kind);
  void ReturnToTab(int32_t from, int32_t to);
  void GridClick();
  // The Change File cell (row, col) pressed: on a file chosen, the page
  // shows the project again with that cell current.
  void ChangeFile(int32_t row, int32_t col);

  FlexGridModel* grid_ = nullptr;
  CheatSheetPageView* view_ = nullptr;
  EditFlexGridView* gridView_ = nullptr;
  clsCheatFilesTab files_;
  clsCheatPropertiesTab properties_;
  Results cheat_;
  Results mock_;
  int32_t gridType_ = kTabFiles;
  int32_t currentTab_ = kTabFiles;
  bool busy_ = false;
  std::string displayFileName_;
};
