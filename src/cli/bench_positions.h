#pragma once

#include <string>

namespace tallowen::cli {

// The heaviest level-3 positions found on the 15 x 15 field (by climbing from random fields
// towards longer searches), for player 1 under Star: one before any move, when the whole board is
// looked at, and one after a move from (7, 7) to (8, 8), when four windows are.
inline const std::string kHeaviestFirst =
    "X+X-X++++XX+-X+" "+XX+++++X+X-XX-" "+XXXX-XXX-XXX+X" "XX--+XX++-XX-+X" "X+-XXX-XX-XX+XX"
    "+---+X+-XX+-+-X" "+X+++X-XX++X+--" "++XXXXX+-XXXX++" "X-X++X-+-+XX+-X" "XXXXX+X-+X-+X-+"
    "--+XXXXXX++X-XX" "XX+X++++++X+-XX" "++XXX+XX++XXX+-" "X+XX++-XX-X++X+" "-++XXX+XXX++X--" "1";
inline const std::string kHeaviestAfterMove =
    "X-+X--+++X++-++" "++X+++X++XX-XX-" "+XXX+++XXXXXX++" "XXX++-XX+++X-++" "++XXX+XXX-X-XX-"
    "+-XX+X+X--X+++X" "+X++++X+-++X+-X" "X+XXXXX+XXXX--+" "XX--XXXXX-+-++X" "X-+X-+X++X-+X--"
    "--X+XXX+X+XXXXX" "X--++X+++XX+-+X" "+XXX-+-X++XXX++" "++XXX---X---+X+" "+-++X++XXXX++-X" "1";

}  // namespace tallowen::cli
