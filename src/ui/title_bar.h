#pragma once

#include <QImage>
#include <QLabel>
#include <QPoint>
#include <QWidget>
#include <array>

#include "render/window_layout.h"
#include "ui/picture_button.h"

namespace tallowen {

// The game window's own title bar (Picture11, and Picture4 while the window is inactive): a
// gradient with the caption Label2 and the picture buttons Picture13(0 ... 6), the "Can't undo"
// cover Picture13(7) lying over the undo button. Dragging it moves the window.
class TitleBar : public QWidget {
public:
    static constexpr int kButtons = 8;
    static constexpr int kCantUndo = 7;
    static constexpr int kUndo = 5;

    explicit TitleBar(QWidget* window);

    PictureButton& button(int index) { return *buttons_[static_cast<std::size_t>(index)]; }
    QLabel& caption() { return caption_; }

    // Places the bar, its caption and its buttons as the layout says.
    void place(const WindowLayout& layout);
    void setLooks(const QImage& active, const QImage& inactive);
    void setActive(bool active);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QLabel caption_;
    std::array<PictureButton*, kButtons> buttons_{};
    QImage active_, inactive_;
    bool isActive_ = true;
    // A drag by hand, where the platform does not move the window itself: the pointer's last place.
    enum class Drag { None, Starting, ByHand } drag_ = Drag::None;
    QPoint dragFrom_;
};

}  // namespace tallowen
