#include <gtest/gtest.h>

#include "engine/field_strings.h"
#include "game_fixture.h"

namespace tallowen {
namespace {

const std::string kSeven =
    test::rows({"-XXXXXX", "XXXXXXX", "XX0---0", "X0+0-0X", "0+++0XX", "XXXXXXX", "XXXXXX+"});

TEST(GameString, ParsesTheSevenBySevenExample) {
    Board board;
    const ParsedGame parsed = parseGameString(kSeven + "1", board);
    EXPECT_EQ(parsed.side, 7);
    EXPECT_EQ(parsed.firstMover, 1);
    EXPECT_EQ(board(0, 0), 20);
    EXPECT_EQ(board(6, 0), 1);
    EXPECT_EQ(board(6, 6), 10);
    EXPECT_EQ(board(2, 4), 10);
    EXPECT_EQ(board(2, 2), 0);  // a hole
    EXPECT_EQ(fieldString(board, 7), kSeven);

    // Unknown characters are holes; 4 cells + "?" surplus + digit: side round(sqrt(5)) = 2.
    Board small;
    EXPECT_EQ(parseGameString("X?+-X1", small).side, 2);
    EXPECT_EQ(small(1, 0), kNoCell);
    EXPECT_EQ(small(1, 1), 20);
}

TEST(GameString, RefusesWhatTheBoardCannotHold) {
    EXPECT_TRUE(gameStringError(""));
    EXPECT_TRUE(gameStringError(std::string(17 * 17, 'X') + "1"));
    EXPECT_TRUE(gameStringError(kSeven + "3"));
    EXPECT_TRUE(gameStringError(kSeven + "X"));
    EXPECT_TRUE(gameStringError("1"));  // side 0
    EXPECT_FALSE(gameStringError(kSeven + "1"));
    EXPECT_FALSE(gameStringError(std::string(16 * 16, 'X') + "2"));
    EXPECT_FALSE(gameStringError("X1"));
}

TEST(Snapshot, RunsColumnByColumnAndRestoresOnlyChangedCells) {
    Board board;
    board(0, 0) = 10;
    board(1, 0) = 1;
    board(0, 1) = 0;
    board(1, 1) = 20;
    EXPECT_EQ(makeSnapshot(board, 2), "KABU");

    std::vector<std::pair<int, int>> changed;
    auto note = [&](int x, int y) { changed.emplace_back(x, y); };
    restoreSnapshot("KABU", 2, board, note);
    EXPECT_TRUE(changed.empty());

    restoreSnapshot("KABK", 2, board, note);
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0], std::make_pair(1, 1));
    EXPECT_EQ(board(1, 1), 10);
}

}  // namespace
}  // namespace tallowen
