#include "engine/field_strings.h"

#include <cmath>

namespace tallowen {

int sideOfGameString(std::string_view game) {
    if (game.empty()) return 0;
    return static_cast<int>(std::nearbyint(std::sqrt(static_cast<double>(game.size() - 1))));
}

std::optional<std::string> gameStringError(std::string_view game) {
    if (game.empty()) return "the game string is empty";
    // Checked on the length first so that a huge string is refused before any arithmetic on it.
    if (game.size() > static_cast<std::size_t>(kMaxSide * kMaxSide + kMaxSide + 1))
        return "the field is larger than " + std::to_string(kMaxSide) + " x " + std::to_string(kMaxSide);
    const int side = sideOfGameString(game);
    if (side < 1 || side > kMaxSide)
        return "the field side " + std::to_string(side) + " is outside 1 ... " + std::to_string(kMaxSide);
    const char last = game.back();
    if (last != '1' && last != '2') return "the game string does not end with the first mover 1 or 2";
    return std::nullopt;
}

ParsedGame parseGameString(std::string_view game, Board& board) {
    ParsedGame parsed;
    parsed.side = sideOfGameString(game);
    parsed.firstMover = game.back() - '0';
    const int side = parsed.side;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const std::size_t p = static_cast<std::size_t>(y * side + x);
            if (p >= game.size()) continue;
            switch (game[p]) {
                case '0': board(x, y) = kNoCell; break;
                case 'X': board(x, y) = kEmpty; break;
                case '+': board(x, y) = pieceOf(1); break;
                case '-': board(x, y) = pieceOf(2); break;
                default: break;
            }
        }
    }
    return parsed;
}

std::string fieldString(const Board& board, int side) {
    std::string s;
    s.reserve(static_cast<std::size_t>(side * side));
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            switch (board(x, y)) {
                case kEmpty: s += 'X'; break;
                case pieceOf(1): s += '+'; break;
                case pieceOf(2): s += '-'; break;
                default: s += '0'; break;
            }
        }
    }
    return s;
}

std::string makeSnapshot(const Board& board, int side) {
    std::string s;
    s.reserve(static_cast<std::size_t>(side * side));
    for (int x = 0; x < side; ++x)
        for (int y = 0; y < side; ++y) s += static_cast<char>(65 + board(x, y));
    return s;
}

void restoreSnapshot(std::string_view snapshot, int side, Board& board,
                     const std::function<void(int, int)>& onChanged) {
    for (int x = 0; x < side; ++x) {
        for (int y = 0; y < side; ++y) {
            const std::size_t p = static_cast<std::size_t>(x * side + y);
            if (p >= snapshot.size()) return;
            const auto code = static_cast<std::uint8_t>(snapshot[p] - 65);
            if (board(x, y) == code) continue;
            board(x, y) = code;
            onChanged(x, y);
        }
    }
}

}  // namespace tallowen
