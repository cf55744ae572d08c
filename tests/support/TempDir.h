#pragma once
// A temporary folder for one test, removed with everything in it afterwards.
// Path() ends with '/', as the program's folder paths do.

#include <cstddef>
#include <cstdint>
#include <string>

namespace kdtest {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Path() const { return path_; }
  // Path() + name.
  std::string File(const std::string& name) const { return path_ + name; }

 private:
  std::string path_;
};

// Writes bytes to a file (creating parent folders); fails the test on error.
void WriteFile(const std::string& path, const std::string& bytes);
// The whole file, or "" when it cannot be read.
std::string ReadFile(const std::string& path);
// Bytes from hand-written hex ("01 00 ff"); blanks are skipped.
std::string Hex(const std::string& text);
// Overwrites four bytes at the offset with the value, little-endian.
void PokeLong(std::string& bytes, std::size_t offset, int32_t value);

}  // namespace kdtest
