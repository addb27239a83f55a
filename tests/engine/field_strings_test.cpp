#include <gtest/gtest.h>

#include "engine/field_strings.h"
#include "game_fixture.h"

namespace tallowen {
namespace {

const std::string kSeven =
    test::rows({"-XXXXXX", "XXXXXXX", "XX0---0", "X0+0-0X", "0+++0XX", "XXXXXXX", "XXXXXX+"});

TEST(GameString, ParsesAndWritesBackTheField) {
    Board board;
    const ParsedGame parsed = parseGameString(kSeven + "2", board);
    EXPECT_EQ(std::make_pair(parsed.side, parsed.firstMover), std::make_pair(7, 2));
    EXPECT_EQ(board(0, 0), pieceOf(2));
    EXPECT_EQ(fieldString(board, 7), kSeven);

    // Unknown characters are holes, and so is the digit where the square reaches it; seven
    // characters before the digit: side round(sqrt(7)) = 3.
    Board small;
    EXPECT_EQ(parseGameString("X?+-XX-1", small).side, 3);
    EXPECT_EQ(fieldString(small, 3), "X0+-XX-00");
}

TEST(GameString, RefusesWhatTheBoardCannotHold) {
    for (const std::string& bad : {std::string(), std::string(17 * 17, 'X') + "1", kSeven + "X", std::string("1")})
        EXPECT_TRUE(gameStringError(bad)) << bad.size();
    for (const std::string& good : {std::string(16 * 16, 'X') + "2", std::string("X1")})
        EXPECT_FALSE(gameStringError(good)) << good.size();
}

TEST(Snapshot, RunsColumnByColumnAndRestoresOnlyChangedCells) {
    Board board;
    board(0, 0) = 10;
    board(1, 0) = 1;
    board(1, 1) = 20;
    EXPECT_EQ(makeSnapshot(board, 2), "KABU");

    std::vector<std::pair<int, int>> changed;
    restoreSnapshot("KABK", 2, board, [&](int x, int y) { changed.emplace_back(x, y); });
    EXPECT_EQ(changed, (std::vector<std::pair<int, int>>{{1, 1}}));
    EXPECT_EQ(board(1, 1), 10);
}

}  // namespace
}  // namespace tallowen
