#include "records/game_review.h"

#include <algorithm>

#include "engine/field_strings.h"
#include "engine/headless_game.h"

namespace tallowen {

namespace {

constexpr std::string_view kTitlePrefix = "Tallowen - ";

ReviewPosition positionOf(const Board& board, int side, int mover) {
    ReviewPosition p{board, mover, 0, 0};
    for (int x = 0; x < side; ++x)
        for (int y = 0; y < side; ++y) {
            p.count1 += board(x, y) == pieceOf(1);
            p.count2 += board(x, y) == pieceOf(2);
        }
    return p;
}

std::string signedNumber(int n) { return (n >= 0 ? "+" : "") + std::to_string(n); }

}  // namespace

GameLine gameLineOf(const GameWindow& game) {
    GameLine line;
    const std::string& title = game.Label2.Caption;
    line.fieldName = title.starts_with(kTitlePrefix) ? title.substr(kTitlePrefix.size()) : title;
    line.rule = ruleOf(game.dirs);
    line.gameString = game.Label4;
    line.names = {game.Label5.Caption, game.Label6.Caption};
    line.moves = game.Played;
    return line;
}

std::string cellName(int x, int y) { return std::string(1, static_cast<char>('a' + x)) + std::to_string(y + 1); }

GameReview::GameReview(GameLine line) : line_(std::move(line)) {
    if (gameStringError(line_.gameString)) return;
    Board start;
    const ParsedGame parsed = parseGameString(line_.gameString, start);
    const int side = parsed.side;
    positions_.push_back(positionOf(start, side, parsed.firstMover));

    HeadlessGame headless;
    headless.start(line_.rule, line_.gameString);
    GameWindow& g = headless.game();
    for (const BoardMove& m : line_.moves) {
        if (g.GameOver) break;
        const int mover = g.CurPlayer;
        g.PLKlik(m.sx, m.sy);
        const bool legal = g.Selection == 1 && g.SelX == m.sx && g.SelY == m.sy &&
                           (g.marks(m.tx, m.ty) == kGrowMark || g.marks(m.tx, m.ty) == kJumpMark);
        if (!legal) break;
        g.PLKlik(m.tx, m.ty);
        const ReviewPosition& before = positions_.back();
        ReviewPosition after = positionOf(g.board, side, 3 - mover);
        const int gain = mover == 1 ? after.count1 - before.count1 : after.count2 - before.count2;
        texts_.push_back(std::to_string(texts_.size() / 2 + 1) + ". " + line_.names[static_cast<std::size_t>(mover - 1)] +
                         " " + cellName(m.sx, m.sy) + "\u2192" + cellName(m.tx, m.ty) + ", " + signedNumber(gain));
        positions_.push_back(after);
        headless.finishTurnChange();
    }
    // The turn change that found the mover without a move gave the empty cells to the other.
    if (g.board != positions_.back().board) positions_.push_back(positionOf(g.board, side, g.CurPlayer));
}

std::string GameReview::fillText() const {
    if (!endedByFill()) return {};
    const ReviewPosition& before = positions_[moveCount()];
    const ReviewPosition& after = positions_.back();
    const int stuck = before.mover;
    const int cells = stuck == 1 ? after.count2 - before.count2 : after.count1 - before.count1;
    return line_.names[static_cast<std::size_t>(stuck - 1)] + " cannot move: " + std::to_string(cells) +
           (cells == 1 ? " empty cell goes to " : " empty cells go to ") + line_.names[static_cast<std::size_t>(2 - stuck)];
}

std::string GameReview::resultText() const {
    if (positions_.empty()) return {};
    const ReviewPosition& end = positions_.back();
    const std::string count = line_.names[0] + " " + std::to_string(end.count1) + " : " + std::to_string(end.count2) +
                              " " + line_.names[1] + ", ";
    if (end.count1 == end.count2) return count + "TIE!";
    return count + line_.names[end.count1 > end.count2 ? 0 : 1] + " wins";
}

std::string GameReview::copyLine() const {
    std::string text = "tallowen-engine play --rule ";
    text += line_.rule == MoveRule::Star ? "star " : "cross ";
    text += line_.gameString;
    for (std::size_t k = 0; k < moveCount(); ++k) {
        const BoardMove& m = line_.moves[k];
        text += " " + std::to_string(m.sx) + "," + std::to_string(m.sy) + ":" + std::to_string(m.tx) + "," +
                std::to_string(m.ty);
    }
    return text;
}

std::vector<std::size_t> turningPoints(const std::vector<int>& values, const std::vector<int>& movers,
                                       std::size_t most) {
    std::vector<std::pair<int, std::size_t>> drops;
    for (std::size_t k = 0; k + 1 < values.size() && k < movers.size(); ++k) {
        const int lost = (movers[k] == 1 ? 1 : -1) * (values[k] - values[k + 1]);
        if (lost > 0) drops.emplace_back(lost, k);
    }
    // The largest loss first; of equal losses the earlier move.
    std::stable_sort(drops.begin(), drops.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<std::size_t> moves;
    for (std::size_t i = 0; i < drops.size() && i < most; ++i) moves.push_back(drops[i].second);
    return moves;
}

}  // namespace tallowen
