#pragma once

#include <cstdint>

#include "engine/board.h"
#include "opponent/master/bitboard.h"
#include "opponent/master/field.h"

namespace tallowen::master {

// A move as the search keeps it: the target cell, and for a jump its source. All grows to one
// cell give the same position, so a grow names no source.
using Move = std::uint32_t;
inline constexpr Move kNoMove = 0;
constexpr Move growMove(int to) { return 0x10000u | static_cast<Move>(to); }
constexpr Move jumpMove(int from, int to) { return 0x30000u | static_cast<Move>(from) << 8 | static_cast<Move>(to); }
constexpr bool isJump(Move m) { return (m & 0x20000u) != 0; }
constexpr int targetOf(Move m) { return static_cast<int>(m & 0xFFu); }
constexpr int sourceOf(Move m) { return static_cast<int>((m >> 8) & 0xFFu); }

// Values: the piece difference for the side to move while the game goes on; a finished game is
// worth its final difference beyond kWon, so any win outranks any unfinished position.
inline constexpr int kWon = 1000;
constexpr int finalValue(int own, int other) {
    const int difference = own - other;
    return difference > 0 ? kWon + difference : difference < 0 ? -kWon + difference : 0;
}

// A position seen from the side to move.
struct Position {
    Bits own;
    Bits other;
    int ownCount = 0;
    int otherCount = 0;
    int player = 1;  // the side to move, 1 or 2
    std::uint64_t key = 0;

    // The board's position with `player` to move.
    static Position of(const Board& board, const Field& field, int player);

    // The position after `move`, with the other side to move.
    Position after(Move move, const Field& field) const;

    Bits empty(const Field& field) const { return minus(field.cells(), own | other); }
    bool canMove(const Field& field) const { return field.reach(own).intersects(empty(field)); }
    int difference() const { return ownCount - otherCount; }
    // What the game is worth to the side to move when it cannot move: the other side receives
    // every empty cell, and the field is full.
    int valueWhenStuck(const Field& field) const { return finalValue(ownCount, field.cellCount() - ownCount); }
};

}  // namespace tallowen::master
