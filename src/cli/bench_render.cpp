#include "cli/bench_render.h"

#include "cli/built_in_game.h"
#include "engine/headless_game.h"
#include "render/board_painter.h"
#include "render/window_layout.h"

namespace tallowen::cli {

namespace {

void addPixels(Checksum& sum, const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) sum.add(row[x] & 0xFFFFFFu);
    }
}

}  // namespace

BenchPart renderBench() {
    RandomSource random(1);
    BoardPainter painter(Rozmery(onDesignScreen(kDesignInnerHeight)), random);
    HeadlessGame headless(nullptr, &painter);
    GameWindow& game = headless.game();
    game.FigureDetail = 3;
    headless.start(MoveRule::Star, *builtInGame("Big battle"));

    BenchPart part;
    Checksum sum;
    part.lines.push_back({"prekr-bigbattle-finest", medianMilliseconds(31, [&] { game.Prekr(); }), "ms"});
    addPixels(sum, painter.PL().image());

    // The same window on a 4K screen: 2160 device pixels high, drawn at twice the density.
    BoardPainter fine(Rozmery(onDesignScreen(kDesignInnerHeight)), random);
    fine.setLayout(fine.layout(), 2);
    HeadlessGame fineGame(nullptr, &fine);
    fineGame.game().FigureDetail = 3;
    fineGame.start(MoveRule::Star, *builtInGame("Big battle"));
    part.lines.push_back(
        {"prekr-bigbattle-finest-2160", medianMilliseconds(11, [&] { fineGame.game().Prekr(); }), "ms"});
    addPixels(sum, fine.PL().image());

    // Player 2's oval at (10, 0) is the heaviest figure on the field.
    part.lines.push_back({"drwp-cell", medianMilliseconds(201, [&] { game.DRWP(10, 0); }), "ms"});

    // Player 1 moves first; its piece at (2, 0) has targets on all sides.
    game.PLKlik(2, 0);
    part.lines.push_back({"shbrd-marks", medianMilliseconds(201, [&] { game.ShBrd(2, 0); }), "ms"});
    addPixels(sum, painter.PL().image());
    part.checksum = sum.value();
    return part;
}

}  // namespace tallowen::cli
