#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "pixels.h"
#include "render/image_surface.h"

namespace tallowen {
namespace {

using test::pixelAt;

constexpr Colour kBack = rgb(0, 0, 40);
constexpr Colour kInk = rgb(200, 10, 60);

// The bounding box of every pixel that is not the background.
struct Extent {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
};

Extent inkExtent(ImageSurface& s) {
    Extent e;
    for (int y = 0; y < s.innerHeight(); ++y)
        for (int x = 0; x < s.innerWidth(); ++x)
            if (s.point(x, y) != kBack) {
                e.left = std::min(e.left, x);
                e.right = std::max(e.right, x);
                e.top = std::min(e.top, y);
                e.bottom = std::max(e.bottom, y);
            }
    return e;
}

TEST(ImageSurface, BoxesIncludeBothCornersRoundedHalvesToEven) {
    ImageSurface s(20, 20, kBack);
    s.filledBox(1.5, 2.5, 3.5, 4.5, kInk);  // 1.5 -> 2, 2.5 -> 2, 3.5 -> 4, 4.5 -> 4
    const Extent e = inkExtent(s);
    EXPECT_EQ(e.left, 2);
    EXPECT_EQ(e.top, 2);
    EXPECT_EQ(e.right, 4);
    EXPECT_EQ(e.bottom, 4);

    ImageSurface outline(20, 20, kBack);
    outline.box(12, 12, 3, 5, kInk);  // corners in any order
    EXPECT_EQ(pixelAt(outline, 3, 5), kInk);
    EXPECT_EQ(pixelAt(outline, 12, 12), kInk);
    EXPECT_EQ(pixelAt(outline, 7, 5), kInk);
    EXPECT_EQ(pixelAt(outline, 3, 9), kInk);
    EXPECT_EQ(pixelAt(outline, 7, 9), kBack) << "an outline leaves the inside alone";
    EXPECT_EQ(pixelAt(outline, 13, 12), kBack);
}

TEST(ImageSurface, EllipseFollowsTheAspectRuleAndIsNeverFilled) {
    struct Case {
        double aspect;
        int rx, ry;
    };
    for (const Case c : {Case{0.5, 20, 10}, Case{2, 10, 20}, Case{1, 20, 20}, Case{0.4, 20, 8}}) {
        ImageSurface s(100, 100, kBack);
        s.ellipse(50.4, 49.6, 20, kInk, c.aspect);
        const Extent e = inkExtent(s);
        EXPECT_EQ(e.left, 50 - c.rx) << c.aspect;
        EXPECT_EQ(e.right, 50 + c.rx) << c.aspect;
        EXPECT_EQ(e.top, 50 - c.ry) << c.aspect;
        EXPECT_EQ(e.bottom, 50 + c.ry) << c.aspect;
        EXPECT_EQ(pixelAt(s, 50, 50), kBack) << c.aspect;
    }
    ImageSurface dot(10, 10, kBack);
    dot.ellipse(4, 4, 0.2, kInk, 1);
    EXPECT_EQ(pixelAt(dot, 4, 4), kInk) << "a vanishing ellipse is a dot";
}

// Whether the background around (x, y) is closed in by ink, four-connected, inside the picture.
bool enclosed(ImageSurface& s, int x, int y) {
    std::vector<std::pair<int, int>> todo{{x, y}};
    std::set<std::pair<int, int>> seen;
    while (!todo.empty()) {
        auto [px, py] = todo.back();
        todo.pop_back();
        if (!seen.insert({px, py}).second) continue;
        const auto c = s.point(px, py);
        if (!c) return false;
        if (*c != kBack) continue;
        todo.insert(todo.end(), {{px + 1, py}, {px - 1, py}, {px, py + 1}, {px, py - 1}});
    }
    return true;
}

TEST(ImageSurface, EllipseOutlinesAreClosedAndSymmetric) {
    for (double radius : {2.0, 3.4, 7.0, 19.6, 40.0})
        for (double aspect : {0.3, 0.5, 1.0, 2.0, 2.5}) {
            ImageSurface s(101, 101, kBack);
            s.ellipse(50, 50, radius, kInk, aspect);
            EXPECT_TRUE(enclosed(s, 50, 50)) << radius << " " << aspect;
            for (int y = 0; y < 101; ++y)
                for (int x = 0; x < 101; ++x)
                    ASSERT_EQ(s.point(x, y), s.point(100 - x, y)) << radius << " " << aspect << " " << x << "," << y;
        }
    ImageSurface edge(30, 30, kBack);
    edge.ellipse(2, 28, 10, kInk, 1);  // mostly outside: clipped, not wrapped
    EXPECT_EQ(pixelAt(edge, 12, 28), kInk);
    EXPECT_EQ(pixelAt(edge, 29, 27), kBack);
    EXPECT_EQ(pixelAt(edge, 0, 27), kBack);
}

TEST(ImageSurface, DrawsOnlyThePrimitivesColourWithoutAntialiasing) {
    ImageSurface s(60, 60, kBack);
    s.line(3.3, 4.7, 55.2, 41.9, kInk);
    s.ellipse(30, 30, 17.3, kInk, 0.7);
    int inked = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x) {
            const Colour c = pixelAt(s, x, y);
            ASSERT_TRUE(c == kBack || c == kInk) << x << "," << y;
            inked += c == kInk;
        }
    EXPECT_GT(inked, 100);
    EXPECT_EQ(pixelAt(s, 3, 5), kInk);
    EXPECT_EQ(pixelAt(s, 55, 42), kInk);
}

TEST(ImageSurface, PointsKeepRedInTheLowByteAndOutsideHasNoColour) {
    ImageSurface s(8, 6, kBack);
    s.setPoint(2, 3, rgb(10, 20, 30));
    EXPECT_EQ(s.point(2, 3), rgb(10, 20, 30));
    const QRgb raw = s.image().pixel(2, 3);
    EXPECT_EQ(qRed(raw), 10);
    EXPECT_EQ(qBlue(raw), 30);
    EXPECT_FALSE(s.point(8, 0).has_value());
    EXPECT_FALSE(s.point(0, 6).has_value());
    EXPECT_FALSE(s.point(-1, 0).has_value());
    s.setPoint(8, 0, kInk);  // ignored
    s.filledBox(-50, -50, 500, 500, kInk);  // clipped
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
    s.filledBox(0, 0, 9, 9, kWhite);
    s.ellipse(5, 5, 3, kBack, 1);
    EXPECT_EQ(qRed(before.pixel(5, 5)), 200);
    EXPECT_EQ(qRed(before.pixel(5, 2)), 200);
    EXPECT_EQ(s.point(5, 5), kWhite);
    s.refresh();
    EXPECT_EQ(refreshes, 1);
    s.resize(4, 3);
    EXPECT_EQ(s.innerWidth(), 4);
    EXPECT_EQ(s.point(3, 2), kBack);
}

}  // namespace
}  // namespace tallowen
