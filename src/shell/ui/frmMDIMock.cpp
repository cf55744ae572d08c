#include "shell/ui/frmMDIMock.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>

#include "core/PageCode.h"
#include "core/Seams.h"
#include "core/basMessage.h"
#include "platform/gdi/SysColor.h"
#include "platform/runtime/Text.h"
#include "player_data/basImportVCZ.h"
#include "shell/AppInfo.h"
#include "shell/basFileDialog.h"
#include "shell/basUIControl.h"
#include "shell/ui/PageRegistry.h"
#include "shell/ui/frmAbout.h"
#include "shell/ui/frmMainBar.h"
#include "shell/ui/frmPlaceholderPage.h"
#include "shell/ui/frmStart.h"
#include "shell/ui/frmWelcome.h"
#include "toolkit/ui/basFormLook.h"
#include "toolkit/ui/clsHiResIcon.h"

namespace shell_ui {

namespace {

using basFormLook::Px;
using Menu = basCheatSheetMenu::FileItem;

// Twips of the stored placement to pixels and back.
int32_t FromTwips(int32_t twips) { return twips / 15; }
double ToTwips(int32_t pixels) { return static_cast<double>(pixels) * 15.0; }

}  // namespace

frmMDIMock::frmMDIMock() : client_(new QWidget(this)), mainBar_(new frmMainBar(client_)) {
  setCentralWidget(client_);
  setMinimumSize(Px(basUIControl::kMinimumWidthTwips), Px(basUIControl::kMinimumHeightTwips));
  resize(1024, 720);
  mainBar_->hide();
  BuildMenus();
}

frmMDIMock::~frmMDIMock() {
  if (loaded_) {
    basUIControl::Reset();
    basUIControl::SetMainWindow(nullptr);
  }
}

bool frmMDIMock::Load() {
  icon_ = std::make_unique<clsHiResIcon>();
  icon_->CreateHiResIcon(this, QCoreApplication::applicationDirPath().toStdString() + "/kd_icon.ico");
  basUIControl::Reset();
  basUIControl::SetMainWindow(this);
  ClicksAccepted = true;
  if (!basUIControl::StartUp(static_cast<int32_t>(gdi::GetSysColor(gdi::COLOR_BTNFACE)))) {
    basUIControl::SetMainWindow(nullptr);
    return false;
  }
  loaded_ = true;
  return true;
}

void frmMDIMock::ShowPlaced() {
  if (maximised_) {
    showMaximized();
  } else {
    show();
  }
}

void frmMDIMock::closeEvent(QCloseEvent* event) {
  if (!loaded_) {
    event->accept();
    return;
  }
  if (!basUIControl::QueryUnload()) {
    event->ignore();
    return;
  }
  basMockDraftSettings::WindowState state;
  state.maximised = isMaximized();
  state.minimised = isMinimized();
  state.left = ToTwips(pos().x());
  state.top = ToTwips(pos().y());
  state.width = ToTwips(width());
  state.height = ToTwips(height());
  basUIControl::Unload(state);
  basUIControl::Reset();
  basUIControl::SetMainWindow(nullptr);
  loaded_ = false;
  icon_.reset();
  event->accept();
}

void frmMDIMock::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (isMinimized() || !loaded_) return;
  basUIControl::LayoutWindows();
}

void frmMDIMock::BuildMenus() {
  fileMenu_ = menuBar()->addMenu("File");
  const char* fileCaptions[Menu::kFileItemCount] = {
      "New Project", "Open Project", "-", "Save Project", "Save Project As...", "-",
      "New League Properties", "Open League Properties", "-", "Save League Properties",
      "Save League Properties As...", "-", "Create Cheat Sheet Document", "Create Mock Draft Document", "-",
      "Import", "Create Projection Strain File", "-", "Exit"};
  for (int32_t i = 0; i < Menu::kFileItemCount; ++i) {
    QAction* item = std::string(fileCaptions[i]) == "-" ? fileMenu_->addSeparator() : fileMenu_->addAction(fileCaptions[i]);
    mnuFile_[static_cast<std::size_t>(i)] = item;
    if (!item->isSeparator()) connect(item, &QAction::triggered, this, [this, i] { mnuFile_Click(i); });
  }
  QMenu* edit = menuBar()->addMenu("Edit");
  const std::array<std::pair<const char*, int32_t>, 6> editItems = {
      {{"League Properties", kPageLeagueProperties},
       {"Scoring System", kPageScoringSystem},
       {"Projected Stats", kPageProjectedStats},
       {"Display Grids", kPageDisplayGrids},
       {"Draft Strategies", kPageDraftStrategies},
       {"User Generated Mock Draft", kPageUserMockDraft}}};
  for (std::size_t i = 0; i < editItems.size(); ++i) {
    const int32_t page = editItems[i].second;
    mnuEdit_[i] = edit->addAction(editItems[i].first);
    connect(mnuEdit_[i], &QAction::triggered, this, [page] { basUIControl::SwitchPage(page); });
  }
  QMenu* options = menuBar()->addMenu("Options");
  mnuAppUpdate_ = options->addAction("Check For App Update");
  connect(mnuAppUpdate_, &QAction::triggered, this, [this] { mainBar_->AppUpdate(true); });
  mnuUpdate_ = options->addAction("Check For Player Updates");
  connect(mnuUpdate_, &QAction::triggered, this, [this] { mainBar_->PlaUpdate(true); });
  options->addSeparator();
  mnuPro_ = options->addAction("Project Validation");
  connect(mnuPro_, &QAction::triggered, this,
          [this] { OpenMenuWindow(MenuWindow::kProjectValidation, "Project Validation", this); });
  mnuOpt_ = options->addAction("Settings");
  connect(mnuOpt_, &QAction::triggered, this,
          [this] { OpenMenuWindow(MenuWindow::kSettings, "Settings", this); });
  mnuSingle_ = options->addAction("Create Single Season");
  mnuSingle_->setVisible(false);
  QMenu* help = menuBar()->addMenu("Help");
  mnuContents_ = help->addAction("Contents");
  connect(mnuContents_, &QAction::triggered, this, [this] { mnuContents_Click(); });
  help->addSeparator();
  mnuAbout_ = help->addAction("About Kickwell Draftyard");
  connect(mnuAbout_, &QAction::triggered, this, [this] { mnuAbout_Click(); });
}

