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
#include "opponent/master/master_queue.h"
#include "opponent/move_search.h"

namespace tallowen {

// A source column that says the source has already been clicked.
inline constexpr float kSourceClicked = -8410;

// The computer player of one game window: PcIQ searches, TimPC plays the chosen move with two
// board clicks, the first about 100 ms after the search and the second 750 ms after that.
// Levels 0 to 3 search at once on the calling thread. Level 4 ("PC Master") searches on a thread
// of its own when given a way to post tasks to the window thread: PcIQ then returns at once, the
// thinking display follows the search's progress, and the result starts TimPC unless the position
// has changed since (the game window's position epoch).
class ComputerOpponent : public ComputerPlayer {
public:
    // Takes over the window's TimPC handler. Without `post`, level 4 searches on the calling
    // thread as the other levels do.
    explicit ComputerOpponent(GameWindow& game, master::PostTask post = {});
    ~ComputerOpponent() override;
    ComputerOpponent(const ComputerOpponent&) = delete;
    ComputerOpponent& operator=(const ComputerOpponent&) = delete;

    bool PcIQ(int player, int level) override;
    // Stops a level-4 search: it plays nothing, and the thinking display ends.
    void cancelThinking() override;

    // The budget of each level-4 move, for both players or for one: 1 s, no node limit, by default.
    void setMasterLimits(const master::Limits& limits) { masterLimits_ = {limits, limits, limits}; }
    void setMasterLimits(int player, const master::Limits& limits) { masterLimits_.at(static_cast<std::size_t>(player)) = limits; }
    // The last level-4 search that delivered its move.
    const std::optional<master::Result>& masterResult() const { return masterResult_; }
    // "PC Master"'s thread, which hints and the review of a finished game ask too.
    master::MasterQueue& master() { return master_; }

    // Called with the source cell just before it is clicked; the window moves the board so that the
    // cell is in view (see bringIntoView).
    void setBringIntoView(std::function<void(int column, int row)> bring) { bringIntoView_ = std::move(bring); }

    // The tables of the last search that ran to its end.
    const Candidates& candidates() const { return *table_; }

    // Column and row of the chosen target and source.
    std::array<float, 2> PcTarget{};
    std::array<float, 2> PcSource{};

private:
    bool startMaster(int player);
    void showMasterProgress(int percent, Colour strip);
    void chooseMove(int sx, int sy, int tx, int ty);
    void TimPC();
    // Ends the thinking display: the strip is cleared, the panel hidden, the title plain.
    void stopThinking();

    GameWindow& game_;
    std::unique_ptr<Candidates> table_;
    std::uint64_t searches_ = 0;
    std::function<void(int, int)> bringIntoView_;
    std::pair<int, int> clickedSource_;
    std::array<master::Limits, 3> masterLimits_;  // index 1 and 2
    std::optional<master::Result> masterResult_;
    int stripFilled_ = 0;
    bool masterThinking_ = false;  // a level-4 search of this player's runs
    master::MasterQueue master_;  // last, so that its thread is stopped before the rest goes
};

// The question "PC Master" is asked for `player` in the game's position: the board, and the
// positions of earlier in the game that had the other player to move.
master::Question masterQuestion(const GameWindow& game, int player, const master::Limits& limits);

// The last move as the window's last-move markers hold it, or none while they are off the board.
std::optional<LastMove> lastMoveOf(const GameWindow& game);

}  // namespace tallowen
