#pragma once

#include <QColor>
#include <QLineF>
#include <QRectF>
#include <array>
#include <functional>
#include <optional>

#include "ui/picture_box.h"

class QPainter;

namespace tallowen {

// What the board shows over its picture, in layout pixels: the last move's markers, the selection
// frame, the conversion lines and the place where the next key press lands.
struct BoardMarks {
    std::array<QRectF, 3> shapes;  // Shape1, Shape2, Shape3
    QColor selection;              // Shape3's colour: the mover's
    std::array<QLineF, 3> lines;   // Line1(0 ... 2)
    std::array<QColor, 3> lineColours;
    std::array<double, 3> lineWidths{};
    std::optional<QPointF> keyPointer;
    // A hint: its piece framed as the selection is, its target cell marked as a target is.
    std::optional<QRectF> hintSource, hintTarget;
    QColor hintBand, hintOutline;
    bool operator==(const BoardMarks&) const = default;
};

// The board surface PL: the painter's board picture with the marks drawn over it. Mouse presses,
// pointer moves and keys go to the window, which hands them to the game.
class BoardWidget : public PictureBox {
public:
    BoardWidget(QWidget* parent, ImageSurface& surface);

    void setMarks(const BoardMarks& marks);

    std::function<void(QMouseEvent*)> onPress;
    std::function<void(QMouseEvent*)> onHover;
    std::function<void(QKeyEvent*)> onKey;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void updateMarks(const BoardMarks& marks);
    void drawTargetMark(QPainter& painter, const QRectF& cell) const;

    BoardMarks marks_;
};

}  // namespace tallowen
