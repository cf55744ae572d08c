#pragma once
// Documents a page must survive: the kinds of file that are not a document
// at all (a folder, a dangling link, a FIFO, a device), the state of a file
// on disk before and after a page has had it, and the peak of the heap while
// a page works on one (under AddressSanitizer; elsewhere nothing is measured).

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kdtest {

// Where a document name leads when it is not a regular file.
enum class NotAFile { kFolder, kDanglingLink, kFifo, kDevZero };
// Makes `path` one of them.
void MakeNotAFile(const std::string& path, NotAFile kind);
const char* NotAFileName(NotAFile kind);

// One crafted document for a page's table: `make` puts it at `path`,
// starting from the bytes of a good document of the same kind.
struct HostileDocument {
  const char* name;
  std::function<void(const std::string& path, const std::string& good)> make;
};
// The names that lead to no regular file: a folder, a dangling link,
// /dev/zero and a FIFO.
std::vector<HostileDocument> NotAFileDocuments();
// A good document cut short after `cutAt` bytes, an empty file, the good
// one with a count of two billion at `countOffset`, then NotAFileDocuments.
std::vector<HostileDocument> DamagedDocuments(std::size_t cutAt, std::size_t countOffset);
// For INSTANTIATE_TEST_SUITE_P: the case's name.
struct HostileDocumentName {
  template <typename Info>
  std::string operator()(const Info& info) const {
    return info.param.name;
  }
};

// What is at a path: its type and, for a regular file, its bytes. Equal
// snapshots mean nothing was written there.
struct PathSnapshot {
  bool exists = false;
  bool regular = false;
  std::string bytes;
  bool operator==(const PathSnapshot&) const = default;
};
PathSnapshot Snapshot(const std::string& path);

// The highest number of heap bytes in use, above what was in use when it
// was made, while it lives. One at a time.
class HeapPeak {
 public:
  HeapPeak();
  ~HeapPeak();
  HeapPeak(const HeapPeak&) = delete;
  HeapPeak& operator=(const HeapPeak&) = delete;
  // False where the build cannot measure (no AddressSanitizer).
  static bool Measured();
  std::size_t Bytes() const;
};

// The bound a page may use for one hostile document: far above what any
// page needs for the program's own files, far below what an unchecked
// count of two billion makes it ask for.
inline constexpr std::size_t kHostileHeapBound = 256u * 1024 * 1024;

}  // namespace kdtest
