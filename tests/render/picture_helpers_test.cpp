#include <gtest/gtest.h>

#include "pixels.h"
#include "render/system_colours.h"
#include "render/title_gradient.h"

namespace tallowen {
namespace {

using test::pixelAt;

constexpr Colour kRed = rgb(255, 0, 0);
constexpr Colour kYellow = rgb(255, 255, 0);
constexpr Colour kGreen = rgb(0, 255, 0);
constexpr Colour kBlue = rgb(0, 0, 255);

SystemColours palette() {
    SystemColours s;
    s.activeCaption = rgb(10, 36, 106);
    s.gradientActiveCaption = rgb(166, 202, 240);
    s.inactiveCaption = rgb(128, 128, 128);
    s.gradientInactiveCaption = rgb(192, 192, 192);
    s.buttonFace = rgb(212, 208, 200);
    s.buttonHighlight = rgb(250, 250, 250);
    s.buttonText = rgb(1, 2, 3);
    s.darkShadow = rgb(64, 64, 64);
    return s;
}

TEST(MapSysColours, KeyColoursBecomeSystemColoursAndOthersStay) {
    ImageSurface s(6, 1, kBlack);
    const Colour keys[] = {kWhite, kRed, kYellow, kGreen, kBlue, rgb(9, 9, 9)};
    for (int x = 0; x < 6; ++x) s.setPoint(x, 0, keys[x]);
    MapSysColours(s, rgb(100, 110, 120), palette());
    EXPECT_EQ(pixelAt(s, 0, 0), rgb(100, 110, 120));
    EXPECT_EQ(pixelAt(s, 1, 0), rgb(212, 208, 200));
    EXPECT_EQ(pixelAt(s, 2, 0), rgb(250, 250, 250));
    EXPECT_EQ(pixelAt(s, 3, 0), rgb(1, 2, 3));
    EXPECT_EQ(pixelAt(s, 4, 0), rgb(64, 64, 64));
    EXPECT_EQ(pixelAt(s, 5, 0), rgb(9, 9, 9));
}

TEST(MapSysColours, EachTestReadsThePixelAnew) {
    ImageSurface s(3, 2, kWhite);
    MapSysColours(s, kRed, palette());  // white -> red -> button face
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(pixelAt(s, x, y), rgb(212, 208, 200));

    SystemColours chain = palette();
    chain.buttonFace = kYellow;
    chain.buttonHighlight = kGreen;
    ImageSurface t(2, 2, kRed);
    MapSysColours(t, kBlack, chain);  // red -> yellow -> green -> button text
    EXPECT_EQ(pixelAt(t, 1, 1), rgb(1, 2, 3));
}

TEST(DrawTitleGradient, EqualColoursGiveAFlatBar) {
    SystemColours flat = palette();
    flat.gradientActiveCaption = flat.activeCaption;
    ImageSurface s(37, 5, kBlack);
    DrawTitleGradient(s, true, flat);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 37; ++x) ASSERT_EQ(pixelAt(s, x, y), flat.activeCaption) << x << "," << y;
}

TEST(DrawTitleGradient, RunsFromTheCaptionColourToItsGradientColour) {
    for (bool active : {true, false}) {
        const SystemColours p = palette();
        const Colour left = active ? p.activeCaption : p.inactiveCaption;
        const Colour right = active ? p.gradientActiveCaption : p.gradientInactiveCaption;
        ImageSurface s(200, 4, kBlack);
        DrawTitleGradient(s, active, p);
        EXPECT_EQ(pixelAt(s, 0, 0), left);
        EXPECT_EQ(pixelAt(s, 0, 3), left) << "the full height";
        const Colour end = pixelAt(s, 199, 2);
        EXPECT_NEAR(redOf(end), redOf(right), 1);
        EXPECT_NEAR(blueOf(end), blueOf(right), 2);
        for (int x = 1; x < 200; ++x) ASSERT_GE(blueOf(pixelAt(s, x, 1)), blueOf(pixelAt(s, x - 1, 1))) << x;
        EXPECT_EQ(pixelAt(s, 100, 1), rgb(redOf(left) + (redOf(right) - redOf(left)) / 2,
                                          greenOf(left) + (greenOf(right) - greenOf(left)) / 2,
                                          blueOf(left) + (blueOf(right) - blueOf(left)) / 2));
    }
}

}  // namespace
}  // namespace tallowen
