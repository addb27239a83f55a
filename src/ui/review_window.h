#pragma once

#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "opponent/position_valuations.h"
#include "records/game_review.h"
#include "render/position_picture.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace tallowen {

class PositionView;
class ValuationPlot;

// The review of a finished game ("Tallowen - Review"): the list of moves, the board as it stood
// after the chosen one, drawn by the game's painter, and "PC Master"'s valuation after every move
// as a plot. The valuations are made in the background while the window is in use; once all are
// known, the three moves that lost their player the most are marked "the turning point". The
// arrow keys step through the game. "Copy moves" puts the game on the clipboard as one line the
// engine tool replays. The game window is left as it is.
class ReviewWindow : public QWidget {
public:
    explicit ReviewWindow(master::MasterQueue& master);
    ~ReviewWindow() override;

    // Shows the review of `line` in front; the valuations already made of the same game are kept.
    void present(const GameLine& line, const PictureLooks& looks);
    // Shows position `index` (0 the start, k the position after move k) and chooses its entry.
    void choose(std::size_t index);

    const GameReview* review() const { return review_.get(); }
    // "PC Master"'s valuation of each position for player 1, as far as known.
    const std::vector<std::optional<int>>& valuations() const { return values_; }

    QListWidget* moveList() const { return list_; }
    ValuationPlot* plot() const { return plot_; }
    PositionView* board() const { return board_; }
    QLabel* progress() const { return progress_; }
    QLabel* status() const { return status_; }
    QPushButton* copyButton() const { return copy_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // Asks "PC Master" for the valuations not known yet.
    void valueMissing();
    void valued(std::size_t index, int value);
    void showValuations();
    void showStatus();
    void refreshList();
    void step(int by);
    int side() const;

    PositionValuations valuations_;
    std::unique_ptr<GameReview> review_;
    PictureLooks looks_;
    std::vector<std::optional<int>> values_;
    std::vector<std::size_t> turningPoints_;
    std::size_t chosen_ = 0;

    QLabel* result_;
    QListWidget* list_;
    PositionView* board_;
    QLabel* status_;
    ValuationPlot* plot_;
    QLabel* progress_;
    QPushButton* copy_;
};

}  // namespace tallowen
