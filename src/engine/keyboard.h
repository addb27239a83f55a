#pragma once

namespace tallowen {

// What one key on the board does: where the screen pointer goes, and whether the key presses the
// mouse button there, toggles the music window or undoes.
struct KeyAction {
    int x = 0;
    int y = 0;
    bool press = false;
    bool toggleMusic = false;
    bool undo = false;
};

// PL_KeyDown as a pure function of the key code, the pointer position in pixels, the cell size and
// whether the player to move is a person.
KeyAction PL_KeyDown(int keyCode, int pointerX, int pointerY, double CellW, double CellH, bool humanMover);

}  // namespace tallowen
