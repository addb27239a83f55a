#pragma once

#include <QLabel>
#include <QWidget>
#include <functional>

#include "engine/game_window.h"
#include "render/board_painter.h"
#include "ui/edged_label.h"
#include "ui/picture_box.h"

namespace tallowen {

// The panels of the game window that show the model's labels over the painter's pictures. Each
// mirrors its part of the game after every event.

// The upper panel Picture5: the players' figures, their names Label5 and Label6, their clocks
// Label3(1) and Label3(2), and the turn Label7.
class PlayersPanel : public PictureBox {
public:
    PlayersPanel(QWidget* parent, BoardPainter& painter);
    void mirror(const GameWindow& game);

private:
    BoardPainter& painter_;
    EdgedLabel name1_, name2_, clock1_, clock2_, turn_;
};

// The lower panel Picture1: the score bar with the counts PL1S and PL2S and the lead PLS on the
// bar's split point.
class ScorePanel : public PictureBox {
public:
    ScorePanel(QWidget* parent, BoardPainter& painter);
    void mirror(const GameWindow& game);

private:
    BoardPainter& painter_;
    EdgedLabel count1_, count2_, lead_;
};

// The thinking panel Picture9: the percentage Label1 over the progress strip PPru.
class ThinkingPanel : public QWidget {
public:
    ThinkingPanel(QWidget* parent, BoardPainter& painter);
    void mirror(const GameWindow& game);
    PictureBox& strip() { return strip_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel percentage_;
    PictureBox strip_;
};

// The result panel Picture3: the winner's figure Picture6 and the winner Check3.
class ResultPanel : public QWidget {
public:
    ResultPanel(QWidget* parent, BoardPainter& painter);
    void mirror(const GameWindow& game);
    PictureBox& figure() { return figure_; }
    // A click on the panel (the review of the finished game).
    void setOnClick(std::function<void()> onClick) { onClick_ = std::move(onClick); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::function<void()> onClick_;
    PictureBox figure_;
    QLabel winner_;
};

// Shows a label's caption, colour and visibility.
void mirrorLabel(QLabel& shown, const Label& label);

}  // namespace tallowen
