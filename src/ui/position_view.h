#pragma once

#include <QImage>
#include <QWidget>

namespace tallowen {

// A board picture with the columns' letters above it and the rows' numbers beside it, as the
// review's move list names the cells.
class PositionView : public QWidget {
public:
    explicit PositionView(QWidget* parent);

    void setPicture(const QImage& picture, int side);
    const QImage& picture() const { return picture_; }

    static constexpr int kBoardWidth = 480;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Where the board picture stands in the widget.
    QRect boardRect() const;

    QImage picture_;
    int side_ = 0;
};

}  // namespace tallowen
