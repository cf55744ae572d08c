#pragma once
// One key of one section of one INI file, addressed as FilePath + FileName.
// The file format is described in docs/settings-and-project-files.md.

#include <optional>
#include <string>

#include "platform/win32/PrivateProfile.h"

class clsINIFile {
 public:
  const std::string& FilePath() const { return filePath_; }
  void SetFilePath(const std::string& folder) { filePath_ = folder; }  // with its trailing '/'
  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& name) { fileName_ = name; }
  const std::string& Header() const { return header_; }
  void SetHeader(const std::string& section) { header_ = section; }

  // The value of key in section Header; `defaultValue` when the file, the
  // section or the key is missing; "" for a key present with an empty value.
  // Values are read whole, however long.
  std::string Value(const std::string& key, const std::string& defaultValue) const;

  // The whole file, for reading many keys at once: "" when the file is
  // missing, nullopt (with LastError) when it exists but cannot be read or
  // is too large.
  std::optional<std::string> ReadFile();
  // Value, looked up in text returned by ReadFile.
  std::string ValueIn(const std::string& text, const std::string& key, const std::string& defaultValue) const;

  // Writes key = text into section Header, creating the file and the section
  // when missing. False when the write failed (the file is then unchanged);
  // LastError() tells why.
  bool SetValue(const std::string& key, const std::string& text);
  // Writes several keys in one save of the file, all or nothing.
  bool SetValues(const win32::ProfileEntries& entries);

  const std::string& LastError() const { return lastError_; }

 private:
  std::string Path() const { return filePath_ + fileName_; }

  std::string filePath_;
  std::string fileName_;
  std::string header_;
  std::string lastError_;
};
