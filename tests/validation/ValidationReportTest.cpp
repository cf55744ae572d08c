#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "ProjectFixture.h"
#include "core/basMockDraftSettings.h"
#include "core/clsCheatIsolate.h"
#include "core/clsSettingsKD.h"
#include "validation/basValidationReport.h"

namespace {

using basValidationReport::ListLines;

class ValidationReport : public kdtest::ProjectTest {
 protected:
  // A chosen file in the given folder.
  void Choose(const std::string& folder, const std::string& name) {
    seams::SystemFileDialogResult result;
    result.cancelled = false;
    result.path = folder;
    result.files = {name};
    fakes.files.AnswerSystem(result);
  }

  const ListLines lists = {{{"PRO loaded."}, {"Warning SCO 0 scoring rules.", "Warning LGP x"}, {}}};
};

TEST(ValidationReportName, ProjectNameLosesItsExtension) {
  EXPECT_EQ(basValidationReport::DefaultReportName("Spring.kdp"), "Spring Validate");
  EXPECT_EQ(basValidationReport::DefaultReportName("abcde"), "a Validate");
  EXPECT_EQ(basValidationReport::DefaultReportName("a.kd"), "");
  EXPECT_EQ(basValidationReport::DefaultReportName(""), "");
}

TEST_F(ValidationReport, TextListsTheFilesThenErrorsWarningsAndValidLines) {
  Name(kProjLeaguePropertiesFile, "Ten.lgp");
  Name(kProjProjectedStatsFile, "Season.pro");
  const std::string w = work.Path();
  // No run yet: an empty heading; no strategy files: an empty line.
  const std::string files = "League Properties File [" + w + "lgp/Ten.lgp]\r\nScoring System File [" + w +
                            "sco/]\r\nProjected Stats File [" + w + "pro/Season.pro]\r\n" +
                            "User Generated Mock Draft File [" + w + "ugm/]\r\n";
  EXPECT_EQ(basValidationReport::ReportText(validation, lists),
            "\r\n\r\n * PROJECT FILES\r\n\r\n" + files +
                "\r\n\r\n * ERROR MESSAGES\r\n\r\n"
                "\r\n * WARNING MESSAGES   (* MOCK - REQUIRED FOR MOCK DRAFT)\r\n\r\n"
                "Warning SCO 0 scoring rules.\r\nWarning LGP x\r\n"
                "\r\n * VALIDATION MESSAGES\r\n\r\nPRO loaded.\r\n\r\n");
}

TEST_F(ValidationReport, ExportAddsTheExtensionWritesAndOffersToView) {
  std::filesystem::create_directories(Work("out"));
  Choose(Work("out"), "Spring Check");  // the dialog's folder comes without its '/'

  fakes.messages.Answer("save");
  EXPECT_TRUE(basValidationReport::ExportReport(validation, lists));

  ASSERT_EQ(fakes.files.systemRequests.size(), 1u);
  const seams::SystemFileDialogRequest& r = fakes.files.systemRequests[0];
  EXPECT_EQ(r.title + "|" + r.extension + "|" + r.description + "|" + r.fileName + "|" +
                (r.save ? "save" : "open"),
            "Export Validation Data|txt|Text|Spring Validate|save");
  EXPECT_EQ(r.initialFolder, basMockDraftSettings::DefaultSettings()[kSetExportFolder]);

  const std::string path = Work("out/Spring Check.txt");
  EXPECT_EQ(kdtest::ReadFile(path), basValidationReport::ReportText(validation, lists));
  ASSERT_EQ(fakes.messages.messages.size(), 1u);
  EXPECT_EQ(fakes.messages.messages[0].caption, "Exported Validation Data");
  EXPECT_EQ(fakes.messages.messages[0].text, " Would you like to view \r\n  " + path + "?");
  EXPECT_EQ(fakes.messages.messages[0].buttonSet, seams::kYesNo);
  EXPECT_EQ(fakes.shell.opened, (std::vector<std::string>{path}));
}

TEST_F(ValidationReport, NameEndingInTxtInAnyCaseIsKeptNoMeansNoViewerAndCancelKeepsTheWindowOpen) {
  std::filesystem::create_directories(Work("out"));
  Choose(Work("out/"), "Mine.TXT");
  fakes.messages.Answer("nosave");
  EXPECT_TRUE(basValidationReport::ExportReport(validation, lists));
  EXPECT_FALSE(kdtest::ReadFile(Work("out/Mine.TXT")).empty());
  EXPECT_TRUE(fakes.shell.opened.empty());
  fakes.messages.captions.clear();
  fakes.files.AnswerSystem({});
  EXPECT_FALSE(basValidationReport::ExportReport(validation, lists));
  EXPECT_TRUE(fakes.messages.captions.empty());
}

TEST_F(ValidationReport, TargetThatCannotBeWrittenIsReportedAndClosesWithoutTheQuestion) {
  kdtest::WriteFile(Work("blocker"), "a file, not a folder");
  Choose(Work("blocker/"), "report");
  EXPECT_TRUE(basValidationReport::ExportReport(validation, lists));
  ASSERT_EQ(fakes.messages.plain.size(), 1u);
  EXPECT_EQ(fakes.messages.plain[0].caption, "Open File Error");
  EXPECT_NE(fakes.messages.plain[0].text.find("\r\n" + Work("blocker/report.txt")), std::string::npos);
  EXPECT_TRUE(fakes.messages.messages.empty());
}

}  // namespace
