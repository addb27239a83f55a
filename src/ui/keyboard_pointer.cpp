#include "ui/keyboard_pointer.h"

#include <QCursor>

namespace tallowen {

int keyCodeOf(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::KeypadModifier) {
        if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return 96 + (qtKey - Qt::Key_0);
        // The keypad without Num Lock: its keys by their place.
        switch (qtKey) {
            case Qt::Key_Insert: return 96;
            case Qt::Key_End: return 97;
            case Qt::Key_Down: return 98;
            case Qt::Key_PageDown: return 99;
            case Qt::Key_Left: return 100;
            case Qt::Key_Clear: return 101;
            case Qt::Key_Right: return 102;
            case Qt::Key_Home: return 103;
            case Qt::Key_Up: return 104;
            case Qt::Key_PageUp: return 105;
            default: return -1;
        }
    }
    switch (qtKey) {
        case Qt::Key_Left: return 37;
        case Qt::Key_Up: return 38;
        case Qt::Key_Right: return 39;
        case Qt::Key_Down: return 40;
        case Qt::Key_Insert: return 45;
        case Qt::Key_Space: return 32;
        case Qt::Key_H: return 72;
        case Qt::Key_Z: return 90;
        default: return -1;
    }
}

QPoint KeyboardPointer::current(const QWidget& board) const {
    if (place_) return *place_;
    const QPoint real = QCursor::pos();
    if (board.rect().contains(board.mapFromGlobal(real))) return real;
    return board.mapToGlobal(board.rect().center());
}

void KeyboardPointer::moveTo(QPoint global) {
    place_ = global;
    byKeys_ = true;
    QCursor::setPos(global);
}

void KeyboardPointer::seen(QPoint global) {
    if (byKeys_ && place_ == global) return;
    place_ = global;
    byKeys_ = false;
}

std::optional<QPoint> KeyboardPointer::marked() const {
    if (!byKeys_) return std::nullopt;
    return place_;
}

}  // namespace tallowen
