#include "platform/win32/PrivateProfile.h"

#include <unordered_map>

#include "platform/runtime/FileIO.h"
#include "platform/runtime/Text.h"
#include "platform/win32/FileSystem.h"

namespace win32 {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// One line of the text as offsets: its content is [start, contentEnd) and
// its line end [contentEnd, end): "\r\n" or "\n", and for a last line
// without LF, "\r" or nothing.
struct LineSpan {
  std::size_t start = 0;
  std::size_t contentEnd = 0;
  std::size_t end = 0;
};

// Calls visit(LineSpan) for each line in order until it answers false.
// Reading and writing both split lines here, so they always agree on where
// a value ends.
template <class Visit>
void ForEachLine(std::string_view text, Visit&& visit) {
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t lf = text.find('\n', start);
    LineSpan line;
    line.start = start;
    line.end = lf == std::string_view::npos ? text.size() : lf + 1;
    line.contentEnd = lf == std::string_view::npos ? text.size() : lf;
    if (line.contentEnd > start && text[line.contentEnd - 1] == '\r') --line.contentEnd;
    if (!visit(line)) return;
    start = line.end;
  }
}

std::string_view Content(std::string_view text, const LineSpan& line) {
  return text.substr(line.start, line.contentEnd - line.start);
}

// A line that gets a line after it, or is rewritten, needs a whole line
// end: a last line that stopped short (nothing, or a CR without its LF) is
// given CR LF.
std::string_view CompletedEnd(std::string_view text, const LineSpan& line) {
  std::string_view end = text.substr(line.contentEnd, line.end - line.contentEnd);
  return end == "\r\n" || end == "\n" ? end : std::string_view("\r\n");
}

std::string_view TrimBlanks(std::string_view s) {
  std::size_t b = s.find_first_not_of(" \t");
  if (b == std::string_view::npos) return {};
  std::size_t e = s.find_last_not_of(" \t");
  return s.substr(b, e - b + 1);
}

// The section name of a header line, or nullopt when the line is no header.
std::optional<std::string_view> HeaderName(std::string_view content) {
  std::string_view t = TrimBlanks(content);
  if (t.empty() || t.front() != '[') return std::nullopt;
  t.remove_prefix(1);
  std::size_t close = t.find(']');
  if (close != std::string_view::npos) t = t.substr(0, close);
  return TrimBlanks(t);
}

// Key and value of a key line; nullopt when the line has no '='.
std::optional<std::pair<std::string_view, std::string_view>> KeyValue(std::string_view content) {
  std::size_t eq = content.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  return std::make_pair(TrimBlanks(content.substr(0, eq)), TrimBlanks(content.substr(eq + 1)));
}

std::string_view WithoutBom(std::string_view text) {
  if (text.substr(0, kBom.size()) == kBom) text.remove_prefix(kBom.size());
  return text;
}

bool CheckEntries(std::string_view section, const ProfileEntries& entries, std::string* error) {
  if (!ValidProfileSection(section)) {
    if (error) *error = "Invalid section name: " + std::string(section);
    return false;
  }
  for (const auto& [key, value] : entries) {
    if (!ValidProfileKey(key)) {
      if (error) *error = "Invalid key name: " + key;
      return false;
    }
    if (!ValidProfileValue(value)) {
      if (error) *error = "A value may not hold a line break (key " + key + ")";
      return false;
    }
  }
  return true;
}

}  // namespace

std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key) {
  const std::string_view body = WithoutBom(text);
  bool inSection = false;
  std::optional<std::string> found;
  ForEachLine(body, [&](const LineSpan& line) {
    const std::string_view content = Content(body, line);
    if (auto name = HeaderName(content)) {
      inSection = runtime::EqualsNoCase(*name, section);
    } else if (inSection) {
      if (auto kv = KeyValue(content); kv && runtime::EqualsNoCase(kv->first, key)) {
        found = std::string(kv->second);
        return false;
      }
    }
    return true;
  });
  return found;
}

