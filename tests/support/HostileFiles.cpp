#include "HostileFiles.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <utility>

#include "TempDir.h"

#if defined(__SANITIZE_ADDRESS__)
#define KD_HEAP_MEASURED 1
extern "C" {
int __sanitizer_install_malloc_and_free_hooks(void (*malloc_hook)(const volatile void*, std::size_t),
                                              void (*free_hook)(const volatile void*));
std::size_t __sanitizer_get_allocated_size(const volatile void* p);
}
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KD_HEAP_MEASURED 1
#include <sanitizer/allocator_interface.h>
#endif
#endif

namespace kdtest {

void MakeNotAFile(const std::string& path, NotAFile kind) {
  std::filesystem::remove_all(path);
  std::error_code ec;
  switch (kind) {
    case NotAFile::kFolder:
      std::filesystem::create_directories(path, ec);
      break;
    case NotAFile::kDanglingLink:
      std::filesystem::create_symlink(path + ".gone", path, ec);
      break;
    case NotAFile::kFifo:
      if (::mkfifo(path.c_str(), 0600) != 0) ec = std::error_code(errno, std::generic_category());
      break;
    case NotAFile::kDevZero:
      std::filesystem::create_symlink("/dev/zero", path, ec);
      break;
  }
  ASSERT_FALSE(ec) << path << ": " << ec.message();
}

const char* NotAFileName(NotAFile kind) {
  switch (kind) {
    case NotAFile::kFolder:
      return "folder";
    case NotAFile::kDanglingLink:
      return "dangling_link";
    case NotAFile::kFifo:
      return "fifo";
    case NotAFile::kDevZero:
      return "dev_zero";
  }
  return "";
}

std::vector<HostileDocument> NotAFileDocuments() {
  std::vector<HostileDocument> out;
  for (const NotAFile kind :
       {NotAFile::kFolder, NotAFile::kDanglingLink, NotAFile::kDevZero, NotAFile::kFifo})
    out.push_back(
        {NotAFileName(kind), [kind](const std::string& p, const std::string&) { MakeNotAFile(p, kind); }});
  return out;
}

std::vector<HostileDocument> DamagedDocuments(std::size_t cutAt, std::size_t countOffset) {
  std::vector<HostileDocument> out = {
      {"truncated",
       [cutAt](const std::string& p, const std::string& good) { WriteFile(p, good.substr(0, cutAt)); }},
      {"empty", [](const std::string& p, const std::string&) { WriteFile(p, ""); }},
      {"count_of_two_billion",
       [countOffset](const std::string& p, const std::string& good) {
         std::string bytes = good;
         PokeLong(bytes, countOffset, 2147483647);
         WriteFile(p, bytes);
       }},
  };
  for (HostileDocument& d : NotAFileDocuments()) out.push_back(std::move(d));
  return out;
}

PathSnapshot Snapshot(const std::string& path) {
  PathSnapshot s;
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) return s;
  s.exists = true;
  s.regular = S_ISREG(st.st_mode);
  if (s.regular) s.bytes = ReadFile(path);
  return s;
}

namespace {

#ifdef KD_HEAP_MEASURED
std::atomic<std::size_t> g_inUse{0};
std::atomic<std::size_t> g_peak{0};
std::atomic<bool> g_active{false};

void OnMalloc(const volatile void* /*p*/, std::size_t size) {
  if (!g_active.load(std::memory_order_relaxed)) return;
  const std::size_t now = g_inUse.fetch_add(size, std::memory_order_relaxed) + size;
  std::size_t peak = g_peak.load(std::memory_order_relaxed);
  while (now > peak && !g_peak.compare_exchange_weak(peak, now, std::memory_order_relaxed)) {
  }
}

void OnFree(const volatile void* p) {
  if (!g_active.load(std::memory_order_relaxed)) return;
  const std::size_t size = __sanitizer_get_allocated_size(p);
  // Blocks allocated before the measure began are not counted going out.
  std::size_t now = g_inUse.load(std::memory_order_relaxed);
  while (!g_inUse.compare_exchange_weak(now, now >= size ? now - size : 0, std::memory_order_relaxed)) {
  }
}

const bool g_hooked = __sanitizer_install_malloc_and_free_hooks(OnMalloc, OnFree) != 0;
#endif

}  // namespace

HeapPeak::HeapPeak() {
#ifdef KD_HEAP_MEASURED
  g_inUse = 0;
  g_peak = 0;
  g_active = g_hooked;
#endif
}

HeapPeak::~HeapPeak() {
#ifdef KD_HEAP_MEASURED
  g_active = false;
#endif
}

bool HeapPeak::Measured() {
#ifdef KD_HEAP_MEASURED
  return g_hooked;
#else
  return false;
#endif
}

std::size_t HeapPeak::Bytes() const {
#ifdef KD_HEAP_MEASURED
  return g_peak.load();
#else
  return 0;
#endif
}

}  // namespace kdtest
