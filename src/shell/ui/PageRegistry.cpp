#include "shell/ui/PageRegistry.h"

#include <map>

namespace shell_ui {

namespace {

struct Registry {
  std::map<int32_t, PageFactory> pages;
  std::map<MenuWindow, WindowOpener> windows;
  ExportDialogOpener exportDialog;
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

}  // namespace

void RegisterPage(int32_t pageCode, PageFactory factory) { TheRegistry().pages[pageCode] = std::move(factory); }

void RegisterMenuWindow(MenuWindow which, WindowOpener open) { TheRegistry().windows[which] = std::move(open); }

void RegisterExportDialog(ExportDialogOpener open) { TheRegistry().exportDialog = std::move(open); }

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
