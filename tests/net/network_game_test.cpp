#include <gtest/gtest.h>

#include "net/texts.h"
#include "network_fixture.h"

namespace tallowen::net {
namespace {

using State = NetworkGame::State;
using test::kAnn;
using test::kCorners;
using test::kEva;

void expectSameRecord(test::Computer& a, test::Computer& b) {
    const auto mine = a.stored(), theirs = b.stored();
    ASSERT_EQ(mine.size(), 1u);
    ASSERT_EQ(theirs.size(), 1u);
    const StoredGame &x = mine[0], &y = theirs[0];
    EXPECT_EQ(std::tie(x.fieldName, x.player1, x.player2, x.movement, x.turns, x.times, x.count1, x.count2, x.figure1,
                       x.figure2, x.winner),
              std::tie(y.fieldName, y.player1, y.player2, y.movement, y.turns, y.times, y.count1, y.count2, y.figure1,
                       y.figure2, y.winner));
    EXPECT_EQ(std::make_pair(x.player1, x.player2), std::make_pair(kAnn.name, kEva.name));
}

class NetworkRules : public test::NetworkPlay, public ::testing::WithParamInterface<bool> {};

TEST_P(NetworkRules, AGameGoesToItsEndOnBothComputersAndBothKeepTheSameRecord) {
    EXPECT_EQ(hostSession->status(), "Waiting for the other player…");
    EXPECT_EQ(joinSession->status(), "Connecting to 127.0.0.1:" + std::to_string(relay->port()) + "…");
    connect();
    EXPECT_EQ(host.peers.back(), kEva);
    EXPECT_EQ(joiner.peers.back(), kAnn);
    EXPECT_EQ(hostSession->status(), "Eva has joined.");
    EXPECT_EQ(joinSession->status(), "Connected. Waiting for Ann to start the game…");
    start(kCorners + "1", GetParam(), {2, 3});
    EXPECT_EQ(joiner.started, 1);
    EXPECT_EQ(joiner.game.Label2.Caption, "Tallowen - Corners");
    EXPECT_EQ(std::make_pair(joiner.game.Label5.Caption, joiner.game.Label6.Caption), std::make_pair(kAnn.name, kEva.name));
    EXPECT_EQ(joiner.game.HR1, kAnn.looks);
    EXPECT_EQ(host.game.HR2, kEva.looks);
    EXPECT_EQ(joiner.game.dirs.DirLast, host.game.dirs.DirLast);
    EXPECT_EQ(joiner.game.Label3[1].Caption, "1:00:00");

    // Each computer takes clicks only for its own player.
    const BoardMove first = pickMove(host);
    click(joiner, first);
    EXPECT_FALSE(joiner.game.TimCHng.enabled());
    move(host, first);
    click(host, pickMove(joiner));
    EXPECT_FALSE(host.game.TimCHng.enabled());

    playToTheEnd();
    if (HasFatalFailure()) return;
    expectSameRecord(host, joiner);
    EXPECT_EQ(host.game.Check3.Caption, joiner.game.Check3.Caption);
    joinSession->leave();
    ASSERT_TRUE(test::waitFor([this] { return !host.endings.empty(); }));
    EXPECT_EQ(host.endings.back(), "Eva has left.");
}

INSTANTIATE_TEST_SUITE_P(StarAndCross, NetworkRules, ::testing::Bool());

using NetworkCommands = test::NetworkPlay;

// Undo asked after one's own move takes back that move; asked on one's own turn it takes back the
// other's reply too, and the asker cannot move while the question waits. A question the other side
// overtakes by moving is refused on its own.
TEST_F(NetworkCommands, UndoIsAskedOfTheOtherSideAndRunsOnBothComputersOnlyWhenAllowed) {
    connect();
    start(kCorners + "1", true);
    EXPECT_FALSE(joinSession->canAsk(Request::Undo));
    move(host, pickMove(host));
    const Board afterFirst = host.game.board;
    move(joiner, pickMove(joiner));

    ASSERT_TRUE(joinSession->askUndo());
    sync();
    EXPECT_EQ(host.questions.back(), "Eva asks to take back their move. Allow?");
    EXPECT_EQ(joinSession->status(), "Waiting for Ann's answer…");
    EXPECT_FALSE(joinSession->askRestart());
    hostSession->answer(false);
    sync();
    EXPECT_EQ(joiner.lastNotice(), "Ann does not allow taking back your move.");
    EXPECT_EQ(joinSession->line().size(), 2u);

    ASSERT_TRUE(joinSession->askUndo());
    sync();
    hostSession->answer(true);
    sync();
    settleTurns();
    EXPECT_EQ(host.game.board, afterFirst);
    EXPECT_EQ(joiner.game.board, afterFirst);
    EXPECT_EQ(std::make_pair(host.game.CurPlayer, joiner.game.CurPlayer), std::make_pair(2, 2));
    EXPECT_EQ(host.game.TurnCount, joiner.game.TurnCount);
    EXPECT_EQ(hostSession->line(), joinSession->line());

    move(joiner, pickMove(joiner));
    const Board beforeReply = host.game.board;
    move(host, pickMove(host));
    move(joiner, pickMove(joiner));
    ASSERT_TRUE(hostSession->askUndo());
    click(host, pickMove(host));
    EXPECT_FALSE(host.game.TimCHng.enabled()) << "the asker moved while waiting";
    sync();
    joinSession->answer(true);
    sync();
    settleTurns();
    EXPECT_EQ(joiner.game.board, beforeReply);
    EXPECT_EQ(host.game.board, beforeReply);
    EXPECT_EQ(joiner.game.CurPlayer, 1);
    move(host, pickMove(host));  // the host plays again once answered

    ASSERT_TRUE(hostSession->askUndo());
    sync();
    move(joiner, pickMove(joiner));
    EXPECT_EQ(joiner.withdrawn, 1);
    EXPECT_EQ(host.lastNotice(), "Eva moved before seeing your question. Ask again if you like.");
    EXPECT_EQ(hostSession->line(), joinSession->line());
}

TEST_F(NetworkCommands, RestartAndNewGameRunOnBothComputersAndExitIsTold) {
    connect();
    start(kCorners + "1", true);
    const Board initial = host.game.board;
    move(host, pickMove(host));
    move(joiner, pickMove(joiner));
    ASSERT_TRUE(hostSession->askRestart());
    sync();
    EXPECT_EQ(joiner.questions.back(), "Ann asks to restart the game. Allow?");
    joinSession->answer(true);
    sync();
    settleTurns();
    EXPECT_EQ(host.game.board, initial);
    EXPECT_EQ(joiner.game.board, initial);
    EXPECT_TRUE(joinSession->line().empty());
    move(host, pickMove(host));

    ASSERT_TRUE(joinSession->askNewGame());
    sync();
    EXPECT_EQ(host.questions.back(), "Eva asks for a new game. Allow?");
    hostSession->answer(true);
    sync();
    EXPECT_EQ(hostSession->state(), State::Setup);
    EXPECT_EQ(joinSession->state(), State::Setup);
    EXPECT_FALSE(host.game.Visible || joiner.game.Visible);
    joinSession->setJoinerPlayer({"Eva B.", kEva.looks});
    sync();
    EXPECT_EQ(host.peers.back().name, "Eva B.");
    start(kCorners + "1", false);
    EXPECT_EQ(joiner.started, 2);
    EXPECT_EQ(joiner.game.Label6.Caption, "Eva B.");
    EXPECT_EQ(joiner.game.Label8, "2");

    joinSession->leave();
    sync();
    ASSERT_TRUE(test::waitFor([this] { return !host.endings.empty(); }));
    EXPECT_EQ(host.endings.back(), "Eva B. has left the game. The game has ended and is not recorded.");
    EXPECT_EQ(joiner.endings.back(), "");
    EXPECT_FALSE(host.game.PL.Enabled);
    EXPECT_EQ(hostSession->state(), State::Waiting);
    EXPECT_TRUE(host.stored().empty());
}

// The host keeps the clocks; the joiner shows them. A clock that runs out does the same on both
// computers: the computer moves for the timed-out person and then for both, to the end.
TEST_F(NetworkCommands, AClockRunningOutHasTheSameEffectOnBothComputers) {
    connect();
    start(kCorners + "1", true, {4, 4});
    move(host, pickMove(host));
    for (int second = 0; second < 590; ++second) {
        advance();
        ASSERT_EQ(joiner.game.Label3[2].Caption, host.game.Label3[2].Caption);
    }
    EXPECT_EQ(joiner.game.Clock, host.game.Clock);
    while (host.game.Clock[2] > 0) advance();
    EXPECT_EQ(host.game.Clock[2], kClockTimedOut);
    EXPECT_EQ(joiner.game.Clock, host.game.Clock);
    EXPECT_EQ(joiner.game.Label3[2].Caption, "0:00:00");
    for (int i = 0; i < 20000 && !(host.game.GameOver && joiner.game.GameOver); ++i) advance();
    ASSERT_TRUE(host.game.GameOver && joiner.game.GameOver);
    EXPECT_EQ(hostSession->line(), joinSession->line());
    expectSameRecord(host, joiner);
}

// A connection lost in the middle of a game holds the game on both computers, clocks and all; the
// joiner dials again and takes the host's position over, and the game goes on to its end.
TEST_F(NetworkCommands, ADroppedConnectionIsToldAtOnceAndTheSamePlayerResumes) {
    connect();
    start(kCorners + "1", false, {3, 3});
    for (int i = 0; i < 4; ++i) move(mover(), pickMove(mover()));
    advance();
    const auto clocks = host.game.Clock;
    // The last move is cut off with its turn change still to come, on the way or not.
    click(mover(), pickMove(mover()));
    relay->cut();
    ASSERT_TRUE(test::waitFor(
        [this] { return hostSession->state() == State::Away && joinSession->state() == State::Away; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(host.lastNotice(), "The connection to Eva was lost — waiting 2 minutes for them to come back");
    EXPECT_EQ(joiner.lastNotice(), "The connection to Ann was lost — waiting 2 minutes for them to come back");
    for (test::Computer* side : {&host, &joiner}) {
        const int before = side->game.Selection;
        side->game.PL_MouseDown(0.5 * side->game.CellW, 0.5 * side->game.CellH);
        EXPECT_EQ(side->game.Selection, before) << "the board took a click while the connection was lost";
    }

    const auto bothPlaying = [this] {
        return hostSession->state() == State::Playing && joinSession->state() == State::Playing;
    };
    for (int i = 0; i < 20 && !bothPlaying(); ++i) {
        clock.step();
        test::waitFor(bothPlaying, 2000);
    }
    ASSERT_EQ(joinSession->state(), State::Playing);
    sync();
    EXPECT_EQ(host.lastNotice(), "Eva is back. The game goes on.");
    EXPECT_EQ(joiner.game.board, host.game.board);
    EXPECT_EQ(joinSession->line(), hostSession->line());
    EXPECT_EQ(host.game.Clock, clocks) << "the clocks stood still";
    EXPECT_EQ(joiner.game.Clock, clocks);
    settleTurns();
    EXPECT_EQ(joiner.game.CurPlayer, host.game.CurPlayer);
    EXPECT_EQ(joiner.game.TurnCount, host.game.TurnCount);
    playToTheEnd();
    if (HasFatalFailure()) return;
    expectSameRecord(host, joiner);
}

TEST_F(NetworkCommands, APlayerWhoDoesNotComeBackWithinTwoMinutesEndsTheGameUnrecorded) {
    connect();
    start(kCorners + "1", true);
    move(host, pickMove(host));
    relay->stop();
    relay->cut();
    ASSERT_TRUE(test::waitFor(
        [this] { return hostSession->state() == State::Away && joinSession->state() == State::Away; }));
    for (int i = 0; i < 1000 && !(host.endings.size() && joiner.endings.size()); ++i) {
        clock.step();
        test::waitFor([this] { return !joinSession->connection() || !joinSession->connection()->isOpen(); }, 2000);
        QCoreApplication::processEvents();
    }
    EXPECT_GE(clock.now(), 120'000);
    ASSERT_FALSE(host.endings.empty());
    EXPECT_EQ(host.endings.back(), "Eva did not come back within 2 minutes. The game has ended and is not recorded.");
    ASSERT_FALSE(joiner.endings.empty());
    EXPECT_EQ(joiner.endings.back(), "Could not reach Ann again within 2 minutes. The game has ended and is not recorded.");
    EXPECT_EQ(hostSession->state(), State::Waiting);
    EXPECT_EQ(joinSession->state(), State::Ended);
    EXPECT_TRUE(host.stored().empty());
    EXPECT_TRUE(joiner.stored().empty());
}

}  // namespace
}  // namespace tallowen::net
