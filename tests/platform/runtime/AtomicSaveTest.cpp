#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <vector>

#include "TempDir.h"
#include "platform/runtime/FileIO.h"

using namespace runtime;

namespace {

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
  return st.st_mode & 07777;
}

bool Exists(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0;
}

// Sets a file's times an hour back, as a file left by an earlier run has them.
void MakeOld(const std::string& path) {
  struct timespec times[2] = {{std::time(nullptr) - 3600, 0}, {std::time(nullptr) - 3600, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

class ScopedUmask {
 public:
  explicit ScopedUmask(mode_t mask) : old_(::umask(mask)) {}
  ~ScopedUmask() { ::umask(old_); }

 private:
  mode_t old_;
};

}  // namespace

TEST(AtomicSave, NewFileTakesTheUmaskAndAReplacedFileKeepsItsMode) {
  kdtest::TempDir dir;
  const std::string path = dir.File("doc.txt");
  {
    ScopedUmask mask(027);
    ASSERT_TRUE(SaveFileAtomically(path, "one"));
  }
  EXPECT_EQ(ModeOf(path), 0640u);
  ASSERT_EQ(::chmod(path.c_str(), 0604), 0);
  ASSERT_TRUE(SaveFileAtomically(path, "two"));
  EXPECT_EQ(ModeOf(path), 0604u);
  EXPECT_EQ(kdtest::ReadFile(path), "two");
}

TEST(AtomicSave, ReadOnlyFileIsNotReplacedAndTheReasonIsGiven) {
  kdtest::TempDir dir;
  const std::string path = dir.File("doc.txt");
  kdtest::WriteFile(path, "precious");
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  std::string error;
  EXPECT_FALSE(SaveFileAtomically(path, "clobbered", &error));
  EXPECT_NE(error.find("read-only"), std::string::npos) << error;
  EXPECT_EQ(kdtest::ReadFile(path), "precious");
}

TEST(AtomicSave, SaveOntoASymbolicLinkWritesThroughToItsTarget) {
  kdtest::TempDir dir;
  kdtest::WriteFile(dir.File("real/doc.txt"), "old");
  ASSERT_EQ(::symlink("real/doc.txt", dir.File("link.txt").c_str()), 0);
  ASSERT_TRUE(SaveFileAtomically(dir.File("link.txt"), "new"));
  struct stat st {};
  ASSERT_EQ(::lstat(dir.File("link.txt").c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  EXPECT_EQ(kdtest::ReadFile(dir.File("real/doc.txt")), "new");
}

TEST(AtomicSave, TemporaryFilesLeftByAKilledSaveOfTheSameTargetAreRemovedOnTheNextSave) {
  kdtest::TempDir dir;
  const std::vector<std::string> stale = {".doc.txt.a1B2c3", ".doc.txt.Zz9Yy8-journal"};
  // Not ours, not of this target, or made since this process started: kept.
  const std::vector<std::string> kept = {".doc.txt.a1B2c", ".doc.txt.a1B2c3x", ".doc.txt.a1B2c3-wal",
                                         ".other.txt.a1B2c3", "doc.txt.a1B2c3", ".doc.txt.fresh1"};
  for (const auto& name : stale) kdtest::WriteFile(dir.File(name), "left over");
  for (const auto& name : kept) kdtest::WriteFile(dir.File(name), "someone's");
  for (const auto& name : stale) MakeOld(dir.File(name));
  for (std::size_t i = 0; i + 1 < kept.size(); ++i) MakeOld(dir.File(kept[i]));
  kdtest::WriteFile(dir.File("sub/.doc.txt.a1B2c3"), "another folder");
  MakeOld(dir.File("sub/.doc.txt.a1B2c3"));

  ASSERT_TRUE(SaveFileAtomically(dir.File("doc.txt"), "saved"));
  for (const auto& name : stale) EXPECT_FALSE(Exists(dir.File(name))) << name;
  for (const auto& name : kept) EXPECT_TRUE(Exists(dir.File(name))) << name;
  EXPECT_TRUE(Exists(dir.File("sub/.doc.txt.a1B2c3")));
}

TEST(AtomicSave, NameTooLongForItsTemporaryFileIsRefusedWithTheReason) {
  kdtest::TempDir dir;
  const std::string longest(kMaxSavedNameBytes, 'n');
  EXPECT_TRUE(SaveFileAtomically(dir.File(longest), "fits"));
  std::string error;
  EXPECT_FALSE(SaveFileAtomically(dir.File(longest + "n"), "too long", &error));
  EXPECT_NE(error.find("at most 247 bytes"), std::string::npos) << error;
}
