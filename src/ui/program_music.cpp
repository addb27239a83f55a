#include "ui/program_music.h"

#include "setup/music_folder.h"
#include "ui/form1.h"
#include "ui/frm_about.h"
#include "ui/game_session.h"

namespace tallowen {

ProgramMusic::ProgramMusic(const std::filesystem::path& programFolder)
    : player_(device_, musicFolder(programFolder)), window_(player_) {
    window_.setWindowKinds([this](const QWidget* window) { return kindOf(window); });
}

void ProgramMusic::joinGame(GameSession& session) {
    game_ = &session.window();
    session.setOnToggleMusic([this] { window_.toggleVisible(); });
    window_.setOnBackground([&session](bool background) { session.window().setPicture4Visible(background); });
}

void ProgramMusic::joinSetup(Form1& form1) {
    form1.setOnMusic([this] { window_.toggleVisible(); });
}

// The about window is made on first use, so windows are told apart by their kind.
ActiveWindow ProgramMusic::kindOf(const QWidget* window) const {
    if (window == game_) return ActiveWindow::Game;
    if (dynamic_cast<const Form1*>(window)) return ActiveWindow::Setup;
    if (dynamic_cast<const frmAbout*>(window)) return ActiveWindow::About;
    return ActiveWindow::Other;
}

}  // namespace tallowen
