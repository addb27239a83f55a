#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/game_window.h"
#include "engine/headless_game.h"
#include "engine/virtual_clock.h"

namespace tallowen::test {

// A board view that remembers what it was asked to draw.
class RecordingView : public HeadlessBoardView {
public:
    void drawCell(const GameWindow&, int x, int y) override { cells.emplace_back(x, y); }
    void drawTargets(const GameWindow& game, int, int) override { marksAtDraw.push_back(game.marks); }
    void clearBoard() override { ++boardClears; }
    void fillProgress(int unit, Colour colour) override { progress.emplace_back(unit, colour); }
    void drawWinnerFigure(const GameWindow&, int player) override { winnerFigures.push_back(player); }

    std::vector<std::pair<int, int>> cells;
    std::vector<Marks> marksAtDraw;
    std::vector<std::pair<int, Colour>> progress;
    std::vector<int> winnerFigures;
    int boardClears = 0;
};

class RecordingRecorder : public GameRecorder {
public:
    void recordGame(const FinishedGame& game) override { games.push_back(game); }
    std::vector<FinishedGame> games;
};

// A computer player that remembers its calls and plays nothing.
class RecordingComputer : public ComputerPlayer {
public:
    bool PcIQ(int player, int level) override {
        calls.emplace_back(player, level);
        return true;
    }
    std::vector<std::pair<int, int>> calls;
};

// A game window on a virtual clock, started the way the setup window starts it.
class GameTest : public ::testing::Test {
protected:
    // Starts a two-person game (or with computer names) and runs up to the end of the first turn change.
    void start(const std::string& gameString, bool star = true, const std::string& p1 = "Ann",
               const std::string& p2 = "Bob") {
        headless.start(star ? MoveRule::Star : MoveRule::Cross, gameString, p1, p2);
    }

    void finishTurnChange() { headless.finishTurnChange(); }

    // Two clicks and the turn change that follows.
    void move(int sx, int sy, int tx, int ty) {
        game.PLKlik(sx, sy);
        game.PLKlik(tx, ty);
        ASSERT_TRUE(game.TimCHng.enabled()) << "no move made from " << sx << "," << sy << " to " << tx << "," << ty;
        finishTurnChange();
    }

    RecordingView view;
    RecordingRecorder recorder;
    HeadlessGame headless{&recorder, &view};
    GameWindow& game = headless.game();
    VirtualClock& clock = headless.clock();
};

// Rows joined into one field string.
inline std::string rows(std::initializer_list<const char*> lines) {
    std::string s;
    for (const char* line : lines) s += line;
    return s;
}

// A 5 x 5 field with one piece each in opposite corners.
inline const std::string kCorners = rows({"+XXXX", "XXXXX", "XXXXX", "XXXXX", "XXXX-"});

}  // namespace tallowen::test
