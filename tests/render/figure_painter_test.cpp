#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <vector>

#include "render/figure_painter.h"
#include "render/image_surface.h"

namespace tallowen {
namespace {

constexpr Colour kOrange = rgb(255, 128, 0);

Colour grey(int g) { return rgb(g, g, g); }

Colour colourAt(const QImage& image, int x, int y) {
    const QRgb p = image.pixel(x, y);
    return rgb(qRed(p), qGreen(p), qBlue(p));
}

// A figure painted into cell (x, y) of cell height H on a fresh black picture.
QImage painted(int w, int h, double x, double y, const Figure& figure, double H, bool framed, int density) {
    ImageSurface s(w, h, kBlack);
    RandomSource random(1);
    DRWP2(s, x, y, figure, H, framed, density, random);
    return s.image();
}

TEST(FigurePainter, ABoardSquareHasTheGreyBevelTwoWhiteOutlinesAndALighterMiddle) {
    // H = 60 in cell (1, 1): bevel from inset 4, outlines at insets 9 and 11 around the dark rim at 10.
    const QImage s = painted(240, 120, 1, 1, Figure{}, 60, true, 3);
    const auto at = [&](int x, int y) { return colourAt(s, 80 + x, 60 + y); };
    EXPECT_EQ(at(3, 30), kBlack);
    for (auto [x, y] : {std::pair{4, 30}, {40, 4}, {76, 30}, {40, 56}}) EXPECT_EQ(at(x, y), grey(127)) << x << "," << y;
    for (auto [x, y] : {std::pair{9, 30}, {11, 30}, {71, 30}, {40, 51}}) EXPECT_EQ(at(x, y), kWhite) << x << "," << y;
    EXPECT_EQ(at(10, 30), grey(64));
    EXPECT_EQ(at(40, 30), grey(142));
    EXPECT_EQ(colourAt(s, 40, 30), kBlack) << "other cells stay untouched";
}

TEST(FigurePainter, TheSmallFieldIsFramedEvenWhenUnframedIsAsked) {
    const QImage unframed = painted(240, 120, 1, 0, Figure{kSmallField, kOrange, 0}, 60, false, 2);
    EXPECT_TRUE(unframed == painted(240, 120, 1, 0, Figure{kSmallField, kOrange, 0}, 60, true, 2));
    EXPECT_EQ(colourAt(unframed, 80 + 6, 30), grey(127));
    // The inner square carries the player's colour: 127 * 255 / 191 + 32 at its rim.
    EXPECT_EQ(colourAt(unframed, 80 + 10, 30), rgb(202, 117, 32));
}

TEST(FigurePainter, EachFaceLevelAddsOnlyItsGroupEyesThenBrowsThenAMouth) {
    // Cell height 120: eyes around (64, 48) and (96, 48), brows between the middle line and a
    // quarter of the height, the mouth below the eyes.
    std::vector<QImage> faces;
    for (int level = 0; level <= 3; ++level)
        faces.push_back(painted(160, 120, 0, 0, Figure{kRectangle, kOrange, level}, 120, true, 3));
    EXPECT_GT(qRed(faces[0].pixel(64, 48)), 100) << "level 0 draws no eyes";
    EXPECT_EQ(colourAt(faces[2], 60, 30), grey(90)) << "the brow at 90 degrees";
    struct Region {
        int left, top, right, bottom;
    };
    const Region added[] = {{54, 28, 106, 68}, {53, 30, 108, 60}, {71, 35, 89, 79}};
    for (int level = 1; level <= 3; ++level) {
        const Region& r = added[level - 1];
        int inside = 0, outside = 0;
        for (int y = 0; y < 120; ++y)
            for (int x = 0; x < 160; ++x)
                if (faces[level - 1].pixel(x, y) != faces[level].pixel(x, y))
                    ++(x >= r.left && x <= r.right && y >= r.top && y <= r.bottom ? inside : outside);
        EXPECT_GT(inside, 20) << "level " << level;
        EXPECT_EQ(outside, 0) << "level " << level;
    }
}

TEST(FigurePainter, ShadingCapsComponentsAt255) {
    // The oval's first, smallest ring is shaded to 265 red and 280 green and blue; its largest
    // carries three quarters of the colour (at its bottom, where the next ring stays a row higher).
    const QImage oval = painted(80, 60, 0, 0, Figure{kOval, rgb(200, 0, 0), 0}, 60, true, 1);
    EXPECT_EQ(colourAt(oval, 36, 28), kWhite);
    EXPECT_EQ(colourAt(oval, 40, 41), rgb(150, 0, 0));
}

TEST(FigurePainter, DetailZeroDrawsAsDensityOneAndDensityThickensTheShading) {
    for (int code = kRectangle; code <= kSmallCircles; ++code) {
        const Figure figure{code, kOrange, 3};
        const QImage one = painted(80, 60, 0, 0, figure, 60, true, 1);
        EXPECT_TRUE(painted(80, 60, 0, 0, figure, 60, true, 0) == one) << code;
        EXPECT_FALSE(painted(80, 60, 0, 0, figure, 60, true, 3) == one) << code;
    }
}

// A figure painted unframed, half as large again as its cell, into the middle cell of a picture
// three cells wide and high with the given background.
QImage onBackground(const Figure& figure, double H, int density, Colour back) {
    const double W = H / 3 * 4;
    ImageSurface s(static_cast<int>(std::ceil(3 * W)), static_cast<int>(std::ceil(3 * H)), back);
    RandomSource random(1);
    DRWP2(s, 1, 1, figure, H, false, density, random);
    return s.image();
}

// The pixels that follow the background (they differ between the figure painted on black and on
// white) but that the background cannot reach from the picture's edge without crossing the figure.
int holesIn(const QImage& onBlack, const QImage& onWhite) {
    const int w = onBlack.width(), h = onBlack.height();
    std::vector<char> background(static_cast<std::size_t>(w * h)), reached(background.size());
    std::deque<std::pair<int, int>> todo;
    const auto reach = [&](int x, int y) {
        const auto i = static_cast<std::size_t>(y * w + x);
        if (x < 0 || y < 0 || x >= w || y >= h || !background[i] || reached[i]) return;
        reached[i] = 1;
        todo.emplace_back(x, y);
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            background[static_cast<std::size_t>(y * w + x)] = onBlack.pixel(x, y) != onWhite.pixel(x, y);
    for (int x = 0; x < w; ++x) reach(x, 0), reach(x, h - 1);
    for (int y = 0; y < h; ++y) reach(0, y), reach(w - 1, y);
    for (; !todo.empty(); todo.pop_front()) {
        const auto [x, y] = todo.front();
        reach(x - 1, y), reach(x + 1, y), reach(x, y - 1), reach(x, y + 1);
    }
    int holes = 0;
    for (std::size_t i = 0; i < background.size(); ++i) holes += background[i] && !reached[i];
    return holes;
}

// Neighbouring rings of a design meet, so that no background shows through a figure at any size
// or detail level (the board's smallest cells to the setup window's previews). The small squares
// and circles lie where the random source puts them; this one leaves no gap enclosed between them.
TEST(FigurePainter, NoDesignLeavesAHoleForTheBackgroundToShowThrough) {
    for (int code = kRectangle; code <= kSmallField; ++code)
        for (double H : {15.0, 24.0, 37.0, 60.0, 96.0, 150.0})
            for (int density = 1; density <= 3; ++density) {
                const Figure figure{code, kOrange, 0};
                const int holes =
                    holesIn(onBackground(figure, H, density, kBlack), onBackground(figure, H, density, kWhite));
                EXPECT_EQ(holes, 0) << "design " << code << ", cell height " << H << ", density " << density;
            }
}

// Between neighbouring rings lies the colour of one of them, never a speckle of another: an oval
// darkens steadily from its bright middle to its rim, so no pixel in it is darker than all four of
// its neighbours.
TEST(FigurePainter, AnOvalHasNoSpeckleDarkerThanTheRingsAroundIt) {
    for (double H : {45.0, 90.0})
        for (int density = 1; density <= 3; ++density) {
            const QImage oval = onBackground(Figure{kOval, rgb(0, 127, 225), 0}, H, density, kBlack);
            const auto brightness = [&](int x, int y) {
                const QRgb p = oval.pixel(x, y);
                return qRed(p) + qGreen(p) + qBlue(p);
            };
            int speckles = 0;
            for (int y = 1; y + 1 < oval.height(); ++y)
                for (int x = 1; x + 1 < oval.width(); ++x) {
                    const int b = brightness(x, y);
                    speckles += b < brightness(x - 1, y) && b < brightness(x + 1, y) && b < brightness(x, y - 1) &&
                                b < brightness(x, y + 1);
                }
            EXPECT_EQ(speckles, 0) << "cell height " << H << ", density " << density;
        }
}

TEST(FigurePainter, OnlyCaptionsOneToEightNameAFigureAndStoredDetailLevelsMapOntoFourDensities) {
    EXPECT_EQ(figureCodeOf("8"), kSmallField);
    for (const char* caption : {"", "9", "1a"}) EXPECT_EQ(figureCodeOf(caption), kNoFigure) << caption;
    for (auto [level, detail] : {std::pair{2, 0}, {3, 1}, {10, 3}})
        EXPECT_EQ(figureDetailOfLevel(level), detail) << level;
}

}  // namespace
}  // namespace tallowen
