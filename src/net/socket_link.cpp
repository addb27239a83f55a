#include "net/socket_link.h"

#include "net/protocol.h"

namespace tallowen::net {

SocketLink::SocketLink(std::unique_ptr<QTcpSocket> socket, TimerDriver& timers)
    : socket_(std::move(socket)),
      reader_(kMaxLineBytes),
      ping_("ping", kPingAfterMs, timers),
      silence_("silence", kSilenceLimitMs, timers) {
    socket_->setReadBufferSize(kMaxPendingBytes);
    socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    ping_.setHandler([this] { send(Ping{}); });
    silence_.setHandler([this] {
        socket_->abort();
        lose();
    });
    QObject::connect(socket_.get(), &QTcpSocket::connected, this,
                     [this] { socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1); });
    QObject::connect(socket_.get(), &QTcpSocket::readyRead, this, [this] { readAvailable(); });
    QObject::connect(socket_.get(), &QTcpSocket::disconnected, this, [this] { lose(); });
    QObject::connect(socket_.get(), &QTcpSocket::errorOccurred, this, [this] { lose(); });
}

SocketLink::~SocketLink() {
    socket_->disconnect(this);
    socket_->abort();
}

void SocketLink::keepAlive() {
    ping_.setEnabled(true);
    silence_.setEnabled(true);
}

void SocketLink::send(const Message& message) {
    if (!open_) return;
    socket_->write(QByteArray::fromStdString(writeMessage(message) + '\n'));
    socket_->flush();
    ++sent_;
    if (ping_.enabled()) {
        ping_.setEnabled(false);
        ping_.setEnabled(true);
    }
}

void SocketLink::close() {
    if (!open_) return;
    open_ = false;
    ping_.setEnabled(false);
    silence_.setEnabled(false);
    socket_->disconnectFromHost();
}

void SocketLink::readAvailable() {
    // A handler below let events run; the loop further out reads what came meanwhile.
    if (reading_) return;
    reading_ = true;
    char buffer[kMaxLineBytes];
    while (open_) {
        const qint64 n = socket_->read(buffer, sizeof buffer);
        if (n <= 0) break;
        LineReader::Lines lines = reader_.feed({buffer, static_cast<std::size_t>(n)});
        for (const std::string& line : lines.complete) {
            if (!open_) break;
            handleLine(line);
        }
        if (lines.tooLong && open_) fail(Fault::Oversized);
    }
    reading_ = false;
}

void SocketLink::handleLine(const std::string& line) {
    ++received_;
    if (silence_.enabled()) {
        silence_.setEnabled(false);
        silence_.setEnabled(true);
    }
    const std::optional<Message> message = readMessage(line);
    if (!message) {
        fail(Fault::Malformed);
        return;
    }
    if (handlers_.message) handlers_.message(*message);
}

void SocketLink::fail(Fault fault) {
    if (handlers_.fault) handlers_.fault(fault);
    close();
}

void SocketLink::lose() {
    if (!open_) return;
    open_ = false;
    ping_.setEnabled(false);
    silence_.setEnabled(false);
    if (handlers_.lost) handlers_.lost();
}

}  // namespace tallowen::net
