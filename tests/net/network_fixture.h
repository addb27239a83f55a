#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "../temp_dir.h"
#include "engine/board_view.h"
#include "engine/game_window.h"
#include "engine/virtual_clock.h"
#include "net/host_session.h"
#include "net/join_session.h"
#include "opponent/computer_opponent.h"
#include "records/game_records.h"
#include "records/settings_store.h"
#include "records/stored_games.h"

namespace tallowen::net::test {

// Lets the event loop run until `done` holds; false after `ms` of real time.
inline bool waitFor(const std::function<bool()>& done, int ms = 20000) {
    const QDeadlineTimer deadline(ms);
    QTimer wake;
    wake.start(2);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// A TCP relay between the joiner and the host that a test cuts, as a broken network would: both ends
// see their connection end.
class TcpRelay {
public:
    explicit TcpRelay(std::uint16_t target) : target_(target) {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] { accept(); });
    }
    std::uint16_t port() const { return server_.serverPort(); }
    void cut() {
        for (auto& [in, out] : pairs_) {
            in->abort();
            out->abort();
        }
        pairs_.clear();
    }
    // Takes no connection any more.
    void stop() { server_.close(); }

private:
    void accept() {
        while (server_.hasPendingConnections()) {
            std::unique_ptr<QTcpSocket> in(server_.nextPendingConnection());
            in->setParent(nullptr);
            auto out = std::make_unique<QTcpSocket>();
            QTcpSocket* a = in.get();
            QTcpSocket* b = out.get();
            QObject::connect(a, &QTcpSocket::readyRead, b, [a, b] { b->write(a->readAll()); });
            QObject::connect(b, &QTcpSocket::readyRead, a, [a, b] { a->write(b->readAll()); });
            QObject::connect(a, &QTcpSocket::disconnected, b, [b] { b->disconnectFromHost(); });
            QObject::connect(b, &QTcpSocket::disconnected, a, [a] { a->disconnectFromHost(); });
            out->connectToHost(QHostAddress::LocalHost, target_);
            pairs_.emplace_back(std::move(in), std::move(out));
        }
    }

    std::uint16_t target_;
    QTcpServer server_;
    std::vector<std::pair<std::unique_ptr<QTcpSocket>, std::unique_ptr<QTcpSocket>>> pairs_;
};

// One computer of a network game: the game window's model with its own store, a computer player
// for a side whose time ran out, its timers on the shared virtual clock, and what its player was
// told.
struct Computer {
    Computer(VirtualClock& clock, const std::filesystem::path& storeFile)
        : store(storeFile), records(store), game(view, records), computer(game) {
        for (Timer* timer : {&game.Timer1, &game.TimCHng, &game.TimerT, &game.TimPC}) clock.attach(*timer);
        game.setComputerPlayer(&computer);
    }

    NetworkGame::Events events() {
        return {[] {},
                [this](const PlayerLooks& p) { peers.push_back(p); },
                [this] { ++started; },
                [this](const std::string& text) { notices.push_back(text); },
                [this](Request, const std::string& text) { questions.push_back(text); },
                [this] { ++withdrawn; },
                [this](const std::string& why) { endings.push_back(why); }};
    }
    std::vector<StoredGame> stored() { return readStoredGames(store).games; }
    std::string lastNotice() const { return notices.empty() ? "" : notices.back(); }

    HeadlessBoardView view;
    SettingsStore store;
    GameRecords records;
    GameWindow game;
    ComputerOpponent computer;
    std::vector<PlayerLooks> peers;
    std::vector<std::string> notices, questions, endings;
    int started = 0;
    int withdrawn = 0;
};

inline const PlayerLooks kAnn{"Ann", {0x0000FF, 0xFFFFFF, "1"}};
inline const PlayerLooks kEva{"Eva", {0xFF0000, 0x000000, "5"}};
inline const std::string kCode = "428571";
// A 5 x 5 field with one piece each in opposite corners.
inline const std::string kCorners = "+XXXXXXXXXXXXXXXXXXXXXXX-";

