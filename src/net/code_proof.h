#pragma once

#include <string>
#include <string_view>

namespace tallowen::net {

// The game's code and the proofs of knowing it. A proof is an HMAC-SHA256 keyed with the code
// over the host's fresh challenge, the joiner's fresh nonce and the game's token, with a label
// for each direction: what an observer of one connection saw proves nothing on the next, whose
// challenge is new, and the host's proof cannot be sent back as a joiner's.

// Six random decimal digits.
std::string newCode();
// Exactly six decimal digits.
bool isCode(std::string_view text);
// `bytes` random bytes as lower-case hexadecimal, from the system's secure source.
std::string randomHex(int bytes);

std::string joinProof(std::string_view code, std::string_view challenge, std::string_view nonce, std::string_view token);
std::string hostProof(std::string_view code, std::string_view challenge, std::string_view nonce, std::string_view token);

// Compares two proofs in a time that does not depend on where they differ.
bool sameProof(std::string_view a, std::string_view b);

}  // namespace tallowen::net
