#pragma once
// Whole-file reading with a size ceiling, and the one way the program saves
// a document: write a temporary file in the target's folder, flush it, and
// rename it over the target, so a failure leaves the old file intact.

#include <cstdint>
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

}  // namespace runtime
