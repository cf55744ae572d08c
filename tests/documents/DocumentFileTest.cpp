#include <gtest/gtest.h>

#include "TempDir.h"
#include "documents/DocumentFile.h"

namespace {

TEST(DocumentFile, ReplacesTheOldFileOnlyWhenClosedAndNeverHalfWritten) {
  kdtest::TempDir dir;
  const std::string path = dir.File("Cheat.txt");
  kdtest::WriteFile(path, "old");
  {
    DocumentFile abandoned(path);
    abandoned.WriteLine("half");
  }
  EXPECT_EQ(kdtest::ReadFile(path), "old") << "an abandoned document writes nothing";
  DocumentFile file(path);
  file.WriteLine("new");
  EXPECT_EQ(kdtest::ReadFile(path), "old");
  EXPECT_TRUE(file.Close());
  EXPECT_EQ(kdtest::ReadFile(path), "new\r\n");
  EXPECT_TRUE(file.Close()) << "a second close has no effect";
  file.WriteLine("ignored");
  EXPECT_EQ(kdtest::ReadFile(path), "new\r\n");

  DocumentFile failed(dir.File("missing/folder/Cheat.html"));
  failed.WriteLine("x");
  EXPECT_FALSE(failed.Close());
  EXPECT_FALSE(failed.Error().empty());
  EXPECT_FALSE(failed.Close());
}

}  // namespace
