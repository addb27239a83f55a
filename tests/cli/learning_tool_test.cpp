#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "engine/field_strings.h"
#include "opponent/computer_opponent.h"
#include "opponent/hint.h"
#include "opponent/position_valuations.h"
#include "records/game_review.h"
#include "render/position_picture.h"
#include "run_tool.h"
#include "setup/built_in_fields.h"
#include "setup/how_to_play.h"

namespace tallowen::test {
namespace {

// The value after `key` in the tool's output ("field ...", "best ...", "value ...").
std::string lineOf(const ToolRun& run, const std::string& key) {
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind(key + " ", 0) == 0) return line.substr(key.size() + 1);
    return "(no " + key + " in: " + run.out + run.err + ")";
}

std::string moveArguments(const std::vector<BoardMove>& moves, std::size_t count) {
    std::string text;
    for (std::size_t k = 0; k < count; ++k)
        text += " " + std::to_string(moves[k].sx) + "," + std::to_string(moves[k].sy) + ":" +
                std::to_string(moves[k].tx) + "," + std::to_string(moves[k].ty);
    return text;
}

std::string ruleName(MoveRule rule) { return rule == MoveRule::Star ? "star" : "cross"; }

// "PC Professional" against "PC Genius" on "Quick atack" to the end, through the real turn cycle.
TEST(ReviewByTheEngineTool, TheListThePositionsAndTheCopiedLineAreWhatPlayReplays) {
    HeadlessGame headless;
    GameWindow& game = headless.game();
    game.random = RandomSource(7);
    ComputerOpponent computer(game);
    game.setComputerPlayer(&computer);
    const std::string start = builtInFields()[2].field + "1";
    headless.start(MoveRule::Star, start, "PC Professional", "PC Genius");
    ASSERT_TRUE(headless.clock().runUntil([&] { return game.GameOver; }));
    const GameReview review(gameLineOf(game));
    ASSERT_EQ(review.moveCount(), game.Played.size());
    ASSERT_GT(review.moveCount(), 10u);
    EXPECT_EQ(review.positions().back().board, game.board);

    for (std::size_t k = 0; k <= review.moveCount(); ++k) {
        const ToolRun run = runTool("play --rule star " + quoted(start) + moveArguments(game.Played, k));
        const bool last = k == review.moveCount();
        const ReviewPosition& p = review.positions()[last ? review.positions().size() - 1 : k];
        EXPECT_EQ(lineOf(run, "field"), fieldString(p.board, 7)) << "after move " << k;
        if (!last) {
            EXPECT_EQ(lineOf(run, "tomove"), std::to_string(p.mover)) << "after move " << k;
        }
    }
    const std::string line = review.copyLine();
    ASSERT_EQ(line.rfind("tallowen-engine ", 0), 0u);
    const ToolRun copied = runTool(line.substr(std::string("tallowen-engine ").size()));
    EXPECT_EQ(lineOf(copied, "field"), fieldString(game.board, 7));
    EXPECT_EQ(lineOf(copied, "over"), "yes");
    game.setComputerPlayer(nullptr);
}

// Searched with a node budget, "PC Master" answers the same wherever it is asked.
TEST(ReviewByTheEngineTool, HintsAndValuationsAreWhatEvalGives) {
    constexpr std::uint64_t kNodes = 30000;
    const std::string quick = builtInFields()[2].field;
    for (const char mover : {'1', '2'}) {
        HeadlessGame headless;
        GameWindow& game = headless.game();
        ComputerOpponent computer(game);
        game.setComputerPlayer(&computer);
        Hint hint(game, computer.master());
        hint.setLimits({0, kNodes, 0});
        headless.start(MoveRule::Star, quick + mover, "Ann", "Bob");
        hint.ask();
        const ToolRun eval = runTool("eval --rule star --level 4 --nodes " + std::to_string(kNodes) + " " +
                                     quoted(quick + mover));
        ASSERT_TRUE(hint.shown()) << mover;
        const master::CellMove m = *hint.shown();
        EXPECT_EQ(lineOf(eval, "best"), std::to_string(m.sx) + " " + std::to_string(m.sy) + " " +
                                             std::to_string(m.tx) + " " + std::to_string(m.ty));

        master::MasterQueue master;
        PositionValuations valuations(master);
        valuations.setLimits({0, kNodes, 0});
        int value = 0;
        valuations.start({{game.board, game.Side, MoveRule::Star, mover - '0'}}, [&](std::size_t, int v) { value = v; });
        EXPECT_EQ(std::to_string(mover == '1' ? value : -value), lineOf(eval, "value")) << "seen by player 1";
        game.setComputerPlayer(nullptr);
    }
}

// What a picture shows in each cell: a hole (black), an empty cell (grey), or a piece of player 1
// (orange) or 2 (blue), read from the inner square, inside the frames that marks may colour.
std::string cellsOf(const QImage& picture, int side) {
    const double W = static_cast<double>(picture.width()) / side, H = W * 3 / 4;
    std::string cells;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            int orange = 0, blue = 0, lit = 0, all = 0;
            const double inset = H / 6 + 2;
            for (int py = static_cast<int>(y * H + inset); py < (y + 1) * H - inset; ++py)
                for (int px = static_cast<int>(x * W + inset); px < (x + 1) * W - inset; ++px) {
                    const QColor c = picture.pixelColor(px, py);
                    orange += c.red() - c.blue() > 60;
                    blue += c.blue() - c.red() > 60;
                    lit += c.red() + c.green() + c.blue() > 60;
                    ++all;
                }
            cells += orange * 10 > all ? '+' : blue * 10 > all ? '-' : lit == 0 ? '0' : 'X';
        }
    return cells;
}

// Every help picture shows the position the engine tool plays from the example's moves; the
// conversions the text tells of are the tool's.
TEST(HelpByTheEngineTool, EachPictureShowsThePositionPlayGives) {
    std::map<std::string, std::string> counts;
    for (const HelpSection& section : howToPlay())
        for (const HelpExample& e : section.examples) {
            const ToolRun run =
                runTool("play --rule " + ruleName(e.rule) + " " + quoted(e.gameString) + moveArguments(e.moves, e.moves.size()));
            ASSERT_EQ(run.exitCode, 0) << e.name << ": " << run.err;
            const std::string field = lineOf(run, "field");
            const int side = sideOfGameString(e.gameString);
            HeadlessGame played;
            playExample(e, played);
            EXPECT_EQ(fieldString(played.game().board, side), field) << e.name;
            const QImage picture =
                playedPicture([&e](HeadlessGame& game) { playExample(e, game); }, e.width, 1.0);
            EXPECT_EQ(cellsOf(picture, side), field) << e.name;
            counts[e.name] = lineOf(run, "counts");
        }
    // Player 2's count before and after: Star converts four, Cross two; Blue boxed in loses the field.
    EXPECT_EQ(counts["before-conversion"], "1 5 19");
    EXPECT_EQ(counts["star-conversion"], "6 1 18");
    EXPECT_EQ(counts["cross-conversion"], "4 3 18");
    EXPECT_EQ(counts["filled"], "24 1 0");
}

}  // namespace
}  // namespace tallowen::test
