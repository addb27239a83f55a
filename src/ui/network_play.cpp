#include "ui/network_play.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "net/code_proof.h"
#include "net/join_address.h"
#include "net/protocol.h"
#include "net/texts.h"
#include "setup/setup_window.h"
#include "ui/form1.h"
#include "ui/game_session.h"
#include "ui/message_box.h"

namespace tallowen {

namespace {

NetworkSetup::Link linkOf(const net::NetworkGame* game) {
    using State = net::NetworkGame::State;
    if (!game) return NetworkSetup::Link::None;
    switch (game->state()) {
        case State::Waiting: return NetworkSetup::Link::Waiting;
        case State::Setup: return NetworkSetup::Link::Connected;
        case State::Playing:
        case State::Away:
        case State::Resuming: return NetworkSetup::Link::Playing;
        case State::Ended: return NetworkSetup::Link::None;
    }
    return NetworkSetup::Link::None;
}

}  // namespace

NetworkPlay::NetworkPlay(GameSession& session, SetupWindow& setup, Form1& form1)
    : session_(session), setup_(setup), form1_(form1), port_(net::kDefaultPort), code_(net::newCode()) {
    // Each command is the network game's while one is under way; it asks the other side first.
    const auto asked = [this](bool (net::NetworkGame::*ask)()) {
        return [this, ask] {
            if (!playing()) return false;
            (game()->*ask)();
            refresh();
            return true;
        };
    };
    CommandRoute route;
    route.undo = asked(&net::NetworkGame::askUndo);
    route.restart = asked(&net::NetworkGame::askRestart);
    route.newGame = asked(&net::NetworkGame::askNewGame);
    route.exit = [this] {
        if (net::NetworkGame* g = game()) g->leave();
    };
    route.undoAllowed = [this] { return !playing() || game()->canAsk(net::Request::Undo); };
    session_.setCommandRoute(std::move(route));
}

NetworkPlay::~NetworkPlay() {
    closeQuestion();
    if (net::NetworkGame* g = game()) g->leave();
}

net::NetworkGame* NetworkPlay::game() const {
    if (host_) return host_.get();
    return join_.get();
}

bool NetworkPlay::playing() const { return linkOf(game()) == NetworkSetup::Link::Playing; }

net::PlayerLooks NetworkPlay::ownPlayer() const {
    const RemotePlayer me = setup_.ownPlayer();
    return {me.name, me.looks};
}

net::NetworkGame::Events NetworkPlay::events() {
    net::NetworkGame::Events e;
    e.changed = [this] { refresh(); };
    e.peer = [this](const net::PlayerLooks&) {
        ending_.clear();
        refresh();
    };
    e.started = [this] {
        setup_.Visible = false;
        refresh();
    };
    e.notice = [this](const std::string& text) {
        refresh();
        tell(text);
    };
    e.question = [this](net::Request, const std::string& text) { ask(text); };
    e.questionWithdrawn = [this] { closeQuestion(); };
    e.ended = [this](const std::string& why) { ended(why); };
    return e;
}

void NetworkPlay::follow() {
    const NetworkSetup& n = setup_.network;
    if (!n.hosting() && host_) drop();
    if (!n.joining() && join_) drop();
    if (n.hosting() && !host_) {
        host_ = std::make_unique<net::HostSession>(session_.game(), timers_, ownPlayer(), code_);
        host_->setEvents(events());
        told_ = ownPlayer();
        if (const auto error = host_->listen(port_)) {
            ending_ = *error;
            host_.reset();
        } else {
            ending_.clear();
            setup_.network.Addresses = net::localAddresses();
        }
    }
    const net::PlayerLooks me = ownPlayer();
    if (told_ != me) {
        told_ = me;
        if (host_) host_->setHostPlayer(me);
        if (join_) join_->setJoinerPlayer(me);
    }
    refresh();
}

void NetworkPlay::join() {
    const NetworkSetup& n = setup_.network;
    if (!n.joinEnabled()) return;
    const net::ParsedJoinAddress parsed = net::parseJoinAddress(n.Address);
    if (!parsed.address) {
        ending_ = parsed.error;
        refresh();
        return;
    }
    ending_.clear();
    told_ = ownPlayer();
    join_ = std::make_unique<net::JoinSession>(session_.game(), timers_, *told_, *parsed.address, n.Code);
    join_->setEvents(events());
    join_->connect();
    refresh();
}

bool NetworkPlay::start() {
    if (!setup_.network.Chosen) return false;
    if (host_) {
        host_->setHostPlayer(ownPlayer());
        host_->start();
    }
    refresh();
    return true;
}

void NetworkPlay::drop() {
    closeQuestion();
    if (net::NetworkGame* g = game()) g->leave();
    host_.reset();
    join_.reset();
    told_.reset();
    ending_.clear();
}

void NetworkPlay::refresh() {
    NetworkSetup& n = setup_.network;
    const net::NetworkGame* g = game();
    n.link = linkOf(g);
    const std::string status = g ? g->status() : "";
    n.Status = ending_.empty() ? status : status.empty() ? ending_ : ending_ + "\n" + status;
    n.Port = host_ ? host_->port() : 0;
    n.HostCode = host_ ? host_->code() : "";
    std::optional<RemotePlayer> peer;
    if (g && g->peer() && n.link != NetworkSetup::Link::None) peer = RemotePlayer{g->peer()->name, g->peer()->looks};
    if (peer != n.peer) setup_.showPeer(peer);
    form1_.mirror();
    session_.window().mirror();
}

void NetworkPlay::ask(const std::string& text) {
    closeQuestion();
    auto* box = new QMessageBox(QMessageBox::Question, QString(), QString::fromStdString(text), QMessageBox::NoButton,
                                &session_.window());
    box->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton* allow = box->addButton(QString::fromUtf8(net::texts::kAllow), QMessageBox::YesRole);
    QPushButton* refuse = box->addButton(QString::fromUtf8(net::texts::kRefuse), QMessageBox::NoRole);
    box->setEscapeButton(refuse);
    QObject::connect(box, &QMessageBox::buttonClicked, box, [this, allow](QAbstractButton* button) {
        question_ = nullptr;
        if (net::NetworkGame* g = game()) g->answer(button == allow);
        refresh();
    });
    question_ = box;
    box->open();
}

void NetworkPlay::closeQuestion() {
    if (!question_) return;
    QMessageBox* box = question_;
    question_ = nullptr;
    box->disconnect();
    box->close();
}

void NetworkPlay::tell(const std::string& text) {
    QWidget* over = session_.game().Visible ? static_cast<QWidget*>(&session_.window()) : &form1_;
    QTimer::singleShot(0, over, [over, text] { showMessage(over, UserMessage{text, ""}); });
}

void NetworkPlay::ended(const std::string& why) {
    closeQuestion();
    ending_ = why;
    // The game window stays as it was; what ended it is told over it, or in the setup window.
    if (!why.empty() && session_.game().Visible) tell(why);
    if (join_) {
        // The session is in its own event: it goes once the event is over, unless a new one has
        // taken its place meanwhile.
        QTimer::singleShot(0, &context_, [this, over = join_.get()] {
            if (join_.get() != over) return;
            join_.reset();
            told_.reset();
            refresh();
        });
    }
    refresh();
}

}  // namespace tallowen
