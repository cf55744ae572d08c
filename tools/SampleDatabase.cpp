#include "tools/SampleDatabase.h"

#include <filesystem>
#include <memory>
#include <vector>

#include "core/PageCode.h"
#include "core/Seams.h"
#include "core/basMessage.h"
#include "core/basMockItUp.h"
#include "player_data/basCreateSingleSeasonDB.h"

namespace bundle {

namespace {

// The build runs without a screen: what the program would show in a
// message box is the build's error.
class CollectedMessages final : public seams::MessageBoxView {
 public:
  std::string ShowMessage(const std::string& caption, const std::string& text, int32_t, bool) override {
    Add(caption, text);
    return seams::kAnswerCancel;
  }
  seams::PlainAnswer PlainMessage(const std::string& text, seams::PlainButtons, seams::PlainIcon,
                                  const std::string& caption) override {
    Add(caption, text);
    return seams::PlainAnswer::kCancel;
  }
  std::string collected;

 private:
  void Add(const std::string& caption, const std::string& message) {
    if (!collected.empty()) collected += "; ";
    collected += caption + ": " + message;
  }
};

// Installs the collector for the life of the build and restores the
// silent box afterwards.
class ScopedMessages {
 public:
  ScopedMessages() {
    auto box = std::make_unique<CollectedMessages>();
    messages_ = box.get();
    seams::Install(std::move(box));
  }
  ~ScopedMessages() { seams::Install(std::unique_ptr<seams::MessageBoxView>()); }
  ScopedMessages(const ScopedMessages&) = delete;
  ScopedMessages& operator=(const ScopedMessages&) = delete;
  const std::string& Text() const { return messages_->collected; }

 private:
  CollectedMessages* messages_;
};

}  // namespace

bool WriteSampleDatabase(const std::string& defFolder, const std::string& masterFolder, int16_t year,
                         const std::string& outPath, std::string* error) {
  auto fail = [&](const std::string& why) {
    if (error) *error = why;
    return false;
  };
  ScopedMessages messages;
  // No work folder: a player the records do not know would be logged to
  // ProError.txt there, and the bundled tree carries no log.
  WorkFolder.clear();
  DefaultsFolder = defFolder;
  FileTypeFolder[kPagePlayerMasterRegistry] = masterFolder;

  std::vector<std::string> masters;
  basCreateSingleSeasonDB::ListKWRFiles(basCreateSingleSeasonDB::MasterPrefix(year),
                                        kPagePlayerMasterRegistry, masters, 0);
  if (masters.empty()) {
    return fail("no master file \"" + basCreateSingleSeasonDB::MasterPrefix(year) + " NNNN.kwr\" in " +
                masterFolder);
  }
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(outPath).parent_path(), ec);

  // Built beside the target, so that a build the messages fail leaves the
  // old database in place.
  const std::string work = outPath + ".build";
  std::filesystem::remove(work, ec);
  basCreateSingleSeasonDB::SelectedStrainName.clear();
  if (!basCreateSingleSeasonDB::CreateProjectedFile(year, work, masters, false)) {
    return fail(messages.Text().empty() ? "the build was cancelled" : messages.Text());
  }
  // A block the import had to pass over is a fault of the master file.
  if (!messages.Text().empty()) {
    std::filesystem::remove(work, ec);
    return fail(messages.Text());
  }
  std::filesystem::rename(work, outPath, ec);
  if (ec) {
    std::filesystem::remove(work, ec);
    return fail("cannot replace " + outPath + ": " + ec.message());
  }
  return true;
}

}  // namespace bundle
