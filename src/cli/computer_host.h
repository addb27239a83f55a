#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <ostream>
#include <string>

#include "engine/board_view.h"
#include "engine/game_window.h"
#include "eventloop/qt_timer_driver.h"
#include "net/host_session.h"
#include "opponent/computer_opponent.h"

namespace tallowen::cli {

// What the computer host plays: its level, the game it hands over and how many games it plays.
struct HostedGame {
    int level = 2;
    std::string gameString;
    std::string fieldName;  // empty when the field is none of the built-in ones
    MoveRule rule = MoveRule::Star;
    int games = 0;  // 0: no end
};

// The computer player as a network host: it waits for players, starts the game as soon as one has
// joined, plays player 1 through the real turn cycle on the event loop, allows whatever the player
// asks (undo, restart, new game; a new game starts at once) and prints one line per game on `out`
// (news and reasons go to `err`). A game a player leaves or loses unfinished is one of the games.
class ComputerHost {
public:
    ComputerHost(const HostedGame& hosted, const std::string& code, std::ostream& out, std::ostream& err);
    ~ComputerHost();

    // Listens; nothing when listening, else why not.
    std::optional<std::string> listen(std::uint16_t port) { return session_.listen(port); }
    std::uint16_t port() const { return session_.port(); }
    const std::string& code() const { return session_.code(); }

    // Called once the games are played, or no one can join any more (the exit code).
    void setOnDone(std::function<void(int exitCode)> done) { done_ = std::move(done); }

private:
    // Keeps the line of each finished game for the host to print.
    class Recorder : public GameRecorder {
    public:
        explicit Recorder(ComputerHost& host) : host_(host) {}
        void recordGame(const FinishedGame& game) override { host_.finished(game); }

    private:
        ComputerHost& host_;
    };

    void startGame();
    void finished(const FinishedGame& game);
    void unfinished(const std::string& why);
    void counted();
    void goAfterThePlayer();

    static constexpr int kStayAfterLastGameMs = 5000;

    HostedGame hosted_;
    std::ostream& out_;
    std::ostream& err_;
    Recorder recorder_{*this};
    HeadlessBoardView view_;
    GameWindow game_;
    QObject reports_;  // the level-4 search reports through the event loop in its name
    ComputerOpponent computer_;
    QtTimerDriver timers_;
    net::HostSession session_;
    int played_ = 0;
    bool underWay_ = false;  // a game started and not yet counted
    QTimer staying_;         // after the last game, until the player has gone
    std::function<void(int)> done_;
};

}  // namespace tallowen::cli
