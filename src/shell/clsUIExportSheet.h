#pragma once
// The export dialog ("Kickwell Draftyard Document Dialog") without its
// window: the options of a document confirmed before it is written, for the
// cheat-sheet document (mode 5), the mock-draft document (8) and the export
// of any grid (10).
//
// The dialog starts from the open project and writes most choices back into
// it the moment they are made (file type, display grid, colours, "Use
// Color", "Use Grid Lines", a browsed target), so they stay even when the
// user cancels; a typed target and the mock-draft choices are stored only by
// Save. Save leaves "save" in MessageAnswer. The project file itself is not
// written here.
//
// The window (frmExportSheet) forwards every click and edit and shows what
// this class tells it through ExportSheetView; the layout by mode it reads
// from Mode() and ShowsColourRows().

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class ExportSheetView {
 public:
  virtual ~ExportSheetView() = default;
  // The target box's text, when the dialog changed it.
  virtual void ShowTarget(const std::string& target) = 0;
  // Colour swatch 0 (heading), 1 (row A) or 2 (row B).
  virtual void ShowSwatch(int32_t index, int32_t colour) = 0;
  // "Use Color", the colour rows and "Use Grid Lines" together.
  virtual void EnableHtmlOptions(bool enabled) = 0;
  // The colour dialog over the export dialog, preset with `initial`; its
  // answer, -1 when cancelled.
  virtual int32_t PickColour(int32_t initial) = 0;
  // Unloads the dialog.
  virtual void CloseDialog() = 0;
};

class clsUIExportSheet {
 public:
  static constexpr int32_t kModeCheatSheet = 5;
  static constexpr int32_t kModeMockDraft = 8;
  static constexpr int32_t kModeGridExport = 10;

  explicit clsUIExportSheet(ExportSheetView& view) : view_(view) {}

  // Prepares the dialog for `mode` and the project entry `targetIndex`
  // that holds the target path. colourRows False hides the colour rows in
  // mode 10 (the grid brings its own colours).
  void ActivateForm(int32_t mode, int32_t targetIndex, bool colourRows);

  // ---- What the window shows

  int32_t Mode() const { return mode_; }
  const std::string& Title() const { return title_; }
  bool ShowsColourRows() const { return colourRows_; }
  int32_t FileType() const { return fileType_; }
  bool HtmlOptionsEnabled() const { return htmlEnabled_; }
  const std::string& Target() const { return target_; }
  bool UseColor() const { return useColor_; }
  bool UseGridLines() const { return useGridLines_; }
  int32_t SwatchColour(int32_t index) const { return swatch_.at(static_cast<std::size_t>(index)); }
  // The display-grid files of the work folder, and the grid in use (which
  // need not be among them).
  const std::vector<std::string>& DisplayGrids() const { return displayGrids_; }
  const std::string& DisplayGridName() const { return displayGridName_; }
  // Mode 8: 0 "Automatic", 1 "User Generated"; 0 "List View", 1 "Board
  // View"; the two "Include" boxes.
  int32_t MockType() const { return mockType_; }
  int32_t MockView() const { return mockView_; }
  bool IncludeRosterListing() const { return include_[0]; }
  bool IncludePointSummary() const { return include_[1]; }
  // The save-file dialog's title for the mode.
  std::string BrowseTitle() const;

  // ---- What the user does

  // HTML (0), TXT (1) or CSV (2): the target takes the type's extension.
  void FileTypeClicked(int32_t type);
  void UseColorClicked(bool ticked);
  void UseGridLinesClicked(bool ticked);
  // An item chosen from the display-grid list (typing is not a choice).
  void DisplayGridChosen(int32_t item);
  void SwatchClicked(int32_t index);
  void BrowseClicked();
  void TargetEdited(const std::string& text);
  void MockTypeChosen(int32_t type);
  void MockViewChosen(int32_t view);
  void IncludeChanged(int32_t box, bool ticked);
  // Save: True when the dialog closed with "save".
  bool SaveClicked();
  void CancelClicked();
  // The dialog goes, by either button or its close box: the answer is
  // "save" only after Save.
  void FormUnload();

 private:
  void SetTarget(const std::string& target);
  std::string BrowseTarget() const;

  ExportSheetView& view_;
  int32_t mode_ = kModeCheatSheet;
  int32_t targetIndex_ = 0;
  int32_t gridIndex_ = 0;
  bool saved_ = false;
  std::string title_;
  bool colourRows_ = true;
  int32_t fileType_ = 0;
  bool htmlEnabled_ = true;
  std::string target_;
  bool useColor_ = true;
  bool useGridLines_ = true;
  std::array<int32_t, 3> swatch_{};
  std::vector<std::string> displayGrids_;
  std::string displayGridName_;
  int32_t mockType_ = 0;
  int32_t mockView_ = 0;
  std::array<bool, 2> include_{true, true};
};
