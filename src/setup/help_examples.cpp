#include <initializer_list>

#include "setup/built_in_fields.h"
#include "setup/help_examples.h"

namespace tallowen {

namespace {

// A game string from its rows, player 1 to move.
std::string field(std::initializer_list<const char*> rows) {
    std::string text;
    for (const char* row : rows) text += row;
    return text + "1";
}

}  // namespace

void playExample(const HelpExample& example, HeadlessGame& headless) {
    headless.start(example.rule, example.gameString);
    GameWindow& game = headless.game();
    for (const BoardMove& m : example.moves) {
        game.PLKlik(m.sx, m.sy);
        game.PLKlik(m.tx, m.ty);
        headless.finishTurnChange();
    }
    if (example.select) game.PLKlik(example.select->x, example.select->y);
}

std::vector<HelpExample> aimExamples() { return {{"original", MoveRule::Star, builtInFields()[0].field + "1", {}, {}, 320}}; }

std::vector<HelpExample> growJumpExamples() {
    const std::string game = field({"XXXXX", "XXXXX", "XX+XX", "XXXXX", "-XXXX"});
    return {{"targets", MoveRule::Star, game, {}, HelpExample::Cell{2, 2}},
            {"grown", MoveRule::Star, game, {{2, 2, 3, 2}}, {}},
            {"jumped", MoveRule::Star, game, {{2, 2, 4, 2}}, {}}};
}

std::vector<HelpExample> conversionExamples() {
    const std::string game = field({"XXXXX", "X--XX", "X+X-X", "XXX-X", "XXXX-"});
    return {{"before-conversion", MoveRule::Star, game, {}, {}},
            {"star-conversion", MoveRule::Star, game, {{1, 2, 2, 2}}, {}},
            {"cross-conversion", MoveRule::Cross, game, {{1, 2, 2, 2}}, {}},
            {"cross-targets", MoveRule::Cross, field({"XXXXX", "XXXXX", "XX+XX", "XXXXX", "-XXXX"}), {},
             HelpExample::Cell{2, 2}}};
}

std::vector<HelpExample> holeExamples() {
    return {{"holes", MoveRule::Star, field({"XXXXX", "XX0XX", "X0+0X", "XX0XX", "XXXX-"}), {}, HelpExample::Cell{2, 2}}};
}

std::vector<HelpExample> noMoveExamples() {
    const std::string game = field({"-++XX", "+++XX", "++XXX", "XXXXX", "XXXXX"});
    return {{"boxed-in", MoveRule::Star, game, {}, {}}, {"filled", MoveRule::Star, game, {{1, 1, 2, 2}}, {}}};
}

}  // namespace tallowen
