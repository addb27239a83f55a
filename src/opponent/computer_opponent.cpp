#include "opponent/computer_opponent.h"

#include <algorithm>
#include <cmath>

#include "engine/field_strings.h"
#include "engine/mobility.h"
#include "engine/number_text.h"
#include "engine/player_names.h"

namespace tallowen {

namespace {

constexpr const char* kProgressTitle = "Tallowen -";
constexpr int kTargetClickDelayMs = 750;
constexpr int kSourceClickDelayMs = 100;

// The percentage label's text: a blank, the whole percentage, "% ".
std::string percentText(double percentage) {
    return withSignBlank(static_cast<long>(std::floor(percentage))) + "% ";
}

// The window's title during a search; at 100 per cent it is the caption again.
std::string progressTitle(double percentage) {
    return percentage >= 100 ? std::string() : kProgressTitle + percentText(percentage);
}

}  // namespace

std::optional<LastMove> lastMoveOf(const GameWindow& game) {
    if (game.Shape1.Left <= -1 || game.CellW <= 0 || game.CellH <= 0) return std::nullopt;
    return LastMove{game.Shape1.Left / game.CellW, game.Shape1.Top / game.CellH, game.Shape2.Left / game.CellW,
                    game.Shape2.Top / game.CellH};
}

master::Question masterQuestion(const GameWindow& game, int player, const master::Limits& limits) {
    master::Question question{game.board, game.Side, ruleOf(game.dirs), player, limits, {}};
    // History entry k is the position after k moves; the current one is the last, and the
    // entries an odd number of moves before it had the other player to move.
    const auto current = static_cast<std::size_t>(std::max(0.0, 2 * game.TurnCount - 1));
    for (std::size_t k = current % 2 == 0 ? 1 : 0; k < current && k < game.History.size(); k += 2)
        restoreSnapshot(game.History[k], game.Side, question.earlier.emplace_back(), [](int, int) {});
    return question;
}

ComputerOpponent::ComputerOpponent(GameWindow& game, master::PostTask post)
    : game_(game), table_(std::make_unique<Candidates>()), master_(std::move(post)) {
    game_.TimPC.setHandler([this] { TimPC(); });
}

ComputerOpponent::~ComputerOpponent() { game_.TimPC.setHandler(nullptr); }

bool ComputerOpponent::PcIQ(int player, int level) {
    if (player < 1 || player > 2 || level < 0 || level > kMasterLevel) return false;
    game_.random.reseedFromTimeOfDay();
    const SearchInput input{game_.board, game_.Side, game_.dirs, player, level, lastMoveOf(game_)};
    if (!hasLegalMove(game_.board, game_.Side, game_.dirs, player)) {
        game_.Picture9.Visible = false;
        return false;
    }
    if (level == kMasterLevel) return startMaster(player);

    const Colour strip = game_.looksOf(player).ForeColor;
    const int n = game_.Side;
    BoardView& view = game_.view();
    view.setProgressScale(n * n - n - 1);
    const double step = 100.0 / (n * n - 1);
    double percentage = 0;

    // A game change while events run, or a newer search started from them, makes this one stale.
    const std::uint64_t epoch = game_.positionEpoch();
    const std::uint64_t search = ++searches_;
    table_->clear();
    MoveSearch moves(input);
    for (int k = 0; k < moves.cellCount(); ++k) {
        const int x = k / n;
        const int y = k % n;
        view.fillProgress((n - 1) * x + y, strip);
        percentage += step;
        game_.Label1.Caption = percentText(percentage);
        game_.Caption = progressTitle(std::floor(percentage));
        game_.runPendingEvents();
        if (game_.positionEpoch() != epoch || searches_ != search) {
            stopThinking();
            return false;
        }
        moves.scanCell(k, *table_);
    }

    const Candidates& table = *table_;
    const int ties = table.tieCount();
    const int i = std::min(static_cast<int>(game_.random.uniform() * ties) + 1, ties);
    const int m = table.tie(i);
    chooseMove(table.PcMoveSX[m], table.PcMoveSY[m], table.PcMoveTX[m], table.PcMoveTY[m]);
    return true;
}

bool ComputerOpponent::startMaster(int player) {
    // A level-3 search still letting events run is stale from here on.
    ++searches_;
    const std::uint64_t epoch = game_.positionEpoch();
    const Colour strip = game_.looksOf(player).ForeColor;
    game_.view().setProgressScale(100);
    stripFilled_ = 0;
    masterThinking_ = true;
    master_.think(
        masterQuestion(game_, player, masterLimits_[static_cast<std::size_t>(player)]),
        [this, epoch, strip](int percent) {
            if (game_.positionEpoch() == epoch) showMasterProgress(percent, strip);
        },
        [this, epoch](const master::Result& result) {
            masterThinking_ = false;
            if (game_.positionEpoch() != epoch || !result.best) return;
            masterResult_ = result;
            chooseMove(result.best->sx, result.best->sy, result.best->tx, result.best->ty);
        });
    return true;
}

void ComputerOpponent::showMasterProgress(int percent, Colour strip) {
    // The strip has a unit for each per cent of the budget.
    for (; stripFilled_ < std::min(percent, 100); ++stripFilled_) game_.view().fillProgress(stripFilled_, strip);
    game_.Label1.Caption = percentText(percent);
    game_.Caption = progressTitle(percent);
}

void ComputerOpponent::chooseMove(int sx, int sy, int tx, int ty) {
    PcTarget = {static_cast<float>(tx), static_cast<float>(ty)};
    PcSource = {static_cast<float>(sx), static_cast<float>(sy)};
    game_.TimPC.setEnabled(true);
    stopThinking();
}

void ComputerOpponent::cancelThinking() {
    // A hint searched for the person to move is as stale as a move would be.
    master_.cancel();
    if (!masterThinking_) return;
    masterThinking_ = false;
    stopThinking();
}

void ComputerOpponent::stopThinking() {
    game_.view().clearProgress();
    game_.Picture9.Visible = false;
    game_.Caption.clear();
}

void ComputerOpponent::TimPC() {
    if (PcSource[0] != kSourceClicked) {
        const int column = static_cast<int>(PcSource[0]);
        const int row = static_cast<int>(PcSource[1]);
        if (bringIntoView_) bringIntoView_(column, row);
        game_.TimPC.setInterval(kTargetClickDelayMs);
        game_.PLKlik(column, row);
        clickedSource_ = {column, row};
        PcSource[0] = kSourceClicked;
    } else {
        // A full redraw between the two clicks (the window was resized) drops the selection; the
        // source is clicked again so that the move is not lost and the game does not stall.
        const auto [column, row] = clickedSource_;
        if (game_.Selection != 1 || game_.SelX != column || game_.SelY != row) game_.PLKlik(column, row);
        game_.PLKlik(static_cast<int>(PcTarget[0]), static_cast<int>(PcTarget[1]));
        game_.TimPC.setInterval(kSourceClickDelayMs);
        game_.TimPC.setEnabled(false);
    }
}

}  // namespace tallowen
