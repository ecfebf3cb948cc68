#pragma once

#include "toolkit/Control.h"

// The program's named colours (&HBBGGRR), shared by every panel so that a hover or a warning
// looks the same wherever it shows.
namespace orebell::palette {

inline constexpr Color PanelColor = 0x2F2931;
inline constexpr Color ButtonRest = 0x000000;
inline constexpr Color ButtonSelected = 0x404040;
inline constexpr Color ButtonHover = 0x606060;
inline constexpr Color LightGrey = 0xC0C0C0;
inline constexpr Color LightBlue = 0xFF8080;
inline constexpr Color Yellow = 0x00FFFF;
inline constexpr Color Orange = 0x0080FF;
inline constexpr Color Green = 0x00FF00;
inline constexpr Color Red = 0x0000FF;

} // namespace orebell::palette
