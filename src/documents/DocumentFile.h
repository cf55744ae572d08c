#pragma once
// A document being written: lines are gathered in memory and the whole file
// is saved in one atomic step when it is closed, so a failed or abandoned
// write never leaves a half-written document over the old one.

#include <string>
#include <string_view>

class DocumentFile {
 public:
  // A document kept in memory only: Close succeeds and keeps the bytes.
  DocumentFile() = default;
  // A document that Close saves to path (replacing the file there).
  explicit DocumentFile(std::string path) : path_(std::move(path)) {}

  // The text followed by CR LF. Ignored once the document is closed.
  void WriteLine(std::string_view text);

  // Saves the document. Only the first call writes; later calls answer the
  // outcome of the first. False when the save failed (see Error()); the old
  // file is then untouched. A document destroyed without Close writes nothing.
  bool Close();

  bool IsOpen() const { return !closed_; }
  const std::string& Path() const { return path_; }
  const std::string& Bytes() const { return bytes_; }
  const std::string& Error() const { return error_; }

 private:
  std::string path_;
  std::string bytes_;
  std::string error_;
  bool closed_ = false;
  bool saved_ = false;
};
