#include <gtest/gtest.h>

#include "net/code_proof.h"
#include "net/texts.h"
#include "network_fixture.h"

namespace tallowen::net {
namespace {

using State = NetworkGame::State;
using test::kCorners;
using test::waitFor;

const PlayerLooks kMallory{"Mallory", {0x00FF00, 0x000000, "2"}};

// A peer that speaks the protocol by hand, or does not.
class RawPeer {
public:
    explicit RawPeer(std::uint16_t port) : socket_(std::make_unique<QTcpSocket>()) {
        socket_->connectToHost(QHostAddress::LocalHost, port);
    }
    explicit RawPeer(QTcpSocket* accepted) : socket_(accepted) { socket_->setParent(nullptr); }

    QTcpSocket& socket() { return *socket_; }
    void sendLine(const std::string& line) {
        socket_->write(QByteArray::fromStdString(line + "\n"));
        socket_->flush();
    }
    void send(const Message& message) { sendLine(writeMessage(message)); }
    // The next line that came, read as a message; nothing when the connection ended first.
    std::optional<Message> next() {
        waitFor([this] { return socket_->canReadLine() || socket_->state() == QAbstractSocket::UnconnectedState; }, 5000);
        if (!socket_->canReadLine()) return std::nullopt;
        return readMessage(socket_->readLine().trimmed().toStdString());
    }
    template <typename T>
    std::optional<T> nextAs() {
        const auto message = next();
        if (!message || !std::holds_alternative<T>(*message)) return std::nullopt;
        return std::get<T>(*message);
    }
    bool closed(int ms = 5000) {
        return waitFor([this] { return socket_->state() == QAbstractSocket::UnconnectedState; }, ms);
    }
    // Answers the host's greeting as a joiner that knows `code`; the Join line it sent.
    std::string answerHello(const std::string& code, const PlayerLooks& me = kMallory) {
        const auto hello = nextAs<Hello>();
        if (!hello) return {};
        nonce_ = randomHex(16);
        const std::string line = writeMessage(Join{kProtocolVersion, nonce_, joinProof(code, hello->challenge, nonce_, ""), "", me});
        sendLine(line);
        return line;
    }

private:
    std::unique_ptr<QTcpSocket> socket_;
    std::string nonce_;
};

using HostilePeer = test::NetworkPlay;

TEST_F(HostilePeer, AWrongCodeOrAReplayedProofIsRefusedAndTooManyCloseTheGame) {
    {
        RawPeer guess(hostSession->port());
        guess.answerHello("000000" == test::kCode ? "111111" : "000000");
        EXPECT_EQ(guess.nextAs<Refused>(), Refused{Refusal::Code});
        EXPECT_TRUE(guess.closed());
    }
    // What an observer saw of a good join proves nothing on the next connection.
    std::string seen;
    {
        RawPeer player(hostSession->port());
        seen = player.answerHello(test::kCode);
        ASSERT_TRUE(player.nextAs<Welcome>());
        player.send(Bye{Farewell::Left});
        ASSERT_TRUE(waitFor([this] { return hostSession->state() == State::Waiting && !host.endings.empty(); }));
    }
    {
        RawPeer replay(hostSession->port());
        ASSERT_TRUE(replay.nextAs<Hello>());
        replay.sendLine(seen);
        EXPECT_EQ(replay.nextAs<Refused>(), Refused{Refusal::Code});
    }
    for (int i = 2; i < kMaxWrongCodes; ++i) {
        RawPeer guess(hostSession->port());
        guess.answerHello(std::to_string(100000 + i));
        EXPECT_EQ(guess.nextAs<Refused>(), Refused{Refusal::Code}) << i;
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(host.lastNotice(), texts::turnedAway(Refusal::Closed));
    RawPeer late(hostSession->port());
    EXPECT_TRUE(late.closed());
    EXPECT_EQ(late.socket().error(), QAbstractSocket::ConnectionRefusedError);
}

// A joiner named like a computer plays under a person's name, as at one desk.
TEST_F(HostilePeer, ASecondComputerIsTurnedAwayWhileAPlayerIsSeated) {
    RawPeer player(hostSession->port());
    player.answerHello(test::kCode, {"PC Master", kMallory.looks});
    ASSERT_TRUE(player.nextAs<Welcome>());
    ASSERT_TRUE(waitFor([this] { return !host.peers.empty(); }));
    EXPECT_EQ(host.peers.back().name, ":-) Master");
    RawPeer other(hostSession->port());
    EXPECT_EQ(other.nextAs<Refused>(), Refused{Refusal::Busy});
    EXPECT_TRUE(other.closed());
    QCoreApplication::processEvents();
    EXPECT_EQ(hostSession->state(), State::Setup);
    EXPECT_EQ(host.lastNotice(), texts::turnedAway(Refusal::Busy));
}

// A byte a second keeps no connection open: the handshake has ten seconds in all.
TEST_F(HostilePeer, AHandshakeNotDoneInTenSecondsIsClosedHoweverSlowlyBytesKeepComing) {
    RawPeer slow(hostSession->port());
    ASSERT_TRUE(slow.nextAs<Hello>());
    const std::string join = R"({"t":"join","version":1,"nonce":")";
    for (std::size_t second = 0; second < 9; ++second) {
        slow.socket().write(join.substr(second, 1).c_str(), 1);
        slow.socket().flush();
        waitFor([&] { return slow.socket().bytesToWrite() == 0; });
        QCoreApplication::processEvents();
        clock.advance(1000);
        ASSERT_EQ(slow.socket().state(), QAbstractSocket::ConnectedState) << second;
    }
    clock.advance(1000);
    EXPECT_EQ(slow.nextAs<Refused>(), Refused{Refusal::Timeout});
    EXPECT_TRUE(slow.closed());
    QCoreApplication::processEvents();
    EXPECT_EQ(host.lastNotice(), texts::turnedAway(Refusal::Timeout));
    EXPECT_EQ(hostSession->state(), State::Waiting);
}

struct Misdeed {
    const char* what;
    // Sent once the host has made the first move (or before, when `early`).
    std::function<void(RawPeer&)> send;
    Farewell expected;
    bool early = false;
};

// After joining, whatever the other side must not send ends the game on both computers with a
// message that says why, and nothing is recorded.
TEST_F(HostilePeer, WhatAJoinedPeerMustNotSendEndsTheGameOnBothSides) {
    const std::vector<Misdeed> misdeeds = {
        {"garbage", [](RawPeer& p) { p.sendLine("GET / HTTP/1.1"); }, Farewell::Malformed},
        {"binary", [](RawPeer& p) { p.sendLine(std::string("\0\xff\x01{", 4)); }, Farewell::Malformed},
        {"a move for the wrong side (out of turn)", [](RawPeer& p) { p.send(Move{1, {4, 4, 3, 3}}); },
         Farewell::OutOfTurn, true},
        {"a move of the other side's piece", [](RawPeer& p) { p.send(Move{2, {0, 0, 1, 0}}); }, Farewell::Illegal},
        {"a move out of reach", [](RawPeer& p) { p.send(Move{2, {4, 4, 0, 4}}); }, Farewell::Illegal},
        {"a move with the wrong number", [](RawPeer& p) { p.send(Move{7, {4, 4, 3, 3}}); }, Farewell::OutOfTurn},
        {"a greeting again", [](RawPeer& p) { p.send(Hello{kProtocolVersion, randomHex(16)}); }, Farewell::OutOfTurn},
        {"the host's clocks", [](RawPeer& p) { p.send(Clocks{1, {5, 5}}); }, Farewell::OutOfTurn},
    };
    for (const Misdeed& misdeed : misdeeds) {
        SCOPED_TRACE(misdeed.what);
        host.endings.clear();
        RawPeer peer(hostSession->port());
        peer.answerHello(test::kCode);
        ASSERT_TRUE(peer.nextAs<Welcome>());
        ASSERT_TRUE(waitFor([this] { return hostSession->state() == State::Setup; }));
        start(kCorners + "1", true);
        ASSERT_TRUE(peer.nextAs<Start>());
        if (!misdeed.early) {
            click(host, {0, 0, 1, 1});
            settleTurns();
            ASSERT_TRUE(peer.nextAs<Move>());
        }
        misdeed.send(peer);
        EXPECT_EQ(peer.nextAs<Bye>(), Bye{misdeed.expected});
        EXPECT_TRUE(peer.closed());
        ASSERT_TRUE(waitFor([this] { return !host.endings.empty(); }));
        EXPECT_EQ(host.endings.back(), texts::received(misdeed.expected, kMallory.name, true));
        EXPECT_FALSE(host.game.PL.Enabled);
        EXPECT_FALSE(host.game.TimerT.enabled());
        EXPECT_EQ(hostSession->state(), State::Waiting);
    }
    EXPECT_TRUE(host.stored().empty());
}

TEST_F(HostilePeer, ALineOfTenMegabytesIsDroppedAtItsFourthKilobyte) {
    RawPeer peer(hostSession->port());
    peer.answerHello(test::kCode);
    ASSERT_TRUE(peer.nextAs<Welcome>());
    const QByteArray chunk(64 * 1024, 'x');
    qint64 written = 0;
    for (int i = 0; i < 160 && peer.socket().state() == QAbstractSocket::ConnectedState; ++i) {
        written += peer.socket().write(chunk);
        waitFor([&] { return peer.socket().bytesToWrite() < 1024 * 1024; }, 1000);
    }
    EXPECT_TRUE(peer.closed());
    EXPECT_LT(written, 10 * 1024 * 1024) << "the host read on to the end of the line";
    ASSERT_TRUE(waitFor([this] { return !host.endings.empty(); }));
    EXPECT_EQ(host.endings.back(), texts::received(Farewell::Oversized, kMallory.name, false));
}

// The joiner holds the host to the same rules: it must know the code, and its moves are checked.
TEST_F(HostilePeer, TheJoinerChecksTheHostToo) {
    for (const bool knowsCode : {false, true}) {
        SCOPED_TRACE(knowsCode);
        QTcpServer fake;
        fake.listen(QHostAddress::LocalHost, 0);
        joiner.endings.clear();
        JoinSession session(joiner.game, clock, test::kEva, JoinAddress{"127.0.0.1", fake.serverPort()}, test::kCode);
        session.setEvents(joiner.events());
        session.connect();
        ASSERT_TRUE(waitFor([&] { return fake.hasPendingConnections(); }));
        RawPeer host(fake.nextPendingConnection());
        const std::string challenge = randomHex(16);
        host.send(Hello{kProtocolVersion, challenge});
        const auto join = host.nextAs<Join>();
        ASSERT_TRUE(join);
        const std::string token = randomHex(16);
        const std::string code = knowsCode ? test::kCode : "999999";
        host.send(Welcome{hostProof(code, challenge, join->nonce, token), token, false, kMallory});
        if (knowsCode) {
            ASSERT_TRUE(waitFor([&] { return session.state() == State::Setup; }));
            host.send(Start{"Corners", kCorners + "1", true, {0, 0}, {kMallory, test::kEva}, 1, false});
            host.send(Move{1, {0, 0, 3, 0}});
            EXPECT_EQ(host.nextAs<Bye>(), Bye{Farewell::Illegal});
        }
        ASSERT_TRUE(waitFor([&] { return !joiner.endings.empty(); }));
        EXPECT_EQ(joiner.endings.back(),
                  knowsCode ? texts::received(Farewell::Illegal, kMallory.name, true) : std::string(texts::kHostUnproven));
        EXPECT_EQ(session.state(), State::Ended);
    }
    EXPECT_TRUE(joiner.stored().empty());
}

}  // namespace
}  // namespace tallowen::net
