#pragma once

#include <array>

namespace tallowen {

// A control's place in its parent, in pixels.
struct PixelRect {
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;

    double right() const { return Left + Width; }
    double bottom() const { return Top + Height; }
};

struct LineSegment {
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
};

// What the game window's layout depends on: its inner height and the screen.
struct LayoutInput {
    double innerHeight = 0;  // pixels
    double screenWidth = 0;  // pixels
    double screenHeight = 0;
    double twipsPerPixelX = 15;
    double twipsPerPixelY = 15;
};

// Every place Rozmery settles. Window position and size are in twips, everything else in pixels;
// Picture3 and Picture9 are placed inside PLNP.
struct WindowLayout {
    PixelRect Picture11, Picture4;
    std::array<double, 7> Picture12Left{};  // title-bar button frames by index
    PixelRect Picture5, PLNP, Picture1;
    PixelRect Image3, Image5, Image6, Image7, Image8, Image9, Image10, Image11, Image12, Image13, Image14;
    PixelRect Picture3, Picture9;
    std::array<LineSegment, 4> Lin;
    double PL1SWidth = 0, PL2SWidth = 0, Label5Width = 0, Label6Width = 0, Label6Left = 0, Label7Width = 0;
    double Left = 0, Top = 0, Width = 0, Height = 0;  // twips
};

// The game window at its design size: 13/15 of a 1080-pixel screen high.
inline constexpr double kDesignScreenHeight = 1080;
inline constexpr double kDesignInnerHeight = kDesignScreenHeight * 13 / 15;

// A window of this inner height on a 16:9 screen 1080 pixels high.
inline LayoutInput onDesignScreen(double innerHeight) {
    LayoutInput in;
    in.innerHeight = innerHeight;
    in.screenWidth = kDesignScreenHeight * 16 / 9;
    in.screenHeight = kDesignScreenHeight;
    return in;
}

// Lays the window out from its inner height: the board area takes all the height the fixed parts
// leave, at 4:3, and the width follows. Ends by centring the window (Vycentrovat).
WindowLayout Rozmery(const LayoutInput& in);

// Centres the window on the screen, keeping 32 pixels clear for a bottom task bar.
void Vycentrovat(WindowLayout& layout, const LayoutInput& in);

// The thinking panel's left edge inside PLNP while `player` moves: near player 1's side or
// player 2's.
double thinkingPanelLeft(const WindowLayout& layout, int player);

}  // namespace tallowen
