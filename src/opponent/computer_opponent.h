#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

#include "engine/computer_player.h"
#include "engine/game_window.h"
#include "opponent/candidates.h"
#include "opponent/move_search.h"

namespace tallowen {

// A source column that says the source has already been clicked.
inline constexpr float kSourceClicked = -8410;

// The computer player of one game window: PcIQ searches, TimPC plays the chosen move with two
// board clicks, the first about 100 ms after the search and the second 750 ms after that.
class ComputerOpponent : public ComputerPlayer {
public:
    // Takes over the window's TimPC handler.
    explicit ComputerOpponent(GameWindow& game);
    ~ComputerOpponent() override;
    ComputerOpponent(const ComputerOpponent&) = delete;
    ComputerOpponent& operator=(const ComputerOpponent&) = delete;

    bool PcIQ(int player, int level) override;

    // Called with the source cell just before it is clicked; the window moves the board so that the
    // cell is in view (see bringIntoView).
    void setBringIntoView(std::function<void(int column, int row)> bring) { bringIntoView_ = std::move(bring); }

    // The tables of the last search that ran to its end.
    const Candidates& candidates() const { return *table_; }

    // Column and row of the chosen target and source.
    std::array<float, 2> PcTarget{};
    std::array<float, 2> PcSource{};

private:
    void TimPC();
    // Ends the thinking display: the strip is cleared, the panel hidden, the title plain.
    void stopThinking();

    GameWindow& game_;
    std::unique_ptr<Candidates> table_;
    std::uint64_t searches_ = 0;
    std::function<void(int, int)> bringIntoView_;
    std::pair<int, int> clickedSource_;
};

// The last move as the window's last-move markers hold it, or none while they are off the board.
std::optional<LastMove> lastMoveOf(const GameWindow& game);

}  // namespace tallowen
