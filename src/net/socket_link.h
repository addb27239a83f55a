#pragma once

#include <QObject>
#include <QTcpSocket>
#include <cstdint>
#include <functional>
#include <memory>

#include "engine/timer.h"
#include "net/line_reader.h"
#include "net/message.h"

namespace tallowen::net {

// One TCP connection carrying the protocol: every complete line that has arrived is read on each
// readyRead and handed over as a message; a line over the limit, or one that is not a message,
// ends the connection. Messages go out as lines at once. Once kept alive, the link pings when it
// has sent nothing for a while and gives the connection up when nothing has come for too long.
//
// Handlers may let events run (the game does while the computer thinks): lines that arrive
// meanwhile wait until the handler returns. A link is a QObject only so that it can go later: it
// is never deleted from inside one of its handlers (see LinkPtr).
class SocketLink : public QObject {
public:
    enum class Fault { Malformed, Oversized };
    struct Handlers {
        std::function<void(const Message&)> message;
        // The line was refused; the link has closed itself.
        std::function<void(Fault)> fault;
        // The connection is gone: closed by the other side, broken, or silent for too long.
        std::function<void()> lost;
    };

    // Takes the socket, connected or connecting.
    SocketLink(std::unique_ptr<QTcpSocket> socket, TimerDriver& timers);
    ~SocketLink() override;

    void setHandlers(Handlers handlers) { handlers_ = std::move(handlers); }
    // Pings and watches for silence from now on (once the handshake is done).
    void keepAlive();

    void send(const Message& message);
    // Sends what is still queued, then closes; no handler is called any more.
    void close();
    bool isOpen() const { return open_; }

    QTcpSocket& socket() { return *socket_; }
    // Counts of whole lines, for a test that waits until both sides have heard everything.
    std::uint64_t linesSent() const { return sent_; }
    std::uint64_t linesReceived() const { return received_; }

private:
    void readAvailable();
    void handleLine(const std::string& line);
    void fail(Fault fault);
    void lose();

    std::unique_ptr<QTcpSocket> socket_;
    LineReader reader_;
    Handlers handlers_;
    DrivenTimer ping_;
    DrivenTimer silence_;
    bool open_ = true;
    bool reading_ = false;
    std::uint64_t sent_ = 0;
    std::uint64_t received_ = 0;
};

// Owns a link and lets it go through the event loop, so that a link can be dropped from inside its
// own handlers.
struct LaterDelete {
    void operator()(SocketLink* link) const {
        link->close();
        link->deleteLater();
    }
};
using LinkPtr = std::unique_ptr<SocketLink, LaterDelete>;

}  // namespace tallowen::net
