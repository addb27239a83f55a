#include "net/join_session.h"

#include "net/code_proof.h"
#include "net/protocol.h"
#include "net/texts.h"

namespace tallowen::net {

namespace {

constexpr int kNonceBytes = 16;

std::string shown(const JoinAddress& a) {
    const bool v6 = a.host.find(':') != std::string::npos;
    return (v6 ? "[" + a.host + "]" : a.host) + ":" + std::to_string(a.port);
}

}  // namespace

JoinSession::JoinSession(GameWindow& game, TimerDriver& timers, PlayerLooks joiner, JoinAddress address,
                         std::string code)
    : NetworkGame(game, 2, timers),
      timers_(timers),
      me_(std::move(joiner)),
      address_(std::move(address)),
      code_(std::move(code)),
      handshake_("handshake", kHandshakeLimitMs, timers),
      retry_("retry", kRetryEveryMs, timers) {
    me_.name = sendableText(me_.name);
    handshake_.setHandler([this] {
        handshake_.setEnabled(false);
        if (link_) link_->close();
        if (state() == State::Away) return retry_.setEnabled(true);
        fail(texts::refusal(Refusal::Timeout));
    });
    retry_.setHandler([this] {
        retry_.setEnabled(false);
        if (state() == State::Away) dial();
    });
}

JoinSession::~JoinSession() {
    if (link_ && welcomed_ && state() != State::Ended) link_->send(Bye{Farewell::Left});
    // Not from inside a handler of the link's: it goes now, while the timers' driver is there.
    delete link_.release();
}

std::string JoinSession::status() const {
    return state() == State::Waiting ? texts::connecting(shown(address_)) : NetworkGame::status();
}

void JoinSession::connect() {
    if (state() == State::Waiting && !link_) dial();
}

void JoinSession::setJoinerPlayer(PlayerLooks joiner) {
    me_ = std::move(joiner);
    me_.name = sendableText(me_.name);
    if (state() == State::Setup) send(PlayerChanged{me_});
}

void JoinSession::dial() {
    welcomed_ = false;
    link_ = LinkPtr(new SocketLink(std::make_unique<QTcpSocket>(), timers_));
    link_->setHandlers({[this](const Message& m) { handshake(m); },
                        [this](SocketLink::Fault) { dialLost(); },
                        [this] { dialLost(); }});
    handshake_.setEnabled(true);
    link_->socket().connectToHost(QString::fromStdString(address_.host), address_.port);
}

void JoinSession::handshake(const Message& message) {
    if (const auto* hello = std::get_if<Hello>(&message); hello && challenge_.empty()) {
        if (hello->version != kProtocolVersion) {
            link_->send(Refused{Refusal::Version});
            return fail(texts::refusal(Refusal::Version));
        }
        challenge_ = hello->challenge;
        nonce_ = randomHex(kNonceBytes);
        link_->send(Join{kProtocolVersion, nonce_, joinProof(code_, challenge_, nonce_, token_), token_, me_});
        return;
    }
    if (const auto* refused = std::get_if<Refused>(&message)) return fail(texts::refusal(refused->reason));
    const auto* welcome = std::get_if<Welcome>(&message);
    const bool back = state() == State::Away;
    if (!welcome || challenge_.empty() || welcome->resume != back || (back && welcome->token != token_))
        return fail(texts::unreachable(shown(address_), "it does not speak this game's network protocol."));
    if (!sameProof(welcome->proof, hostProof(code_, challenge_, nonce_, welcome->token))) return fail(texts::kHostUnproven);
    handshake_.setEnabled(false);
    challenge_.clear();
    token_ = welcome->token;
    welcomed_ = true;
    link_->setHandlers({[this](const Message& m) { receive(m); },
                        [this](SocketLink::Fault fault) {
                            faultyLine(fault == SocketLink::Fault::Oversized ? Farewell::Oversized : Farewell::Malformed);
                        },
                        [this] {
                            connectionLost();
                            if (state() == State::Away) retry_.setEnabled(true);
                        }});
    link_->keepAlive();
    if (back)
        resuming();
    else
        joined(welcome->player);
}

void JoinSession::dialLost() {
    handshake_.setEnabled(false);
    challenge_.clear();
    if (state() == State::Away) return retry_.setEnabled(true);
    const std::string why = link_ ? link_->socket().errorString().toStdString() : std::string();
    fail(texts::unreachable(shown(address_), why + "."));
}

void JoinSession::fail(const std::string& why) {
    handshake_.setEnabled(false);
    if (link_) link_->close();
    endWith(why);
}

void JoinSession::send(const Message& message) {
    if (link_) link_->send(message);
}

void JoinSession::hangUp() {
    if (link_) link_->close();
}

void JoinSession::afterEnd() {
    retry_.setEnabled(false);
    handshake_.setEnabled(false);
    link_.reset();
}

}  // namespace tallowen::net