void frmMDIMock::mnuFile_Click(int32_t index) {
  switch (index) {
    case Menu::kSaveProject:
    case Menu::kSaveProjectAs:
      basCheatSheetMenu::SaveProjectFromMenu(index);
      break;
    case Menu::kCreateCheatSheet:
      basUIControl::SwitchPage(kPageCheatSheetJob);
      break;
    case Menu::kCreateMockDraft:
      basUIControl::SwitchPage(kPageMockDraftJob);
      break;
    case Menu::kImport:
      basImportVCZ::ImportArchiveFile();
      break;
    case Menu::kCreateStrain:
      OpenMenuWindow(MenuWindow::kProjectionStrain, "Create Projection Strain File", this);
      break;
    case Menu::kExit:
      close();
      break;
    default:
      basCheatSheetMenu::FileCommand(index, basUIControl::CurrentPage());
      break;
  }
}

void frmMDIMock::mnuContents_Click() {
  if (basMessage::AskYesNo("Kickwell Draftyard Help", " Kickwell Draftyard Help is online at " +
                                                          std::string(AppInfo::kHelpAddress) + std::string(runtime::kCrLf) +
                                                          "  Would you like to send this url to your browser?")) {
    basMessage::OpenInViewer(AppInfo::kHelpAddress);
  }
}

void frmMDIMock::mnuAbout_Click() {
  frmAbout about(this);
  about.exec();
}

void frmMDIMock::ShowFirstRunWindow() {
  frmStart start(this);
  start.exec();
}

void frmMDIMock::RestorePlacement(const basMockDraftSettings::WindowPlacement& placement) {
  if (placement.hasPosition) {
    move(FromTwips(placement.left), FromTwips(placement.top));
    resize(FromTwips(placement.width), FromTwips(placement.height));
  }
  maximised_ = placement.maximised;
}

void frmMDIMock::LoadMainBar() {
  mainBar_->Load();
  mainBar_->show();
}

void frmMDIMock::SyncUpdates() { mainBar_->SyncUpdates(); }

void frmMDIMock::SetCaption(const std::string& caption) { setWindowTitle(QString::fromStdString(caption)); }

void frmMDIMock::SetFileItemCaption(int32_t index, const std::string& caption) {
  mnuFile(index)->setText(QString::fromStdString(caption));
}

void frmMDIMock::SetFileItemVisible(int32_t index, bool visible) { mnuFile(index)->setVisible(visible); }

void frmMDIMock::SetFileItemEnabled(int32_t index, bool enabled) { mnuFile(index)->setEnabled(enabled); }

void frmMDIMock::SetMainBarProperty(const std::string& text) { mainBar_->SetProperty(text); }

std::string frmMDIMock::MainBarProperty() const { return mainBar_->Property(); }

void frmMDIMock::ShowMainBarTitle(int32_t pageCode) { mainBar_->ShowTitle(pageCode); }

void frmMDIMock::ShowCurrentPage(int32_t pageCode) { mainBar_->ShowCurrentPage(pageCode); }

PageWindow* frmMDIMock::LoadPage(int32_t pageCode) {
  frmPage* page = nullptr;
  if (const PageFactory* factory = FindPage(pageCode)) page = (*factory)(client_);
  if (page == nullptr && pageCode == kPageStart) page = new frmWelcome(client_);
  if (page == nullptr) page = new frmPlaceholderPage(client_, pageCode);
  page->hide();
  return page;
}

void frmMDIMock::UnloadPage(PageWindow* page) {
  auto* form = dynamic_cast<frmPage*>(page);
  if (form == nullptr) return;
  form->hide();
  // Later: the page may be the one whose click led here.
  form->deleteLater();
}

void frmMDIMock::LayoutWindows(PageWindow* page, int32_t barHeightTwips) {
  client_->setUpdatesEnabled(false);
  const int32_t width = std::max(client_->width() - 4, 0);
  const int32_t barHeight = Px(barHeightTwips);
  mainBar_->setGeometry(0, 0, width, barHeight);
  if (page != nullptr) page->Place(0, barHeight, width, std::max(client_->height() - barHeight - 4, 0));
  client_->setUpdatesEnabled(true);
}

bool frmMDIMock::ShowExportDialog(int32_t mode, int32_t targetIndex, bool colourRows) {
  if (const ExportDialogOpener* open = FindExportDialog()) {
    (*open)(this, mode, targetIndex, colourRows);
    return true;
  }
  basMessage::ShowMessage("Export", " The export dialog is not built yet.", seams::kOk, true);
  return false;
}

void frmMDIMock::Repaint() { repaint(); }

frmPage* frmMDIMock::CurrentPageForm() const { return dynamic_cast<frmPage*>(basUIControl::CurrentPageWindow()); }

}  // namespace shell_ui
