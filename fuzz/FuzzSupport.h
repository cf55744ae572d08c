#pragma once
// Shared by the fuzz targets: a private scratch folder for the process, the
// input written there as a file for readers that take paths, and a check
// that stops the run when a reader breaks one of its promises.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kdfuzz {

// A folder of this process's own under $TMPDIR (else /tmp), made on first
// use, with HOME and the XDG folders pointed into it so that nothing a
// target does reaches the real home. The path ends with '/'. The folder is
// removed when the process exits normally.
const std::string& ScratchFolder();

// ScratchFolder() + sub + "/", made when missing.
std::string ScratchSubFolder(const std::string& sub);

// Writes the bytes to path, replacing what was there; aborts when it cannot.
void WriteBytes(const std::string& path, std::string_view bytes);
// Writes the input as ScratchFolder() + name and answers that path.
std::string WriteInput(const std::string& name, const uint8_t* data, std::size_t size);
// The whole file; aborts when it cannot be read.
std::string ReadBytes(const std::string& path);

// Empties a folder (kept itself), so that one input leaves nothing behind
// for the next.
void EmptyFolder(const std::string& folder);

// Every file under folder (recursively), as paths relative to it.
std::vector<std::string> FilesUnder(const std::string& folder);

// A .vcz archive of (name, content) entries laid out as the update server
// publishes them: directory, names, then zlib streams.
std::string MakeArchive(const std::vector<std::pair<std::string, std::string>>& entries);

// The input as text.
inline std::string_view AsText(const uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// Reports what was expected and aborts, which libFuzzer records as a crash
// with the input that caused it.
[[noreturn]] void Fail(const char* file, int line, const char* what);

}  // namespace kdfuzz

#define KD_FUZZ_CHECK(condition) \
  ((condition) ? static_cast<void>(0) : ::kdfuzz::Fail(__FILE__, __LINE__, #condition))
