#pragma once
// The page model of the main window: which page is current, the switch that
// closes it and opens another, the two document jobs that run without
// changing the page, the layout numbers, and the start-up and close steps
// of the main window. Headless: the window is reached through
// MainWindowView, the pages through PageWindow (docs/pages.md).

#include <cstdint>
#include <functional>
#include <string>

#include "core/PageCode.h"
#include "core/basMockDraftSettings.h"

class MainWindowView;
class PageWindow;

// Tells every editor page to open the project's document of its type when
// it opens (1). Start-up and the page switch set it to 1.
inline int32_t ProjectOpenMode = 0;

namespace basUIControl {

// The main bar's height in twips: 780 on the start page or with no page,
// 1305 otherwise.
inline constexpr int32_t kMainBarLowTwips = 780;
inline constexpr int32_t kMainBarHighTwips = 1305;
// The main window's minimum outer size in twips: the user mock page's row of
// buttons needs 860 pixels across and the start page's text 470 down, so
// every page shows its controls whole.
inline constexpr int32_t kMinimumWidthTwips = 880 * 15;
inline constexpr int32_t kMinimumHeightTwips = 480 * 15;

// The main window installs itself for its lifetime (nullptr when it goes);
// with none installed the model changes its state only.
void SetMainWindow(MainWindowView* view);
MainWindowView* MainWindow();

// The page shown (a PageCode), -1 when none.
int32_t CurrentPage();
// Written only here; pages never set it.
void SetCurrentPage(int32_t pageCode);
// True while the page's window is open and accepted its activation.
bool PageActive(int32_t pageCode);
// The window of the current page, or null.
PageWindow* CurrentPageWindow();

// True while a job's progress window is up: no page may switch and the main
// window may not close then.
bool JobRunning();

// Start-up, in its fixed order: palette (with the system button face),
// work folders and file-type table, settings (with the first-run window),
// File menu for no page, placement, document source, caption, main bar,
// start page, update checks. False when the work folder could not be made:
// nothing after that step has run and nothing may be saved.
bool StartUp(int32_t buttonFace);

// The close question of the main window; True lets it close. Sets the
// closing flag while it runs and clears it again when the close is refused.
bool QueryUnload();
// The unload step: stores the placement, saves the settings file and
// releases the settings. Runs only after a successful start-up.
void Unload(const basMockDraftSettings::WindowState& window);

// Closes the current page and opens `pageCode` (0-4, 7, 9, 14), or runs
// document job 5 or 8 over the current page.
void SwitchPage(int32_t pageCode);
// Unloads the current page's window; False when it refused.
bool CloseCurrentPage();
// The main bar and the File menu for the page now current. With no page
// open (one closed and none opened after it) the bar is the low one, with no
// page's title and no Open or Save pictures that would do nothing.
void ShowCurrentPageState();

// Clears MessageAnswer, shows the export dialog; True when it answered "save".
bool ShowExportDialog(int32_t mode, int32_t targetIndex, bool colourRows);
// "Kickwell Draftyard - " + the project's file name, or "[No Project Name]".
void UpdateMainCaption();
std::string MainCaption();
// The main bar's property line (the editors show their file name there).
void ShowMainBarProperty(const std::string& text);
void SetPageEnabled(bool enabled);
void RefreshActiveView();
void LayoutWindows();
int32_t MainBarHeightTwips();

// The project page's window for one command: the current one when the
// project page is current, else one loaded hidden and unloaded afterwards.
void WithProjectWindow(const std::function<void(PageWindow&)>& action);

// Forgets every page and the state above (tests; the main window's end).
void Reset();

}  // namespace basUIControl

