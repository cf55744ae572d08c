#pragma once
// A control's font as the windows describe it: face, size in points and
// style flags.

#include <cstdint>
#include <string>

struct StdFont {
  std::string Name = "Arial";
  double Size = 8.25;
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool Strikethrough = false;
  int16_t Charset = 0;
  friend bool operator==(const StdFont&, const StdFont&) = default;
};