// Writing the entries one after another gives: each key's line holds the
// last value written for it (under the last spelling of the key); a key
// that had a line in the section (its first line in any block of that
// section) keeps that place; new keys follow the last non-blank line of the
// section's first block, in the order they were first written; a missing
// section is added at the end. All of it is worked out in one pass over the
// text, so that a large file costs one read and one write however many keys
// are saved.
std::string ApplyProfileWrites(std::string_view text, std::string_view section, const ProfileEntries& entries) {
  section = TrimBlanks(section);
  const bool hasBom = text.substr(0, kBom.size()) == kBom;
  const std::string_view body = WithoutBom(text);

  struct Target {
    std::string key;
    std::string_view value;
    std::optional<std::size_t> lineStart;  // the key's line in the text, when it has one
  };
  std::vector<Target> targets;
  std::unordered_map<std::string, std::size_t> byKey;  // lower-case key -> target
  for (const auto& [rawKey, value] : entries) {
    const std::string_view key = TrimBlanks(rawKey);
    auto [it, added] = byKey.emplace(runtime::LCase(key), targets.size());
    if (added) {
      targets.push_back({std::string(key), value, std::nullopt});
    } else {
      targets[it->second].key = std::string(key);
      targets[it->second].value = value;
    }
  }

  bool inSection = false;
  bool firstBlockDone = false;
  std::optional<LineSpan> appendAfter;  // last non-blank line of the section's first block
  std::optional<LineSpan> lastLine;
  std::unordered_map<std::size_t, std::size_t> replaceAt;  // line start -> target
  ForEachLine(body, [&](const LineSpan& line) {
    lastLine = line;
    const std::string_view content = Content(body, line);
    if (auto name = HeaderName(content)) {
      if (inSection) firstBlockDone = true;
      inSection = runtime::EqualsNoCase(*name, section);
      if (inSection && !firstBlockDone && !appendAfter) appendAfter = line;
      return true;
    }
    if (!inSection) return true;
    if (auto kv = KeyValue(content)) {
      auto it = byKey.find(runtime::LCase(kv->first));
      if (it != byKey.end() && !targets[it->second].lineStart) {
        targets[it->second].lineStart = line.start;
        replaceAt.emplace(line.start, it->second);
      }
    }
    if (!firstBlockDone && !TrimBlanks(content).empty()) appendAfter = line;
    return true;
  });

  std::vector<const Target*> added;
  for (const Target& t : targets) {
    if (!t.lineStart) added.push_back(&t);
  }
  const auto keyLine = [](const Target& t) { return t.key + "=" + std::string(t.value); };

  std::string out = hasBom ? std::string(kBom) : std::string();
  out.reserve(text.size() + 64 * targets.size() + section.size() + 8);
  ForEachLine(body, [&](const LineSpan& line) {
    auto replaced = replaceAt.find(line.start);
    const bool insertAfter = appendAfter && appendAfter->start == line.start && !added.empty();
    const bool sectionAfter = !appendAfter && !added.empty() && line.start == lastLine->start;
    if (replaced != replaceAt.end()) {
      out += keyLine(targets[replaced->second]);
    } else {
      out += Content(body, line);
    }
    if (replaced != replaceAt.end() || insertAfter || sectionAfter) {
      out += CompletedEnd(body, line);
    } else {
      out += body.substr(line.contentEnd, line.end - line.contentEnd);
    }
    if (insertAfter) {
      // New lines take the line end of the line before them, so a file kept
      // with LF only stays that way.
      const std::string_view end = CompletedEnd(body, line);
      for (const Target* t : added) {
        out += keyLine(*t);
        out += end;
      }
    }
    return true;
  });
  if (!appendAfter && !added.empty()) {
    const std::string_view end = lastLine ? CompletedEnd(body, *lastLine) : std::string_view("\r\n");
    out += "[";
    out += section;
    out += "]";
    out += end;
    for (const Target* t : added) {
      out += keyLine(*t);
      out += end;
    }
  }
  return out;
}

bool ValidProfileSection(std::string_view section) {
  return !TrimBlanks(section).empty() && section.find_first_of("]\r\n") == std::string_view::npos;
}

bool ValidProfileKey(std::string_view key) {
  std::string_view t = TrimBlanks(key);
  return !t.empty() && t.front() != '[' && key.find_first_of("=\r\n") == std::string_view::npos;
}

bool ValidProfileValue(std::string_view value) { return value.find_first_of("\r\n") == std::string_view::npos; }

std::string GetPrivateProfileString(std::string_view section, std::string_view key, std::string_view fallback,
                                    const std::string& path) {
  auto bytes = runtime::ReadFileBytes(path, nullptr, kMaxProfileBytes);
  if (!bytes) return std::string(fallback);
  auto value = FindProfileValue(*bytes, section, key);
  return value ? *value : std::string(fallback);
}

bool WritePrivateProfileString(std::string_view section, std::string_view key, std::string_view value,
                               const std::string& path, std::string* error) {
  return WritePrivateProfileStrings(section, {{std::string(key), std::string(value)}}, path, error);
}

bool WritePrivateProfileStrings(std::string_view section, const ProfileEntries& entries, const std::string& path,
                                std::string* error) {
  if (!CheckEntries(section, entries, error)) return false;
  std::string text;
  if (EntryExists(path)) {
    // An existing file that cannot be read is never replaced: its keys
    // would be lost.
    auto bytes = runtime::ReadFileBytes(path, error, kMaxProfileBytes);
    if (!bytes) return false;
    text = std::move(*bytes);
  }
  std::string written = ApplyProfileWrites(text, section, entries);
  // Never save a file that the readers would then refuse.
  if (written.size() > kMaxProfileBytes) {
    if (error) *error = "The file would grow past 4 MiB, more than can be read back: " + path;
    return false;
  }
  return runtime::SaveFileAtomically(path, written, error);
}

}  // namespace win32
