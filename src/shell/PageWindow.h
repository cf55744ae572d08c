#pragma once
// What the main window asks of a page: the page switch, the File menu and
// the close question reach every page only through these two interfaces,
// so that the shell needs to know no page by name. See docs/pages.md.
//
// PageCommands is the page's behaviour and may be implemented by its
// headless controller (clsUI*); PageWindow adds what the switch does to the
// window itself, implemented once by shell_ui::frmPage.

#include <cstdint>

class PageCommands {
 public:
  virtual ~PageCommands() = default;

  // Runs once after the window is made and before it is shown. False keeps
  // the page from opening (after the page's own message): the window is
  // unloaded without being asked and no page is current.
  virtual bool ActivateForm() { return true; }

  // The close check when the page is to be unloaded (the user switches
  // page, starts a new project or closes the main window). False refuses,
  // typically because the page's own save question was cancelled; the page
  // then stays current and nothing else happens.
  virtual bool QueryUnload() { return true; }

  // A File-menu command sent to the current page. Editor pages get 6 New,
  // 7 Open, 9 Save and 10 Save As of their own document; the project page
  // gets 1 Open, 3 Save and 4 Save As of the project. Other indexes are
  // ignored.
  virtual void FileCommand(int32_t index) { (void)index; }

  // The document jobs of the project page: 5 writes the cheat-sheet
  // document, 8 the mock-draft document, after the export dialog said
  // "save". The switch may call this on a project window loaded hidden
  // while another page is current. Other pages ignore it.
  virtual void RunDocumentJob(int32_t jobCode) { (void)jobCode; }

  // The settings window saved the program's settings and they were read
  // again: a page that shows what a setting decides shows it anew, keeping
  // its document and its edits.
  virtual void SettingsSaved() {}
};

class PageWindow : public PageCommands {
 public:
  // Makes the window visible at the place LayoutWindows gave it.
  virtual void ShowPage() = 0;
  // Left, top, width and height in pixels of the main window's client area.
  virtual void Place(int32_t left, int32_t top, int32_t width, int32_t height) = 0;
  // Enables or disables the whole window (the click hold-off of the file
  // dialog disables it for 100 ms).
  virtual void SetPageEnabled(bool enabled) = 0;
  // Repaints at once.
  virtual void Repaint() = 0;
};
