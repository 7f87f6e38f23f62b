#pragma once

#include "grid/CellGrid.h"

namespace quillet {

// Readability of text on a background, as WCAG measures it. Colours are RGB values
// (0x00BBGGRR); system colours must be resolved to RGB first.
inline constexpr double kMinTextContrast = 4.5;  // WCAG AA for body text
inline constexpr Color clBlack = 0x00000000;
inline constexpr Color clWhite = 0x00FFFFFF;

constexpr Color rgbColor(int red, int green, int blue) {
    return static_cast<Color>(red & 0xFF) | (static_cast<Color>(green & 0xFF) << 8) |
           (static_cast<Color>(blue & 0xFF) << 16);
}

// 0 for black to 1 for white, after undoing the sRGB gamma.
double relativeLuminance(Color rgb);
// From 1 (same luminance) to 21 (black on white), whichever of the two is lighter.
double contrastRatio(Color a, Color b);
// The text colour to draw on `background`: `preferred` where it is readable, else black or
// white, whichever stands out more.
Color readableTextOn(Color background, Color preferred);
// `wanted` (a link's red, say) darkened or lightened just enough to be readable on
// `background`, so it keeps its hue in every theme.
Color readableOn(Color background, Color wanted);

}  // namespace quillet
