#include "engine/headless_game.h"

#include "engine/player_names.h"

namespace tallowen {

HeadlessGame::HeadlessGame(GameRecorder* recorder, BoardView* view)
    : game_(view ? *view : view_, recorder ? *recorder : noRecorder_) {
    clock_.attach(game_.Timer1);
    clock_.attach(game_.TimCHng);
    clock_.attach(game_.TimerT);
    clock_.attach(game_.TimPC);
}

void HeadlessGame::start(MoveRule rule, const std::string& gameString, const std::string& player1,
                         const std::string& player2) {
    game_.Label4 = gameString;
    game_.Label5.Caption = player1;
    game_.Label6.Caption = player2;
    game_.Label8 = rule == MoveRule::Star ? "1" : "2";
    game_.setup.Option1 = rule == MoveRule::Star;
    game_.setup.Option19 = {computerLevelOfName(player1) == 0, computerLevelOfName(player2) == 0};
    game_.Visible = true;
    game_.Timer1.setEnabled(true);
    clock_.runUntil([this] { return !game_.Timer1.enabled(); });
    finishTurnChange();
}

void HeadlessGame::finishTurnChange() {
    clock_.runUntil([this] { return !game_.TimCHng.enabled(); });
}

}  // namespace tallowen
