#include "FuzzSupport.h"

#include <unistd.h>
#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

#include "platform/runtime/ByteStream.h"

namespace kdfuzz {

namespace {

namespace fs = std::filesystem;

struct Scratch {
  std::string path;
  Scratch() {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/kd-fuzz-XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (!mkdtemp(buffer.data())) Fail(__FILE__, __LINE__, "mkdtemp");
    path = std::string(buffer.data()) + "/";
    // The program finds its per-user folders through these; the targets
    // must never read or write the real ones.
    const std::string home = path + "home/";
    fs::create_directories(home);
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_DATA_HOME", (home + ".local/share").c_str(), 1);
    setenv("XDG_DOCUMENTS_DIR", (home + "Documents").c_str(), 1);
    setenv("XDG_DATA_DIRS", (path + "allusers/").c_str(), 1);
  }
  ~Scratch() {
    std::error_code ec;
    fs::remove_all(path, ec);
  }
};

}  // namespace

const std::string& ScratchFolder() {
  static Scratch scratch;
  return scratch.path;
}

std::string ScratchSubFolder(const std::string& sub) {
  std::string folder = ScratchFolder() + sub + "/";
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec) Fail(__FILE__, __LINE__, "create_directories");
  return folder;
}

void WriteBytes(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) Fail(__FILE__, __LINE__, "writing the input file");
}

std::string WriteInput(const std::string& name, const uint8_t* data, std::size_t size) {
  const std::string path = ScratchFolder() + name;
  WriteBytes(path, AsText(data, size));
  return path;
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) Fail(__FILE__, __LINE__, "opening a file the target wrote");
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void EmptyFolder(const std::string& folder) {
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    fs::remove_all(it->path(), ec);
  }
}

std::vector<std::string> FilesUnder(const std::string& folder) {
  std::vector<std::string> files;
  std::error_code ec;
  for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    files.push_back(fs::relative(it->path(), folder).string() + (it->is_directory() ? "/" : ""));
  }
  return files;
}

std::string MakeArchive(const std::vector<std::pair<std::string, std::string>>& entries) {
  std::vector<std::string> bodies;
  for (const auto& [name, content] : entries) {
    uLongf length = compressBound(static_cast<uLong>(content.size()));
    std::string body(length, '\0');
    if (compress2(reinterpret_cast<Bytef*>(body.data()), &length,
                  reinterpret_cast<const Bytef*>(content.data()), static_cast<uLong>(content.size()),
                  Z_DEFAULT_COMPRESSION) != Z_OK) {
      Fail(__FILE__, __LINE__, "compress2");
    }
    body.resize(length);
    bodies.push_back(std::move(body));
  }
  runtime::ByteWriter w;
  w.Raw("VCZ");
  w.Long(1);
  w.Long(static_cast<int32_t>(entries.size()));
  int32_t namePosition = 20 * static_cast<int32_t>(entries.size()) + 12;
  int32_t bodyPosition = namePosition;
  for (const auto& entry : entries) bodyPosition += static_cast<int32_t>(entry.first.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    w.Long(static_cast<int32_t>(entries[i].first.size()));
    w.Long(namePosition);
    w.Long(bodyPosition);
    w.Long(static_cast<int32_t>(bodies[i].size()));
    w.Long(static_cast<int32_t>(entries[i].second.size()));
    namePosition += static_cast<int32_t>(entries[i].first.size());
    bodyPosition += static_cast<int32_t>(bodies[i].size());
  }
  for (const auto& entry : entries) w.Raw(entry.first);
  for (const auto& body : bodies) w.Raw(body);
  return w.Take();
}

void Fail(const char* file, int line, const char* what) {
  std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, what);
  std::fflush(stderr);
  std::abort();
}

}  // namespace kdfuzz
