#pragma once

#include <memory>

#include "ui/help_window.h"

namespace tallowen {

class Form1;
class GameSession;
class ReviewWindow;

// The program's help and the review of its games: F1 in every window opens the How-to-play
// window, as does the setup window's "How to play (F1)"; the game window's "R" key and a click on
// its result panel open the review of the game it has finished.
class ProgramHelp {
public:
    ProgramHelp();
    ~ProgramHelp();
    ProgramHelp(const ProgramHelp&) = delete;
    ProgramHelp& operator=(const ProgramHelp&) = delete;

    void joinGame(GameSession& session);
    void joinSetup(Form1& form1);

    // The How-to-play window, made when it is first opened: the start has no need of it.
    HelpWindow& help();
    // The review window, made when a game is first reviewed.
    ReviewWindow* review() const { return review_.get(); }

private:
    void openReview(GameSession& session);

    std::unique_ptr<HelpWindow> help_;
    HelpKey key_;
    std::unique_ptr<ReviewWindow> review_;
};

}  // namespace tallowen
