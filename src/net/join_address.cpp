#include "net/join_address.h"

#include <QHostAddress>
#include <QNetworkInterface>
#include <charconv>

#include "net/protocol.h"

namespace tallowen::net {

namespace {

constexpr std::size_t kMaxHostName = 253;

bool isNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_';
}

bool isIPv6(std::string_view text) {
    QHostAddress address;
    return address.setAddress(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))) &&
           address.protocol() == QAbstractSocket::IPv6Protocol;
}

std::optional<std::uint16_t> portOf(std::string_view text) {
    unsigned port = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), port);
    if (error != std::errc() || end != text.data() + text.size() || port < 1 || port > 65535) return std::nullopt;
    return static_cast<std::uint16_t>(port);
}

ParsedJoinAddress failed(std::string error) { return {std::nullopt, std::move(error)}; }

}  // namespace

ParsedJoinAddress parseJoinAddress(std::string_view text) {
    if (text.empty()) return failed("no address given");
    std::string_view host = text;
    std::string_view port;
    if (text.front() == '[') {
        const std::size_t close = text.find(']');
        if (close == std::string_view::npos) return failed("an address in [ ] needs its closing ]");
        host = text.substr(1, close - 1);
        const std::string_view rest = text.substr(close + 1);
        if (!rest.empty() && (rest.front() != ':' || rest.size() == 1)) return failed("after [address] only :PORT may follow");
        if (!rest.empty()) port = rest.substr(1);
        if (!isIPv6(host)) return failed("not an IPv6 address inside [ ]");
    } else if (text.find(':') != text.rfind(':')) {
        // Two colons or more: an IPv6 address without a port.
        if (!isIPv6(text)) return failed("not an IPv6 address (write [address]:PORT to give a port)");
    } else if (const std::size_t colon = text.find(':'); colon != std::string_view::npos) {
        host = text.substr(0, colon);
        port = text.substr(colon + 1);
    }
    if (host.empty() || host.size() > kMaxHostName) return failed("no host name or address given");
    if (!isIPv6(host))
        for (const char c : host)
            if (!isNameCharacter(c)) return failed("a host name has only letters, digits, '-', '_' and '.'");
    std::uint16_t number = kDefaultPort;
    if (!port.empty() || (text.back() == ':' && text.front() != '[')) {
        const auto parsed = portOf(port);
        if (!parsed) return failed("the port must be a whole number from 1 to 65535");
        number = *parsed;
    }
    return {JoinAddress{std::string(host), number}, {}};
}

std::vector<std::string> localAddresses() {
    std::vector<std::string> v4, v6;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) || flags.testFlag(QNetworkInterface::IsLoopBack)) continue;
        for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
            const QHostAddress ip = entry.ip();
            if (ip.isLoopback() || ip.isLinkLocal()) continue;
            const bool isV4 = ip.protocol() == QAbstractSocket::IPv4Protocol;
            (isV4 ? v4 : v6).push_back(ip.toString().toStdString());
        }
    }
    v4.insert(v4.end(), v6.begin(), v6.end());
    return v4;
}

}  // namespace tallowen::net
