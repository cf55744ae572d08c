#pragma once
// The main window: the menu bar, the main bar across the top of its client
// area and one page at a time below it. Load runs the start-up of the page
// model; closing asks the current page and then the project; the window's
// placement and the settings are stored when it goes. Everything about
// which page is shown lives in basUIControl; this window lays out, paints
// and forwards (MainWindowView).
//
// Keys: every menu title and item has a mnemonic; Alt and F10 reach the
// menu bar. The window takes the keys when it shows and again when one of
// the application's dialogs closes, as a window manager would.

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

#include "shell/MainWindowView.h"
#include "shell/basCheatSheetMenu.h"

class QAction;
class QMenu;
class clsHiResIcon;

namespace shell_ui {

class frmMainBar;
class frmPage;

class frmMDIMock : public QMainWindow, public MainWindowView {
  Q_OBJECT

 public:
  frmMDIMock();
  ~frmMDIMock() override;

  // The load step: icon, then the start-up of the page model. False when
  // the work folder could not be made (after its message): the window must
  // not be shown and nothing is saved.
  bool Load();
  // Shows the window as the stored placement says (maximised or normal).
  void ShowPlaced();

  // MainWindowView
  void ShowFirstRunWindow() override;
  void RestorePlacement(const basMockDraftSettings::WindowPlacement& placement) override;
  void LoadMainBar() override;
  void SyncUpdates() override;
  void SetCaption(const std::string& caption) override;
  void SetFileItemCaption(int32_t index, const std::string& caption) override;
  void SetFileItemVisible(int32_t index, bool visible) override;
  void SetFileItemEnabled(int32_t index, bool enabled) override;
  void SetMainBarProperty(const std::string& text) override;
  std::string MainBarProperty() const override;
  void ShowMainBarTitle(int32_t pageCode) override;
  void ShowCurrentPage(int32_t pageCode) override;
  PageWindow* LoadPage(int32_t pageCode) override;
  void UnloadPage(PageWindow* page) override;
  void LayoutWindows(PageWindow* page, int32_t barHeightTwips) override;
  bool ShowExportDialog(int32_t mode, int32_t targetIndex, bool colourRows) override;
  void Repaint() override;

  // The menus and the bar, for the windows' tests.
  QAction* mnuFile(int32_t index) const { return mnuFile_.at(static_cast<std::size_t>(index)); }
  QAction* mnuEdit(int32_t index) const { return mnuEdit_.at(static_cast<std::size_t>(index)); }
  QMenu* FileMenu() const { return fileMenu_; }
  QAction* mnuAppUpdate() const { return mnuAppUpdate_; }
  QAction* mnuUpdate() const { return mnuUpdate_; }
  QAction* mnuPro() const { return mnuPro_; }
  QAction* mnuOpt() const { return mnuOpt_; }
  QAction* mnuSingle() const { return mnuSingle_; }
  QAction* mnuContents() const { return mnuContents_; }
  QAction* mnuAbout() const { return mnuAbout_; }
  frmMainBar* MainBar() const { return mainBar_; }
  QWidget* ClientArea() const { return client_; }
  // The current page's window, or null.
  frmPage* CurrentPageForm() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenus();
  void mnuFile_Click(int32_t index);
  void mnuContents_Click();
  void mnuAbout_Click();
  // Gives the keys back to the control that last had them when the window
  // is activated with the focus on the menu bar and no menu open.
  void ReturnKeysFromMenuBar();

  QWidget* client_;
  frmMainBar* mainBar_;
  std::unique_ptr<clsHiResIcon> icon_;
  QMenu* fileMenu_ = nullptr;
  std::array<QAction*, basCheatSheetMenu::kFileItemCount> mnuFile_{};
  std::array<QAction*, 6> mnuEdit_{};
  QAction* mnuAppUpdate_ = nullptr;
  QAction* mnuUpdate_ = nullptr;
  QAction* mnuPro_ = nullptr;
  QAction* mnuOpt_ = nullptr;
  QAction* mnuSingle_ = nullptr;
  QAction* mnuContents_ = nullptr;
  QAction* mnuAbout_ = nullptr;
  bool loaded_ = false;
  bool maximised_ = false;
  // The control of this window that last had the focus, the menu bar aside.
  QPointer<QWidget> lastFocus_;
};

}  // namespace shell_ui
