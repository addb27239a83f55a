#include <cstdlib>
#include <string_view>

#include "engine/game_window.h"
#include "engine/number_text.h"

namespace tallowen {

namespace {

constexpr std::string_view kTitlePrefix = "Tallowen - ";

std::string fieldNameOf(const std::string& title) {
    if (title.compare(0, kTitlePrefix.size(), kTitlePrefix) == 0) return title.substr(kTitlePrefix.size());
    return title;
}

}  // namespace

void GameWindow::Score() {
    if (GameOver) return;
    int empty = 0, p1 = 0, p2 = 0;
    for (int x = 0; x < Side; ++x)
        for (int y = 0; y < Side; ++y) {
            const std::uint8_t c = board(x, y);
            if (c == kEmpty) ++empty;
            if (c == pieceOf(1)) ++p1;
            if (c == pieceOf(2)) ++p2;
        }

    if (p1 > p2) PLS.ForeColor = HR1.BackColor;
    if (p2 > p1) PLS.ForeColor = HR2.BackColor;
    PLS.Caption = plainNumber(std::abs(p1 - p2));
    if (p1 == p2) {
        PLS.ForeColor = kBlack;
        PLS.Caption = "TIE!";
    }
    if (p1 == 0 || p2 == 0) PLS.Visible = false;
    view_.drawScore(*this, p1, p2);
    PL1S.Caption = " " + plainNumber(p1);
    PL2S.Caption = plainNumber(p2) + " ";

    if (empty > 0 || p1 + p2 == 0) return;
    endGame(p1, p2);
}

void GameWindow::endGame(int p1, int p2) {
    FinishedGame record;
    record.fieldName = fieldNameOf(Label2.Caption);
    record.turns = static_cast<int>(TurnCount + 0.5);
    record.player1 = Label5.Caption;
    record.player2 = Label6.Caption;
    record.movement = setup.Option1 ? 1 : 2;
    record.times = 10 * setup.Combo1[0] + setup.Combo1[1];
    record.count1 = p1;
    record.count2 = p2;
    record.figure1 = figureText(HR1);
    record.figure2 = figureText(HR2);
    record.winner = p1 > p2 ? 1 : p2 > p1 ? 2 : 0;
    recorder_.recordGame(record);

    TimerT.setEnabled(true);
    Picture13[7].Visible = true;
    view_.drawWinnerFigure(*this, record.winner);
    Check3.Caption = record.winner == 1 ? Label5.Caption : record.winner == 2 ? Label6.Caption : "TIE!";
    Check3.ForeColor = kWhite;
    Picture3.Visible = true;
    PL.Enabled = false;
    Image10.Enabled = false;
    setup.TZEnabled = false;
    GameOver = true;
}

}  // namespace tallowen