// A host and a joiner in one process, talking over localhost through a relay, their game timers and
// the network's timers on one virtual clock.
class NetworkPlay : public ::testing::Test {
protected:
    NetworkPlay() {
        hostSession = std::make_unique<HostSession>(host.game, clock, kAnn, kCode);
        hostSession->setEvents(host.events());
        const auto error = hostSession->listen(0);
        EXPECT_FALSE(error) << *error;
        relay = std::make_unique<TcpRelay>(hostSession->port());
        joinSession = std::make_unique<JoinSession>(joiner.game, clock, kEva, JoinAddress{"127.0.0.1", relay->port()},
                                                    kCode);
        joinSession->setEvents(joiner.events());
    }
    ~NetworkPlay() override {
        joinSession.reset();
        hostSession.reset();
        // The connections go through the event loop.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Both sides have read every line the other sent, and the events they posted have run.
    void sync() {
        const auto heard = [this] {
            const SocketLink* h = hostSession->connection();
            const SocketLink* j = joinSession->connection();
            if (!h || !j || !h->isOpen() || !j->isOpen()) return true;
            return h->linesSent() == j->linesReceived() && j->linesSent() == h->linesReceived();
        };
        ASSERT_TRUE(waitFor(heard));
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    // Fires the next due timer on the virtual clock and lets the other side hear of it.
    void advance() {
        clock.step();
        sync();
    }
    bool pending(Computer& c) {
        return c.game.Timer1.enabled() || c.game.TimCHng.enabled() || c.game.TimPC.enabled();
    }
    // Runs the timers until neither side has a start, turn change or computer move pending.
    void settleTurns() {
        for (int i = 0; i < 1000 && (pending(host) || pending(joiner)); ++i) advance();
        ASSERT_FALSE(pending(host) || pending(joiner));
    }

    void connect() {
        joinSession->connect();
        ASSERT_TRUE(waitFor([this] {
            return hostSession->state() == NetworkGame::State::Setup && joinSession->state() == NetworkGame::State::Setup;
        }));
        sync();
    }
    // The host's setup window hands the game over and START is pressed.
    void start(const std::string& gameString, bool star, std::array<int, 2> times = {0, 0}) {
        GameWindow& g = host.game;
        g.Label2.Caption = "Tallowen - Corners";
        g.Label4 = gameString;
        g.Label5.Caption = kAnn.name;
        g.HR1 = kAnn.looks;
        g.Label8 = star ? "1" : "2";
        g.setup.Option1 = star;
        g.setup.Combo1 = times;
        g.setup.Option19 = {true, true};
        ASSERT_TRUE(hostSession->start());
        sync();
        settleTurns();
    }

    Computer& mover() { return host.game.CurPlayer == 1 ? host : joiner; }
    // A move of the side to move, grows first so that games end soon.
    BoardMove pickMove(Computer& side) {
        const GameWindow& g = side.game;
        std::vector<BoardMove> grows, jumps;
        for (int x = 0; x < g.Side; ++x)
            for (int y = 0; y < g.Side; ++y)
                for (int i = 0; i <= g.dirs.DirLast; ++i) {
                    const BoardMove m{x, y, x + g.dirs.DirX[i], y + g.dirs.DirY[i]};
                    if (isLegalMove(g.board, g.Side, g.dirs, g.CurPlayer, m))
                        (g.dirs.DirKind[i] == kGrow ? grows : jumps).push_back(m);
                }
        const auto& from = grows.empty() ? jumps : grows;
        EXPECT_FALSE(from.empty());
        return from.empty() ? BoardMove{} : from[random() % from.size()];
    }
    // Two clicks on the board as the person at that computer makes them.
    void click(Computer& side, const BoardMove& m) {
        GameWindow& g = side.game;
        g.PL_MouseDown((m.sx + 0.5) * g.CellW, (m.sy + 0.5) * g.CellH);
        g.PL_MouseDown((m.tx + 0.5) * g.CellW, (m.ty + 0.5) * g.CellH);
    }
    void move(Computer& side, const BoardMove& m) {
        click(side, m);
        ASSERT_TRUE(side.game.TimCHng.enabled()) << "the board refused the move";
        sync();
        settleTurns();
        ASSERT_EQ(host.game.board, joiner.game.board);
    }
    void playToTheEnd() {
        for (int i = 0; i < 500 && !host.game.GameOver; ++i) {
            Computer& side = mover();
            move(side, pickMove(side));
            if (::testing::Test::HasFatalFailure()) return;
        }
        ASSERT_TRUE(host.game.GameOver && joiner.game.GameOver);
    }

    testing::TempDir dir;
    VirtualClock clock;
    std::minstd_rand random{7};
    Computer host{clock, dir / "host.sqlite3"};
    Computer joiner{clock, dir / "joiner.sqlite3"};
    std::unique_ptr<HostSession> hostSession;
    std::unique_ptr<TcpRelay> relay;
    std::unique_ptr<JoinSession> joinSession;
};

}  // namespace tallowen::net::test
