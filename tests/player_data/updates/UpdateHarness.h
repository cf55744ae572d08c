#pragma once
// A player-data update test: a work tree, a local HTTP server named as the
// update server by setting 0, the scripted seams and the real download
// control with a short time-out.

#include <gtest/gtest.h>

#include <QNetworkProxy>
#include <QTest>
#include <functional>
#include <string>
#include <vector>

#include "../WorkTree.h"
#include "ArchiveFixtures.h"
#include "FakeSeams.h"
#include "LocalHttpServer.h"
#include "core/basMockDraftSettings.h"
#include "core/clsSettingsKD.h"
#include "platform/runtime/FileIO.h"
#include "player_data/basUpdateServer.h"
#include "player_data/clsUpdateChecks.h"
#include "shell/ui/RealSeams.h"

namespace kdtest {

// Far longer than a local transfer waits for data on a loaded test machine,
// short enough that the time-out tests end quickly.
inline constexpr int32_t kTestTimeoutMs = 2000;
inline constexpr int32_t kTestDeadlineMs = 15000;

class UpdateTest : public ::testing::Test {
 protected:
  UpdateTest() {
    // Straight to 127.0.0.1, whatever proxy the machine names.
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    seams::Install(shell_ui::MakeNetworkDownloads(kTestTimeoutMs, kTestDeadlineMs));
    clsSettingsKD& s = basMockDraftSettings::GlobalSettings();
    // Never the default update server: only this test's own.
    s.SetStringVal(kSetUpdateServer, server.Host());
    s.SetLongVal(kSetActiveSeason, 2012);
    s.SetBoolVal(kSetCheckApplicationUpdate, false);
    s.SetBoolVal(kSetCheckPlayerUpdates, false);
    s.SetBoolVal(kSetDownloadAllUpdates, false);
  }
  ~UpdateTest() override { basUpdateServer::SetCheckDeadline(basUpdateServer::kCheckDeadline); }

  // Longer than any transfer may last (kTestDeadlineMs).
  static bool WaitFor(const std::function<bool()>& condition, int ms = 30000) {
    return QTest::qWaitFor(condition, ms);
  }

  // The server path of a file under "upd/", blanks encoded as requested.
  static std::string Path(const std::string& name) {
    std::string out = "/upd/";
    for (char c : name) out += c == ' ' ? std::string("%20") : std::string(1, c);
    return out;
  }
  // The 4-byte number file.
  static std::string NumberFile(int32_t latest) {
    std::string bytes(4, '\0');
    PutLong(bytes, 0, latest);
    return bytes;
  }
  // One archive packing one file, published under `name`; its index entry.
  IndexEntryFixture PublishArchive(const std::string& name, const std::string& packedName,
                                   const std::string& content, const std::string& destDir = "mas",
                                   int32_t fileType = 0) {
    const std::string archive = BuildArchive({{packedName, content}});
    server.Serve(Path(name), archive);
    return IndexEntryFor(name, archive, destDir, fileType);
  }
  // Update 1 of 2012 offers two archives; B's content does not compress,
  // so its size is shown in KB.
  void PublishUpdateOne() {
    std::string noise(1500, '\0');
    uint32_t x = 12345;
    for (char& c : noise) c = static_cast<char>((x = x * 1103515245u + 12345u) >> 24);
    server.Serve("/upd/update2012.txt", NumberFile(1));
    server.Serve("/upd/20120001.dat", BuildUpdateIndex({PublishArchive("A.vcz", "A.kwr", "a"),
                                                        PublishArchive("B.vcz", "B.kwr", noise, "str", 1)}));
  }
  std::string Read(const std::string& path) const { return runtime::ReadFileBytes(path).value_or("<missing>"); }

  WorkTree tree;
  LocalHttpServer server;
  ScopedFakeSeams fakes;
};

// The selection window answered by a function.
class RecordingChecksView final : public UpdateChecksView {
 public:
  void ShowUpdateSelection(const std::shared_ptr<clsPlayerUpdate>& run) override {
    ++selections;
    if (onSelection) onSelection(run);
  }
  int selections = 0;
  std::function<void(const std::shared_ptr<clsPlayerUpdate>&)> onSelection;
};

}  // namespace kdtest
