#pragma once

#include "TColor.h"
#include "TColorTheme.h"
#include "TColourProperty.h"

#include <array>
#include <cstddef>
#include <string>

// What the main window shows, one colour per property, indexed by
// TColourProperty. Written out here from the looks each palette is meant to
// give, independently of the palette data under test.
inline constexpr std::size_t kColourPropertyCount = std::size_t(cpLabel28FontColor) + 1;
using TScreen = std::array<TColor, kColourPropertyCount>;

// "Form2.Color", "Label17.Font.Color", ...
std::string PropertyName(TColourProperty property);
// "0x0080FF00"
std::string ColourHex(TColor colour);

// A fresh main window before any palette.
TScreen FormScreen();
// The window after the theme's palette, whatever it showed before.
TScreen ThemeScreen(TColorTheme theme);
// The window after the restore button.
TScreen BuiltInScreen();

// One line per property that differs; empty when the screens are equal.
std::string ScreenDiff(const TScreen& actual, const TScreen& expected);
