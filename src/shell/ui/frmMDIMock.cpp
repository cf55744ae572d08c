#include "shell/ui/frmMDIMock.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>

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

// A menu caption with its mnemonic: the first `letter` of the caption (case
// as given) is underlined; an '&' of the caption's own shows as itself.
QString WithMnemonic(const std::string& caption, char letter) {
  QString text = QString::fromStdString(caption);
  text.replace(QLatin1Char('&'), QStringLiteral("&&"));
  const qsizetype at = letter == '\0' ? -1 : text.indexOf(QLatin1Char(letter));
  if (at >= 0) text.insert(at, QLatin1Char('&'));
  return text;
}

// The File items' mnemonics, by item index. The document items are
// retitled per page ("New " + the document type ...): their letters lie in
// the fixed words, so the marker survives every retitling and never meets
// another item's.
constexpr std::array<char, Menu::kFileItemCount> kFileMnemonics = {
    'N', 'O', '\0', 'S', 'A', '\0', 'w', 'p', '\0', 'v', 'e', '\0', 'C', 'M', '\0', 'I', 'j', '\0', 'x'};

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

bool frmMDIMock::eventFilter(QObject* watched, QEvent* event) {
  if (watched == this && event->type() == QEvent::WindowActivate) {
    // After the window has restored its focus.
    QTimer::singleShot(0, this, [this] { ReturnKeysFromMenuBar(); });
  }
  // A window manager hands the keys back to the window under a dialog that
  // closes; without one nothing would, and the menus and Tab would go deaf.
  if (event->type() == QEvent::Hide && watched != this && watched->isWidgetType()) {
    auto* closing = static_cast<QWidget*>(watched);
    // A dialog or window of ours, not a menu; and not while the person
    // works in another application.
    const bool ours = closing->isWindow() && closing->windowType() != Qt::Popup &&
                      closing->windowType() != Qt::ToolTip &&
                      QGuiApplication::applicationState() == Qt::ApplicationActive;
    if (ours) {
      QPointer<QWidget> owner = closing->parentWidget() != nullptr ? closing->parentWidget()->window() : nullptr;
      // Later: a modal dialog that closes may be followed at once by the next.
      QTimer::singleShot(0, this, [this, owner] {
        if (QApplication::activeWindow() != nullptr) return;
        QWidget* next = QApplication::activeModalWidget();
        if (next == nullptr) next = owner != nullptr && owner->isVisible() ? owner.data() : this;
        if (next->isVisible()) next->activateWindow();
      });
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void frmMDIMock::ReturnKeysFromMenuBar() {
  // A menu opened by its key from one of our windows above this one (the
  // settings) and closed with Escape leaves the bar holding the focus, with
  // no menu marked once the window is active again: Tab and the arrows would
  // then do nothing. The bar keeps the focus only while a menu is open.
  if (!isActiveWindow() || focusWidget() != menuBar() || QApplication::activePopupWidget() != nullptr) return;
  if (lastFocus_ != nullptr && lastFocus_->isVisible() && lastFocus_->isEnabled()) {
    lastFocus_->setFocus(Qt::OtherFocusReason);
  } else {
    focusNextChild();
  }
}

void frmMDIMock::ShowPlaced() {
  if (maximised_) {
    showMaximized();
  } else {
    show();
  }
  // The keys go to the active window only: without a window manager to
  // activate it, menus, Tab and the shortcuts would never hear of them.
  activateWindow();
  qApp->installEventFilter(this);
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (now != nullptr && now != menuBar() && now->window() == this) lastFocus_ = now;
  });
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
  fileMenu_ = menuBar()->addMenu(WithMnemonic("File", 'F'));
  const char* fileCaptions[Menu::kFileItemCount] = {
      "New Project", "Open Project", "-", "Save Project", "Save Project As...", "-",
      "New League Properties", "Open League Properties", "-", "Save League Properties",
      "Save League Properties As...", "-", "Create Cheat Sheet Document", "Create Mock Draft Document", "-",
      "Import", "Create Projection Strain File", "-", "Exit"};
  for (int32_t i = 0; i < Menu::kFileItemCount; ++i) {
    const bool separator = std::string(fileCaptions[i]) == "-";
    QAction* item = separator ? fileMenu_->addSeparator() : fileMenu_->addAction(QString());
    mnuFile_[static_cast<std::size_t>(i)] = item;
    if (separator) continue;
    SetFileItemCaption(i, fileCaptions[i]);
    connect(item, &QAction::triggered, this, [this, i] { mnuFile_Click(i); });
  }
  QMenu* edit = menuBar()->addMenu(WithMnemonic("Edit", 'E'));
  struct EditItem {
    const char* caption;
    char mnemonic;
    int32_t page;
  };
  const std::array<EditItem, 6> editItems = {{{"League Properties", 'L', kPageLeagueProperties},
                                              {"Scoring System", 'S', kPageScoringSystem},
                                              {"Projected Stats", 'P', kPageProjectedStats},
                                              {"Display Grids", 'D', kPageDisplayGrids},
                                              {"Draft Strategies", 't', kPageDraftStrategies},
                                              {"User Generated Mock Draft", 'U', kPageUserMockDraft}}};
  for (std::size_t i = 0; i < editItems.size(); ++i) {
    const int32_t page = editItems[i].page;
    mnuEdit_[i] = edit->addAction(WithMnemonic(editItems[i].caption, editItems[i].mnemonic));
    connect(mnuEdit_[i], &QAction::triggered, this, [page] { basUIControl::SwitchPage(page); });
  }
  QMenu* options = menuBar()->addMenu(WithMnemonic("Options", 'O'));
  mnuAppUpdate_ = options->addAction(WithMnemonic("Check For App Update", 'A'));
  connect(mnuAppUpdate_, &QAction::triggered, this, [this] { mainBar_->AppUpdate(true); });
  mnuUpdate_ = options->addAction(WithMnemonic("Check For Player Updates", 'P'));
  connect(mnuUpdate_, &QAction::triggered, this, [this] { mainBar_->PlaUpdate(true); });
  options->addSeparator();
  mnuPro_ = options->addAction(WithMnemonic("Project Validation", 'V'));
  connect(mnuPro_, &QAction::triggered, this,
          [this] { OpenMenuWindow(MenuWindow::kProjectValidation, "Project Validation", this); });
  mnuOpt_ = options->addAction(WithMnemonic("Settings", 'S'));
  connect(mnuOpt_, &QAction::triggered, this,
          [this] { OpenMenuWindow(MenuWindow::kSettings, "Settings", this); });
  mnuSingle_ = options->addAction(WithMnemonic("Create Single Season", 'C'));
  mnuSingle_->setVisible(false);
  QMenu* help = menuBar()->addMenu(WithMnemonic("Help", 'H'));
  mnuContents_ = help->addAction(WithMnemonic("Contents", 'C'));
  connect(mnuContents_, &QAction::triggered, this, [this] { mnuContents_Click(); });
  help->addSeparator();
  mnuAbout_ = help->addAction(WithMnemonic("About Kickwell Draftyard", 'A'));
  connect(mnuAbout_, &QAction::triggered, this, [this] { mnuAbout_Click(); });

  // F10 opens the first menu, as on other desktops; Alt alone and Alt with
  // a title's letter reach the bar through the style's own menu-bar keys.
  auto* f10 = new QAction(this);
  f10->setShortcut(Qt::Key_F10);
  f10->setShortcutContext(Qt::WindowShortcut);
  connect(f10, &QAction::triggered, this, [this] { menuBar()->setActiveAction(fileMenu_->menuAction()); });
  addAction(f10);
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
  mnuFile(index)->setText(WithMnemonic(caption, kFileMnemonics.at(static_cast<std::size_t>(index))));
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
