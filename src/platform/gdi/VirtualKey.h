#pragma once
// Key codes as the windows' KeyDown handlers know them (one fixed numbering
// the controllers test against: Enter 13, Escape 27, Left 37, Up 38, Right 39, Down 40,
// letters their capital's code) and the Shift argument (1 Shift, 2 Ctrl,
// 4 Alt), from Qt's keys and modifiers.

#include <QtCore/qnamespace.h>
#include <cstdint>

namespace gdi {

inline constexpr int16_t VK_BACK = 8;
inline constexpr int16_t VK_TAB = 9;
inline constexpr int16_t VK_RETURN = 13;
inline constexpr int16_t VK_ESCAPE = 27;
inline constexpr int16_t VK_SPACE = 32;
inline constexpr int16_t VK_PRIOR = 33;
inline constexpr int16_t VK_NEXT = 34;
inline constexpr int16_t VK_END = 35;
inline constexpr int16_t VK_HOME = 36;
inline constexpr int16_t VK_LEFT = 37;
inline constexpr int16_t VK_UP = 38;
inline constexpr int16_t VK_RIGHT = 39;
inline constexpr int16_t VK_DOWN = 40;
inline constexpr int16_t VK_INSERT = 45;
inline constexpr int16_t VK_DELETE = 46;

// The Ctrl bit of the Shift argument.
inline constexpr int16_t kCtrlMask = 2;

// 0 for a key without a code.
int16_t VirtualKeyFromQt(int qtKey);
int16_t ShiftMaskFromQt(Qt::KeyboardModifiers modifiers);

}  // namespace gdi
