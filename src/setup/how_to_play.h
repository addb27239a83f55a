#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/directions.h"
#include "engine/game_window.h"
#include "engine/headless_game.h"

namespace tallowen {

// A position the help shows, made by the game's own rules: a game starts on `gameString` under
// `rule`, the moves are made with board clicks, and a last click may select a piece so that its
// targets show.
struct HelpExample {
    struct Cell {
        int x = 0, y = 0;
    };
    std::string name;  // the picture's name in the help text: <img src="example:NAME">
    MoveRule rule = MoveRule::Star;
    std::string gameString;
    std::vector<BoardMove> moves;
    std::optional<Cell> select;
    int width = 220;  // the picture's width in layout pixels
};

// One page of the help: its title, its text (HTML) and the positions its pictures show. The text
// may also show "faces", the figures of a person and of the computer's strengths.
struct HelpSection {
    std::string title;
    std::string html;
    std::vector<HelpExample> examples;
};

// The How-to-play window's pages, in order.
const std::vector<HelpSection>& howToPlay();

// The picture name of the figures with the computer's faces.
inline constexpr const char* kFacesPicture = "faces";

// Plays an example on a game that has not started: the start, each move with its turn change,
// then the selection.
void playExample(const HelpExample& example, HeadlessGame& headless);

}  // namespace tallowen
