#include "setup/editor_geometry.h"

#include "setup/field_editor.h"

namespace tallowen {

EditorCellDrawing DRWP3(int code, int x, int y, int side, double width, double height) {
    EditorCellDrawing d;
    const double w = (width - 1) / side;
    const double h = (height - 1) / side;
    d.left = x * w;
    d.top = y * h;
    d.right = (x + 1) * w - 1;
    d.bottom = (y + 1) * h - 1;
    d.square = code != kEditorHole;
    d.x = x;
    d.y = y;
    if (code == kEditorPlayer1) {
        d.figureCode = "8";
        d.colour = rgb(255, 127, 0);
    } else if (code == kEditorPlayer2) {
        d.figureCode = "8";
        d.colour = rgb(0, 127, 255);
    }
    d.cellHeight = height / side;
    return d;
}

EditorLayout editorLayout(double screenWidth) {
    EditorLayout l;
    l.areaWidth = screenWidth / 1.5;
    l.areaHeight = 0.75 * l.areaWidth;
    l.innerWidth = l.areaWidth + 8;
    l.innerHeight = l.areaHeight + 56;
    l.nameWidth = l.areaWidth - 56;
    l.spinnerLeft = l.areaWidth - 48;
    l.sideLeft = l.areaWidth - 32;
    return l;
}

}  // namespace tallowen
