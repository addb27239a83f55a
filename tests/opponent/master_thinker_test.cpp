#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "engine/field_strings.h"
#include "engine/headless_game.h"
#include "opponent/computer_opponent.h"
#include "opponent/master/search.h"
#include "opponent/master/master_queue.h"
#include "opponent/master/thinker.h"
#include "task_queue.h"

namespace tallowen {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

TEST(MasterThinker, ACancelledOrReplacedSearchReportsNothing) {
    TaskQueue queue;
    master::Thinker thinker(queue.poster());
    std::vector<std::string> reports;
    const auto think = [&](const std::string& name, master::Limits limits) {
        master::Question q;
        q.side = parseGameString("+" + std::string(47, 'X') + "-1", q.board).side;
        q.limits = limits;
        thinker.think(q, [&, name](int) { reports.push_back(name + " progress"); },
                      [&, name](const master::Result&) { reports.push_back(name + " result"); });
    };

    think("long", {60000, 0, 0});
    const auto before = Clock::now();
    thinker.cancel();
    EXPECT_LT(Clock::now() - before, 100ms);
    EXPECT_FALSE(thinker.thinking());

    const auto replaced = Clock::now();
    think("short", {0, 1000, 0});  // waits for the cancelled search's thread, which has stopped
    EXPECT_LT(Clock::now() - replaced, 2s);
    // "short" may well finish and post its result before the next search replaces it.
    think("last", {0, 3000, 0});
    while (thinker.thinking()) ASSERT_TRUE(queue.runNext());
    queue.drain();
    ASSERT_FALSE(reports.empty());
    EXPECT_EQ(reports.back(), "last result");
    for (const std::string& report : reports) EXPECT_EQ(report.rfind("last", 0), 0u) << report;
}

// The game's search goes first; the background questions are answered in the order given,
// once each, the one it interrupted asked again after it; clearing the queue drops the rest.
TEST(MasterQueue, TheGameGoesFirstAndEachBackgroundQuestionIsAnsweredOnce) {
    TaskQueue queue;
    master::MasterQueue master(queue.poster());
    const auto question = [](std::uint64_t nodes) {
        master::Question q;
        q.side = parseGameString("+" + std::string(47, 'X') + "-1", q.board).side;
        q.limits = {0, nodes, 0};
        return q;
    };
    std::vector<std::string> reports;
    for (const char* name : {"b0", "b1", "b2"})
        master.queue(question(200000), [&, name](const master::Result&) { reports.push_back(name); });
    master.think(question(2000), {}, [&](const master::Result&) { reports.push_back("game"); });
    EXPECT_TRUE(master.thinking());
    while (reports.size() < 4) ASSERT_TRUE(queue.runNext());
    EXPECT_FALSE(master.thinking());
    EXPECT_EQ(reports, (std::vector<std::string>{"game", "b0", "b1", "b2"}));

    master.queue(question(5000000), [&](const master::Result&) { reports.push_back("dropped"); });
    master.queue(question(1000), [&](const master::Result&) { reports.push_back("dropped"); });
    master.clearQueue();
    queue.drain();
    EXPECT_EQ(reports.size(), 4u);
    EXPECT_EQ(master.queued(), 0u);
}

// "PC Master" as player 2 against Ann on a headless window, its search on a thread of its own.
struct MasterGameTest : ::testing::Test {
    MasterGameTest() {
        game.setComputerPlayer(&computer);
        headless.start(MoveRule::Star, "+XXXX" "XXXXX" "XXXXX" "XXXXX" "XXXX-" "1", "Ann", "PC Master");
        game.Label2.Caption = "Tallowen - Test field";
    }
    ~MasterGameTest() override { game.setComputerPlayer(nullptr); }
    // Ann's move and the turn change that hands the move to the search.
    void annMoves() {
        game.PLKlik(0, 0);
        game.PLKlik(1, 1);
        headless.finishTurnChange();
    }
    TaskQueue queue;
    HeadlessGame headless;
    GameWindow& game = headless.game();
    ComputerOpponent computer{game, queue.poster()};
};

TEST_F(MasterGameTest, TheResultComesBackAndIsPlayed) {
    computer.setMasterLimits({0, 20000, 0});
    annMoves();
    EXPECT_TRUE(game.Picture9.Visible);
    while (!game.TimPC.enabled()) ASSERT_TRUE(queue.runNext());
    EXPECT_FALSE(game.Picture9.Visible);
    EXPECT_EQ(game.title(), "Tallowen - Test field");
    ASSERT_TRUE(computer.masterResult());
    const master::CellMove best = *computer.masterResult()->best;
    EXPECT_EQ(std::make_pair(game.board(best.sx, best.sy), game.board(best.tx, best.ty)), std::make_pair(pieceOf(2), kEmpty));
    headless.clock().advance(850);
    EXPECT_EQ(game.board(best.tx, best.ty), pieceOf(2));
}

TEST_F(MasterGameTest, AnUndoDuringTheSearchStopsItAndNoStaleMoveIsPlayed) {
    // A budget the search spends in well under a second unless stopped: a search that went on
    // would deliver its move while the queue is drained below.
    computer.setMasterLimits({0, 1000000, 0});
    const Board start = game.board;
    annMoves();
    ASSERT_TRUE(queue.runNext());  // the search shows its first progress
    EXPECT_EQ(game.title().rfind("Tallowen -", 0), 0u);
    EXPECT_EQ(game.title().back(), ' ') << "the percentage shows: " << game.title();

    const auto before = Clock::now();
    game.TZ_Click(1);
    EXPECT_LT(Clock::now() - before, 100ms);
    EXPECT_FALSE(game.Picture9.Visible);
    EXPECT_EQ(game.title(), "Tallowen - Test field");
    headless.finishTurnChange();
    EXPECT_EQ(game.board, start);
    EXPECT_EQ(game.CurPlayer, 1);

    queue.drain();
    headless.clock().advance(5000);
    EXPECT_FALSE(game.TimPC.enabled());
    EXPECT_EQ(game.board, start);
    EXPECT_EQ(game.title(), "Tallowen - Test field");
}

}  // namespace
}  // namespace tallowen
