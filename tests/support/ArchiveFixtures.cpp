#include "ArchiveFixtures.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstring>

#include "platform/runtime/ByteStream.h"

namespace kdtest {

std::string Compress(const std::string& bytes) {
  uLongf length = compressBound(static_cast<uLong>(bytes.size()));
  std::string out(length, '\0');
  int rc = compress2(reinterpret_cast<Bytef*>(out.data()), &length,
                     reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uLong>(bytes.size()),
                     Z_DEFAULT_COMPRESSION);
  EXPECT_EQ(rc, Z_OK);
  out.resize(length);
  return out;
}

std::string BuildArchive(const std::vector<ArchiveEntryFixture>& entries, int32_t version) {
  std::vector<std::string> bodies;
  for (const auto& e : entries) bodies.push_back(e.body ? *e.body : Compress(e.content));
  runtime::ByteWriter w;
  w.Raw("VCZ");
  w.Long(version);
  w.Long(static_cast<int32_t>(entries.size()));
  int32_t position = 20 * static_cast<int32_t>(entries.size()) + 12;
  int32_t dataPosition = position;
  for (const auto& e : entries) dataPosition += static_cast<int32_t>(e.name.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const auto& e = entries[i];
    w.Long(static_cast<int32_t>(e.name.size()));
    w.Long(position);
    w.Long(dataPosition);
    w.Long(static_cast<int32_t>(bodies[i].size()));
    w.Long(e.uncompressedLength ? *e.uncompressedLength : static_cast<int32_t>(e.content.size()));
    position += static_cast<int32_t>(e.name.size());
    dataPosition += static_cast<int32_t>(bodies[i].size());
  }
  for (const auto& e : entries) w.Raw(e.name);
  for (const auto& b : bodies) w.Raw(b);
  return w.Take();
}

std::size_t ArchiveFieldOffset(int32_t index, int32_t field) {
  return 11 + 20 * static_cast<std::size_t>(index) + 4 * static_cast<std::size_t>(field);
}

std::string BuildUpdateIndex(const std::vector<IndexEntryFixture>& entries, int32_t version) {
  runtime::ByteWriter w;
  w.Raw("Vellacorn Update");
  w.Long(version);
  w.Long(static_cast<int32_t>(entries.size()));
  for (const auto& e : entries) {
    w.FixedText(e.fileName, 54);
    w.Long(e.fileType);
    w.Long(e.fileSize);
    w.Long(e.uncompressedSize);
    w.Boolean(e.downloaded);
    w.Integer(0);
    w.FixedText(e.destDir, 3);
  }
  return w.Take();
}

IndexEntryFixture IndexEntryFor(const std::string& fileName, const std::string& archive,
                                const std::string& destDir, int32_t fileType) {
  IndexEntryFixture entry{fileName, fileType, 0, 0, false, destDir};
  runtime::ByteReader r(archive);
  r.Raw(7);
  const int32_t count = r.Long();
  for (int32_t i = 0; i < count; ++i) {
    r.Raw(12);
    entry.fileSize += r.Long();
    entry.uncompressedSize += r.Long();
  }
  EXPECT_TRUE(r.Ok());
  return entry;
}

void PutLong(std::string& bytes, std::size_t offset, int32_t value) {
  ASSERT_LE(offset + 4, bytes.size());
  std::memcpy(bytes.data() + offset, &value, 4);
}

}  // namespace kdtest
