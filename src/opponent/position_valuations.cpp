#include "opponent/position_valuations.h"

#include <algorithm>
#include <cstdlib>

#include "opponent/master/position.h"

namespace tallowen {

PositionValuations::PositionValuations(master::MasterQueue& master) : master_(master) {}

PositionValuations::~PositionValuations() { stop(); }

void PositionValuations::start(const std::vector<PositionToValue>& positions, OnValue onValue) {
    stop();
    const std::uint64_t series = series_;
    for (std::size_t i = 0; i < positions.size(); ++i) {
        const PositionToValue& p = positions[i];
        master_.queue({p.board, p.side, p.rule, p.mover, limits_, {}},
                      [this, series, i, mover = p.mover, onValue](const master::Result& result) {
                          if (series != series_) return;
                          onValue(i, mover == 1 ? result.value : -result.value);
                      });
    }
}

void PositionValuations::stop() {
    // The queue holds nothing but these: the review is its only background asker.
    master_.clearQueue();
    ++series_;
}

std::string valuationText(int valueForPlayer1, const std::array<std::string, 2>& names) {
    const std::string& leader = names[valueForPlayer1 > 0 ? 0 : 1];
    const int magnitude = std::abs(valueForPlayer1);
    if (magnitude > master::kWon) return leader + " wins by " + std::to_string(magnitude - master::kWon);
    if (magnitude == 0) return "even";
    return "+" + std::to_string(magnitude) + " for " + leader;
}

bool seesTheEnd(int value) { return std::abs(value) > master::kWon; }

}  // namespace tallowen
