#include <charconv>
#include <iostream>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "engine/field_strings.h"
#include "engine/headless_game.h"
#include "engine/quoted_input.h"

namespace tallowen::cli {

namespace {

constexpr Option kOptions[] = {kRuleOption};

struct Click {
    int sx, sy, tx, ty;
};

// "sx,sy:tx,ty" with whole numbers.
Click parseMove(const std::string& text) {
    Click c{};
    int* parts[] = {&c.sx, &c.sy, &c.tx, &c.ty};
    const char separators[] = {',', ':', ',', '\0'};
    const char* p = text.data();
    const char* end = text.data() + text.size();
    for (int i = 0; i < 4; ++i) {
        auto [next, ec] = std::from_chars(p, end, *parts[i]);
        const bool separatorOk = separators[i] == '\0' ? next == end : next < end && *next == separators[i];
        if (ec != std::errc() || !separatorOk) throw UsageError{"malformed move " + quotedInput(text) + " (expected sx,sy:tx,ty)"};
        p = next + 1;
    }
    return c;
}

bool onField(const GameWindow& g, int x, int y) { return x >= 0 && y >= 0 && x < g.Side && y < g.Side; }

void makeMove(HeadlessGame& headless, const std::string& text) {
    const Click c = parseMove(text);
    GameWindow& g = headless.game();
    const UsageError illegal{"move " + quotedInput(text) + " is not legal here"};
    if (g.GameOver || !onField(g, c.sx, c.sy) || !onField(g, c.tx, c.ty)) throw illegal;
    if (g.board(c.sx, c.sy) != pieceOf(g.CurPlayer)) throw illegal;
    auto clickCell = [&g](int x, int y) { g.PL_MouseDown((x + 0.5) * g.CellW, (y + 0.5) * g.CellH); };
    clickCell(c.sx, c.sy);
    const int mark = g.marks(c.tx, c.ty);
    if (mark != kGrowMark && mark != kJumpMark) throw illegal;
    clickCell(c.tx, c.ty);
    headless.finishTurnChange();
}

}  // namespace

int runPlay(int argc, char** argv) {
    const Arguments args = parseArguments(argc, argv, kOptions);
    const MoveRule rule = ruleOption(args);
    const std::string gameString = gameStringArgument(args, 0);

    HeadlessGame headless;
    headless.start(rule, gameString);
    for (std::size_t i = 1; i < args.positional.size(); ++i) makeMove(headless, args.positional[i]);

    const GameWindow& g = headless.game();
    int p1 = 0, p2 = 0, empty = 0;
    for (int x = 0; x < g.Side; ++x)
        for (int y = 0; y < g.Side; ++y) {
            const auto c = g.board(x, y);
            p1 += c == pieceOf(1);
            p2 += c == pieceOf(2);
            empty += c == kEmpty;
        }
    std::cout << "field " << fieldString(g.board, g.Side) << "\n";
    std::cout << "tomove " << (g.GameOver ? std::string("-") : std::to_string(g.CurPlayer)) << "\n";
    std::cout << "counts " << p1 << ' ' << p2 << ' ' << empty << "\n";
    std::cout << "over " << (g.GameOver ? "yes" : "no") << "\n";
    std::cout << "winner " << (!g.GameOver ? "-" : p1 > p2 ? "1" : p2 > p1 ? "2" : "tie") << "\n";
    return 0;
}

}  // namespace tallowen::cli
