#include "shell/ui/PageRegistry.h"

#include <map>

#include "core/Seams.h"
#include "core/basMessage.h"
#include "shell/basUIControl.h"

namespace shell_ui {

namespace {

struct Registry {
  std::map<int32_t, PageFactory> pages;
  std::map<MenuWindow, WindowOpener> windows;
  ExportDialogOpener exportDialog;
  std::map<std::type_index, AnyDialogOpener> dialogs;
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

void SayNotBuilt(const std::string& name) {
  basMessage::ShowMessage(name, " The " + name + " window is not built yet.", seams::kOk, true);
}

}  // namespace

void RegisterPage(int32_t pageCode, PageFactory factory) { TheRegistry().pages[pageCode] = std::move(factory); }

void RegisterMenuWindow(MenuWindow which, WindowOpener open) { TheRegistry().windows[which] = std::move(open); }

void RegisterExportDialog(ExportDialogOpener open) { TheRegistry().exportDialog = std::move(open); }

void OpenMenuWindow(MenuWindow which, const std::string& name, QWidget* owner) {
  if (basUIControl::JobRunning()) return;
  if (const WindowOpener* open = FindMenuWindow(which)) {
    (*open)(owner);
    return;
  }
  SayNotBuilt(name);
}

void RegisterDialog(std::type_index controller, AnyDialogOpener open) {
  TheRegistry().dialogs[controller] = std::move(open);
}

void ShowDialog(std::type_index controller, void* dialog, const std::string& name, QWidget* owner) {
  const auto it = TheRegistry().dialogs.find(controller);
  if (it == TheRegistry().dialogs.end() || !it->second) {
    SayNotBuilt(name);
    return;
  }
  it->second(dialog, owner);
}

const PageFactory* FindPage(int32_t pageCode) {
  auto it = TheRegistry().pages.find(pageCode);
  return it == TheRegistry().pages.end() || !it->second ? nullptr : &it->second;
}

const WindowOpener* FindMenuWindow(MenuWindow which) {
  auto it = TheRegistry().windows.find(which);
  return it == TheRegistry().windows.end() || !it->second ? nullptr : &it->second;
}

const ExportDialogOpener* FindExportDialog() {
  return TheRegistry().exportDialog ? &TheRegistry().exportDialog : nullptr;
}

void ClearRegistrations() { TheRegistry() = Registry{}; }

}  // namespace shell_ui
