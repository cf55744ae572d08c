#include <gtest/gtest.h>

#include <sys/stat.h>

#include <stdexcept>
#include <vector>

#include "HostileFiles.h"
#include "TempDir.h"
#include "platform/runtime/ByteStream.h"
#include "platform/runtime/CheckedIndex.h"
#include "platform/runtime/FileIO.h"

using namespace runtime;

TEST(ByteStream, WritesAndReadsLittleEndianRecords) {
  ByteWriter w;
  w.Long(0x01020304);
  w.Integer(-2);
  w.Byte(0xAB);
  w.Boolean(true);
  w.Boolean(false);
  w.Single(1.5f);
  w.Double(-2.25);
  w.FixedText("é", 3);
  const std::string bytes("\x04\x03\x02\x01\xFE\xFF\xAB\xFF\xFF\x00\x00\x00\x00\xC0\x3F"
                          "\x00\x00\x00\x00\x00\x00\x02\xC0\xE9  ",
                          26);
  EXPECT_EQ(w.Data(), bytes);
  ByteReader r(bytes);
  EXPECT_EQ(r.Long(), 0x01020304);
  EXPECT_EQ(r.Integer(), -2);
  EXPECT_EQ(r.Byte(), 0xAB);
  EXPECT_TRUE(r.Boolean());
  EXPECT_FALSE(r.Boolean());
  EXPECT_EQ(r.Single(), 1.5f);
  EXPECT_EQ(r.Double(), -2.25);
  EXPECT_EQ(r.FixedText(3), "é  ");
  EXPECT_TRUE(r.Ok());
  EXPECT_EQ(r.Remaining(), 0u);
}

TEST(ByteStream, ReadPastTheEndFailsAndSticks) {
  std::string bytes("\x01\x02\x03", 3);
  ByteReader r(bytes);
  EXPECT_EQ(r.Integer(), 0x0201);
  EXPECT_EQ(r.Long(), 0);  // only one byte left
  EXPECT_FALSE(r.Ok());
  EXPECT_EQ(r.Position(), 2u);
  EXPECT_EQ(r.Byte(), 0);  // still failed
  EXPECT_FALSE(r.CanRead(0));
}

TEST(ByteStream, HugeCountsAreRefusedWithoutOverflow) {
  ByteReader r(std::string(16, 'x'));
  EXPECT_FALSE(r.CanRead(UINT64_MAX));
  EXPECT_FALSE(r.Skip(UINT64_MAX));
  EXPECT_FALSE(r.Ok());
  ByteReader r2(std::string(16, 'x'));
  EXPECT_FALSE(r2.Seek(17));
  EXPECT_FALSE(r2.Ok());
  ByteReader r3(std::string(16, 'x'));
  EXPECT_TRUE(r3.Seek(16));
  EXPECT_EQ(r3.Remaining(), 0u);
}

TEST(FileIO, AtomicSaveReplacesTheWholeFile) {
  kdtest::TempDir dir;
  std::string path = dir.File("doc.bin");
  kdtest::WriteFile(path, "old content that is longer");
  std::string error;
  ASSERT_TRUE(SaveFileAtomically(path, "new", &error)) << error;
  EXPECT_EQ(kdtest::ReadFile(path), "new");
}

TEST(FileIO, FailedSaveLeavesTheOldFileIntact) {
  kdtest::TempDir dir;
  std::string error;
  EXPECT_FALSE(SaveFileAtomically(dir.File("missing/doc.bin"), "x", &error));
  EXPECT_FALSE(error.empty());
  if (geteuid() == 0) return;  // root ignores folder permissions
  const std::string path = dir.File("ro/doc.bin");
  kdtest::WriteFile(path, "precious");
  chmod(dir.File("ro").c_str(), 0555);
  error.clear();
  EXPECT_FALSE(SaveFileAtomically(path, "clobbered", &error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(kdtest::ReadFile(path), "precious");
  chmod(dir.File("ro").c_str(), 0755);
}

TEST(FileIO, ReadFileBytesRefusesFoldersMissingFilesAndOversizedFiles) {
  kdtest::TempDir dir;
  std::string error;
  EXPECT_FALSE(ReadFileBytes(dir.File("none"), &error).has_value());
  EXPECT_FALSE(ReadFileBytes(dir.Path(), &error).has_value());
  kdtest::WriteFile(dir.File("f"), "12345");
  EXPECT_FALSE(ReadFileBytes(dir.File("f"), &error, 4).has_value());
  EXPECT_EQ(ReadFileBytes(dir.File("f"), &error).value(), "12345");
}

// A FIFO opened for reading would wait for a writer; a device never ends.
TEST(FileIO, ReadFileBytesRefusesFifosAndDevicesWithoutWaiting) {
  kdtest::TempDir dir;
  for (const auto kind :
       {kdtest::NotAFile::kFifo, kdtest::NotAFile::kDevZero, kdtest::NotAFile::kDanglingLink}) {
    SCOPED_TRACE(kdtest::NotAFileName(kind));
    kdtest::MakeNotAFile(dir.File("doc"), kind);
    std::string error;
    EXPECT_FALSE(ReadFileBytes(dir.File("doc"), &error).has_value());
    EXPECT_NE(error.find(dir.File("doc")), std::string::npos);
  }
}

// The in-memory documents reach their lists only through Element, so an
// index outside a list throws here once instead of in every caller's test.
TEST(CheckedIndex, IndexesOutsideTheListThrowInsteadOfReadingPastIt) {
  std::vector<int> list{7, 8};
  const std::vector<int>& view = list;
  EXPECT_EQ(runtime::Element(list, 1), 8);
  EXPECT_EQ(runtime::Element(view, 0), 7);
  for (int32_t index : {-1, 2}) {
    EXPECT_THROW(runtime::Element(list, index), std::out_of_range) << index;
    EXPECT_THROW((void)runtime::Element(view, index), std::out_of_range) << index;
  }
}
