#pragma once
// One update index file (<season><update>.dat): the archives of one numbered
// player-data update, with the work sub-folder each one unpacks into and
// whether it has been unpacked here. The layout is described in
// docs/file-format-update-index.md.
//
// An index names files that are downloaded, unpacked and deleted, so an
// index is refused whole when any entry's file name is not a bare file name,
// names the index itself or any other index, or sends its content anywhere
// but a known work sub-folder.

#include <cstdint>
#include <string>
#include <vector>

// What unpacking the requested archives of a run came to, for the one
// message of each kind the run shows at its end.
struct UnpackReport {
  // One line per archive not unpacked, with why ("Unable to GET ..." when it
  // never arrived, "Unable to unpack ..." when it did).
  std::vector<std::string> skipped;
  // One line per file of the user's that an archive would have replaced:
  // kept, with the name the update's copy was saved under.
  std::vector<std::string> kept;
};

struct UpdateIndexEntry {
  std::string FileName;       // 54 bytes as stored: Windows-1252, blank-padded
  int32_t FileType = 0;       // 0 Master, 1 Strain, 2 Status
  int32_t FileSize = 0;       // compressed length of the packed file
  int32_t UncompressedSize = 0;
  bool FileDownloaded = false;
  std::string DestDir;        // 3 bytes as stored
};

class clsUpdateFile {
 public:
  static constexpr const char* kSignature = "Vellacorn Update";
  static constexpr int64_t kHeaderBytes = 24;
  static constexpr int64_t kEntryBytes = 73;
  static constexpr std::size_t kFileNameWidth = 54;
  static constexpr std::size_t kDestDirWidth = 3;
  // A published index lists a few archives; one listing more is refused,
  // and so is a file longer than this many entries can fill.
  static constexpr int32_t kMaxEntries = 1024;
  static constexpr int64_t kMaxFileBytes = kHeaderBytes + kEntryBytes * kMaxEntries;

  int32_t FileCount() const { return static_cast<int32_t>(entries_.size()); }
  // Sizes the entries and request flags to 0 .. n - 1, all cleared.
  void SetFileCount(int32_t n);

  const std::string& UpdateFilePath() const { return updateFilePath_; }
  void SetUpdateFilePath(const std::string& path) { updateFilePath_ = path; }
  const std::string& UpdateFileName() const { return updateFileName_; }
  void SetUpdateFileName(const std::string& name) { updateFileName_ = name; }
  int32_t HeaderFileID() const { return headerFileID_; }
  void SetHeaderFileID(int32_t id) { headerFileID_ = id; }

  // Per entry, 0-based; out of range gives an empty value.
  std::string FileName(int32_t index) const;  // blanks trimmed
  int32_t FileType(int32_t index) const;
  int32_t FileSize(int32_t index) const;
  int32_t UncompressedSize(int32_t index) const;
  std::string DestDir(int32_t index) const;   // the three characters as stored
  bool FileDownloaded(int32_t index) const;
  bool RequestFile(int32_t index) const;
  void SetRequestFile(int32_t index, bool requested);

  // Reads path + name. Path and name are kept even when the reading fails;
  // a refused file leaves the entries in memory unchanged.
  bool OpenUpdateFile(const std::string& path, const std::string& name);
  // Writes the index back over UpdateFilePath + UpdateFileName (atomically);
  // false, with the file unchanged and `error` set, when it cannot be written.
  bool SaveUpdateFile(std::string* error = nullptr);
  // The trimmed names of the requested entries, in entry order; returns the
  // last index of `names`, -1 when none is requested.
  int32_t DownloadRequested(std::vector<std::string>& names) const;
  // Unpacks every requested archive, WorkFolder + "upd/" + name, into
  // WorkFolder + its sub-folder. An archive is unpacked only when its packed
  // lengths are those its entry states; its files that unpack are written
  // even when another does not. Each archive unpacked whole has its entry
  // marked downloaded and the index saved at once, and is deleted only once
  // the index is saved; one that is missing, does not unpack whole, or whose
  // index cannot be saved is listed in `report.skipped` and stays offered;
  // its archive is left for the run to delete. In the folders of the user's
  // own documents an existing file is never replaced: it stays, the
  // update's copy is saved beside it (once: a copy with the same bytes is
  // not written again), and `report.kept` names it. The result is that of
  // the last archive, False when none was requested.
  bool UnzipRequested(UnpackReport& report);

  // The file's bytes for the entries in memory (signature, version 1).
  std::string Serialize() const;
  // The work sub-folder an entry's DestDir names, spelled as on disk, or ""
  // when it names none of them (compared without case, blanks trimmed).
  static std::string WorkSubFolderFor(const std::string& destDir);
  // True for the work sub-folders that hold the user's own documents
  // (kdp, ugm, sco, lgp, stg, dis, def, pro), whose files an update never replaces.
  static bool HoldsUserDocuments(const std::string& subFolder);
  // The most bytes the archive of entry `index` can have: its packed length
  // as the index states it, plus the archive's header, directory and names;
  // 0 when the index states no length an archive can have.
  int64_t ArchiveByteLimit(int32_t index) const;

 private:
  bool EntryIsSafe(const UpdateIndexEntry& entry, const std::string& indexName) const;
  // Unpacks one requested archive; "" when done, else the line that says why not.
  std::string UnzipOne(UpdateIndexEntry& entry, UnpackReport& report);

  std::vector<UpdateIndexEntry> entries_;
  std::vector<bool> requested_;
  std::string updateFilePath_;
  std::string updateFileName_;
  int32_t headerFileID_ = -1;
};
