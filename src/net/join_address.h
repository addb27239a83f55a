#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallowen::net {

// Where a joiner connects: a host name or address and a port.
struct JoinAddress {
    std::string host;
    std::uint16_t port = 0;
    bool operator==(const JoinAddress&) const = default;
};

// The address as a person types it: "NAME", "NAME:PORT", an IPv4 address with or without ":PORT",
// an IPv6 address alone or as "[IPv6]:PORT". Without a port, the default one. The error says what
// is wrong in a short line.
struct ParsedJoinAddress {
    std::optional<JoinAddress> address;
    std::string error;
};
ParsedJoinAddress parseJoinAddress(std::string_view text);

// This computer's addresses that another computer may reach it at: those of the network interfaces
// that are up, without loopback and link-local ones, IPv4 first.
std::vector<std::string> localAddresses();

}  // namespace tallowen::net
