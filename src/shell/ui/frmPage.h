#pragma once
// The base of every page window: a child window of the main window that the
// page switch loads, activates, places, shows, asks to close and unloads
// (PageWindow). A page's window derives from it and either overrides the
// PageCommands members itself or hands them to its headless controller
// with SetCommands. See docs/pages.md.

#include <QWidget>
#include <cstdint>

#include "shell/PageWindow.h"

namespace shell_ui {

class frmPage : public QWidget, public PageWindow {
  Q_OBJECT

 public:
  frmPage(QWidget* parent, int32_t pageCode);
  ~frmPage() override;

  int32_t PageCode() const { return pageCode_; }

  // The controller that answers ActivateForm, QueryUnload, FileCommand,
  // RunDocumentJob and SettingsSaved; it must outlive the window. Without
  // one the window answers as PageCommands does.
  void SetCommands(PageCommands* commands) { commands_ = commands; }

  bool ActivateForm() override;
  bool QueryUnload() override;
  void FileCommand(int32_t index) override;
  void RunDocumentJob(int32_t jobCode) override;
  void SettingsSaved() override;

  void ShowPage() override;
  void Place(int32_t left, int32_t top, int32_t width, int32_t height) override;
  void SetPageEnabled(bool enabled) override;
  void Repaint() override;

 private:
  int32_t pageCode_;
  PageCommands* commands_ = nullptr;
};

}  // namespace shell_ui
