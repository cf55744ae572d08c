#include "editors/projected_stats/ui/frmProjected.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "core/PageCode.h"
#include "core/basColourScheme.h"
#include "editors/projected_stats/clsUIProjectedStats2.h"
#include "platform/flexgrid/widget/FlexGridWidget.h"
#include "player_data/dialogs/clsUINewProjected.h"
#include "player_data/dialogs/clsUIProInfo.h"
#include "shell/ui/frmMainBar.h"
#include "toolkit/ui/EditFlexGridWidgets.h"
#include "toolkit/ui/basDrawArrow.h"

namespace editors_projected_stats_ui {

frmProjected::frmProjected(QWidget* parent)
    : frmPageWindow(parent, kPageProjectedStats),
      picProjected_(AddTabbedPanel([this](int32_t i) { controller_->mTab_Click(i); })),
      lblHeading_(AddTitle(picProjected_, "")),
      mOP_(AddMiniBar(picProjected_, 24, 0)),
      editor_(AddEditedGrid(picProjected_, kGridCombo)) {

  // The descending (0) and ascending (1) sort arrows on the heading colour.
  constexpr int32_t kArrowSize = 4;
  const auto back = static_cast<gdi::COLORREF>(Palette(basColourScheme::kHeadingColour));
  std::array<PictureBox*, 2> arrows = {new PictureBox(this), new PictureBox(this)};
  basDrawArrow::DrawArrow(arrows[0], back, 9, 6, kArrowSize, 0, 1, 0, true);
  basDrawArrow::DrawArrowAt(arrows[1], back, 9, 6, kArrowSize, 0);
  for (std::size_t i = 0; i < arrows.size(); ++i) {
    arrows[i]->hide();
    sortPictures_[i] = EditFlexGridWidgets::CellPictureOf(arrows[i]);
  }
  if (auto* bar = shell_ui::frmMainBar::Instance()) bar->ShowSourceLabels(true);

  connect(mOP_, &clsMiniBar::Click, this, [this](int32_t i) { controller_->mOP_Click(i); });
  StartLayout();
}

frmProjected::~frmProjected() {
  if (auto* bar = shell_ui::frmMainBar::Instance()) bar->ShowSourceLabels(false);
}

void frmProjected::SetHeading(const std::string& text) { lblHeading_->setText(QString::fromStdString(text)); }

void frmProjected::SetSourceLabels(const std::string& stat, const std::string& adp) {
  auto* bar = shell_ui::frmMainBar::Instance();
  if (bar == nullptr) return;
  bar->SetSourceLabel(0, stat);
  bar->SetSourceLabel(1, adp);
}

std::shared_ptr<const FlexGridPicture> frmProjected::SortArrow(bool ascending) {
  return sortPictures_[ascending ? 1 : 0];
}

void frmProjected::ShowNewProjected(clsUINewProjected& dialog) { shell_ui::ShowDialog(dialog, window()); }

void frmProjected::ShowProperties(clsUIProInfo& properties) {
  // Modal over the whole application: the page, the side bar and the menus
  // wait while the database changes under them.
  shell_ui::ShowDialog(properties, window());
}

void frmProjected::LayOut() {
  constexpr int32_t kHeadingLine = 27;  // the grid stands this far below the panel's top
  const int32_t w = width();
  PlaceTabbedPanel(controller_->CurrentTab());
  PictureBox* picOP = mOP_->OPPicture();
  lblHeading_->setGeometry(kGap + 2, 4, std::max(w - picOP->width() - 3 * kGap, 40), kHeadingLine - 6);
  picOP->move(w - picOP->width() - kGap, 2);
  editor_.grid->setGeometry(kGap, kHeadingLine, w - 2 * kGap,
                             std::max(picProjected_->height() - kHeadingLine - kGap, 40));
}

void RegisterWindows() { shell_ui::RegisterPageWindow<frmProjected>(kPageProjectedStats); }

}  // namespace editors_projected_stats_ui
