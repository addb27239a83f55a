#include "render/figure_painter.h"

#include <array>
#include <charconv>
#include <cmath>
#include <numbers>

#include "render/rounding.h"
#include "render/step_loop.h"

namespace tallowen {

namespace {

// The area a figure is drawn in: the cell itself, or the cell enlarged by half.
struct FigureBox {
    double X, Y, Bw, Bh;
};

Colour grey(double g) {
    const int c = colourComponent(g);
    return rgb(c, c, c);
}

Colour components(double r, double g, double b) {
    return rgb(colourComponent(r), colourComponent(g), colourComponent(b));
}

// The player's colour moving from three quarters of itself towards white as u·k grows.
double shade(int c, double k, double u, double Bw) { return 0.75 * c + (255 - 0.75 * c) / Bw * u * k; }

Colour shaded(Colour colour, double k, double u, double Bw) {
    return components(shade(redOf(colour), k, u, Bw), shade(greenOf(colour), k, u, Bw),
                      shade(blueOf(colour), k, u, Bw));
}

void insetBox(Surface& s, const FigureBox& b, double inset, Colour colour, bool filled) {
    const double x1 = b.X + inset, y1 = b.Y + inset, x2 = b.X + b.Bw - inset, y2 = b.Y + b.Bh - inset;
    if (filled)
        s.filledBox(x1, y1, x2, y2, colour);
    else
        s.box(x1, y1, x2, y2, colour);
}

// The bevelled board square: the background, a grey bevel, then an inner square from dark at its
// rim to lighter in the middle, between two white outlines. Insets are measured with H on both axes.
void boardSquare(Surface& s, const FigureBox& cell) {
    const double H = cell.Bh;
    s.filledBox(cell.X, cell.Y, cell.X + cell.Bw, cell.Y + H, s.backColour());
    insetBox(s, cell, H / 15, grey(127), true);
    forStep(0, H / 3, 1, [&](double t) { insetBox(s, cell, H / 6 + t, grey(64 + 234 * t / H), true); });
    squareOutlines(s, cell.X, cell.Y, cell.Bw, H, kWhite);
}

struct RandomSpot {
    double px = 0, py = 0, f = 0;
};

void rectangle(Surface& s, const FigureBox& b, Colour c, double D) {
    forStep(0, b.Bw / 4, 3 / D, [&](double t) {
        s.filledBox(b.X + b.Bw / 4 + t / 2, b.Y + b.Bw / 4 + t / 4, b.X + 3 * b.Bw / 4 - t, b.Y + b.Bh - b.Bw / 4 - t / 2,
                    shaded(c, 3.5, t, b.Bw));
    });
}

// The designs of nested outlines draw each outline filled, the outermost first, so that it reaches
// in to the next one: neighbouring outlines meet, and every pixel shows the last outline around it.
void triangle(Surface& s, const FigureBox& b, Colour c, double D) {
    forStep(0, b.Bw / 4, 1 / D, [&](double t) {
        const Colour col = shaded(c, 3.5, t, b.Bw);
        const double px = b.X + b.Bw / 4 + t / 2, py = b.Y + b.Bh - b.Bw / 4 - t / 2;
        const double qx = b.X + 3 * b.Bw / 4 - 1.5 * t;
        const double ax = b.X + b.Bw / 3 + t / 10, ay = b.Y + b.Bw / 4 + t / 4;
        const SurfacePoint corners[] = {{px, py}, {qx + 1, py}, {ax, ay}};
        s.filledPolygon(corners, col);
        s.line(px, py, qx, py, col);
        s.line(px, py, ax, ay, col);
        s.line(qx + 1, py, ax, ay, col);
    });
}

void hexagon(Surface& s, const FigureBox& b, Colour c, double D) {
    forStep(0, 3 * b.Bw / 8, 3 / D, [&](double t) {
        const Colour col = shaded(c, 2.5, t, b.Bw);
        const double xL = b.X + b.Bw / 4 + t / 2, xR = b.X + 3 * b.Bw / 4 - t / 2;
        const double yM = b.Y + b.Bh / 2, yT = b.Y + b.Bh / 4 + t / 2, yB = b.Y + 3 * b.Bh / 4 - t / 2;
        const double x1 = b.X + b.Bw / 4 + b.Bh / 4, x2 = b.X + 3 * b.Bw / 4 - b.Bh / 4;
        const SurfacePoint corners[] = {{xL, yM}, {x1, yT}, {x2, yT}, {xR, yM}, {x2, yB}, {x1, yB}};
        s.filledPolygon(corners, col);
        s.line(xL, yM, x1, yT, col);
        s.line(xR, yM, x2, yT, col);
        s.line(xL, yM, x1, yB, col);
        s.line(xR, yM, x2, yB, col);
        s.line(x1, yT + 1, x2 + 2, yT + 1, col);
        s.line(x1, yB - 1, x2 + 2, yB - 1, col);
    });
}

// Eleven places in the middle third of the box; the squares take a size factor as a third draw.
std::array<RandomSpot, 11> randomSpots(const FigureBox& b, bool withSize, RandomSource& random) {
    std::array<RandomSpot, 11> spots;
    for (RandomSpot& spot : spots) {
        spot.px = std::floor(b.X + b.Bw / 3 + random.uniform() * b.Bw / 3);
        spot.py = std::floor(b.Y + b.Bh / 3 + random.uniform() * b.Bh / 3);
        if (withSize) spot.f = 0.3 + 0.2 * random.uniform();
    }
    return spots;
}

// Six squares whose outlines shrink as the loop runs, filled; where squares cross, every pixel
// shows the last outline around it, as outlines without gaps would.
void smallSquares(Surface& s, const FigureBox& b, Colour c, double D, RandomSource& random) {
    const auto spots = randomSpots(b, true, random);
    forStep(b.Bw / 5, 0, -2.5 / D, [&](double t) {
        const double u = b.Bw / 5 - t;
        const Colour col = shaded(c, 3.5, u, b.Bw);
        for (int i = 0; i <= 5; ++i) {
            const RandomSpot& p = spots[static_cast<std::size_t>(i)];
            s.filledBox(p.px - u / 8 - p.f * t, p.py - u / 16 - p.f * t, p.px + u / 16 + p.f * t,
                        p.py - u / 16 + p.f * t, col);
        }
    });
}

// Rings growing from the bright middle outwards, filled from the outermost in.
void oval(Surface& s, const FigureBox& b, Colour c, double D) {
    forStepBackwards(0, b.Bw / 5, 0.5 / D, [&](double t) {
        const double u = b.Bw / 5 - t;
        s.filledEllipse(b.X + b.Bw / 2 - u / 4, b.Y + b.Bh / 2 - u / 8, 4 * t / 3, shaded(c, 5.5, u, b.Bw), 0.5);
    });
}

// Four crossing ellipses whose rings shrink as the loop runs, filled as the small squares.
void star(Surface& s, const FigureBox& b, Colour c, double D) {
    forStep(b.Bw / 5, 0, -1 / D, [&](double t) {
        const double u = b.Bw / 5 - t;
        const Colour col = shaded(c, 5.5, u, b.Bw);
        const double dx = u / 4, dy = u / 8;
        s.filledEllipse(b.X + b.Bw / 3 + b.Bw / 5 - dx, b.Y + b.Bh / 2 - dy, t, col, 2.5);
        s.filledEllipse(b.X + 2 * b.Bw / 3 - b.Bw / 5 - dx, b.Y + b.Bh / 2 - dy, t, col, 2.5);
        s.filledEllipse(b.X + b.Bw / 2 - dx, b.Y + b.Bh / 4 + b.Bh / 5 - dy, t, col, 0.4);
        s.filledEllipse(b.X + b.Bw / 2 - dx, b.Y + 3 * b.Bh / 4 - b.Bh / 5 - dy, t, col, 0.4);
    });
}

// Circles whose rings shrink as the loop runs, filled as the small squares.
void smallCircles(Surface& s, const FigureBox& b, Colour c, double D, RandomSource& random) {
    const auto spots = randomSpots(b, false, random);
    forStep(b.Bw / 5, 0, -2.5 / D, [&](double t) {
        const double u = b.Bw / 5 - t;
        const Colour col = shaded(c, 3.5, u, b.Bw);
        for (const RandomSpot& p : spots) s.filledEllipse(p.px - u / 8, p.py - u / 16, 0.4 * t, col, 1);
    });
}

// A board square's inner part tinted with the player's colour.
void smallField(Surface& s, const FigureBox& b, Colour c) {
    forStep(0, b.Bh / 3, 1, [&](double t) {
        const double g = 127 + 234 * t / b.Bh;
        const Colour col = components(g * redOf(c) / 191 + 32, g * greenOf(c) / 191 + 32, g * blueOf(c) / 191 + 32);
        insetBox(s, b, b.Bh / 6 + t, col, true);
    });
    squareOutlines(s, b.X, b.Y, b.Bw, b.Bh, kWhite);
}

// The marks of a computer player: eyes from level 1, arched brows from 2, a mouth from 3.
void faceMarks(Surface& s, const FigureBox& b, const Figure& figure, double D) {
    if (figure.level >= 1) {
        forStep(0, b.Bh / 6, 0.45 / D, [&](double t) {
            const Colour col = grey(2520 * t / b.Bh);
            s.ellipse(b.X + 0.6 * b.Bw, b.Y + b.Bh / 2.5, t, col, 2);
            s.ellipse(b.X + 0.4 * b.Bw, b.Y + b.Bh / 2.5, t, col, 2);
        });
    }
    if (figure.level >= 2) {
        const auto arch = [&](double a) {
            return b.Y + b.Bh / 2 - 0.25 * b.Bh * std::abs(std::sin(a * std::numbers::pi / 180));
        };
        forStep(60, 300, 5, [&](double a) {
            s.box(b.X + b.Bw / 4 + b.Bw * a / 720, arch(a), b.X + b.Bw / 4 + b.Bw * (a + 5) / 720, arch(a + 5),
                  grey(std::abs(a - 180)));
        });
    }
    if (figure.level >= 3) {
        const Colour c = figure.colour;
        forStep(b.Bh / 3.5, 0, -0.45 / D, [&](double t) {
            const Colour col = components(255 - shade(redOf(c), 3, t, b.Bw), 255 - shade(greenOf(c), 3, t, b.Bw),
                                          255 - shade(blueOf(c), 3, t, b.Bw));
            s.ellipse(b.X + b.Bw / 2, b.Y + b.Bh / 3 + t, t / 4, col, 0.5);
        });
    }
}

}  // namespace

int figureCodeOf(const std::string& caption) {
    int code = 0;
    const char* end = caption.data() + caption.size();
    auto [ptr, ec] = std::from_chars(caption.data(), end, code);
    if (ec != std::errc() || ptr != end || code < kRectangle || code > kSmallField) return kNoFigure;
    return code;
}

int figureDetailOfLevel(int level) { return roundHalfEven((level - 1) / 3.0); }

int densityOf(int figureDetail) { return figureDetail >= 1 ? figureDetail : 1; }

void squareOutlines(Surface& target, double x0, double y0, double W, double H, Colour colour) {
    for (double inset : {H / 6 + 1, H / 6 - 1}) target.box(x0 + inset, y0 + inset, x0 + W - inset, y0 + H - inset, colour);
}

void DRWP2(Surface& target, double x, double y, const Figure& figure, double H, bool framed, int density,
           RandomSource& random) {
    const double D = densityOf(density);
    const double W = H / 3 * 4;
    const double x0 = x * W, y0 = y * H;
    FigureBox box{x0, y0, W, H};
    if (framed || figure.code == kSmallField) {
        boardSquare(target, box);
    } else {
        target.filledBox(x0, y0, x0 + W, y0 + H, target.backColour());
        box.Bw = 1.5 * W;
        box.Bh = 1.5 * H;
        box.X = x0 - box.Bw / 6;
        box.Y = y0 - box.Bh / 6;
    }

    const Colour c = figure.colour;
    switch (figure.code) {
        case kRectangle: rectangle(target, box, c, D); break;
        case kTriangle: triangle(target, box, c, D); break;
        case kHexxagon: hexagon(target, box, c, D); break;
        case kSmallSquares: smallSquares(target, box, c, D, random); break;
        case kOval: oval(target, box, c, D); break;
        case kStar: star(target, box, c, D); break;
        case kSmallCircles: smallCircles(target, box, c, D, random); break;
        case kSmallField: smallField(target, box, c); break;
        default: break;
    }
    faceMarks(target, box, figure, D);
    target.refresh();
}

}  // namespace tallowen
