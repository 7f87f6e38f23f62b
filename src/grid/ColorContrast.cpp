#include "grid/ColorContrast.h"

#include <algorithm>
#include <cmath>

namespace quillet {

namespace {
double channel(Color rgb, int shift) {
    const double c = static_cast<double>((rgb >> shift) & 0xFF) / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// The colour a fraction `t` of the way from `from` to `to`, channel by channel.
Color mix(Color from, Color to, double t) {
    const auto part = [&](int shift) {
        const double a = static_cast<double>((from >> shift) & 0xFF);
        const double b = static_cast<double>((to >> shift) & 0xFF);
        return static_cast<int>(std::lround(a + (b - a) * t));
    };
    return rgbColor(part(0), part(8), part(16));
}
}  // namespace

double relativeLuminance(Color rgb) {
    return 0.2126 * channel(rgb, 0) + 0.7152 * channel(rgb, 8) + 0.0722 * channel(rgb, 16);
}

double contrastRatio(Color a, Color b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Color readableTextOn(Color background, Color preferred) {
    if (contrastRatio(background, preferred) >= kMinTextContrast) return preferred;
    return contrastRatio(background, clBlack) >= contrastRatio(background, clWhite) ? clBlack
                                                                                    : clWhite;
}

Color readableOn(Color background, Color wanted) {
    if (contrastRatio(background, wanted) >= kMinTextContrast) return wanted;
    // Towards black on a light background, towards white on a dark one; the end point
    // itself is always readable there (at least 4.58:1), so the search has an answer.
    const Color end = contrastRatio(background, clBlack) >= contrastRatio(background, clWhite)
                          ? clBlack
                          : clWhite;
    double lo = 0.0;  // not readable
    double hi = 1.0;  // readable
    for (int step = 0; step < 16; ++step) {
        const double t = (lo + hi) / 2;
        if (contrastRatio(background, mix(wanted, end, t)) >= kMinTextContrast)
            hi = t;
        else
            lo = t;
    }
    return mix(wanted, end, hi);
}

}  // namespace quillet
