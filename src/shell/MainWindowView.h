#pragma once
// The main window and its main bar as the headless page model drives them
// (basUIControl, basCheatSheetMenu). The real window implements it; tests
// may implement it with a recording fake.

#include <cstdint>
#include <string>

#include "core/basMockDraftSettings.h"

class PageWindow;

class MainWindowView {
 public:
  virtual ~MainWindowView() = default;

  // Start-up steps that belong to the window: the first-run options window
  // (modal; may set settings 27 and 1), the stored placement, loading the
  // main bar and starting its update checks.
  virtual void ShowFirstRunWindow() = 0;
  virtual void RestorePlacement(const basMockDraftSettings::WindowPlacement& placement) = 0;
  virtual void LoadMainBar() = 0;
  virtual void SyncUpdates() = 0;

  virtual void SetCaption(const std::string& caption) = 0;

  // File-menu item `index` (the menu's item numbers, 0..18). The caption
  // is the text shown; the window adds the item's keyboard mnemonic.
  virtual void SetFileItemCaption(int32_t index, const std::string& caption) = 0;
  virtual void SetFileItemVisible(int32_t index, bool visible) = 0;
  virtual void SetFileItemEnabled(int32_t index, bool enabled) = 0;

  // The main bar: its property line, the page title picture (cleared, then
  // the page's title image and title), and the page it marks as current.
  virtual void SetMainBarProperty(const std::string& text) = 0;
  virtual std::string MainBarProperty() const = 0;
  virtual void ShowMainBarTitle(int32_t pageCode) = 0;
  virtual void ShowCurrentPage(int32_t pageCode) = 0;

  // Makes the window of a page (a child of the main window, hidden); a page
  // that nobody registered gets a window saying it is not built yet. Never
  // null. The window lives until UnloadPage.
  virtual PageWindow* LoadPage(int32_t pageCode) = 0;
  virtual void UnloadPage(PageWindow* page) = 0;

  // Places the main bar and the given page window (may be null) for the
  // client area, with the bar `barHeight` pixels high.
  virtual void LayoutWindows(PageWindow* page, int32_t barHeightTwips) = 0;

  // Shows the export dialog modally; it leaves its answer in MessageAnswer.
  // False when there is no export dialog to show.
  virtual bool ShowExportDialog(int32_t mode, int32_t targetIndex, bool colourRows) = 0;

  virtual void Repaint() = 0;
};
