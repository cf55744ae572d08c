#pragma once
// Where the window libraries hand the main window their pages and the
// windows its menus open, so that the shell knows none of them by name.
// Each library registers from one function named in its CMakeLists
// (kd_qt_library ... REGISTER ns::Fn); the application calls them all
// before the main window loads. See docs/pages.md.

#include <cstdint>
#include <functional>
#include <string>
#include <typeindex>
#include <typeinfo>

class QWidget;

namespace shell_ui {

class frmPage;

// Makes the window of a page as a child of `parent` (the main window's
// client area). The window starts hidden; the switch activates, places and
// shows it.
using PageFactory = std::function<frmPage*(QWidget* parent)>;
void RegisterPage(int32_t pageCode, PageFactory factory);

// Windows the menus open, built by other libraries. Each opener shows its
// window over the main window: the settings window modeless (it stays open
// beside the pages), the others modal.
enum class MenuWindow : int32_t {
  kSettings = 0,           // Options > Settings (frmTSet)
  kProjectValidation = 1,  // Options > Project Validation (frmValidation)
  kProjectionStrain = 2,   // File > Create Projection Strain File (frmStrain)
};
using WindowOpener = std::function<void(QWidget* mainWindow)>;
void RegisterMenuWindow(MenuWindow which, WindowOpener open);

// The export dialog (frmExportSheet): shown modally over the main window in
// mode 5, 8 or 10 for the project key `targetIndex`; it leaves "save" in
// MessageAnswer when the user confirmed.
using ExportDialogOpener =
    std::function<void(QWidget* mainWindow, int32_t mode, int32_t targetIndex, bool colourRows)>;
void RegisterExportDialog(ExportDialogOpener open);

// Opens a registered menu window over `owner`; without one, says under
// `name` that the window is not built yet. Nothing while a job runs.
void OpenMenuWindow(MenuWindow which, const std::string& name, QWidget* owner);

// Dialogs that one window library builds for another library's headless
// controller (the player-data dialogs the projected-stats page opens): the
// library that builds the window registers it by the controller's class,
// and the page's window shows it with ShowDialog, modal over `owner`,
// returning once it closed. Without one, ShowDialog says under the
// controller's kCaption that the window is not built yet, and the
// controller stays as it was.
template <class Controller>
using DialogOpener = std::function<void(Controller& controller, QWidget* owner)>;
using AnyDialogOpener = std::function<void(void* controller, QWidget* owner)>;
void RegisterDialog(std::type_index controller, AnyDialogOpener open);
void ShowDialog(std::type_index controller, void* dialog, const std::string& name, QWidget* owner);

template <class Controller>
void RegisterDialog(DialogOpener<Controller> open) {
  RegisterDialog(typeid(Controller), [open = std::move(open)](void* controller, QWidget* owner) {
    open(*static_cast<Controller*>(controller), owner);
  });
}
template <class Controller>
void ShowDialog(Controller& controller, QWidget* owner) {
  ShowDialog(typeid(Controller), &controller, Controller::kCaption, owner);
}

// Look-ups of the main window; null when nothing was registered.
const PageFactory* FindPage(int32_t pageCode);
const WindowOpener* FindMenuWindow(MenuWindow which);
const ExportDialogOpener* FindExportDialog();

// Forgets every registration (tests).
void ClearRegistrations();

}  // namespace shell_ui
