#pragma once
// Whole-file reading with a size ceiling, and the one way the program saves
// a document: write a temporary file in the target's folder, flush it, and
// rename it over the target, so a failure leaves the old file intact.

#include <sys/stat.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace runtime {

// Default ceiling for documents read whole (far above any real document).
constexpr uint64_t kMaxDocumentBytes = 256ull * 1024 * 1024;

// A save writes ".<name>.XXXXXX" beside the target, 8 bytes longer than the
// name, and a file system allows 255 bytes: a longer name can never be saved.
constexpr std::size_t kMaxFileNameBytes = 255;
constexpr std::size_t kTemporaryNameExtra = 8;
constexpr std::size_t kMaxSavedNameBytes = kMaxFileNameBytes - kTemporaryNameExtra;

// A name of a file inside one folder, as the program's documents are named:
// not empty, not "." or "..", without '/' or '\\' (documents and
// settings written elsewhere may use it as a separator) and without control
// characters. Anything else
// would lead out of the folder it is joined to.
bool IsBareFileName(std::string_view name);

// `path` opened read-only when it is a regular file: its descriptor, with
// `st` filled in. It is opened without waiting, so that a FIFO or a device
// named as a file cannot hold the program; -1 when it cannot be opened
// (errno says why) or, with `notAFile` set, is of another kind.
int OpenRegularFile(const std::string& path, struct stat& st, bool& notAFile);

// The file's bytes, or nullopt with `error` set (missing, unreadable, not a
// regular file, or larger than maxBytes). A FIFO or device is opened without
// waiting and refused.
std::optional<std::string> ReadFileBytes(const std::string& path, std::string* error = nullptr,
                                         uint64_t maxBytes = kMaxDocumentBytes);

// True when `path` is a regular file holding exactly `bytes`. Read in
// blocks, so comparing a large file costs no copy of it; false for a
// missing file, another kind of entry, or one that cannot be read.
bool FileHoldsExactly(const std::string& path, std::string_view bytes);

// Writes `bytes` to `path` atomically. False with `error` set on failure;
// the target is then unchanged and no temporary file is left behind.
bool SaveFileAtomically(const std::string& path, std::string_view bytes,
                        std::string* error = nullptr);

// The mechanism under SaveFileAtomically, for writers that fill the file
// themselves (a copy streamed from another file): `fill` writes into the
// open temporary file beside `path`; when it answers true the file is
// flushed and renamed over `path`. False with `error` set (by `fill`, or
// here) on failure; the target is then unchanged and the temporary removed.
//
// A save onto a symbolic link writes through to the file the link names,
// as a text editor does. A new file gets the usual 0666 less the umask; a
// replaced file keeps its mode; a read-only file is not replaced. The
// folder is synced after the rename, so the new name survives a crash.
bool ReplaceFileAtomically(const std::string& path,
                           const std::function<bool(int fd, std::string* error)>& fill,
                           std::string* error = nullptr);

// Whether an existing file is marked read-only for this user: no write bit
// at all (root may write anything, so the mode bits decide as well as
// access()), or access() refuses writing. False for a file that is not there.
bool IsReadOnlyFile(const std::string& path);
// Whether the folder that holds `path` is marked read-only for this user,
// by the same rule: no file can be made there (a database's journal).
bool IsReadOnlyFolderOf(const std::string& path);

// The steps of ReplaceFileAtomically, for writers that need the temporary
// file by name (a database built beside its target).
//
// The file a save of `path` really replaces: symbolic links followed to the
// file they name (which need not exist yet).
std::string SaveTarget(const std::string& path);
// Creates ".<name>.XXXXXX" beside `target` (a SaveTarget), with the mode
// the saved file is to have, after removing what earlier saves or builds of
// the same target left behind when they were killed: files of exactly that
// pattern (and their "-journal") in that folder, older than this process.
// The open descriptor, with `temporary` set; -1 with `error` set when the
// target cannot be replaced (read-only, name too long) or the file cannot
// be created.
int CreateTemporaryBeside(const std::string& target, std::string& temporary, std::string* error = nullptr);
// Renames `temporary` over `target` and syncs the folder. False with
// `error` set; the temporary file is then still there.
bool CommitTemporary(const std::string& temporary, const std::string& target, std::string* error = nullptr);

// A file written beside its target and renamed over it only on Commit, so
// the target never holds a part of it; one not committed is removed when
// discarded or destroyed. Saves, downloads and archive extraction write
// through it.
class PendingFile {
 public:
  PendingFile() = default;
  ~PendingFile() { Discard(); }
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;
  PendingFile(PendingFile&& other) noexcept;
  PendingFile& operator=(PendingFile&& other) noexcept;

  // Creates the temporary file for `path` (CreateTemporaryBeside of its
  // SaveTarget). False with `error` set.
  bool Open(const std::string& path, std::string* error = nullptr);
  bool IsOpen() const { return fd_ >= 0; }
  // The open temporary file, for writers that fill it themselves.
  int Descriptor() const { return fd_; }
  // Appends `bytes`. False with `error` set.
  bool Write(std::string_view bytes, std::string* error = nullptr);
  // Flushes and closes the temporary file, which stays pending: many files
  // can be written before any of them is committed. False with `error` set.
  bool Finish(std::string* error = nullptr);
  // Finishes the file when still open, then renames it over the target.
  // False with `error` set; the target is then unchanged and the temporary
  // file removed.
  bool Commit(std::string* error = nullptr);
  // Removes the temporary file; the target is untouched.
  void Discard();

 private:
  int fd_ = -1;
  std::string temporary_;
  std::string target_;
};

// Writes every byte to the descriptor, retrying after interruptions.
bool WriteAll(int fd, std::string_view bytes);
// Copies every byte read from `in` to `out`. False with `error` naming
// `source` or `destination` for a failed read or write.
bool CopyAll(int in, int out, const std::string& source, const std::string& destination,
             std::string* error = nullptr);

}  // namespace runtime
