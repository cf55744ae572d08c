#pragma once
// Builders for .vcz archives and update index files, laid out as the update
// server publishes them. Bodies are compressed with zlib's compress2; tests
// that need a broken archive patch the built bytes with PutLong.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kdtest {

struct ArchiveEntryFixture {
  std::string name;      // stored bytes (Windows-1252)
  std::string content;   // what the entry expands to
  // The stored compressed body; compress2(content) when not given.
  std::optional<std::string> body;
  // The stored uncompressed length; content.size() when not given.
  std::optional<int32_t> uncompressedLength;
};

// zlib's compress2 at the default level.
std::string Compress(const std::string& bytes);

// "VCZ", version, count, the directory, the names, then the bodies, each
// directly after the previous one.
std::string BuildArchive(const std::vector<ArchiveEntryFixture>& entries, int32_t version = 1);

// Byte offset of directory entry `index`'s field `field` (0 name length,
// 1 name position, 2 data position, 3 compressed length, 4 uncompressed length).
std::size_t ArchiveFieldOffset(int32_t index, int32_t field);

struct IndexEntryFixture {
  std::string fileName;
  int32_t fileType = 0;
  int32_t fileSize = 0;
  int32_t uncompressedSize = 0;
  bool downloaded = false;
  std::string destDir = "mas";
};

// "Vellacorn Update", version, count and 73-byte entries.
std::string BuildUpdateIndex(const std::vector<IndexEntryFixture>& entries, int32_t version = 1);

// The index entry that publishes `archive` under `fileName`: its packed and
// unpacked lengths are the archive's, summed over its entries.
IndexEntryFixture IndexEntryFor(const std::string& fileName, const std::string& archive,
                                const std::string& destDir = "mas", int32_t fileType = 0);

// Overwrites four bytes at `offset` with a little-endian Long.
void PutLong(std::string& bytes, std::size_t offset, int32_t value);

}  // namespace kdtest
