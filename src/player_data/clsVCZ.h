#pragma once
// One "Vellacorn Zip" archive (.vcz): a directory of entries, each a bare
// file name and one zlib stream. The layout is described in
// docs/file-format-vcz.md.
//
// Archives arrive from the update server and from the user, so nothing in
// them is trusted: every count, position and length is checked against the
// file before anything is allocated or read, entry names must be bare file
// names, and an entry is written only when it expands to exactly its stated
// length. A refused entry makes the extraction's result False; the other
// entries are still extracted. The entries that unpack are written to
// temporary files and renamed into place only once all of them are written,
// so a failed write (a full disk) leaves the folder as it was.
//
// What goes wrong is kept and, unless the owner collects it for
// one message of its own (CollectProblems), shown as it happens: the
// damaged header or unwritable file with the archive's captions. Refused
// entries are not shown as they happen; ShowCollectedProblems lists them.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/runtime/FileIO.h"

struct VCZArchiveEntry {
  int32_t NameLength = 0;
  int32_t NamePosition = 0;        // 1-based
  int32_t DataPosition = 0;        // 1-based
  int32_t CompressedLength = 0;
  int32_t UncompressedLength = 0;
};

class clsVCZ {
 public:
  // Size of the fixed header ("VCZ", version, count) and of one directory entry.
  static constexpr int64_t kHeaderBytes = 11;
  static constexpr int64_t kEntryBytes = 20;
  // The largest entry we expand; a stated length above it is refused.
  static constexpr int64_t kMaxUncompressedLength = 256ll * 1024 * 1024;
  // Longest entry name accepted (bytes of UTF-8): the longest name a save
  // can write, its temporary name being 8 bytes longer (255 at most).
  static constexpr std::size_t kMaxNameLength = runtime::kMaxSavedNameBytes;
  // Published archives hold a handful of files with short names; these
  // ceilings are far above them and keep a crafted directory small.
  static constexpr int32_t kMaxEntries = 4096;
  static constexpr int64_t kMaxNameBytes = 64 * 1024;
  // The most one archive may write in all; its entries' stated lengths are
  // added up, and an archive claiming more is refused whole.
  static constexpr int64_t kMaxArchiveOutput = 1024ll * 1024 * 1024;
  // Deflate writes at least one byte for every 1032 it stands for; a body
  // claiming more is not a zlib stream of that length.
  static constexpr int64_t kMaxExpansionRatio = 1032;
  // Free space is checked before writing more than this.
  static constexpr int64_t kFreeSpaceCheckBytes = 64ll * 1024 * 1024;
  // The most an archive can hold besides its bodies: header, directory and names.
  static constexpr int64_t kMaxOverheadBytes = kHeaderBytes + kEntryBytes * kMaxEntries + kMaxNameBytes;

  // What an extraction does with a file of the entry's name that exists.
  enum class Existing {
    kReplace,  // the entry replaces it
    kKeep,     // it stays; the entry is saved beside it as "<stem> (update).<ext>" ("(update 2)" ...),
               // unless that file or a copy beside it holds the entry's bytes already
  };
  // An entry written, and the name it was saved under.
  struct Written {
    std::string name;
    std::string savedAs;
  };
  // One thing that went wrong: the caption it is shown with ("" for a
  // refused entry, which is never shown) and its text.
  struct Problem {
    std::string caption;
    std::string text;
  };

  int32_t FileCount() const { return static_cast<int32_t>(entries_.size()); }
  // The stored version (written as 1; any value is accepted).
  int32_t Version() const { return version_; }
  // The stored name of entry `index` (0-based), "" out of range or when the
  // stored name could not be read.
  std::string FileName(int32_t index) const;
  // The directory entry (a zeroed one out of range).
  VCZArchiveEntry Entry(int32_t index) const;

  // Reads the header, directory and names. Returns the file count, or -1 when
  // the archive cannot be used; the directory in memory is then unchanged.
  // Besides a damaged header, an archive is refused whole when it lists
  // more than kMaxEntries entries or kMaxNameBytes of names, when two bodies
  // share bytes of the file, or when its entries claim more than
  // kMaxArchiveOutput in all. Entries whose names are too long to be saved
  // are reported once, with the reason, and refused when extracted.
  int32_t OpenHeader(const std::string& archivePath);
  // After OpenHeader: extracts every entry to destinationFolder + name. True
  // when every entry is in place; `written` gets those that are, under the
  // name each is in place as: written now, or, when kept, found there with
  // its bytes already.
  bool ExtractFile(const std::string& archivePath, const std::string& destinationFolder,
                   Existing existing = Existing::kReplace, std::vector<Written>* written = nullptr);
  // After OpenHeader: extracts the one entry `index`.
  bool ExtractEntry(const std::string& archivePath, int32_t index,
                    const std::string& destinationFolder);
  // OpenHeader, then ExtractFile. False without extracting when the archive
  // is missing, unreadable, foreign or empty.
  bool UnZip(const std::string& archivePath, const std::string& destinationFolder);

  // From now on problems are only kept, not shown as they happen.
  void CollectProblems() { showProblems_ = false; }
  // The first problem's first line, "" when there was none.
  std::string ProblemText() const;
  // Shows every kept problem in one message, under the first shown one's
  // caption; refused entries are listed too, each with why it was not
  // extracted, and the archive is named.
  void ShowCollectedProblems() const;

  // True for a name that can only mean a file inside the folder it is joined
  // to: not empty, not "." or "..", no "/", "\", ":", NUL or control
  // character, no "*" or "?", and at most kMaxNameLength bytes.
  static bool IsBareFileName(const std::string& name);

  // zlib's one-shot uncompress into exactly `expectedLength` bytes. The
  // length must be 1..kMaxUncompressedLength and within kMaxExpansionRatio
  // of the compressed length, and the stream must end with exactly that
  // many bytes; otherwise false. The output is sized once, from the length.
  static bool Expand(const std::string& compressed, int64_t expectedLength, std::string& out);

 private:
  // Expands one entry into `expanded`; false, with the reason kept, when it
  // is refused. Throws only on the unexpected (no memory).
  bool ExpandEntry(const std::string& archivePath, std::size_t index, std::string& expanded);
  // Writes the entries `indices` as the class comment says.
  bool Extract(const std::string& archivePath, const std::vector<std::size_t>& indices,
               const std::string& destinationFolder, Existing existing, std::vector<Written>* written);
  // False, with the reason kept, when more than kFreeSpaceCheckBytes are to
  // be written and the folder lacks the room.
  bool CheckRoom(const std::string& folder, int64_t bytes);
  void Report(const std::string& caption, const std::string& text);
  // True when a body of `compressedLength` bytes can be a zlib stream of
  // `uncompressedLength` bytes that we expand (both above 0, the expanded
  // one at most kMaxUncompressedLength).
  static bool IsPossibleEntry(int64_t compressedLength, int64_t uncompressedLength);
  // The stated length of an entry that can be extracted, else 0.
  static int64_t ClaimedOutput(const VCZArchiveEntry& e);

  std::string archivePath_;  // of the last OpenHeader
  std::string signature_;
  int32_t version_ = 0;
  std::vector<VCZArchiveEntry> entries_;
  std::vector<std::string> names_;
  std::vector<Problem> problems_;
  bool showProblems_ = true;
};
