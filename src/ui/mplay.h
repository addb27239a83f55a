#pragma once

#include <QWidget>
#include <functional>

#include "engine/random_source.h"
#include "setup/music_player.h"
#include "eventloop/qt_timer_driver.h"

class QLabel;
class QListWidget;
class QPushButton;
class QWindow;

namespace tallowen {

// The music window, "Tallowen - Music": the title strips with the progress knob, the track list and
// a quiet line when there is no sound. It shows the model's state and forwards the list's clicks;
// closing it only hides it, and the music goes on.
class MPlay final : public QWidget {
public:
    explicit MPlay(MusicPlayer& model, QWidget* parent = nullptr);
    ~MPlay() override;

    // Start-up: lists the tracks and starts a random one.
    void load(RandomSource& random);
    // The music buttons, the "H" key and the menu item show or hide the window.
    void toggleVisible();
    // Says which of the program's windows a top-level window is: the game, setup or about window,
    // or Other. Asked at each change, so windows made later are known as they come.
    void setWindowKinds(std::function<ActiveWindow(const QWidget*)> kindOf) { kindOf_ = std::move(kindOf); }
    // Told when the game window's inactive title strip is to show or hide: it shows exactly while
    // the program is in the background.
    void setOnBackground(std::function<void(bool)> onBackground);

    // What the window shows, for tests.
    QListWidget* trackList() const { return Combo1_; }
    QPushButton* knob() const { return Command2_; }
    QLabel* inactiveStrip() const { return Picture2_; }
    QLabel* soundNote() const { return Label1_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void mirror();
    void focusWindowChanged(QWindow* window);
    void paintStrips();

    MusicPlayer& model_;
    QtTimerDriver timers_;
    QLabel* Picture1_;
    QLabel* Picture2_;
    QPushButton* Command2_;
    QListWidget* Combo1_;
    QLabel* Label1_;
    std::function<ActiveWindow(const QWidget*)> kindOf_;
    std::function<void(bool)> onBackground_;
    bool background_ = false;
};

}  // namespace tallowen
