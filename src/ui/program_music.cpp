#include "ui/program_music.h"

#include "setup/music_folder.h"
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

ActiveWindow ProgramMusic::kindOf(const QWidget* window) const {
    return window == game_ ? ActiveWindow::Game : ActiveWindow::Other;
}

}  // namespace tallowen
