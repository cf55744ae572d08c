#include "FuzzSupport.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

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

void Fail(const char* file, int line, const char* what) {
  std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, what);
  std::fflush(stderr);
  std::abort();
}

}  // namespace kdfuzz
