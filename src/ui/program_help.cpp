#include "ui/program_help.h"

#include <QApplication>

#include "records/game_review.h"
#include "ui/form1.h"
#include "ui/game_session.h"
#include "ui/review_window.h"

namespace tallowen {

ProgramHelp::ProgramHelp() : key_([this] { help().present(); }) { QApplication::instance()->installEventFilter(&key_); }

ProgramHelp::~ProgramHelp() { QApplication::instance()->removeEventFilter(&key_); }

void ProgramHelp::joinGame(GameSession& session) {
    session.setOnReview([this, &session] { openReview(session); });
}

void ProgramHelp::joinSetup(Form1& form1) {
    form1.setOnHelp([this] { help().present(); });
}

HelpWindow& ProgramHelp::help() {
    if (!help_) help_ = std::make_unique<HelpWindow>();
    return *help_;
}

void ProgramHelp::openReview(GameSession& session) {
    const GameWindow& game = session.game();
    if (!game.GameOver) return;
    if (!review_) review_ = std::make_unique<ReviewWindow>(session.master());
    PictureLooks looks{game.HR1, game.HR2, {game.PcLevel[1], game.PcLevel[2]}, game.FigureDetail};
    review_->present(gameLineOf(game), looks);
}

}  // namespace tallowen
