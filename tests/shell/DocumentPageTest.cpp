// The document lifecycle every editor page shares, on a page whose document
// is one line of text in a file ("doc:" and the text).

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>

#include "FakeSeams.h"
#include "TempDir.h"
#include "core/PageCode.h"
#include "core/basMockItUp.h"
#include "core/clsCheatIsolate.h"
#include "shell/clsUIDocumentPage.h"

namespace {

namespace fs = std::filesystem;

class TextPage final : public clsUIDocumentPage {
 public:
  explicit TextPage(DocumentType type) : clsUIDocumentPage(type) {}
  using clsUIDocumentPage::OpenAtStart;

  std::string text;
  bool writeFails = false;
  bool dropThrows = false;
  int32_t dropped = 0;

 protected:
  bool NewDocument(const std::string& /*name*/) override {
    text.clear();
    return true;
  }
  bool ReadDocument(const std::string& name) override {
    std::ifstream in(FileTypeFolder[kPageScoringSystem] + name);
    std::string line;
    if (!std::getline(in, line) || line.rfind("doc:", 0) != 0) {
      ReportUnreadable(name, "Not a text document.");
      return false;
    }
    text = line.substr(4);
    return true;
  }
  bool WriteDocument(const std::string& name) override {
    if (text == "throws") throw std::runtime_error("The disk said no.");
    if (writeFails) return false;
    std::ofstream(FileTypeFolder[kPageScoringSystem] + name) << "doc:" << text;
    return true;
  }
  void DropChanges() override {
    ++dropped;
    if (dropThrows) throw std::runtime_error("The undo could not be written.");
  }
};

class DocumentPage : public ::testing::Test {
 protected:
  DocumentPage() {
    basMockItUp::InitFileTypeTable(dir.Path());
    fs::create_directories(Folder());
    Write("Old.sco", "doc:old");
  }
  ~DocumentPage() override { ReleaseGlobalProject(); }

  static std::string Folder() { return FileTypeFolder[kPageScoringSystem]; }
  static void Write(const std::string& name, const std::string& bytes) {
    std::ofstream(Folder() + name) << bytes;
  }
  static std::string Key() { return GlobalProject().Value(kProjScoringSystemFile); }

  // The page with "Old.sco" open and changed.
  void OpenOldAndChange() {
    ASSERT_TRUE(page.OpenAtStart("Old.sco"));
    page.text = "edited";
    page.SetChangesMade(true);
  }

