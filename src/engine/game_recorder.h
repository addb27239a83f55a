#pragma once

#include <string>

namespace tallowen {

// Everything the record of a finished game holds.
struct FinishedGame {
    std::string fieldName;
    int turns = 0;
    std::string player1;
    std::string player2;
    int movement = 1;  // 1 Star, 2 Cross
    int times = 0;     // 10 x player 1's time position + player 2's
    int count1 = 0;
    int count2 = 0;
    std::string figure1;
    std::string figure2;
    int winner = 0;  // 1, 2, or 0 for a tie
};

// Where the scorer hands a game whose field is full. Ties are handed over too; the recorder decides
// what a tie leaves behind.
class GameRecorder {
public:
    virtual ~GameRecorder() = default;
    virtual void recordGame(const FinishedGame& game) = 0;
};

class NoRecorder : public GameRecorder {
public:
    void recordGame(const FinishedGame&) override {}
};

}  // namespace tallowen
