#pragma once

#include <QObject>
#include <functional>
#include <vector>

#include "engine/game_window.h"
#include "opponent/computer_opponent.h"
#include "opponent/hint.h"
#include "records/game_records.h"
#include "records/settings_store.h"
#include "render/board_painter.h"
#include "render/window_size.h"
#include "ui/popup_menus.h"
#include "eventloop/qt_timer_driver.h"
#include "ui/repainting_view.h"
#include "ui/tallow.h"

namespace tallowen {

// One game window with everything behind it: the game's model, the painter, the computer player,
// the record of decided games in the store, the timers on the event loop and the window `Tallow`.
//
// Whoever starts a game (the setup window, the command line) writes the hand-over into game()
// (Label2, Label4, Label5, Label6, Label8, HR1, HR2 and setup) and calls startGame(). "New game"
// hides the window and calls the function given to game().setOnNewGame(). The popup menus belong
// to their owner, who builds them from popupActions() and hands them to window().setMenus().
// A game played with another computer takes undo, restart and new game over (the other side is
// asked first) and hears of the exit. Each of the three returns false to leave the command to the
// game at this desk.
struct CommandRoute {
    std::function<bool()> undo;
    std::function<bool()> restart;
    std::function<bool()> newGame;
    std::function<void()> exit;
    // Whether undo may be chosen now; the game's own blocking counts as well.
    std::function<bool()> undoAllowed;
};

class GameSession {
public:
    // Loads the window as the program starts: reads the figure detail from the store. What the
    // store has to say then waits for tellStartMessages().
    explicit GameSession(SettingsStore& store);
    ~GameSession();
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    GameWindow& game() { return game_; }
    Tallow& window() { return window_; }
    Hint& hint() { return hint_; }
    // "PC Master"'s thread, which the review of a finished game asks too.
    master::MasterQueue& master() { return computer_.master(); }
    // The "R" key and a click on the result panel.
    void setOnReview(std::function<void()> review) { window_.setOnReview(std::move(review)); }

    // Starts the game handed over: hides the result panel, enables the game start and shows the
    // window.
    void startGame();

    // The window size commands "Smaller window" (HGM) and "Bigger window" (HGV).
    void HGM_Click();
    void HGV_Click();

    // What the popup menus do for this game; `exit` ends the program, after the game has stopped.
    PopupActions popupActions(std::function<void()> exit);
    // The music window's visibility (the button, the "H" key, the menu's "&Hudba") and the about
    // window, both owned elsewhere.
    void setOnToggleMusic(std::function<void()> toggle);
    void setOnAbout(std::function<void()> about);
    void setCommandRoute(CommandRoute route) { route_ = std::move(route); }

    // Shows a message box over the window once the events under way have run; the game goes on.
    void tell(const UserMessage& message);
    // Tells what the store had to say as the program started, once its first window is up, and
    // then repairs a missing figure detail.
    void tellStartMessages();

private:
    // Keeps each decided game in the store and tells the person what the store had to say.
    class Recorder : public GameRecorder {
    public:
        Recorder(SettingsStore& store, GameSession& session) : store_(store), records_(store), session_(session) {}
        void recordGame(const FinishedGame& game) override;

    private:
        SettingsStore& store_;
        GameRecords records_;
        GameSession& session_;
    };

    void resizeWindow(double height);
    WindowSizeCommands windowSizeCommands() const;
    // The command goes the route when it takes it, else to the game.
    void command(const std::function<bool()>& routed, const std::function<void()>& run);

    SettingsStore& store_;
    Recorder recorder_;
    RandomSource paintRandom_;
    BoardPainter painter_;
    RepaintingView view_;
    GameWindow game_;
    // "PC Master"'s reports come through here to the window thread; made before and gone after the
    // computer player, whose search thread posts them.
    QObject masterReports_;
    ComputerOpponent computer_;
    Hint hint_;
    Tallow window_;
    QtTimerDriver timers_;
    std::function<void()> onAbout_;
    std::function<void()> onToggleMusic_;
    std::vector<UserMessage> startMessages_;
    bool repairDetail_ = false;
    CommandRoute route_;
};

}  // namespace tallowen
