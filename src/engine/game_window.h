#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/appearance.h"
#include "engine/board.h"
#include "engine/board_view.h"
#include "engine/computer_player.h"
#include "engine/controls.h"
#include "engine/directions.h"
#include "engine/game_recorder.h"
#include "engine/mobility.h"
#include "engine/random_source.h"
#include "engine/timer.h"

namespace tallowen {

// Clock states besides the remaining seconds.
inline constexpr int kClockNoLimit = -1;
inline constexpr int kClockTimedOut = -2;
inline constexpr int kClockNoLimitCleared = -3;
inline constexpr int kClockOpponentTimedOut = -4;

inline constexpr Colour kClockFlash = rgb(255, 63, 63);

// The game window's model: the board, the rules, the turn cycle and clocks, the game start and
// the game commands, with the controls they write kept as data.
class GameWindow {
public:
    GameWindow(BoardView& view, GameRecorder& recorder);
    GameWindow(const GameWindow&) = delete;
    GameWindow& operator=(const GameWindow&) = delete;

    void setComputerPlayer(ComputerPlayer* computer) { computer_ = computer; }
    // "Let pending events run": the window layer processes its event queue here.
    void setPendingEvents(std::function<void()> run) { pendingEvents_ = std::move(run); }
    // Shows the setup window again and refreshes its statistics (new game).
    void setOnNewGame(std::function<void()> onNewGame) { onNewGame_ = std::move(onNewGame); }
    // Told of every move PLKlik makes, whoever made it, once the board shows it.
    void setOnMove(std::function<void(int player, const BoardMove& move)> onMove) { onMove_ = std::move(onMove); }
    // Told after every clock tick that did not stand still.
    void setOnClockTick(std::function<void()> onClockTick) { onClockTick_ = std::move(onClockTick); }

    // --- Move rules
    void PLKlik(int x, int y);
    // A click on the board at (X, Y) in board pixels; reaches PLKlik only for a human mover whose
    // time has not run out.
    void PL_MouseDown(double X, double Y);
    // Removes the marks of cells around (XX, YY) that cannot be entered, then paints the frames.
    void ShBrd(int XX, int YY);

    // --- Drawing entry points
    void Prekr();
    void DRWP(int x, int y) { view_.drawCell(*this, x, y); }

    // --- Turn cycle, clocks, scoring
    void Score();
    bool moverCanMove() const;
    // The end of a turn change for a mover who can move: the board takes clicks, and the computer
    // is asked for the move when it plays this side here. A game that was held up (a network game
    // waiting for the other computer) goes on from here.
    void beginMoverTurn();
    // Sets both clocks as the computer that keeps them has them: the captions follow, and a clock
    // that has run out there has the effect here that running out on the tick has.
    void setClocks(int clock1, int clock2);

    // --- Game start and commands
    void NG_Click();
    void UNG_Click();
    void TZ_Click(int index);

    void runPendingEvents() {
        if (pendingEvents_) pendingEvents_();
    }
    // Counts every change of the position by a command or a move: a computer move chosen for an
    // older position is stale.
    std::uint64_t positionEpoch() const { return epoch_; }
    // Stops a computer move that TimPC was going to play, or that a search is still choosing.
    void dropPendingComputerMove();
    // The program is ending: every timer stops, and a computer search under way finds its
    // position gone.
    void closeWindow();

    BoardView& view() { return view_; }

    // Seeded from the time of day unless a test or the engine tool fixes the seed.
    RandomSource random;

    // --- The board model
    Board board;
    Marks marks;
    Directions dirs;
    int Side = 0;

    int Selection = 0;
    int SelX = 0;
    int SelY = 0;
    int CurPlayer = 1;
    int OppPlayer = 2;

    double TurnCount = 0;
    std::vector<std::string> History;
    // Entry k is move k + 1 of the line that led to the board; the move after an undo replaces
    // the moves taken back. The review of a finished game reads it.
    std::vector<BoardMove> Played;
    std::array<int, 3> Clock{};    // index 1 and 2
    std::array<int, 3> PcLevel{};  // index 1 and 2; entry 0 stays 0 (empty cells)
    bool GameOver = false;
    // A seat played on another computer (a network game): the board ignores clicks while it is to
    // move and the computer never moves for it here; its moves arrive through PLKlik.
    std::array<bool, 3> PlayedElsewhere{};  // index 1 and 2
    // The other computer keeps the clocks: the tick here neither counts down nor runs a clock out,
    // and setClocks brings the clocks as they are there.
    bool ClockKeptElsewhere = false;

    double BoardW = 400;
    double BoardH = 300;
    double CellW = 100;
    double CellH = 75;
    int FigureDetail = 2;

    // --- Timers
    Timer Timer1{"Timer1", 100};
    Timer TimCHng{"TimCHng", 200};
    Timer TimerT{"TimerT", 1000};
    Timer TimPC{"TimPC", 100};

    // --- Controls
    std::string Label4;  // game string
    std::string Label8;  // movement rule: "1" Star, otherwise Cross
    Label Label2;        // title: "Tallowen - " + field name
    Label Label5;        // player 1's name
    Label Label6;        // player 2's name
    Label Label7;        // turn
    std::array<Label, 3> Label3;  // clocks, index 1 and 2
    Label Label1;        // thinking percentage
    Label PLS;           // lead
    Label PL1S;          // player 1's count
    Label PL2S;          // player 2's count
    Label Check3;        // winner
    Appearance HR1{rgb(255, 128, 0), kWhite, "1"};
    Appearance HR2{rgb(0, 127, 225), kBlack, "5"};
    // The board's pointer picture of each player, a number of the setup window's cursor pictures:
    // Image2 for player 1, Image1 for player 2.
    int Image2 = 0;
    int Image1 = 1;
    Widget PL;           // the board picture; disabled once the game is over
    Widget Image10;      // menu button
    Widget Picture3{false, true};  // result panel
    Widget Picture9{false, true};  // thinking panel
    std::array<Widget, 8> Picture13;  // title-bar buttons; 7 is the "Can't undo" cover
    Shape Shape1;  // last move's source
    Shape Shape2;  // last move's target
    Shape Shape3;  // selection frame
    std::array<Line, 3> Line1;
    // The window's title while the computer searches: "Tallowen -" and the percentage; empty
    // otherwise, when the title is the caption of the title bar.
    std::string Caption;
    bool Visible = false;
    bool Minimized = false;
    SetupChoices setup;

    const Appearance& looksOf(int player) const { return player == 1 ? HR1 : HR2; }
    // What task bars and window switchers show: the search's progress, else the field's caption.
    const std::string& title() const { return Caption.empty() ? Label2.Caption : Caption; }

private:
    void gameStart();    // Timer1
    void turnChange();   // TimCHng
    void clockTick();    // TimerT
    void fillForOpponent();
    // A person whose time has just run out on their own turn: the computer makes that move.
    void moveForTimedOutMover();
    void endGame(int p1, int p2);
    void setTurnLabel();
    void clearSelectionMarks();

    BoardView& view_;
    GameRecorder& recorder_;
    ComputerPlayer* computer_ = nullptr;
    std::function<void()> pendingEvents_;
    std::function<void()> onNewGame_;
    std::function<void(int, const BoardMove&)> onMove_;
    std::function<void()> onClockTick_;
    std::uint64_t epoch_ = 0;
};

}  // namespace tallowen
