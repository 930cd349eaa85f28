#pragma once

#include <cstdint>

// An RGB colour of an offer line, 0xRRGGBB.
using LineColor = std::uint32_t;

inline constexpr LineColor kBlack = 0x000000;
inline constexpr LineColor kBlue = 0x0000FF;
inline constexpr LineColor kPurple = 0x800080;
inline constexpr LineColor kRed = 0xFF0000;
