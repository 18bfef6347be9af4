#pragma once

#include <cstdint>

// A colour as the window toolkit stores it: 0x00BBGGRR for plain colours,
// a high byte of 0x80 for a colour of the user's colour scheme.
using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x00000000;
inline constexpr TColor clWhite = 0x00FFFFFF;
inline constexpr TColor clRed = 0x000000FF;
inline constexpr TColor clGreen = 0x00008000;
inline constexpr TColor clNavy = 0x00800000;
inline constexpr TColor clBlue = 0x00FF0000;
inline constexpr TColor clAqua = 0x00FFFF00;
inline constexpr TColor clPurple = 0x00800080;
inline constexpr TColor clWindowText = 0x80000008;

inline constexpr bool IsSystemColor(TColor c) { return (c & 0xFF000000u) == 0x80000000u; }
inline constexpr int RedOf(TColor c) { return int(c & 0xFF); }
inline constexpr int GreenOf(TColor c) { return int((c >> 8) & 0xFF); }
inline constexpr int BlueOf(TColor c) { return int((c >> 16) & 0xFF); }
inline constexpr TColor RGBColor(int r, int g, int b) {
    return TColor(r & 0xFF) | (TColor(g & 0xFF) << 8) | (TColor(b & 0xFF) << 16);
}
