#include "render/window_size.h"

namespace tallowen {

namespace {

double sizeStep(double screenHeight) { return 2 * screenHeight / 15; }

}  // namespace

double startWindowHeight(double screenHeight) { return 13 * screenHeight / 15; }

double smallerWindowHeight(double height, double screenHeight) { return height - sizeStep(screenHeight); }

double biggerWindowHeight(double height, double screenHeight) { return height + sizeStep(screenHeight); }

WindowSizeCommands windowSizeCommands(double height, double screenHeight) {
    WindowSizeCommands c;
    if (12.5 * screenHeight / 15 < height) c.bigger = false;
    if (height < sizeStep(screenHeight) + 420) c.smaller = false;
    return c;
}

}  // namespace tallowen
