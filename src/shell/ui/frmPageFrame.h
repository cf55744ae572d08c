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

  // GridPageView: the widgets of AddEditedGrid, the tabbed panel as the
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

  clsTabStrip* mTab() const { return top_.strip; }

  // A tab strip drawn into its own picture, its frame drawn around a panel.
  struct TabStrip {
    PictureBox* picture = nullptr;
    PictureBox* border = nullptr;
    QTimer* timer = nullptr;
    clsTabStrip* strip = nullptr;
    // The tabs afresh from the captions, tab 0 selected.
    void SetTabs(const std::vector<std::string>& captions) const;
    // Shows the tab selected and the frame drawn for it.
    void Select(int32_t index) const;
    // Drawn again at the picture's new size, `current` selected.
    void Redraw(int32_t current) const;
  };

 protected:
  // Measures the pages' layouts share, in pixels.
  static constexpr int32_t kGap = 4;            // between controls and around them
  static constexpr int32_t kBarHeight = 28;     // a button bar
  static constexpr int32_t kTabHeight = 21;     // a tab strip
  static constexpr int32_t kHeadingHeight = 25; // a panel's title line above its grid
  static constexpr int32_t kListRows = 12;      // a list editor opened in a grid

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

  // A tab strip on `parent` framing `border`; a click selects the tab, then
  // `clicked`.
  TabStrip AddTabStrip(QWidget* parent, PictureBox* border, const std::function<void(int32_t)>& clicked);
  // The tab strip across the top and the bordered panel under it, which
  // holds the page's controls.
  PictureBox* AddTabbedPanel(const std::function<void(int32_t)>& clicked);
  // The strip and the panel over the window; then drawn again for the tab.
  void PlaceTabbedPanel(int32_t current);

  // The grid a page edits in place and its editor widgets, made in this
  // order on `parent` with the editors hidden until the grid opens one, and
  // attached as the page's grid editor. Besides the text box a page has the
  // editors `parts` names (kGridCombo | kGridList | kGridMultiList); the
  // others stay null.
  struct EditedGrid {
    FlexGridWidget* grid = nullptr;
    QLineEdit* text = nullptr;
    QComboBox* combo = nullptr;
    QListWidget* list = nullptr;       // one choice
    QListWidget* multiList = nullptr;  // ticks
  };
  static constexpr int32_t kGridCombo = 1;
  static constexpr int32_t kGridList = 2;
  static constexpr int32_t kGridMultiList = 4;
  EditedGrid AddEditedGrid(QWidget* parent, int32_t parts);

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
  PictureBox* panel_ = nullptr;
  TabStrip top_;
  int32_t minimum_ = -1;
};

// The frame of one page's window: the page's controller, made with the
// window as its view, and the page's own view, which the window implements.
template <class PageController, class PageView>
class frmPageWindow : public frmPageFrame, public PageView {
 public:
  PageController& Controller() { return *controller_; }

 protected:
  frmPageWindow(QWidget* parent, int32_t pageCode)
      : frmPageFrame(parent, pageCode),
        controller_(Adopt(std::make_unique<PageController>(static_cast<PageView&>(*this)))) {}

  PageController* const controller_;
};

// Registers the window class of a page for its page code.
template <class Window>
void RegisterPageWindow(int32_t pageCode) {
  RegisterPage(pageCode, [](QWidget* parent) { return new Window(parent); });
}

}  // namespace shell_ui
