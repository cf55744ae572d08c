// The strain-update prompt's real window, offscreen: an update that finds
// newer files of the database's strain shows it, and its three answers
// (apply, ignore, cancel) given with the mouse and the keyboard decide what
// the database gets.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QTest>
#include <cstdio>
#include <functional>

#include "../KwrFixtures.h"
#include "ShellWindowHarness.h"
#include "core/basMessage.h"
#include "core/basMockDraftSettings.h"
#include "core/clsSettingsKD.h"
#include "database/clsKickwellDB.h"
#include "player_data/StrainUpdatePromptView.h"
#include "player_data/basCreateSingleSeasonDB.h"
#include "player_data/clsStrainUpdatePrompt.h"
#include "player_data/ui/frmMsgUpdate.h"

namespace {

using kwrtest::BlockFixture;
using kwrtest::Rec;
using player_data_ui::frmMsgUpdate;

constexpr uint8_t kPassYds = 3;

class StrainPromptWindow : public kwrtest::SeasonWork {
 protected:
  StrainPromptWindow() {
    seams::Install(std::make_unique<player_data_ui::StrainUpdatePromptWindow>());
    basMockDraftSettings::GlobalSettings().SetBoolVal(kSetKeepModifiedStats, false);
  }
  ~StrainPromptWindow() override {
    seams::Install(std::unique_ptr<seams::StrainUpdatePromptView>());
    basCreateSingleSeasonDB::SelectedStrainName.clear();
    StrainUpdateOptions = {};
  }

  // Strain "Alpha" version v: Allen's season passing yards 4000 + v.
  void PutStrain(int version) {
    BlockFixture season{250, {}};
    season.block.Stats = {Rec(1001, 4, 250, kPassYds, 4000.0f + static_cast<float>(version))};
    char name[32];
    std::snprintf(name, sizeof name, "Alpha %04d.kwr", version);
    PutKwr("str", name, kwrtest::KwrFileBytes(2024, "alpha v" + std::to_string(version), {season}));
  }
  // A database following strain version 1, with versions 2 and 3 on offer.
  void Build() {
    BlockFixture registration{0, {}};
    registration.block.Bios = {kwrtest::Bio(1001, "Allen, Josh", 0, 4, 2)};
    const std::string master =
        PutKwr("mas", "2024 Master 0001.kwr", kwrtest::KwrFileBytes(2024, "", {registration}));
    PutStrain(1);
    path_ = Sub("pro") + "Season.pro";
    ASSERT_TRUE(basCreateSingleSeasonDB::CreateProjectedFile(2024, path_, {master}, false));
    ASSERT_TRUE(db_.InitializeKickwellDB(path_)) << db_.LastError();
    ASSERT_EQ(basCreateSingleSeasonDB::ApplyStrain(db_, "Alpha", 0, true, false), 1);
    PutStrain(2);
    PutStrain(3);
  }
  // Runs the update; `answer` acts on the prompt once it is up.
  int32_t Update(std::function<void(frmMsgUpdate*)> answer) {
    script_.Then<frmMsgUpdate>([this, answer](frmMsgUpdate* w) {
      shown_ = w->lblFile()->text().toStdString() + " " + Boxes(w);
      answer(w);
    });
    const int32_t result = basCreateSingleSeasonDB::FindAndApplyUpdates(db_);
    EXPECT_TRUE(script_.Done());
    return result;
  }
  // "x." checked and enabled, "-#" clear and greyed, per box.
  static std::string Boxes(frmMsgUpdate* w) {
    std::string out;
    for (int32_t i = 0; i < 3; ++i)
      out += std::string(i ? " " : "") + (w->chkM(i)->isChecked() ? "x" : "-") + (w->chkM(i)->isEnabled() ? "." : "#");
    return out;
  }
  std::string State() {
    return kdtest::QueryText(path_, "SELECT (SELECT printf('%g', Fld5) FROM tblStat2 WHERE Week = 250) || ',' ||"
                                    " StrainVersion || ',' || StrainMaxOffer FROM tblSettings;");
  }

  kdtest::ModalScript script_;
  clsKickwellDB db_;
  std::string path_;
  std::string shown_;
};

TEST_F(StrainPromptWindow, EnterAppliesTheOfferedFiles) {
  Build();
  EXPECT_EQ(Update([](frmMsgUpdate* w) { QTest::keyClick(w, Qt::Key_Return); }), 2);
  EXPECT_EQ(shown_, "Alpha 0003.kwr -. x. -.");
  EXPECT_EQ(State(), "4003,3,3");
}

TEST_F(StrainPromptWindow, TickingIgnoreGreysTheOtherBoxesAndOnlyRecordsTheOffer) {
  Build();
  std::string greyed;
  EXPECT_EQ(Update([this, &greyed](frmMsgUpdate* w) {
              QTest::mouseClick(w->chkM(0), Qt::LeftButton, {}, QPoint(8, w->chkM(0)->height() / 2));
              greyed = Boxes(w);
              kdtest::SaveScreenshot(w, "frmMsgUpdate");
              kdtest::Press(fakes.pointer, w->mBtn(), 0);
            }),
            2);
  EXPECT_EQ(greyed, "x. x# -#");
  EXPECT_EQ(State(), "4001,1,3");
}

TEST_F(StrainPromptWindow, CancelAndEscapeApplyNothingAndOfferTheFilesAgain) {
  const std::function<void(frmMsgUpdate*)> answers[] = {
      [this](frmMsgUpdate* w) { kdtest::Press(fakes.pointer, w->mBtn(), 1); },
      [](frmMsgUpdate* w) { QTest::keyClick(w, Qt::Key_Escape); },
  };
  Build();
  for (const auto& answer : answers) {
    EXPECT_EQ(Update(answer), 2);
    EXPECT_EQ(MessageAnswer, "cancel");
    EXPECT_EQ(State(), "4001,1,1");
  }
}

}  // namespace
