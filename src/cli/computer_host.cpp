#include "cli/computer_host.h"

#include <QDeadlineTimer>
#include <QTimer>

#include "engine/player_names.h"
#include "eventloop/window_thread_post.h"

namespace tallowen::cli {

ComputerHost::ComputerHost(const HostedGame& hosted, const std::string& code, std::ostream& out, std::ostream& err)
    : hosted_(hosted),
      out_(out),
      err_(err),
      game_(view_, recorder_),
      computer_(game_, postToThreadOf(&reports_)),
      session_(game_, timers_, {computerName(hosted.level), game_.HR1}, code) {
    for (Timer* timer : {&game_.Timer1, &game_.TimCHng, &game_.TimerT, &game_.TimPC}) timers_.attach(*timer);
    game_.setComputerPlayer(&computer_);
    // An allowed new game starts at once, as START would.
    game_.setOnNewGame([this] { QTimer::singleShot(0, &reports_, [this] { startGame(); }); });
    net::NetworkGame::Events events;
    events.peer = [this](const net::PlayerLooks&) {
        if (session_.state() == net::NetworkGame::State::Setup) startGame();
    };
    events.question = [this](net::Request what, const std::string&) {
        const int round = session_.round();
        const bool abandoned = what != net::Request::Undo && underWay_ && !game_.GameOver;
        session_.answer(true);
        // An overtaken question changed nothing.
        if (what == net::Request::Undo || session_.round() == round) return;
        if (abandoned) unfinished("the player asked to begin again");
        underWay_ = what == net::Request::Restart;
    };
    events.notice = [this](const std::string& text) {
        err_ << "tallowen-engine host: " << text << "\n";
        if (!session_.listening() && done_) done_(1);
    };
    events.ended = [this](const std::string& why) {
        if (underWay_) unfinished(why);
        else if (!why.empty()) err_ << "tallowen-engine host: " << why << "\n";
    };
    session_.setEvents(std::move(events));
}

ComputerHost::~ComputerHost() { game_.closeWindow(); }

void ComputerHost::startGame() {
    if (session_.state() != net::NetworkGame::State::Setup) return;
    game_.Label2.Caption = "Tallowen - " + hosted_.fieldName;
    game_.Label4 = hosted_.gameString;
    game_.Label5.Caption = computerName(hosted_.level);
    game_.Label8 = hosted_.rule == MoveRule::Star ? "1" : "2";
    game_.setup.Option1 = hosted_.rule == MoveRule::Star;
    game_.setup.Combo1 = {0, 0};
    game_.setup.Option19 = {false, true};
    underWay_ = session_.start();
}

void ComputerHost::finished(const FinishedGame& game) {
    const char* winner = game.winner == 1 ? "1" : game.winner == 2 ? "2" : "tie";
    out_ << "game " << played_ + 1 << " winner " << winner << " counts " << game.count1 << ' ' << game.count2
         << " turns " << game.turns << " against " << game.player2 << std::endl;
    counted();
}

void ComputerHost::unfinished(const std::string& why) {
    out_ << "game " << played_ + 1 << " unfinished against " << game_.Label6.Caption << std::endl;
    if (!why.empty()) err_ << "tallowen-engine host: " << why << "\n";
    counted();
}

void ComputerHost::counted() {
    underWay_ = false;
    ++played_;
    if (hosted_.games > 0 && played_ >= hosted_.games) goAfterThePlayer();
}

// The player's side ends a game on the last move it receives, and a connection that goes at once
// after that move can overtake it there: the host stays until the player has gone, or a few
// seconds have passed.
void ComputerHost::goAfterThePlayer() {
    const QDeadlineTimer deadline(kStayAfterLastGameMs);
    QObject::connect(&staying_, &QTimer::timeout, &reports_, [this, deadline] {
        if (session_.connection() && !deadline.hasExpired()) return;
        staying_.stop();
        if (done_) done_(0);
    });
    staying_.start(50);
}

}  // namespace tallowen::cli
