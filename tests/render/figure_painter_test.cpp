#include <gtest/gtest.h>

#include "pixels.h"
#include "recording_surface.h"
#include "render/figure_painter.h"

namespace tallowen {
namespace {

using test::grey;
using test::pixelAt;
using test::RecordingSurface;

constexpr Colour kOrange = rgb(255, 128, 0);

TEST(FigurePainter, ABoardSquareHasTheGreyBevelTwoWhiteOutlinesAndALighterMiddle) {
    // H = 60: bevel from inset 4, outlines at insets 9 and 11, the inner square's dark rim at 10.
    ImageSurface s(240, 120, kBlack);
    RandomSource random(1);
    DRWP2(s, 1, 1, Figure{}, 60, true, 3, random);
    const double x0 = 80, y0 = 60, midY = y0 + 30;
    EXPECT_EQ(pixelAt(s, x0 + 2, midY), kBlack);
    EXPECT_EQ(pixelAt(s, x0 + 6, midY), grey(127));
    EXPECT_EQ(pixelAt(s, x0 + 40, y0 + 6), grey(127));
    EXPECT_EQ(pixelAt(s, x0 + 9, midY), kWhite);
    EXPECT_EQ(pixelAt(s, x0 + 10, midY), grey(64));
    EXPECT_EQ(pixelAt(s, x0 + 11, midY), kWhite);
    EXPECT_EQ(pixelAt(s, x0 + 71, midY), kWhite);
    EXPECT_EQ(pixelAt(s, x0 + 69, midY), kWhite);
    EXPECT_EQ(pixelAt(s, x0 + 74, midY), grey(127));
    EXPECT_EQ(pixelAt(s, x0 + 40, y0 + 9), kWhite);
    EXPECT_EQ(pixelAt(s, x0 + 40, y0 + 51), kWhite);
    EXPECT_EQ(pixelAt(s, x0 + 40, midY), grey(142));
    EXPECT_EQ(pixelAt(s, 40, 30), kBlack) << "other cells stay untouched";
}

TEST(FigurePainter, TheSmallFieldIsFramedEvenWhenUnframedIsAsked) {
    ImageSurface framed(240, 120, kBlack), unframed(240, 120, kBlack);
    RandomSource random(1);
    DRWP2(framed, 1, 0, Figure{kSmallField, kOrange, 0}, 60, true, 2, random);
    DRWP2(unframed, 1, 0, Figure{kSmallField, kOrange, 0}, 60, false, 2, random);
    EXPECT_EQ(test::differingPixels(framed.image(), unframed.image()), 0);
    EXPECT_EQ(pixelAt(unframed, 80 + 6, 30), grey(127));
    // The inner square carries the player's colour, capped: 127 * 255 / 191 + 32 at its rim.
    EXPECT_EQ(pixelAt(unframed, 80 + 10, 30), rgb(202, 117, 32));
}

TEST(FigurePainter, UnframedFiguresAreHalfAsLargeAgainAndCentredOnTheirCell) {
    ImageSurface s(240, 60, kBlack);
    s.filledBox(0, 0, 239, 59, kWhite);
    RandomSource random(1);
    DRWP2(s, 1, 0, Figure{kRectangle, kOrange, 0}, 60, false, 1, random);
    // The enlarged box's rectangle runs from an eighth to seven eighths of the cell.
    EXPECT_EQ(pixelAt(s, 80 + 9, 30), kBlack);
    EXPECT_NE(pixelAt(s, 80 + 10, 30), kBlack);
    EXPECT_NE(pixelAt(s, 80 + 70, 30), kBlack);
    EXPECT_EQ(pixelAt(s, 80 + 71, 30), kBlack);
    EXPECT_EQ(pixelAt(s, 80, 2), kBlack) << "the cell is cleared to the background";
    EXPECT_EQ(pixelAt(s, 79, 2), kWhite);
    EXPECT_EQ(pixelAt(s, 161, 2), kWhite);
}

TEST(FigurePainter, FaceMarksGrowWithTheLevelEachGroupInItsPlace) {
    // A cell of height 120 at the origin: figure box 160 x 120; eyes around (64, 48) and (96, 48),
    // arches between the middle line and a quarter of the height, the mouth below the eyes.
    std::array<ImageSurface*, 4> images{};
    std::vector<std::unique_ptr<ImageSurface>> owned;
    for (int level = 0; level <= 3; ++level) {
        owned.push_back(std::make_unique<ImageSurface>(160, 120, kBlack));
        RandomSource random(1);
        DRWP2(*owned.back(), 0, 0, Figure{kRectangle, kOrange, level}, 120, true, 3, random);
        images[static_cast<std::size_t>(level)] = owned.back().get();
    }
    // The eyes are dark in the middle (the smallest rings), white at the rim.
    EXPECT_GT(redOf(pixelAt(*images[0], 64, 48)), 100) << "level 0 draws no eyes";
    EXPECT_LT(redOf(pixelAt(*images[1], 64, 48)), 30);
    EXPECT_LT(redOf(pixelAt(*images[1], 96, 48)), 30);
    EXPECT_EQ(pixelAt(*images[1], 64, 48 - 19), kWhite);
    EXPECT_NE(pixelAt(*images[1], 60, 30), grey(90));
    EXPECT_EQ(pixelAt(*images[2], 60, 30), grey(90)) << "the arch at 90 degrees";
    EXPECT_EQ(pixelAt(*images[3], 60, 30), grey(90));

    struct Region {
        int left, top, right, bottom;
    };
    const Region eyes{54, 28, 106, 68}, arches{53, 30, 108, 60}, mouth{71, 35, 89, 79};
    const Region* added[] = {&eyes, &arches, &mouth};
    for (int level = 1; level <= 3; ++level) {
        const QImage& before = images[static_cast<std::size_t>(level - 1)]->image();
        const QImage& after = images[static_cast<std::size_t>(level)]->image();
        const Region& r = *added[level - 1];
        int inside = 0, outside = 0;
        for (int y = 0; y < 120; ++y)
            for (int x = 0; x < 160; ++x) {
                if (before.pixel(x, y) == after.pixel(x, y)) continue;
                const bool in = x >= r.left && x <= r.right && y >= r.top && y <= r.bottom;
                (in ? inside : outside) += 1;
            }
        EXPECT_GT(inside, 20) << "level " << level;
        EXPECT_EQ(outside, 0) << "level " << level;
    }
}

TEST(FigurePainter, ShadingCapsComponentsAt255) {
    RecordingSurface s(80, 60, kBlack);
    RandomSource random(1);
    DRWP2(s, 0, 0, Figure{kOval, rgb(200, 0, 0), 0}, 60, true, 3, random);
    // The first, smallest ellipse's shading reaches 265 for red and 280 for green and blue.
    ASSERT_FALSE(s.ellipseColours.empty());
    EXPECT_EQ(s.ellipseColours.front(), kWhite);
    EXPECT_EQ(s.ellipseColours.back(), rgb(150, 0, 0)) << "the largest carries 3/4 of the colour";
    EXPECT_EQ(pixelAt(s.image, 36, 28), kWhite);

    RecordingSurface star(80, 60, kBlack);
    DRWP2(star, 0, 0, Figure{kStar, rgb(200, 0, 0), 0}, 60, true, 1, random);
    ASSERT_FALSE(star.ellipseColours.empty());
    EXPECT_EQ(star.ellipseColours.front(), rgb(150, 0, 0));
    EXPECT_EQ(star.ellipseColours.back(), kWhite);
}

TEST(FigurePainter, DensityThickensTheShadingAndDetailZeroDrawsAsDensityOne) {
    const auto figurePrimitives = [](int code, int density, int level = 1) {
        RecordingSurface bare(80, 60, kBlack), drawn(80, 60, kBlack);
        RandomSource random(1);
        DRWP2(bare, 0, 0, Figure{}, 60, true, density, random);
        DRWP2(drawn, 0, 0, Figure{code, kOrange, level}, 60, true, density, random);
        return drawn.primitives() - bare.primitives();
    };
    for (int code = kRectangle; code <= kSmallCircles; ++code) {
        EXPECT_GT(figurePrimitives(code, 3), 2.5 * figurePrimitives(code, 1)) << code;
        EXPECT_EQ(figurePrimitives(code, 0), figurePrimitives(code, 1)) << code;
    }
    EXPECT_EQ(figurePrimitives(kSmallField, 3, 0), figurePrimitives(kSmallField, 1, 0));
    EXPECT_EQ(densityOf(0), 1);
    EXPECT_EQ(densityOf(3), 3);

    ImageSurface zero(80, 60, kBlack), one(80, 60, kBlack);
    RandomSource random(1);
    DRWP2(zero, 0, 0, Figure{kHexxagon, kOrange, 3}, 60, true, 0, random);
    DRWP2(one, 0, 0, Figure{kHexxagon, kOrange, 3}, 60, true, 1, random);
    EXPECT_EQ(test::differingPixels(zero.image(), one.image()), 0);
}

TEST(FigurePainter, SmallSquaresAndCirclesTakeNewPlacesOnEveryCall) {
    for (int code : {kSmallSquares, kSmallCircles}) {
        ImageSurface first(80, 60, kBlack), second(80, 60, kBlack), replay(80, 60, kBlack);
        RandomSource random(7), sameSeed(7);
        DRWP2(first, 0, 0, Figure{code, kOrange, 0}, 60, true, 2, random);
        DRWP2(second, 0, 0, Figure{code, kOrange, 0}, 60, true, 2, random);
        DRWP2(replay, 0, 0, Figure{code, kOrange, 0}, 60, true, 2, sameSeed);
        EXPECT_GT(test::differingPixels(first.image(), second.image()), 0) << code;
        EXPECT_EQ(test::differingPixels(first.image(), replay.image()), 0) << code;
    }
}

TEST(FigurePainter, OnlyTheCaptionsOneToEightNameAFigure) {
    EXPECT_EQ(figureCodeOf("1"), kRectangle);
    EXPECT_EQ(figureCodeOf("8"), kSmallField);
    for (const char* caption : {"", "0", "9", "x", "1a", "-1"}) EXPECT_EQ(figureCodeOf(caption), kNoFigure) << caption;

    ImageSurface none(80, 60, kBlack), bare(80, 60, kBlack);
    RandomSource random(1);
    DRWP2(none, 0, 0, Figure{figureCodeOf("9"), kOrange, 0}, 60, true, 2, random);
    DRWP2(bare, 0, 0, Figure{}, 60, true, 2, random);
    EXPECT_EQ(test::differingPixels(none.image(), bare.image()), 0);
}

TEST(FigurePainter, TheStoredDetailLevelMapsOntoFourDensities) {
    const int expected[] = {0, 0, 1, 1, 1, 2, 2, 2, 3, 3};
    for (int level = 1; level <= 10; ++level) EXPECT_EQ(figureDetailOfLevel(level), expected[level - 1]) << level;
}

}  // namespace
}  // namespace tallowen
