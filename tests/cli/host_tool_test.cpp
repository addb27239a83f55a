#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QTimer>

#include "engine/board_view.h"
#include "engine/game_window.h"
#include "eventloop/qt_timer_driver.h"
#include "net/join_session.h"

namespace tallowen::net {
namespace {

bool waitFor(const std::function<bool()>& done, int ms = 30000) {
    const QDeadlineTimer deadline(ms);
    QTimer wake;
    wake.start(5);
    while (!done() && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return done();
}

struct KeptRecord : GameRecorder {
    void recordGame(const FinishedGame& game) override { kept.push_back(game); }
    std::vector<FinishedGame> kept;
};

// Eva at the joiner's game window, connected to the tool's port with the code.
struct Joiner {
    Joiner(std::uint16_t port, const std::string& code)
        : game(view, records), session(game, timers, {"Eva", {0xFF0000, 0, "5"}}, {"127.0.0.1", port}, code) {
        for (Timer* timer : {&game.Timer1, &game.TimCHng, &game.TimerT, &game.TimPC}) timers.attach(*timer);
        session.connect();
    }
    bool playing() const { return session.state() == NetworkGame::State::Playing && !game.Timer1.enabled(); }
    // Clicks the first legal move of player 2's, as a person would.
    void move() {
        for (int i = 0; i < 9 * 9 && !game.TimCHng.enabled(); ++i) {
            const BoardMove m{i / 9 / 3, i / 9 % 3, i % 9 / 3, i % 3};
            if (!isLegalMove(game.board, game.Side, game.dirs, 2, m)) continue;
            game.PL_MouseDown((m.sx + 0.5) * game.CellW, (m.sy + 0.5) * game.CellH);
            game.PL_MouseDown((m.tx + 0.5) * game.CellW, (m.ty + 0.5) * game.CellH);
        }
    }

    HeadlessBoardView view;
    KeptRecord records;
    GameWindow game;
    QtTimerDriver timers;
    JoinSession session;
};

class HostTool : public ::testing::TestWithParam<int> {};

// The computer host plays a person joining from elsewhere in real time: a game to its end, then a
// restart that the person leaves; one line for each game, and it stops after the games asked for.
// "PC Master" thinks on a thread of its own.
TEST_P(HostTool, PlaysJoinersGameAfterGameWithOneLineEach) {
    QProcess tool;
    tool.start(TALLOWEN_ENGINE_PATH, {"host", "--level", QString::number(GetParam()), "--port", "0", "--code", "314159",
                                      "--game", "+XXXXXXX-1", "--games", "2"});
    ASSERT_TRUE(waitFor([&] { return tool.canReadLine(); }, 10000)) << tool.readAllStandardError().toStdString();
    const QStringList greeting = QString(tool.readLine()).trimmed().split(' ');
    ASSERT_EQ(greeting.size(), 5);
    EXPECT_EQ(greeting[4], "314159");

    Joiner eva(static_cast<std::uint16_t>(greeting[2].toInt()), "314159");
    GameWindow& game = eva.game;
    JoinSession& session = eva.session;
    KeptRecord& records = eva.records;
    ASSERT_TRUE(waitFor([&] { return eva.playing(); }));
    EXPECT_EQ(game.PcLevel[1], GetParam());

    const auto myTurn = [&] { return game.GameOver || (game.CurPlayer == 2 && !game.TimCHng.enabled()); };
    while (!game.GameOver) {
        ASSERT_TRUE(waitFor(myTurn));
        if (game.GameOver) break;
        eva.move();
    }
    ASSERT_EQ(records.kept.size(), 1u);
    const FinishedGame& mine = records.kept[0];
    ASSERT_TRUE(waitFor([&] { return tool.canReadLine(); }));
    const char* winner = mine.winner == 1 ? "1" : mine.winner == 2 ? "2" : "tie";
    EXPECT_EQ(tool.readLine().toStdString(), "game 1 winner " + std::string(winner) + " counts " +
                                                 std::to_string(mine.count1) + " " + std::to_string(mine.count2) +
                                                 " turns " + std::to_string(mine.turns) + " against Eva\n");

    ASSERT_TRUE(session.askRestart());
    ASSERT_TRUE(waitFor([&] { return !game.GameOver && game.CurPlayer == 1 && !game.Timer1.enabled(); }));
    session.leave();
    ASSERT_TRUE(waitFor([&] { return tool.state() == QProcess::NotRunning; }));
    EXPECT_EQ(tool.readAllStandardOutput().toStdString(), "game 2 unfinished against Eva\n");
    EXPECT_EQ(tool.exitCode(), 0);
    EXPECT_EQ(tool.readAllStandardError().toStdString(),
              "tallowen-engine host: Eva has left the game. The game has ended and is not recorded.\n");
}

// The host that has played its last game still delivers its last move before it goes: the person
// sees the game end whichever side made that move.
TEST_P(HostTool, DeliversTheLastMoveOfItsLastGameBeforeItEnds) {
    QProcess tool;
    tool.start(TALLOWEN_ENGINE_PATH, {"host", "--level", QString::number(GetParam()), "--port", "0", "--code", "271828",
                                      "--game", "+XXXXXXX-1", "--games", "1"});
    ASSERT_TRUE(waitFor([&] { return tool.canReadLine(); }, 10000)) << tool.readAllStandardError().toStdString();
    const QStringList greeting = QString(tool.readLine()).trimmed().split(' ');
    ASSERT_EQ(greeting.size(), 5);

    Joiner eva(static_cast<std::uint16_t>(greeting[2].toInt()), "271828");
    const GameWindow& game = eva.game;
    ASSERT_TRUE(waitFor([&] { return eva.playing(); }));
    const auto myTurnOrOver = [&] {
        return game.GameOver || tool.state() == QProcess::NotRunning || (game.CurPlayer == 2 && !game.TimCHng.enabled());
    };
    while (!game.GameOver && tool.state() != QProcess::NotRunning) {
        ASSERT_TRUE(waitFor(myTurnOrOver));
        if (game.GameOver || tool.state() == QProcess::NotRunning) break;
        eva.move();
    }
    EXPECT_TRUE(waitFor([&] { return eva.records.kept.size() == 1; }, 5000));
    ASSERT_TRUE(waitFor([&] { return tool.state() == QProcess::NotRunning; }));
    EXPECT_EQ(tool.exitCode(), 0);
}

INSTANTIATE_TEST_SUITE_P(BeginnerAndMaster, HostTool, ::testing::Values(1, 4));

}  // namespace
}  // namespace tallowen::net
