#include "engine/keyboard.h"

#include <initializer_list>

#include "engine/rounding.h"

namespace tallowen {

namespace {

bool isOneOf(int key, std::initializer_list<int> keys) {
    for (int k : keys)
        if (k == key) return true;
    return false;
}

}  // namespace

KeyAction PL_KeyDown(int key, int pointerX, int pointerY, double CellW, double CellH, bool humanMover) {
    KeyAction a;
    double x = pointerX;
    double y = pointerY;
    // Left, right, up and down are tested one after the other, so a diagonal keypad key moves both ways.
    if (isOneOf(key, {37, 103, 100, 97})) x = roundHalfEven(x - CellW / 4);
    if (isOneOf(key, {39, 105, 102, 99})) x = roundHalfEven(x + CellW / 4);
    if (isOneOf(key, {38, 105, 104, 103})) y = roundHalfEven(y - CellH / 4);
    if (isOneOf(key, {40, 99, 98, 97})) y = roundHalfEven(y + CellH / 4);
    a.x = static_cast<int>(x);
    a.y = static_cast<int>(y);
    a.press = isOneOf(key, {45, 32, 101, 96});
    if (humanMover) {
        a.toggleMusic = key == 72;
        a.undo = key == 90;
    }
    return a;
}

}  // namespace tallowen
