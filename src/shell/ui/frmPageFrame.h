#pragma once
// The frame of the page windows that edit in grids: a page window (frmPage)
// with the parts these pages share, so that each page's window holds only
// its own controls and layout. It owns the page's controller and releases
// it before the widgets the controller draws into; it makes the titles,
// panels, button bars and mini tool bars the way every page has them; it
// holds the tab strip across the top with the bordered panel under it and
// the grid's in-place editor widgets; it answers the grid page's part of the
// view (GridPageView); and it lays the window out again on every resize
// while it is shown and large enough. See docs/pages.md.

#include <QTimer>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "shell/ui/PageRegistry.h"
#include "shell/ui/frmPage.h"
#include "toolkit/GridPageView.h"
#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/clsButton.h"
#include "toolkit/ui/clsMiniBar.h"
#include "toolkit/ui/clsTabStrip.h"

class EditFlexGridWidgets;
class FlexGridWidget;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace shell_ui {

class frmPageFrame : public frmPage, public virtual GridPageView {
  Q_OBJECT

 public:
  frmPageFrame(QWidget* parent, int32_t pageCode);
  ~frmPageFrame() override;

  // GridPageView: the widgets of AttachGridEditor, the tabbed panel as the
  // lists' area, the check boxes drawn once by the frame, the drop arrows,
  // and the tab strip of AddTabbedPanel.
  EditFlexGridView* EditGrid() override;
  EditFlexTextBox* EditText() override;
  EditFlexComboBox* EditCombo() override;
  EditFlexListBox* EditList() override;
  EditFlexListBox* EditCheckList() override;
  int32_t ListAreaHeight() const override;
  std::shared_ptr<const FlexGridPicture> CheckPicture(bool checked) override;
  std::shared_ptr<const FlexGridPicture> DropArrow(bool hover) override;
  void SetTabs(const std::vector<std::string>& captions) override;
  void SelectTab(int32_t index) override;

  clsTabStrip* mTab() const { return tab_; }

 protected:
  // Takes the page's controller and lets it answer the page switch, the
  // close question and the File menu.
  template <class Controller>
  Controller* Adopt(std::unique_ptr<Controller> controller) {
    Controller* adopted = controller.get();
    controller_ = std::move(controller);
    SetCommands(adopted);
    return adopted;
  }

  // The palette's title-row colour, of the pages' panels and bars.
  static gdi::COLORREF PanelColour();
  // A title in the form's font, bold unless said otherwise.
  static QLabel* AddTitle(QWidget* parent, const char* text, bool bold = true);
  static PictureBox* AddPanel(QWidget* parent, gdi::COLORREF back = PanelColour());
  // A button bar of `width` x `height` pixels with buttons `buttonWidth`
  // wide, and a mini tool bar of the kind (basButtonMocks::SetUpMiniBar),
  // each in its own picture, polled by its own timer.
  clsButton* AddButtonBar(QWidget* parent, int32_t buttonWidth, const std::vector<std::string>& captions,
                          int32_t width, int32_t height, gdi::COLORREF back = PanelColour());
  clsMiniBar* AddMiniBar(QWidget* parent, int32_t height, int32_t kind, gdi::COLORREF back = PanelColour());

  // The tab strip across the top and the bordered panel under it, which
  // holds the page's controls; a click selects the tab, then `clicked`.
  PictureBox* AddTabbedPanel(const std::function<void(int32_t)>& clicked);
  // The strip and the panel over the window; then drawn again for the tab.
  void PlaceTabbedPanel(int32_t current);
  // A strip drawn again at its new size, `current` selected.
  static void RedrawTabStrip(clsTabStrip& strip, int32_t current);

  // The grid's in-place editor widgets (any editor may be null).
  void AttachGridEditor(FlexGridWidget* grid, QLineEdit* text, QComboBox* combo = nullptr,
                        QListWidget* normList = nullptr, QListWidget* multiList = nullptr);

  // From here on every resize lays the window out (LayOut), unless it is
  // minimised or smaller than `minimum` pixels either way.
  void StartLayout(int32_t minimum = 100);
  // LayOut now, under the same conditions.
  void LayOutAgain();
  virtual void LayOut() {}
  void resizeEvent(QResizeEvent* event) override;

 private:
  std::unique_ptr<PageCommands> controller_;
  std::unique_ptr<EditFlexGridWidgets> gridEditor_;
  std::array<PictureBox*, 2> checkBoxes_{};
  std::array<std::shared_ptr<const FlexGridPicture>, 2> checkPictures_{};
  PictureBox* picTab_ = nullptr;
  PictureBox* panel_ = nullptr;
  QTimer* timTab_ = nullptr;
  clsTabStrip* tab_ = nullptr;
  int32_t minimum_ = -1;
};

// Registers the window class of a page for its page code.
template <class Window>
void RegisterPageWindow(int32_t pageCode) {
  RegisterPage(pageCode, [](QWidget* parent) { return new Window(parent); });
}

}  // namespace shell_ui
