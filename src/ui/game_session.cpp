#include "ui/game_session.h"

#include <QCoreApplication>
#include <QTimer>
#include <utility>

#include "records/figure_detail.h"
#include "ui/message_box.h"
#include "eventloop/window_thread_post.h"

namespace tallowen {

void GameSession::Recorder::recordGame(const FinishedGame& game) {
    records_.recordGame(game);
    for (const UserMessage& message : store_.takeMessages()) session_.tell(message);
}

GameSession::GameSession(SettingsStore& store)
    : store_(store),
      recorder_(store, *this),
      painter_(WindowLayout{}, paintRandom_),
      view_(painter_),
      game_(view_, recorder_),
      computer_(game_, postToThreadOf(&masterReports_, [this] { window_.mirror(); })),
      hint_(game_, computer_.master()),
      window_(game_, painter_) {
    view_.show(window_.pictureBoxes());
    game_.setComputerPlayer(&computer_);
    computer_.setBringIntoView([this](int column, int row) { window_.bringIntoView(column, row); });
    game_.setPendingEvents([this] {
        window_.mirror();
        QCoreApplication::processEvents();
    });
    for (Timer* timer : {&game_.Timer1, &game_.TimCHng, &game_.TimerT, &game_.TimPC, &hint_.TimHint})
        timers_.attach(*timer);
    window_.setHint(&hint_);
    window_.setOnUndo([this] { command(route_.undo, [this] { game_.TZ_Click(2); }); });
    timers_.setAfterFire([this] { window_.mirror(); });

    const FigureDetailRead detail = readFigureDetail(store_);
    game_.FigureDetail = detail.FigureDetail;
    if (detail.message) {
        startMessages_.push_back(*detail.message);
        repairDetail_ = true;
    }
    for (const UserMessage& message : store_.takeMessages()) startMessages_.push_back(message);
}

GameSession::~GameSession() { game_.closeWindow(); }

void GameSession::startGame() {
    game_.Picture3.Visible = false;
    game_.Timer1.setEnabled(true);
    game_.Visible = true;
    window_.mirror();
}

void GameSession::resizeWindow(double height) { window_.setWindowHeight(height); }

void GameSession::HGM_Click() { resizeWindow(smallerWindowHeight(window_.windowHeight(), window_.screenHeight())); }

void GameSession::HGV_Click() { resizeWindow(biggerWindowHeight(window_.windowHeight(), window_.screenHeight())); }

WindowSizeCommands GameSession::windowSizeCommands() const {
    return tallowen::windowSizeCommands(window_.windowHeight(), window_.screenHeight());
}

void GameSession::command(const std::function<bool()>& routed, const std::function<void()>& run) {
    if (!routed || !routed()) run();
    window_.mirror();
}

PopupActions GameSession::popupActions(std::function<void()> exit) {
    PopupActions a;
    a.restart = [this] { command(route_.restart, [this] { game_.NG_Click(); }); };
    a.newGame = [this] { command(route_.newGame, [this] { game_.UNG_Click(); }); };
    a.undo = [this](int index) { command(route_.undo, [this, index] { game_.TZ_Click(index); }); };
    a.music = [this] {
        if (onToggleMusic_) onToggleMusic_();
    };
    a.about = [this] {
        if (onAbout_) onAbout_();
    };
    a.exit = [this, exit = std::move(exit)] {
        if (route_.exit) route_.exit();
        game_.closeWindow();
        if (exit) exit();
    };
    a.smaller = [this] { HGM_Click(); };
    a.bigger = [this] { HGV_Click(); };
    a.state = [this] {
        const bool undo = game_.setup.TZEnabled && (!route_.undoAllowed || route_.undoAllowed());
        return PopupMenuState{undo, windowSizeCommands()};
    };
    return a;
}

void GameSession::setOnToggleMusic(std::function<void()> toggle) {
    onToggleMusic_ = toggle;
    window_.setOnToggleMusic(std::move(toggle));
}

void GameSession::setOnAbout(std::function<void()> about) {
    onAbout_ = about;
    window_.setOnAbout(std::move(about));
}

void GameSession::tell(const UserMessage& message) {
    QTimer::singleShot(0, &window_, [this, message] { showMessage(&window_, message); });
}

void GameSession::tellStartMessages() {
    for (const UserMessage& message : std::exchange(startMessages_, {})) tell(message);
    // The first start's write waits until the person has been told; the window is up by now.
    if (std::exchange(repairDetail_, false)) repairFigureDetail(store_);
}

}  // namespace tallowen
