#include "opponent/bring_into_view.h"

namespace tallowen {

double bringIntoViewOffset(double frame, double board, double cell, int side, int sourceCell) {
    double offset = frame - (sourceCell + 0.5) * cell - side * cell / 4;
    if (offset < frame - board) offset = frame - board;
    if (offset >= 0) offset = 0;
    return offset;
}

BoardPlacement bringIntoView(double frameW, double frameH, double boardW, double boardH, double CellW,
                             double CellH, int side, int sourceColumn, int sourceRow) {
    return {bringIntoViewOffset(frameW, boardW, CellW, side, sourceColumn),
            bringIntoViewOffset(frameH, boardH, CellH, side, sourceRow)};
}

}  // namespace tallowen
