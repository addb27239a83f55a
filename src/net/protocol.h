#pragma once

#include <cstdint>

// The numbers of the network protocol, described for people in docs/network-protocol.md.
namespace tallowen::net {

// Both sides send their version in the handshake and play only with the same one.
inline constexpr int kProtocolVersion = 1;
// The port a host listens on unless told otherwise.
inline constexpr std::uint16_t kDefaultPort = 47256;

// A line is one message; a longer one ends the connection. What the socket has read but not yet
// handed over stays under kMaxPendingBytes.
inline constexpr int kMaxLineBytes = 4096;
inline constexpr int kMaxPendingBytes = 64 * 1024;

// The code a joiner proves it knows: six decimal digits. A host that has seen this many wrong
// proofs lets no one in any more.
inline constexpr int kCodeDigits = 6;
inline constexpr int kMaxWrongCodes = 10;

// Milliseconds.
inline constexpr int kHandshakeLimitMs = 10'000;  // from the connection to the joiner's welcome
inline constexpr int kPingAfterMs = 5'000;        // a side that has sent nothing for this long pings
inline constexpr int kSilenceLimitMs = 15'000;    // no whole line for this long: the connection is lost
inline constexpr int kReturnLimitMs = 120'000;    // a lost player may come back within this time
inline constexpr int kRetryEveryMs = 2'000;       // how often a lost joiner tries to come back

// Texts the other side sends are at most this many bytes; a game string at most kMaxGameBytes.
inline constexpr int kMaxTextBytes = 100;
inline constexpr int kMaxGameBytes = 300;
// The most moves a game's line holds on the wire (a move number, the moves a resume replays).
inline constexpr int kMaxMoves = 1'000'000;

}  // namespace tallowen::net
