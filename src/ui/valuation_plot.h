#pragma once

#include <QColor>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

namespace tallowen {

// "PC Master"'s valuation after every move of a game, drawn with QPainter: player 1's lead up in
// player 1's colour, player 2's down in player 2's; the chosen position as a vertical line and
// the turning points as red marks. A click or a drag chooses the position under the pointer.
class ValuationPlot : public QWidget {
public:
    struct Series {
        std::vector<std::optional<int>> values;  // plotted values a position, as far as known
        int range = 1;                           // the most a value can be either way
        QColor colour1, colour2;
        QString name1, name2;  // shown at the top and the bottom
        std::vector<std::size_t> turningPoints;  // moves: from position k to k + 1
    };

    explicit ValuationPlot(QWidget* parent);

    void setSeries(const Series& series);
    void setChosen(std::size_t position);
    void setOnChoose(std::function<void(std::size_t position)> onChoose) { onChoose_ = std::move(onChoose); }

    // The place on the plot of a position and a value, in widget pixels.
    QPointF placeOf(std::size_t position, double value) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QRectF area() const;
    void chooseAt(double x);

    Series series_;
    std::size_t chosen_ = 0;
    std::function<void(std::size_t)> onChoose_;
};

}  // namespace tallowen
