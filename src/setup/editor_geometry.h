#pragma once

#include <string>

#include "engine/colour.h"

namespace tallowen {

// How the editor draws one cell (DRWP3): a black box, and for any cell but a hole a framed board
// square painted over it by the figure painter, tinted for a player's cell.
struct EditorCellDrawing {
    double left = 0, top = 0, right = 0, bottom = 0;  // the black box, corners included
    bool square = false;      // a board square is painted (not for a hole)
    // The figure painter's arguments: cell (x, y) of height cellHeight, face level 0, framed.
    int x = 0, y = 0;
    std::string figureCode;   // "8" for a player's cell, "" for an empty one
    Colour colour = kBlack;
    double cellHeight = 0;
};

EditorCellDrawing DRWP3(int code, int x, int y, int side, double width, double height);

// The editor window's layout for a screen width, in pixels.
struct EditorLayout {
    double areaWidth = 0, areaHeight = 0;      // the drawing area
    double innerWidth = 0, innerHeight = 0;    // the window's inner area
    double nameWidth = 0;                      // Text1
    double spinnerLeft = 0, sideLeft = 0;      // HScroll1, Text2
};

EditorLayout editorLayout(double screenWidth);

}  // namespace tallowen
