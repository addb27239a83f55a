#include "records/results.h"

#include <algorithm>

#include "engine/player_names.h"
#include "records/decimal_text.h"

namespace tallowen {

namespace {

constexpr char kTab = '\t';

std::string countText(long count) {
    std::string text = std::to_string(count) + GameCountText(count);
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

std::string timeItem(long position) {
    return position >= 0 && position < static_cast<long>(kTimeListItems.size())
               ? kTimeListItems[static_cast<std::size_t>(position)]
               : std::string();
}

std::string withoutBlanks(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    return text;
}

// The games the per-game lists hold in full.
std::size_t gameCount(const std::array<std::vector<std::string>, 14>& LST) {
    std::size_t count = LST[0].size();
    for (int list : {1, 2, 3, 4, 5, 6, 8, 9, 10}) count = std::min(count, LST[list].size());
    return count;
}

}  // namespace

std::string GameCountText(long count) {
    if (count == 1) return " game";
    if (count == 0 || count > 1) return " games";
    return " ";
}

std::optional<PlayerResults> ComboB_Click(const Statistics& statistics, const std::string& player) {
    const auto& names = statistics.ComboB;
    const auto position = std::find(names.begin(), names.end(), player);
    if (position == names.end()) return std::nullopt;

    const auto& LST = statistics.LST;
    long won = 0, lost = 0, total = 0, shareTenths = 0;
    for (std::size_t k = 0; k < gameCount(LST); ++k) {
        const bool first = LST[1][k] == player;
        const bool second = LST[2][k] == player;
        if (!first && !second) continue;
        const long share = tenthsOf(LST[10][k]).value_or(0);
        const bool tie = LST[5][k] == "TIE!";
        ++total;
        if (first && second) {
            ++total;
            shareTenths += 1000;
            if (!tie) {
                ++won;
                ++lost;
            }
        } else if (tie) {
            shareTenths += 500;
        } else if (LST[5][k] == player) {
            ++won;
            shareTenths += share;
        } else {
            ++lost;
            shareTenths += 1000 - share;
        }
    }

    PlayerResults results;
    // Int(100 x share sum / total) / 100, with the share sum in tenths.
    const long hundredths = total > 0 ? 10 * shareTenths / total : 0;
    results.List2 = {std::string("Won") + kTab + kTab + countText(won),
                     std::string("Lost") + kTab + kTab + countText(lost),
                     std::string("Total played") + kTab + countText(total),
                     std::string("Success") + kTab + kTab + decimalText(hundredths, 2) + "%"};
    const auto index = static_cast<std::size_t>(position - names.begin());
    if (index < LST[13].size()) results.figure = decodeFigureText(LST[13][index]);
    results.level = computerLevelOfName(player);
    return results;
}

std::optional<std::array<std::string, 8>> HScroll1_Change(const Statistics& statistics, int k) {
    const auto& LST = statistics.LST;
    if (k < 0 || static_cast<std::size_t>(k) >= gameCount(LST)) return std::nullopt;
    const auto i = static_cast<std::size_t>(k);
    const std::string movement = LST[3][i] == "1" ? "Star" : LST[3][i] == "2" ? "Cross" : "";
    const long times = leadingInteger(LST[6][i]);
    // Int rounds down, also below zero.
    const long time1 = times >= 0 ? times / 10 : (times - 9) / 10;
    const long time2 = times - time1 * 10;
    return std::array<std::string, 8>{
        std::string("Field") + kTab + kTab + LST[0][i],
        std::string("Player 1") + kTab + kTab + LST[1][i] + LST[8][i],
        std::string("Player 2") + kTab + kTab + LST[2][i] + LST[9][i],
        std::string("Movement") + kTab + movement,
        std::string("Turns") + kTab + kTab + LST[4][i],
        std::string("Winner") + kTab + kTab + LST[5][i] + "(" + withoutBlanks(LST[10][i]) + "%)",
        std::string("Game time for plr.1") + kTab + timeItem(time1),
        std::string("Game time for plr.2") + kTab + timeItem(time2),
    };
}

}  // namespace tallowen
