#include "setup/music_player.h"

#include "engine/rounding.h"
#include "setup/track_list.h"

namespace tallowen {

MusicPlayer::MusicPlayer(MidiDevice& device, std::filesystem::path folder)
    : device_(device), folder_(std::move(folder)) {
    Timer1.setHandler([this] { Timer1_Timer(); });
}

void MusicPlayer::load(RandomSource& random) {
    Combo1 = musicTrackList(folder_);
    Combo1ListIndex = firstTrack(static_cast<int>(Combo1.size()), random);
    Combo1_Click();
}

void MusicPlayer::Combo1_Click() {
    if (Combo1ListIndex <= 0) {
        Timer1.setEnabled(false);
        Command2Visible = false;
        device_.stop();
        device_.close();
        return;
    }
    Timer1.setEnabled(true);
    Command2Visible = true;
    Play();
}

void MusicPlayer::Play() {
    device_.close();
    device_.open(trackPath(folder_, Combo1[static_cast<std::size_t>(Combo1ListIndex)]).string());
    device_.play();
}

void MusicPlayer::Timer1_Timer() {
    noteSoundProblem();
    const long length = device_.length();
    const long position = device_.position();
    if (length > 0) Command2Left = 4 + roundHalfEven(static_cast<double>(Picture1Width) * position / length);
    // A track that could not be opened stays at length 0 and counts as stalled too, so that it is
    // tried again, once a tick, until another entry is chosen.
    if (position == lastPosition_)
        ++stalledTicks_;
    else
        stalledTicks_ = 0;
    lastPosition_ = position;
    if (stalledTicks_ >= kStallTicks) Combo1_Click();
    if (onChange_) onChange_();
}

void MusicPlayer::activeWindowChanged(ActiveWindow active) {
    Picture2Visible = active != ActiveWindow::Music;
    TallowPicture4Visible = active == ActiveWindow::Other;
}

void MusicPlayer::noteSoundProblem() {
    if (Label1.empty()) Label1 = device_.soundProblem();
}

}  // namespace tallowen
