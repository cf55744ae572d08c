#pragma once
// Whole-file reading with a size ceiling, and the one way the program saves
// a document: write a temporary file in the target's folder, flush it, and
// rename it over the target, so a failure leaves the old file intact.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace runtime {

// Default ceiling for documents read whole (far above any real document).
constexpr uint64_t kMaxDocumentBytes = 256ull * 1024 * 1024;

// The file's bytes, or nullopt with `error` set (missing, unreadable, a
// folder, or larger than maxBytes).
std::optional<std::string> ReadFileBytes(const std::string& path, std::string* error = nullptr,
                                         uint64_t maxBytes = kMaxDocumentBytes);

// Writes `bytes` to `path` atomically. False with `error` set on failure;
// the target is then unchanged and no temporary file is left behind.
bool SaveFileAtomically(const std::string& path, std::string_view bytes,
                        std::string* error = nullptr);

// The mechanism under SaveFileAtomically, for writers that fill the file
// themselves (a copy streamed from another file): `fill` writes into the
// open temporary file beside `path`; when it answers true the file is
// flushed and renamed over `path`. False with `error` set (by `fill`, or
// here) on failure; the target is then unchanged and the temporary removed.
bool ReplaceFileAtomically(const std::string& path,
                           const std::function<bool(int fd, std::string* error)>& fill,
                           std::string* error = nullptr);

// Writes every byte to the descriptor, retrying after interruptions.
bool WriteAll(int fd, std::string_view bytes);

}  // namespace runtime
