// Every page of the application in the real main window, on the bundled
// sample project: whole at the window's minimum size, and photographed there
// and at a large size (at 1x, and at 2x under QT_SCALE_FACTOR) for a person
// to look at.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <string>
#include <vector>

#include "MainWindowHarness.h"
#include "core/PageCode.h"
#include "platform/flexgrid/widget/FlexGridImagePicture.h"
#include "platform/flexgrid/widget/FlexGridWidget.h"
#include "project_page/ui/frmCheatSheetMDI.h"
#include "shell/ui/frmFile.h"

void RegisterAllWindows();

namespace {

class Pages : public kdtest::MainWindowTest {};

// The controls of the page that reach past its edge, by class and name.
std::vector<std::string> CutControls(QWidget* page) {
  std::vector<std::string> cut;
  const QRect whole = page->rect();
  for (QWidget* w : page->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(page) || w->isWindow()) continue;
    // A grid's own parts, and what lies in a scrolled area, move inside it.
    if (qobject_cast<QScrollBar*>(w) != nullptr) continue;
    if (qobject_cast<FlexGridWidget*>(w->parentWidget()) != nullptr) continue;
    const QRect at(w->mapTo(page, QPoint(0, 0)), w->size());
    if (!whole.contains(at)) {
      cut.push_back(std::string(w->metaObject()->className()) + " " + w->objectName().toStdString() + " at " +
                    std::to_string(at.x()) + "," + std::to_string(at.y()) + " " + std::to_string(at.width()) +
                    "x" + std::to_string(at.height()));
    }
  }
  return cut;
}

TEST_F(Pages, EveryPageIsWholeAtTheMainWindowsMinimumSize) {
  RegisterAllWindows();
  ASSERT_TRUE(Start());
  ASSERT_TRUE(GlobalProject().OpenFile("KD-Sample 2024.kdp"));
  const std::string scale = window->devicePixelRatioF() > 1.0 ? "_x2" : "";
  const QSize minimum = window->minimumSize();
  const struct {
    int32_t code;
    const char* name;
  } pages[] = {{kPageStart, "start"},         {kPageProject, "project"},  {kPageLeagueProperties, "league"},
               {kPageScoringSystem, "scoring"}, {kPageProjectedStats, "stats"}, {kPageDisplayGrids, "grids"},
               {kPageDraftStrategies, "strategy"}, {kPageUserMockDraft, "draft"}};
  for (const auto& p : pages) {
    SCOPED_TRACE(p.name);
    if (p.code == kPageUserMockDraft) {
      // A new user mock draft for the sample: yes to the question, a name.
      script.Then<frmMessage>([this](frmMessage* box) { kdtest::PressSoon(*pointer, box->mBtn(), 0); })
          .Then<frmFile>([](frmFile* dialog) {
            dialog->txtFileName()->setText("d1");
            QTest::keyClick(dialog->txtFileName(), Qt::Key_Return);
          });
    }
    basUIControl::SwitchPage(p.code);
    ASSERT_TRUE(script.Done());
    ASSERT_EQ(basUIControl::CurrentPage(), p.code);
    if (auto* project = dynamic_cast<project_page_ui::frmCheatSheetMDI*>(window->CurrentPageForm())) {
      // The Change File buttons are drawn at the screen's pixel ratio, not enlarged.
      const auto button = std::dynamic_pointer_cast<const FlexGridImagePicture>(project->FilesPicture(4));
      ASSERT_NE(button, nullptr);
      EXPECT_DOUBLE_EQ(button->Image().devicePixelRatio(), window->devicePixelRatioF());
    }
    for (const QSize size : {QSize(1500, 950), minimum}) {
      window->resize(size);
      QApplication::processEvents();
      QWidget* page = window->CurrentPageForm();
      ASSERT_NE(page, nullptr);
      if (size == minimum) {
        EXPECT_EQ(CutControls(page), std::vector<std::string>{});
      }
      kdtest::SaveScreenshot(window.get(), std::string("page_") + p.name + "_" + std::to_string(size.width()) +
                                               "x" + std::to_string(size.height()) + scale);
    }
    // Names and addresses from files reach the labels: each shows a tag as
    // written, and drawing it reads no file (as markup, this one would read
    // /dev/zero until memory runs out).
    const QString tag = QStringLiteral("<img src=%2Fdev%2Fzero>");
    for (QLabel* label : window->findChildren<QLabel*>()) {
      const QString before = label->text();
      label->setText(tag);
      EXPECT_EQ(label->text(), tag);
      EXPECT_EQ(label->textFormat(), Qt::PlainText) << before.toStdString();
      label->grab();
      label->setText(before);
    }
  }
}

}  // namespace
