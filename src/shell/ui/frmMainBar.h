#pragma once
// The main bar: the strip across the top of the main window's client area
// with the icons of the project pages and the editors, the quick "Open" and
// "Save" icons, the title picture and property line of the current page,
// and the update status line. It owns the click hold-off that follows the
// application's file dialog and drives the update checks at start-up and
// from the Options menu.

#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <string>

class BarFocus;
class PictureBox;
class QLabel;

namespace shell_ui {

class frmMainBar : public QWidget {
  Q_OBJECT

 public:
  // The icons, left to right on the bar as the arrays hold them.
  static constexpr int32_t kProjectIcons = 4;  // CheatDoc, MockDoc, Project, Draft
  static constexpr int32_t kEditorIcons = 5;   // League, Scoring, Stats, Grids, Strategy
  static constexpr std::array<int32_t, kProjectIcons> kProjectPages = {5, 8, 0, 9};
  static constexpr std::array<int32_t, kEditorIcons> kEditorPages = {3, 2, 1, 7, 4};

  explicit frmMainBar(QWidget* parent = nullptr);
  ~frmMainBar() override;

  // Load: labels, tool tips, icons, the quick icons, the empty property
  // line; the hold-off timer runs once 10 ms later.
  void Load();

  // The file dialog closed from its list: the current page ignores the
  // mouse for 100 ms.
  void FireDialogTimer();
  // The start-up checks: the application check when setting 27 is on (the
  // player check follows it when setting 1 is on, within the same deadline),
  // else the player check when setting 1 is on.
  void SyncUpdates();
  // One check runs at a time: one asked for from the menu while another
  // runs is refused with a notice, one due at start-up is skipped.
  void AppUpdate(bool manual);
  void PlaUpdate(bool manual);
  bool UpdateChecking() const { return appChecking_ || playerChecking_; }
  static constexpr const char* kBusyCaption = "Kickwell Draftyard Update";
  static constexpr const char* kBusyText =
      "An update check is already running. Please try again when it has finished.";
  void CheckForUpdates() {}

  // What the downloads install to run a check: true when the check started;
  // it then calls EndAppUpdate / EndPlayerUpdate when it is over. Without
  // one a check ends at once. `cancel` stops the checks under way (each
  // then calls its End).
  using UpdateCheck = std::function<bool(frmMainBar& bar, bool manual)>;
  using CancelChecks = std::function<void(frmMainBar& bar)>;
  static void SetUpdateChecks(UpdateCheck appCheck, UpdateCheck playerCheck, CancelChecks cancel = {});
  void EndAppUpdate();
  void EndPlayerUpdate();
  // The "Cancel" beside the status line: stops the check under way, and
  // the start-up checks that would follow it.
  void CancelUpdateChecks();
  // The timer handed to the updaters.
  QTimer* Timer2() const { return timer2_; }

  // The bar of the main window, null while none is loaded.
  static frmMainBar* Instance();

  // The two source lines the projected-stats page shows on the bar while it
  // is open ("Stat Source: ...", "ADP Source: ..."); hidden again whenever
  // another page becomes current.
  void SetSourceLabel(int32_t index, const std::string& text);
  void ShowSourceLabels(bool visible);
  QLabel* lblSource(int32_t index) const { return lblSource_.at(static_cast<std::size_t>(index)); }

  // The page model's view of the bar.
  void ShowTitle(int32_t pageCode);
  void SetProperty(const std::string& text);
  std::string Property() const;
  void ShowCurrentPage(int32_t pageCode);

  // The controls, for the windows' tests.
  PictureBox* picProject(int32_t index) const { return picProject_.at(static_cast<std::size_t>(index)); }
  PictureBox* picEditor(int32_t index) const { return picEditor_.at(static_cast<std::size_t>(index)); }
  PictureBox* picQuick(int32_t index) const { return picQuick_.at(static_cast<std::size_t>(index)); }
  QLabel* lblPro(int32_t index) const { return lblPro_.at(static_cast<std::size_t>(index)); }
  QLabel* lblEdit(int32_t index) const { return lblEdit_.at(static_cast<std::size_t>(index)); }
  PictureBox* picProperty() const { return picProperty_; }
  QLabel* lblMockProperty() const { return lblMockProperty_; }
  QLabel* lblUpdate() const { return lblUpdate_; }
  QLabel* lblCancel() const { return lblCancel_; }
  QTimer* Timer1() const { return timer1_; }
  QTimer* Timer3() const { return timer3_; }
  // The page code an icon marks as current, -1 for none.
  int32_t MarkedPage() const { return marked_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void picProject_Click(int32_t index);
  void picEditor_Click(int32_t index);
  void picQuick_Click(int32_t index);
  void Timer1_Timer();
  void Timer3_Timer();
  void PaintIcon(PictureBox* icon, QLabel* label, int32_t pageCode);
  void ShowStatus(const std::string& text);
  bool RefuseWhileChecking(bool manual);

  PictureBox* picMainBar_;
  std::array<PictureBox*, kProjectIcons> picProject_{};
  std::array<QLabel*, kProjectIcons> lblPro_{};
  std::array<PictureBox*, kEditorIcons> picEditor_{};
  std::array<QLabel*, kEditorIcons> lblEdit_{};
  PictureBox* picProperty_;
  std::array<PictureBox*, 2> picQuick_{};
  // Tab reaches Open and Save; Space or Return presses them.
  std::array<BarFocus*, 2> quickFocus_{};
  QLabel* lblMockProperty_;
  std::array<QLabel*, 2> lblSource_{};
  QLabel* lblUpdate_;
  QLabel* lblCancel_;
  QTimer* timer1_;
  QTimer* timer2_;
  QTimer* timer3_;
  bool chain_ = false;
  bool appChecking_ = false;
  bool playerChecking_ = false;
  int32_t marked_ = -1;
  int32_t titled_ = -1;
};

}  // namespace shell_ui
