#include <gtest/gtest.h>

#include "render/image_surface.h"
#include "render/system_colours.h"
#include "render/title_gradient.h"

namespace tallowen {
namespace {

constexpr Colour kRed = rgb(255, 0, 0);

constexpr SystemColours kPalette{.activeCaption = rgb(10, 36, 106), .inactiveCaption = rgb(128, 128, 128),
                                 .buttonFace = rgb(212, 208, 200), .buttonText = rgb(1, 2, 3),
                                 .buttonHighlight = rgb(250, 250, 250), .darkShadow = rgb(64, 64, 64),
                                 .gradientActiveCaption = rgb(166, 202, 240),
                                 .gradientInactiveCaption = rgb(192, 192, 192)};

TEST(MapSysColours, KeyColoursBecomeSystemColoursEachTestReadingThePixelAnew) {
    const SystemColours& p = kPalette;
    const Colour keys[] = {kWhite, kRed, rgb(255, 255, 0), rgb(0, 255, 0), rgb(0, 0, 255), rgb(9, 9, 9)};
    // White becomes pure red, which the next test turns into the button face.
    const Colour mapped[] = {p.buttonFace, p.buttonFace, p.buttonHighlight, p.buttonText, p.darkShadow, rgb(9, 9, 9)};
    ImageSurface s(6, 2, kBlack);
    for (int x = 0; x < 6; ++x) s.filledBox(x, 0, x, 1, keys[x]);
    MapSysColours(s, kRed, p);
    for (int x = 0; x < 6; ++x) {
        EXPECT_EQ(s.point(x, 0), mapped[x]) << x;
        EXPECT_EQ(s.point(x, 1), mapped[x]) << x;
    }
    // Halfway from text (1, 2, 3) to face (212, 208, 200), halves to even: 106.5, 105, 101.5.
    EXPECT_EQ(buttonArtColour(p), rgb(106, 105, 102));
}

TEST(DrawTitleGradient, RunsFromTheCaptionColourToItsGradientColourOverTheWholePicture) {
    for (bool active : {true, false}) {
        const Colour left = active ? kPalette.activeCaption : kPalette.inactiveCaption;
        const Colour right = active ? kPalette.gradientActiveCaption : kPalette.gradientInactiveCaption;
        ImageSurface s(200, 4, kBlack);
        DrawTitleGradient(s, active, kPalette);
        EXPECT_EQ(s.point(0, 3), left) << "the full height";
        EXPECT_NEAR(blueOf(*s.point(199, 2)), blueOf(right), 2);
        EXPECT_EQ(s.point(100, 1), rgb(redOf(left) + (redOf(right) - redOf(left)) / 2,
                                       greenOf(left) + (greenOf(right) - greenOf(left)) / 2,
                                       blueOf(left) + (blueOf(right) - blueOf(left)) / 2));
    }
}

TEST(DrawSetupGradient, RunsFromGreyAtTheTopToTheButtonFaceAtTheBottom) {
    ImageSurface s(10, 64, kBlack);
    DrawSetupGradient(s, kPalette);
    EXPECT_EQ(s.point(5, 0), rgb(127, 127, 127));
    EXPECT_EQ(s.point(9, 63), rgb(209, 205, 198));  // 15.5 / 16 of the way: the line at 16 lies on the edge
    EXPECT_EQ(s.point(0, 32), rgb(170, 168, 164));  // halfway: 127 + 8 x (face - 127) / 16, halves to even
}

}  // namespace
}  // namespace tallowen
