#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <vector>

#include "render/image_surface.h"

namespace tallowen {
namespace {

constexpr Colour kBack = rgb(0, 0, 40);
constexpr Colour kInk = rgb(200, 10, 60);

// The bounding box of every pixel that is not the background: left, top, right, bottom.
std::array<int, 4> inkExtent(const ImageSurface& s) {
    std::array<int, 4> e{1 << 20, 1 << 20, -1, -1};
    for (int y = 0; y < s.innerHeight(); ++y)
        for (int x = 0; x < s.innerWidth(); ++x)
            if (s.point(x, y) != kBack)
                e = {std::min(e[0], x), std::min(e[1], y), std::max(e[2], x), std::max(e[3], y)};
    return e;
}

// Whether the background around (x, y) is closed in by ink, four-connected, inside the picture.
bool enclosed(const ImageSurface& s, int x, int y) {
    std::vector<std::pair<int, int>> todo{{x, y}};
    std::set<std::pair<int, int>> seen;
    while (!todo.empty()) {
        auto [px, py] = todo.back();
        todo.pop_back();
        if (!seen.insert({px, py}).second) continue;
        const auto c = s.point(px, py);
        if (!c) return false;
        if (*c == kBack) todo.insert(todo.end(), {{px + 1, py}, {px - 1, py}, {px, py + 1}, {px, py - 1}});
    }
    return true;
}

TEST(ImageSurface, BoxesIncludeBothCornersRoundedHalvesToEven) {
    ImageSurface s(20, 20, kBack);
    s.filledBox(1.5, 2.5, 3.5, 4.5, kInk);  // 1.5 -> 2, 2.5 -> 2, 3.5 -> 4, 4.5 -> 4
    EXPECT_EQ(inkExtent(s), (std::array<int, 4>{2, 2, 4, 4}));

    ImageSurface outline(20, 20, kBack);
    outline.box(12, 12, 3, 5, kInk);  // corners in any order
    EXPECT_EQ(outline.point(7, 9), kBack) << "an outline leaves the inside alone";
    EXPECT_EQ(inkExtent(outline), (std::array<int, 4>{3, 5, 12, 12}));
}

TEST(ImageSurface, EllipsesFollowTheAspectRuleAndAreClosedSymmetricUnfilledOutlines) {
    struct Case {
        double radius, aspect;
        int rx, ry;
    };
    // Radii that round half to even: 2.5 -> 2, 3.5 -> 4.
    for (const Case c : {Case{20, 0.5, 20, 10}, Case{20, 2, 10, 20}, Case{5, 0.5, 5, 2}, Case{7, 0.5, 7, 4}}) {
        ImageSurface s(101, 101, kBack);
        s.ellipse(50, 50, c.radius, kInk, c.aspect);
        EXPECT_EQ(inkExtent(s), (std::array<int, 4>{50 - c.rx, 50 - c.ry, 50 + c.rx, 50 + c.ry})) << c.radius;
        EXPECT_TRUE(enclosed(s, 50, 50)) << c.radius << " " << c.aspect;
        for (int y = 0; y < 101; ++y)
            for (int x = 0; x < 101; ++x) {
                ASSERT_TRUE(s.point(x, y) == kBack || s.point(x, y) == kInk) << "no antialiasing";
                ASSERT_EQ(s.point(x, y), s.point(100 - x, y)) << c.radius << " " << c.aspect << " " << x << "," << y;
            }
    }
    ImageSurface edge(30, 30, kBack);
    edge.ellipse(2, 28, 10, kInk, 1);  // mostly outside: clipped, not wrapped
    EXPECT_EQ(edge.point(12, 28), kInk);
    EXPECT_EQ(edge.point(29, 27), kBack);
    EXPECT_EQ(edge.point(0, 27), kBack);
    edge.ellipse(4.5, 4.5, 0.2, kInk, 1);
    EXPECT_EQ(edge.point(4, 4), kInk) << "a vanishing ellipse is a dot at the rounded centre";
}

// Filled shapes: an ellipse is its outline and everything inside it, clipped at the picture's
// edges; a polygon covers the pixels whose middles lie inside it.
TEST(ImageSurface, FilledEllipsesAreTheirOutlineAndItsInsideAndPolygonsTheirInside) {
    for (const double aspect : {0.5, 1.0, 2.5})
        for (const double radius : {1.0, 4.0, 13.0}) {
            ImageSurface outline(41, 41, kBack), filled(41, 41, kBack);
            outline.ellipse(20, 20, radius, kInk, aspect);
            filled.filledEllipse(20, 20, radius, kInk, aspect);
            for (int y = 0; y < 41; ++y) {
                int first = 41, last = -1;
                for (int x = 0; x < 41; ++x)
                    if (outline.point(x, y) == kInk) first = std::min(first, x), last = std::max(last, x);
                for (int x = 0; x < 41; ++x)
                    ASSERT_EQ(filled.point(x, y), x >= first && x <= last ? kInk : kBack)
                        << radius << " " << aspect << " at " << x << "," << y;
            }
        }
    ImageSurface edge(10, 10, kBack);
    edge.filledEllipse(-3, 12, 8, kInk, 1);
    EXPECT_EQ(edge.point(0, 9), kInk);
    EXPECT_EQ(edge.point(9, 0), kBack);

    ImageSurface triangle(10, 10, kBack);
    const SurfacePoint corners[] = {{1, 1}, {8.5, 1}, {1, 8}};  // 8.5 rounds to 8
    triangle.filledPolygon(corners, kInk);
    EXPECT_EQ(inkExtent(triangle), (std::array<int, 4>{1, 1, 7, 7}));
    EXPECT_EQ(triangle.point(2, 2), kInk);
    EXPECT_EQ(triangle.point(6, 6), kBack);
}

TEST(ImageSurface, PointsOutsideHaveNoColourAndDrawingIsClipped) {
    ImageSurface s(8, 6, kBack);
    s.setPoint(2, 3, rgb(10, 20, 30));
    EXPECT_EQ(s.point(2, 3), rgb(10, 20, 30));
    EXPECT_EQ(qRed(s.image().pixel(2, 3)), 10);
    for (auto [x, y] : {std::pair{8, 0}, {0, 6}}) EXPECT_FALSE(s.point(x, y).has_value()) << x << "," << y;
    s.filledBox(-50, -50, 500, 500, kInk);
    EXPECT_EQ(s.point(7, 5), kInk);
    s.clear();
    EXPECT_EQ(s.point(7, 5), kBack);
}

TEST(ImageSurface, ACopyOfTheImageKeepsItsPixelsAndRefreshReachesTheWindow) {
    ImageSurface s(10, 10, kBack);
    int refreshes = 0;
    s.setOnRefresh([&] { ++refreshes; });
    s.filledBox(0, 0, 9, 9, kInk);
    const QImage before = s.image();
    s.ellipse(5, 5, 3, kBack, 1);
    s.filledBox(0, 0, 9, 4, kWhite);
    EXPECT_EQ(s.image().pixel(5, 8), qRgb(0, 0, 40)) << "the ellipse reached the picture";
    for (auto [x, y] : {std::pair{5, 8}, {5, 2}}) EXPECT_EQ(before.pixel(x, y), qRgb(200, 10, 60)) << x << "," << y;
    s.refresh();
    EXPECT_EQ(refreshes, 1);
}

}  // namespace
}  // namespace tallowen
