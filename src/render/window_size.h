#pragma once

namespace tallowen {

// The game window's height (pixels) when the program starts: 13/15 of the screen's.
double startWindowHeight(double screenHeight);

// "Smaller window" and "Bigger window" change the game window's height by 2/15 of the screen's.
double smallerWindowHeight(double height, double screenHeight);
double biggerWindowHeight(double height, double screenHeight);

// Which of the two commands are enabled for a window of this height: "Bigger window" up to
// 12.5/15 of the screen, "Smaller window" down to 2/15 of the screen plus 420 pixels.
struct WindowSizeCommands {
    bool smaller = true;
    bool bigger = true;
    bool operator==(const WindowSizeCommands&) const = default;
};
WindowSizeCommands windowSizeCommands(double height, double screenHeight);

}  // namespace tallowen
