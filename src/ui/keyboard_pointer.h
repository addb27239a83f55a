#pragma once

#include <QPoint>
#include <QWidget>
#include <optional>

namespace tallowen {

// The key code the board's keyboard handling knows a key by (37 ... 40 the arrows, 45 Insert, 32
// Space, 96 ... 105 the keypad's digits, 72 "H", 90 "Z"), or -1 for a key it ignores.
int keyCodeOf(int qtKey, Qt::KeyboardModifiers modifiers);

// Where the keyboard's presses land on the board. The keys move the real pointer where the
// platform allows a program to, and keep a place of their own that the board marks, so the next
// press is always visible even where the real pointer cannot be moved.
class KeyboardPointer {
public:
    // The place, in global coordinates, that the next key starts from: the last place known (the
    // keys' own, or the real pointer seen over the board), else the real pointer when it lies over
    // the board, else the board's centre.
    QPoint current(const QWidget& board) const;
    // The keys moved the place here.
    void moveTo(QPoint global);
    // The real pointer was seen over the board. The echo of a move made by the keys is not the
    // person's own move.
    void seen(QPoint global);
    // The place the board marks, or nothing while the real pointer shows it.
    std::optional<QPoint> marked() const;

private:
    std::optional<QPoint> place_;
    bool byKeys_ = false;
};

}  // namespace tallowen
