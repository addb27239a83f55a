#include "net/host_session.h"

#include <QTcpSocket>

#include "engine/player_names.h"
#include "net/code_proof.h"
#include "net/texts.h"

namespace tallowen::net {

namespace {

constexpr int kChallengeBytes = 16;

Farewell farewellOf(SocketLink::Fault fault) {
    return fault == SocketLink::Fault::Oversized ? Farewell::Oversized : Farewell::Malformed;
}

}  // namespace

HostSession::HostSession(GameWindow& game, TimerDriver& timers, PlayerLooks host, std::string code)
    : NetworkGame(game, 1, timers),
      timers_(timers),
      code_(std::move(code)),
      host_(std::move(host)),
      handshake_("handshake", kHandshakeLimitMs, timers) {
    host_.name = sendableText(host_.name);
    handshake_.setHandler([this] {
        if (!knocking_) return;
        turnAway(*knocking_, Refusal::Timeout);
        dropKnocking();
    });
    QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] { knock(); });
}

HostSession::~HostSession() {
    server_.close();
    if (peer_ && state() != State::Ended) peer_->send(Bye{Farewell::Left});
    // Not from inside a handler of the links': they go now, while the timers' driver is there.
    delete peer_.release();
    delete knocking_.release();
}

std::optional<std::string> HostSession::listen(std::uint16_t port) {
    if (server_.listen(QHostAddress::Any, port)) return std::nullopt;
    return "Cannot wait for players on port " + std::to_string(port) + ": " + server_.errorString().toStdString();
}

void HostSession::knock() {
    while (server_.hasPendingConnections()) {
        std::unique_ptr<QTcpSocket> socket(server_.nextPendingConnection());
        socket->setParent(nullptr);
        auto link = LinkPtr(new SocketLink(std::move(socket), timers_));
        const bool seated = peer_ && state() != State::Away;
        if (closed_ || knocking_ || seated) {
            turnAway(*link, closed_ ? Refusal::Closed : Refusal::Busy);
            continue;
        }
        knocking_ = std::move(link);
        challenge_ = randomHex(kChallengeBytes);
        knocking_->setHandlers({[this](const Message& m) { handshake(m); },
                                [this](SocketLink::Fault) { dropKnocking(); },
                                [this] { dropKnocking(); }});
        knocking_->send(Hello{kProtocolVersion, challenge_});
        handshake_.setEnabled(true);
    }
}

void HostSession::dropKnocking() {
    handshake_.setEnabled(false);
    knocking_.reset();
}

void HostSession::turnAway(SocketLink& link, Refusal why) {
    link.send(Refused{why});
    link.close();
    notify(texts::turnedAway(why));
}

void HostSession::handshake(const Message& message) {
    const Join* join = std::get_if<Join>(&message);
    if (!join) return dropKnocking();
    if (join->version != kProtocolVersion) {
        turnAway(*knocking_, Refusal::Version);
        return dropKnocking();
    }
    if (!sameProof(join->proof, joinProof(code_, challenge_, join->nonce, join->token))) {
        turnAway(*knocking_, Refusal::Code);
        dropKnocking();
        if (++wrongCodes_ < kMaxWrongCodes) return;
        closed_ = true;
        server_.close();
        notify(texts::turnedAway(Refusal::Closed));
        return;
    }
    // Only the player who left may take the seat of a game that waits for them.
    if (state() == State::Away && join->token != token_) {
        turnAway(*knocking_, Refusal::Busy);
        return dropKnocking();
    }
    letIn(*join);
}

void HostSession::letIn(const Join& join) {
    const bool back = state() == State::Away;
    if (!back) token_ = randomHex(kChallengeBytes);
    handshake_.setEnabled(false);
    peer_ = std::move(knocking_);
    peer_->setHandlers({[this](const Message& m) { receive(m); },
                        [this](SocketLink::Fault fault) { faultyLine(farewellOf(fault)); },
                        [this] { connectionLost(); }});
    peer_->keepAlive();
    peer_->send(Welcome{hostProof(code_, challenge_, join.nonce, token_), token_, back, host_});
    if (back)
        peerBack();
    else
        joined({startName(join.player.name, 2), join.player.looks});
}

void HostSession::send(const Message& message) {
    if (peer_) peer_->send(message);
}

void HostSession::hangUp() {
    if (peer_) peer_->close();
}

void HostSession::afterEnd() {
    peer_.reset();
    if (!closed_) setState(State::Waiting);
}

}  // namespace tallowen::net
