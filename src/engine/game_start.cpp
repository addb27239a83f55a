#include "engine/field_strings.h"
#include "engine/game_window.h"
#include "engine/number_text.h"
#include "engine/player_names.h"

namespace tallowen {

namespace {

// Seconds per position of the setup window's time list; position 0 has no limit.
constexpr int kTimeLimits[] = {kClockNoLimit, 5400, 3600, 1800, 600};

}  // namespace

GameWindow::GameWindow(BoardView& view, GameRecorder& recorder) : view_(view), recorder_(recorder) {
    Timer1.setHandler([this] { gameStart(); });
    TimCHng.setHandler([this] { turnChange(); });
    TimerT.setHandler([this] { clockTick(); });
}

void GameWindow::gameStart() {
    random.reseedFromTimeOfDay();
    PL1S.Caption.clear();
    PL2S.Caption.clear();
    PLS.Caption.clear();
    Label3[1].Caption.clear();
    Label3[2].Caption.clear();
    Label7.Caption.clear();

    for (int i = 0; i < 2; ++i) {
        const int position = setup.Combo1[i];
        Clock[i + 1] = position >= 1 && position <= 4 ? kTimeLimits[position] : kClockNoLimit;
        if (setup.Option19[i] && position != 0) Label3[i + 1].Caption = CoCas(Clock[i + 1]);
    }
    Label3[1].ForeColor = Label3[2].ForeColor = kWhite;
    TimerT.setInterval(1000);
    PLS.Visible = PL1S.Visible = PL2S.Visible = false;
    TurnCount = 0;
    GameOver = false;
    Played.clear();
    // The undo menu items were disabled when the last game ended; a new game can be undone again.
    setup.TZEnabled = true;
    ++epoch_;
    dropPendingComputerMove();

    // A game string the board cannot hold starts no game.
    if (gameStringError(Label4)) {
        Timer1.setEnabled(false);
        return;
    }
    const ParsedGame parsed = parseGameString(Label4, board);
    Side = parsed.side;
    CurPlayer = 3 - parsed.firstMover;
    OppPlayer = 3 - CurPlayer;
    PcLevel = {0, computerLevelOfName(Label5.Caption), computerLevelOfName(Label6.Caption)};

    view_.setProgressScale((Side - 1) * Side);
    const std::uint64_t epoch = epoch_;
    Prekr();
    // A restart or new game while the redraw let events run has taken the start over.
    if (epoch_ != epoch) return;
    view_.clearProgress();
    dirs = directionsFor(Label8 == "1" ? MoveRule::Star : MoveRule::Cross);
    Image10.Enabled = true;
    TimCHng.setEnabled(true);
    PLS.Visible = PL1S.Visible = PL2S.Visible = true;
    Timer1.setEnabled(false);
}

void GameWindow::Prekr() {
    PLKlik(-1, -1);
    const BoardGeometry g = view_.layoutBoard(*this);
    BoardW = g.BoardW;
    BoardH = g.BoardH;
    CellW = g.CellW;
    CellH = g.CellH;
    Shape1.Left = Shape2.Left = Shape3.Left = -3000;
    runPendingEvents();
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x) DRWP(x, y);
    Score();
}

void GameWindow::dropPendingComputerMove() {
    if (computer_) computer_->cancelThinking();
    TimPC.setEnabled(false);
    TimPC.setInterval(100);
}

}  // namespace tallowen
