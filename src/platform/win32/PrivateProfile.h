#pragma once
// The private-profile (INI) functions: one value of one key of one section
// of a text file. A header line holds the section name in square brackets;
// key lines are key=value. Section and key names match without regard to
// ASCII case; a value is the text after the first '=' with blanks and tabs
// around it removed. A write replaces the key's line in place or appends it
// to its section, and creates the file and the section when missing; every
// other byte of the file is kept, so the user's layout and order survive.
// Lines may end in CR LF or LF; a written line keeps the line end of the
// line it replaces or follows, and a new file is written with CR LF. Text is UTF-8
// (a leading byte-order mark is skipped and kept). The format is described
// in docs/settings-and-project-files.md.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace win32 {

using ProfileEntries = std::vector<std::pair<std::string, std::string>>;

// Largest INI file the functions read (far above any real settings file).
constexpr std::size_t kMaxProfileBytes = 4u * 1024 * 1024;

// The value of key in section within the file text; nullopt when the
// section or the key is missing. A key present with nothing after '='
// gives "". The value is returned whole, however long.
std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key);

// The file text after writing each entry (key, value) into section in turn.
// The section, keys and values must pass the checks below, as
// WritePrivateProfileStrings makes sure.
std::string ApplyProfileWrites(std::string_view text, std::string_view section,
                               const ProfileEntries& entries);

// Whether a section name, key or value can be written without changing the
// file's structure: no CR or LF anywhere, no ']' in a section name, a key
// not empty, without '=' and not starting with '['.
bool ValidProfileSection(std::string_view section);
bool ValidProfileKey(std::string_view key);
bool ValidProfileValue(std::string_view value);

// The value, or `fallback` when the file (or the section or the key) is
// missing, unreadable or larger than kMaxProfileBytes.
std::string GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::string_view fallback, const std::string& path);

// Writes one key. False with `error` set when a name or the value cannot be
// written, or the file cannot be read or saved; the file is then unchanged.
bool WritePrivateProfileString(std::string_view section, std::string_view key, std::string_view value,
                               const std::string& path, std::string* error = nullptr);

// Writes several keys of one section in one save of the file.
bool WritePrivateProfileStrings(std::string_view section, const ProfileEntries& entries,
                                const std::string& path, std::string* error = nullptr);

}  // namespace win32
