#include "grid/ColorContrast.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

// Reference figures from the WCAG definition, to two decimals.
TEST(ColorContrast, RatiosMatchTheReferenceFigures) {
    const struct {
        Color a, b;
        double ratio;
    } cases[] = {
        {clBlack, clWhite, 21.0},
        {clWhite, clBlack, 21.0},  // order does not matter
        {clWhite, clWhite, 1.0},
        {clYellow, clWhite, 1.07},
        {clYellow, clBlack, 19.56},
        {rgbColor(255, 0, 0), clWhite, 4.0},
        {rgbColor(0, 0, 255), clWhite, 8.59},
        {rgbColor(0x77, 0x77, 0x77), clWhite, 4.48},  // the classic near miss
        {rgbColor(0x76, 0x76, 0x76), clWhite, 4.54},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(contrastRatio(c.a, c.b), c.ratio, 0.01) << std::hex << c.a << " on " << c.b;
    EXPECT_DOUBLE_EQ(relativeLuminance(clBlack), 0.0);
    EXPECT_DOUBLE_EQ(relativeLuminance(clWhite), 1.0);
}

TEST(ColorContrast, TextKeepsThePreferredColourOnlyWhereItIsReadable) {
    const Color darkGrey = rgbColor(0x35, 0x35, 0x35);
    const struct {
        Color background, preferred, expected;
    } cases[] = {
        {clYellow, clBlack, clBlack},  // light theme: the palette's text stays
        {clYellow, clWhite, clBlack},  // dark theme's white text on the mark
        {darkGrey, clWhite, clWhite},  // readable already
        {darkGrey, rgbColor(90, 90, 90), clWhite},
        {rgbColor(0, 0, 255), clBlack, clWhite},  // dark blue highlight
    };
    for (const auto& c : cases) {
        const Color text = readableTextOn(c.background, c.preferred);
        EXPECT_EQ(text, c.expected) << std::hex << c.preferred << " on " << c.background;
        EXPECT_GE(contrastRatio(c.background, text), kMinTextContrast);
    }
}

// A link's colour is moved only as far as needed, towards the side that contrasts.
TEST(ColorContrast, LinkColoursBecomeReadableAndKeepTheirHue) {
    const Color red = rgbColor(255, 0, 0);
    const Color blue = rgbColor(0, 0, 255);
    const Color darkBase = rgbColor(0x2a, 0x2a, 0x2a);
    const struct {
        Color background, wanted;
    } cases[] = {{clWhite, red},
                 {clWhite, blue},
                 {darkBase, red},
                 {darkBase, blue},
                 {clYellow, rgbColor(255, 255, 128)},
                 {clBlack, rgbColor(1, 1, 1)}};
    for (const auto& c : cases) {
        const Color shown = readableOn(c.background, c.wanted);
        EXPECT_GE(contrastRatio(c.background, shown), kMinTextContrast) << std::hex << c.wanted;
    }
    EXPECT_EQ(readableOn(clWhite, blue), blue);  // readable as it is: unchanged
    const Color redOnWhite = readableOn(clWhite, red);
    EXPECT_EQ(redOnWhite & 0xFFFF00, 0u);  // still pure red, only darker
    EXPECT_GT(redOnWhite & 0xFF, 0xE0u);   // and by no more than needed
    const Color blueOnDark = readableOn(darkBase, blue);
    EXPECT_GT((blueOnDark >> 16) & 0xFF, blueOnDark & 0xFF);  // lighter, still blue
}

}  // namespace
}  // namespace quillet
