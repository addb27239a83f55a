#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <sstream>
#include <vector>

#include <QBuffer>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "engine/headless_game.h"
#include "engine/player_names.h"
#include "engine/quoted_input.h"
#include "render/board_painter.h"
#include "render/figure_painter.h"
#include "render/window_layout.h"

namespace tallowen::cli {

namespace {

constexpr Option kOptions[] = {kRuleOption, {"height"}, {"detail"}, {"looks"}, {"levels"}};

std::vector<std::string> splitCommas(const std::string& text) {
    std::vector<std::string> parts;
    std::stringstream in(text);
    std::string part;
    while (std::getline(in, part, ',')) parts.push_back(part);
    if (!text.empty() && text.back() == ',') parts.emplace_back();
    return parts;
}

int smallNumber(const std::string& text, int lo, int hi, const std::string& what) {
    int n = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, n);
    if (text.empty() || ec != std::errc() || ptr != end || n < lo || n > hi)
        throw UsageError{what + " must be a whole number from " + std::to_string(lo) + " to " + std::to_string(hi) +
                         ", not " + quotedInput(text)};
    return n;
}

// RRGGBB in hexadecimal, red first as people write colours.
Colour hexColour(const std::string& text) {
    unsigned value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value, 16);
    if (text.size() != 6 || ec != std::errc() || ptr != end)
        throw UsageError{"--looks colours are six hexadecimal digits RRGGBB, not " + quotedInput(text)};
    return rgb(static_cast<int>(value >> 16), static_cast<int>((value >> 8) & 0xFF), static_cast<int>(value & 0xFF));
}

void applyLooks(const Arguments& args, GameWindow& game) {
    const auto looks = args.option("looks");
    if (!looks) return;
    const auto parts = splitCommas(*looks);
    if (parts.size() != 4) throw UsageError{"--looks takes CODE1,RGB1,CODE2,RGB2"};
    Appearance* holders[] = {&game.HR1, &game.HR2};
    for (int i = 0; i < 2; ++i) {
        holders[i]->Caption = std::to_string(smallNumber(parts[2 * i], 1, 8, "a figure code"));
        holders[i]->BackColor = hexColour(parts[2 * i + 1]);
    }
}

// Writes the file itself rather than through the toolkit, so that a failure is one line with its
// reason. Returns the reason, or nothing when the file was written.
std::optional<std::string> writeFile(const std::string& path, const QByteArray& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return std::strerror(errno);
    const auto size = static_cast<std::size_t>(bytes.size());
    const bool written = std::fwrite(bytes.constData(), 1, size, file) == size;
    const int writeError = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written) return std::strerror(writeError);
    if (!closed) return std::strerror(errno);
    return std::nullopt;
}

std::array<int, 2> levelsOption(const Arguments& args) {
    const auto levels = args.option("levels");
    if (!levels) return {0, 0};
    const auto parts = splitCommas(*levels);
    if (parts.size() != 2) throw UsageError{"--levels takes L1,L2"};
    return {smallNumber(parts[0], 0, kMasterLevel, "a level"), smallNumber(parts[1], 0, kMasterLevel, "a level")};
}

}  // namespace

int runRender(int argc, char** argv) {
    const Arguments args = parseArguments(argc, argv, kOptions);
    const MoveRule rule = ruleOption(args);
    const int height = intOption(args, "height", static_cast<int>(kDesignInnerHeight), 160, 4320);
    const int detail = intOption(args, "detail", 5, 1, 10);
    const auto levels = levelsOption(args);
    const std::string gameString = gameStringArgument(args, 0);
    if (args.positional.size() < 2) throw UsageError{"missing OUT.png"};
    refuseExtraPositional(args, 2);
    const std::string out = args.positional[1];
    if (out.empty()) throw UsageError{"OUT.png is empty"};

    // The pictures are reproducible: the small squares and circles take the same places each run.
    RandomSource random(1);
    BoardPainter painter(Rozmery(onDesignScreen(height)), random);
    HeadlessGame headless(nullptr, &painter);
    GameWindow& game = headless.game();
    game.FigureDetail = figureDetailOfLevel(detail);
    applyLooks(args, game);
    headless.start(rule, gameString, levels[0] == 0 ? "Player 1" : computerName(levels[0]),
                   levels[1] == 0 ? "Player 2" : computerName(levels[1]));

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    painter.PL().image().save(&buffer, "PNG");
    if (const auto error = writeFile(out, png)) {
        std::cerr << "tallowen-engine render: cannot write " << quotedInput(out) << " (" << *error << ")\n";
        return 1;
    }
    return 0;
}

}  // namespace tallowen::cli
