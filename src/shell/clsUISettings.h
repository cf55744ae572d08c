#pragma once
// What the settings window does, on a settings object of its own: edits go
// only into that copy; Save writes it, makes the program's settings reload
// the file and tells the page shown; closing drops what was not saved;
// Defaults resets the current tab's group after asking. The window
// (shell_ui::frmTSet) lays out the controls and forwards their events here.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/clsSettingsKD.h"
#include "toolkit/clsEditFlexGrid.h"

class clsUISettings {
 public:
  static constexpr int32_t kTabGeneral = 0;
  static constexpr int32_t kTabProjectedStats = 1;
  static constexpr int32_t kTabMockDrafts = 2;
  static constexpr int32_t kTabDisplayGrids = 3;
  static constexpr int32_t kTabCount = 4;
  // Controls: 0 value labels, 1 text boxes, 2 check boxes.
  static constexpr int32_t kKindLabel = 0;
  static constexpr int32_t kKindText = 1;
  static constexpr int32_t kKindCheck = 2;
  static constexpr int32_t kControlCount = 44;
  // Settings 6..25 hold the display grids: one table row per key.
  static constexpr int32_t kMaxGridRows = kSetLastDisplayGrid - kSetFirstDisplayGrid;
  // The season a person may choose: any plausible year.
  static constexpr int32_t kFirstSeason = 1990;
  static constexpr int32_t kLastSeason = 2100;

  struct Position {
    int32_t id = 0;
    std::string abbreviation;
    std::string fullName;
  };

  clsUISettings();
  ~clsUISettings();
  clsUISettings(const clsUISettings&) = delete;
  clsUISettings& operator=(const clsUISettings&) = delete;

  // Loads the window's settings from the file and the positions of the
  // default projected-stats database (none when it is missing or does not
  // open: the window still opens, with an empty Display Grids table).
  void Load();

  const clsSettingsKD& Settings() const { return settings_; }
  const std::vector<Position>& Positions() const { return positions_; }

  // The setting a control shows; -1 for none.
  static int32_t ControlKey(int32_t kind, int32_t index);
  static const std::string& TabCaption(int32_t tab);

  // A check box was clicked.
  void SetCheck(int32_t key, bool checked);
  // A text box lost the focus: stores what is acceptable and answers the
  // text the box shows afterwards (the previous value when refused).
  std::string CommitText(int32_t key, const std::string& text);

  int32_t Tab() const { return tab_; }
  // A tab click: the last cell is validated first; the table's column
  // becomes 0. True when the tab changed (the window shows it then).
  bool SelectTab(int32_t tab);

  // ---- The Display Grids table

  void GridInitialize(EditFlexGridView* grid, EditFlexTextBox* text, EditFlexListBox* list);
  // Fills the table: a heading row and one row per position after the
  // first, at most kMaxGridRows.
  void FillGridTable();
  int32_t GridRows() const;
  clsEditFlexGrid& Editor() { return editor_; }
  // The height (twips) of the area the list may open in, measured from the
  // top of the table's container: near its foot the list opens above its row.
  void SetListAreaHeight(int32_t twips) { listAreaHeight_ = twips; }

  // ---- Buttons

  // "Defaults": asks, then resets the current tab's group. True on Yes.
  bool Defaults();
  // "Save": writes the settings file, reloads the program's settings and
  // has the current page show them (PageCommands::SettingsSaved). A failed
  // write is reported and the window's edits are kept.
  bool Save();

 private:
  void OnEnterCell();
  void OnAlignmentDone(int32_t col);
  void OnListSingle(int32_t row, int32_t col, int32_t listIndex);
  void FillGridList();

  clsSettingsKD settings_;
  std::vector<Position> positions_;
  int32_t tab_ = kTabGeneral;

  clsEditFlexGrid editor_;
  EditFlexGridView* grid_ = nullptr;
  EditFlexListBox* list_ = nullptr;
  std::vector<std::string> gridFiles_;
  int32_t highlightRow_ = -1;
  int32_t listAreaHeight_ = 0;
  int32_t highlightTab_ = -1;
  int32_t highlightColour_ = 0;
};
