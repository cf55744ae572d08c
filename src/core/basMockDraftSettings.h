#pragma once
// The settings' life cycle: the table of the 44 defaults, the one global
// settings object, first-run creation of the settings file, and the main
// window's stored placement.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class clsSettingsKD;

namespace basMockDraftSettings {

// The default table. Filled by InitializeSettings, or on first use when
// nothing has filled it yet.
const std::array<std::string, 44>& DefaultSettings();
// Fills the default table from the special folders of this run.
void FillDefaultSettings();

// The indexes of a settings group, in the settings window's order (-1: all
// 44 in order; an unknown group: none).
std::vector<int32_t> GroupMembers(int32_t group);

// The one settings object of the program, created on first use (with every
// value at its default).
clsSettingsKD& GlobalSettings();

// Fills the default table, then LoadSettingsFile. `showWelcomeWindow` is the
// first-run window: called once, modally, when the settings file does not
// exist, and free to set settings 27 and 1 of GlobalSettings(). False when
// the first run could not write the new settings file.
bool InitializeSettings(const std::function<void()>& showWelcomeWindow = {});
// Loads the settings file, or on the first run shows the welcome window,
// saves the defaults and loads them back.
bool LoadSettingsFile(const std::function<void()>& showWelcomeWindow = {});

// The text as a whole number: numeric text (blanks around it, a sign, a
// decimal point and an exponent allowed) rounded half to even, with ok set;
// 0 with ok cleared for anything else, out-of-range numbers included.
int32_t ValidLong(const std::string& text, bool& ok);

// The main window's placement in twips, as settings 32 to 36 hold it.
struct WindowPlacement {
  bool hasPosition = false;  // false: keep the designed position and size
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
  bool maximised = false;
};

// The main window's state when it closes, in twips.
struct WindowState {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
  bool maximised = false;
  bool minimised = false;
};

// What the main window applies at start-up.
WindowPlacement RestoreWindowPlacement();
// Stores the state in settings 32 to 36 (only 32 when maximised or
// minimised) and saves the settings file. False when a size is out of range
// (nothing saved then) or the file could not be written.
bool SaveWindowPlacement(const WindowState& window);

// Releases the global settings object and empties the default table.
void TerminateSettings();

}  // namespace basMockDraftSettings
