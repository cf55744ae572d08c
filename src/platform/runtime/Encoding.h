#pragma once
// Windows-1252 <-> UTF-8 for the fixed-length ANSI text fields of the
// binary file formats. In memory every string is UTF-8.

#include <cstddef>
#include <string>
#include <string_view>

namespace runtime {

// Each byte to its Windows-1252 character; the five undefined bytes
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same value.
std::string Cp1252ToUtf8(std::string_view bytes);

// Characters without a Windows-1252 byte, and malformed UTF-8, become '?'.
std::string Utf8ToCp1252(std::string_view text);

// A fixed field of `width` bytes: converted, cut by bytes, padded with blanks.
std::string ToFixedField(std::string_view text, std::size_t width);

// The text of a fixed field read from a file: trailing NULs stripped, then
// converted to UTF-8. Blanks are kept: callers Trim where the format says so.
std::string FromFixedField(std::string_view bytes);

}  // namespace runtime
