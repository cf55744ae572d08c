#include "platform/win32/PrivateProfile.h"

#include "platform/runtime/FileIO.h"
#include "platform/runtime/Text.h"
#include "platform/win32/FileSystem.h"

namespace win32 {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

struct Line {
  std::string content;     // without its line end
  std::string terminator;  // "\r\n", "\n" or "" for a last line without one
};

std::string_view TrimBlanks(std::string_view s) {
  std::size_t b = s.find_first_not_of(" \t");
  if (b == std::string_view::npos) return {};
  std::size_t e = s.find_last_not_of(" \t");
  return s.substr(b, e - b + 1);
}

std::vector<Line> SplitLines(std::string_view text) {
  std::vector<Line> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t lf = text.find('\n', start);
    if (lf == std::string_view::npos) {
      lines.push_back({std::string(text.substr(start)), ""});
      break;
    }
    std::string_view content = text.substr(start, lf - start);
    if (!content.empty() && content.back() == '\r') {
      lines.push_back({std::string(content.substr(0, content.size() - 1)), "\r\n"});
    } else {
      lines.push_back({std::string(content), "\n"});
    }
    start = lf + 1;
  }
  return lines;
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

void ApplyOne(std::vector<Line>& lines, std::string_view section, std::string_view key,
              std::string_view value) {
  std::string newLine = std::string(key) + "=" + std::string(value);
  bool inSection = false;
  std::optional<std::size_t> appendAfter;  // last non-blank line of the first matching section
  bool firstSectionDone = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (auto name = HeaderName(lines[i].content)) {
      if (inSection) firstSectionDone = true;
      inSection = runtime::EqualsNoCase(*name, section);
      if (inSection && !firstSectionDone && !appendAfter) appendAfter = i;
      continue;
    }
    if (!inSection) continue;
    if (auto kv = KeyValue(lines[i].content); kv && runtime::EqualsNoCase(kv->first, key)) {
      lines[i].content = newLine;
      if (lines[i].terminator.empty()) lines[i].terminator = "\r\n";
      return;
    }
    if (!firstSectionDone && !TrimBlanks(lines[i].content).empty()) appendAfter = i;
  }
  // New lines take the line end of the line before them, so a file kept
  // with LF only stays that way; a file without line ends gets CR LF.
  if (appendAfter) {
    Line& before = lines[*appendAfter];
    if (before.terminator.empty()) before.terminator = "\r\n";
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*appendAfter + 1), Line{newLine, before.terminator});
    return;
  }
  if (!lines.empty() && lines.back().terminator.empty()) lines.back().terminator = "\r\n";
  const std::string end = lines.empty() ? std::string("\r\n") : lines.back().terminator;
  lines.push_back({"[" + std::string(section) + "]", end});
  lines.push_back({newLine, end});
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
  std::string_view body = WithoutBom(text);
  bool inSection = false;
  std::size_t start = 0;
  while (start < body.size()) {
    std::size_t lf = body.find('\n', start);
    std::string_view content = body.substr(start, lf == std::string_view::npos ? std::string_view::npos : lf - start);
    if (!content.empty() && content.back() == '\r') content.remove_suffix(1);
    if (auto name = HeaderName(content)) {
      inSection = runtime::EqualsNoCase(*name, section);
    } else if (inSection) {
      if (auto kv = KeyValue(content); kv && runtime::EqualsNoCase(kv->first, key)) {
        return std::string(kv->second);
      }
    }
    if (lf == std::string_view::npos) break;
    start = lf + 1;
  }
  return std::nullopt;
}

std::string ApplyProfileWrites(std::string_view text, std::string_view section, const ProfileEntries& entries) {
  bool hasBom = text.substr(0, kBom.size()) == kBom;
  std::vector<Line> lines = SplitLines(WithoutBom(text));
  for (const auto& [key, value] : entries) ApplyOne(lines, TrimBlanks(section), TrimBlanks(key), value);
  std::string out = hasBom ? std::string(kBom) : std::string();
  for (const Line& line : lines) {
    out += line.content;
    out += line.terminator;
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
  return runtime::SaveFileAtomically(path, ApplyProfileWrites(text, section, entries), error);
}

}  // namespace win32
