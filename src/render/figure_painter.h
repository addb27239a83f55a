#pragma once

#include <string>

#include "engine/colour.h"
#include "engine/random_source.h"
#include "render/surface.h"

namespace tallowen {

// Figure codes, as the looks' caption holds them; anything else draws no figure.
enum FigureCode {
    kNoFigure = 0,
    kRectangle = 1,
    kTriangle = 2,
    kHexxagon = 3,
    kSmallSquares = 4,
    kOval = 5,
    kStar = 6,
    kSmallCircles = 7,
    kSmallField = 8,
};

// The figure code a caption names: "1" ... "8", or kNoFigure.
int figureCodeOf(const std::string& caption);

// FigureDetail from the stored detail level 1 ... 10: (level - 1) / 3, rounded halves to even.
int figureDetailOfLevel(int level);

// The shading density for a FigureDetail. Detail 0 (levels 1 and 2) draws as density 1 rather
// than dividing the shading steps by zero.
int densityOf(int figureDetail);

// What to paint in a cell: the design, the player's colour and the face level 0 ... 4 (a computer
// player's strength; 4 wears the marks of 3).
struct Figure {
    int code = kNoFigure;
    Colour colour = kBlack;
    int level = 0;
};

// DRWP2: paints a figure into cell (x, y) of cell height H (cells are H / 3 * 4 wide). Framed, or
// for the small field always, the cell gets the bevelled board square with the figure on it;
// otherwise the cell is cleared and the figure drawn half as large again, centred on it. Shading
// steps are divided by the density. The small squares and small circles take new random places
// from `random` on every call. Ends with a refresh of the target.
void DRWP2(Surface& target, double x, double y, const Figure& figure, double H, bool framed, int density,
           RandomSource& random);

// The two white outlines between a board square's bevel and its inner square, inset H / 6 + 1 and
// H / 6 - 1 from the cell at (x0, y0) of width W.
void squareOutlines(Surface& target, double x0, double y0, double W, double H, Colour colour);

}  // namespace tallowen