  kdtest::TempDir dir;
  kdtest::ScopedFakeSeams seams;
  TextPage page{{kPageScoringSystem, kProjScoringSystemFile, true, false, " "}};
};

TEST_F(DocumentPage, NewAndOpenAskFirstAndCancelStopsThem) {
  OpenOldAndChange();
  for (int32_t command : {6, 7}) {
    seams.messages.Answer("cancel");
    page.FileCommand(command);
  }
  EXPECT_TRUE(seams.files.ownRequests.empty());
  EXPECT_EQ(seams.messages.messages.size(), 2U);
  EXPECT_EQ(seams.messages.messages[0].text, " Would you like to save changes to Old.sco?");
  EXPECT_TRUE(page.ChangesMade());
  EXPECT_EQ(page.text, "edited");
}

TEST_F(DocumentPage, SaveOfAnUnnamedOrDefaultDocumentIsSaveAs) {
  const struct {
    int32_t fileType;
    const char* name;
  } cases[] = {{kPageScoringSystem, ""}, {kPageDraftStrategies, "KD-RBL Default.stg"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fileType);
    TextPage other{{c.fileType, -1, true, false, ""}};
    if (*c.name != '\0') Write(c.name, "doc:shipped");
    other.OpenAtStart(c.name);
    seams.files.AnswerOwn(std::nullopt);
    other.FileCommand(9);
    ASSERT_FALSE(seams.files.ownRequests.empty());
    EXPECT_EQ(seams.files.ownRequests.back().mode, 0);
    EXPECT_EQ(other.FileName(), c.name);
  }
}

TEST_F(DocumentPage, AWriteNamesTheDocumentInTheProjectAndClearsTheFlag) {
  OpenOldAndChange();
  seams.files.AnswerOwn("Mine");
  page.FileCommand(10);
  EXPECT_EQ(page.FileName(), "Mine.sco");
  EXPECT_EQ(Key(), "Mine.sco");
  EXPECT_FALSE(page.ChangesMade());
  std::ifstream in(Folder() + "Mine.sco");
  std::string line;
  std::getline(in, line);
  EXPECT_EQ(line, "doc:edited");
}

TEST_F(DocumentPage, AFailedOrCancelledWriteKeepsTheNameTheFlagAndTheProjectKey) {
  GlobalProject().SetValue(kProjScoringSystemFile, "Old.sco");
  OpenOldAndChange();
  page.writeFails = true;
  seams.files.AnswerOwn("Mine");
  page.FileCommand(10);
  page.FileCommand(9);
  seams.files.AnswerOwn(std::nullopt);
  page.FileCommand(10);
  EXPECT_EQ(page.FileName(), "Old.sco");
  EXPECT_EQ(Key(), "Old.sco");
  EXPECT_TRUE(page.ChangesMade());
}

TEST_F(DocumentPage, TheCloseQuestionLeavesOnlyAfterDontSaveOrAWrite) {
  const struct {
    const char* answer;
    bool writeFails, leaves;
    int32_t dropped;
  } cases[] = {{"save", false, true, 0},
               {"save", true, false, 0},
               {"nosave", false, true, 1},
               {"cancel", false, false, 0},
               {"", false, false, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.answer << " " << c.writeFails);
    OpenOldAndChange();
    page.dropped = 0;
    page.writeFails = c.writeFails;
    seams.messages.Answer(c.answer);
    EXPECT_EQ(page.QueryUnload(), c.leaves);
    EXPECT_EQ(page.dropped, c.dropped);
    EXPECT_EQ(page.ChangesMade(), !(c.leaves && c.dropped == 0));
  }
}

TEST_F(DocumentPage, AFileThatDoesNotReadLeavesThePageAsItWasAfterOneMessage) {
  Write("Bad.sco", "garbage");
  GlobalProject().SetValue(kProjScoringSystemFile, "Old.sco");
  OpenOldAndChange();
  seams.messages.Answer("nosave");
  seams.files.AnswerOwn("Bad.sco");
  page.FileCommand(7);
  ASSERT_EQ(seams.messages.messages.size(), 2U);
  EXPECT_EQ(seams.messages.messages[1].caption, "Scoring System File");
  EXPECT_EQ(seams.messages.messages[1].text, " Bad.sco: Not a text document.");
  EXPECT_EQ(page.FileName(), "Old.sco");
  EXPECT_EQ(Key(), "Old.sco");
  // The edits the user chose not to save are gone: Old.sco as it was read.
  EXPECT_EQ(page.text, "old");
  EXPECT_FALSE(page.ChangesMade());

  // Without edits to drop the page keeps what it shows.
  page.text = "shown";
  seams.files.AnswerOwn("Bad.sco");
  page.FileCommand(7);
  EXPECT_EQ(page.text, "shown");

  // At start the page stays unnamed, so no Save writes over the bad file.
  TextPage fresh{{kPageScoringSystem, kProjScoringSystemFile, true, false, " "}};
  EXPECT_FALSE(fresh.OpenAtStart("Bad.sco"));
  EXPECT_EQ(fresh.FileName(), "");
}

TEST_F(DocumentPage, DroppedEditsAreGoneAlsoWhenNewOrOpenDoesNotGoThrough) {
  Write("Bad.sco", "garbage");
  const struct {
    const char* open;  // "" for a page never named
    int32_t command;
    std::optional<std::string> chosen;
    const char* text;
  } cases[] = {
      {"Old.sco", 7, std::nullopt, "old"}, {"Old.sco", 6, std::nullopt, "old"}, {"", 7, "Bad.sco", ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.command << " " << c.open);
    page.OpenAtStart(c.open);
    page.text = "typed";
    page.SetChangesMade(true);
    seams.messages.Answer("nosave");
    seams.files.AnswerOwn(c.chosen);
    page.FileCommand(c.command);
    EXPECT_EQ(page.text, c.text);
    EXPECT_EQ(page.FileName(), c.open);
    EXPECT_FALSE(page.ChangesMade());
  }
}

TEST_F(DocumentPage, AFailureInsideACommandOrTheCloseQuestionIsShownOnceAndKeepsThePage) {
  OpenOldAndChange();
  page.text = "throws";
  EXPECT_NO_THROW(page.FileCommand(9));
  page.dropThrows = true;
  seams.messages.Answer("nosave");
  bool leaves = true;
  EXPECT_NO_THROW(leaves = page.QueryUnload());
  EXPECT_FALSE(leaves);
  ASSERT_EQ(seams.messages.messages.size(), 3U);
  EXPECT_EQ(seams.messages.messages[0].caption, "Scoring System File");
  EXPECT_EQ(seams.messages.messages[0].text, " The disk said no.");
  EXPECT_EQ(seams.messages.messages[2].text, " The undo could not be written.");
  EXPECT_EQ(page.FileName(), "Old.sco");
  EXPECT_TRUE(page.ChangesMade());
  // Still usable: once the undo works, the page can be left.
  page.dropThrows = false;
  seams.messages.Answer("nosave");
  EXPECT_TRUE(page.QueryUnload());
}

TEST_F(DocumentPage, OpenNamesTheDocumentInTheProjectOnlyWhereThePageSaysSo) {
  for (bool follows : {true, false}) {
    SCOPED_TRACE(follows);
    GlobalProject().SetValue(kProjScoringSystemFile, "Other.sco");
    TextPage other{{kPageScoringSystem, kProjScoringSystemFile, follows, false, " "}};
    seams.files.AnswerOwn("Old.sco");
    other.FileCommand(7);
    EXPECT_EQ(other.text, "old");
    EXPECT_EQ(Key(), follows ? "Old.sco" : "Other.sco");
  }
}

TEST_F(DocumentPage, ANewDocumentWrittenAtOnceIsNamedOnlyWhenWritten) {
  for (bool fails : {false, true}) {
    SCOPED_TRACE(fails);
    GlobalProject().SetValue(kProjScoringSystemFile, "Old.sco");
    TextPage other{{kPageScoringSystem, kProjScoringSystemFile, true, true, " "}};
    other.writeFails = fails;
    const std::string name = fails ? "Unwritten.sco" : "Fresh.sco";
    seams.files.AnswerOwn(name);
    other.FileCommand(6);
    EXPECT_EQ(other.FileName(), name);
    EXPECT_EQ(fs::exists(Folder() + name), !fails);
    EXPECT_EQ(Key(), fails ? "Old.sco" : name);
    // Not written, the new document is only on the page: leaving asks.
    EXPECT_EQ(other.ChangesMade(), fails);
  }
}

}  // namespace
