#include "core/clsINIFile.h"

#include "platform/runtime/FileIO.h"
#include "platform/win32/FileSystem.h"

std::string clsINIFile::Value(const std::string& key, const std::string& defaultValue) const {
  return win32::GetPrivateProfileString(header_, key, defaultValue, Path());
}

bool clsINIFile::SetValue(const std::string& key, const std::string& text) {
  return SetValues({{key, text}});
}

bool clsINIFile::SetValues(const win32::ProfileEntries& entries) {
  lastError_.clear();
  return win32::WritePrivateProfileStrings(header_, entries, Path(), &lastError_);
}

std::optional<std::string> clsINIFile::ReadFile() {
  lastError_.clear();
  const std::string path = Path();
  if (!win32::EntryExists(path)) return std::string();
  return runtime::ReadFileBytes(path, &lastError_, win32::kMaxProfileBytes);
}

std::string clsINIFile::ValueIn(const std::string& text, const std::string& key,
                                const std::string& defaultValue) const {
  auto value = win32::FindProfileValue(text, header_, key);
  return value ? *value : defaultValue;
}
