#include "render/position_picture.h"

#include <QPainter>

#include "render/board_painter.h"
#include "render/figure_painter.h"
#include "render/image_surface.h"
#include "render/rounding.h"
#include "render/window_layout.h"

namespace tallowen {

namespace {

// Draws a game's board from its played state; a picture is made by a few calls of this.
class PicturePainter {
public:
    PicturePainter(double width, double pixelRatio, const PictureLooks& looks)
        : ratio_(pixelRatio), random_(1), painter_(layoutFor(width), random_), headless_(nullptr, &painter_) {
        painter_.setLayout(layoutFor(width), pixelRatio);
        GameWindow& game = headless_.game();
        game.HR1 = looks.player1;
        game.HR2 = looks.player2;
        game.FigureDetail = looks.figureDetail;
    }

    HeadlessGame& headless() { return headless_; }

    // The board picture with the game's last move marked.
    QImage picture() {
        QImage image = painter_.PL().image().copy();
        const GameWindow& game = headless_.game();
        if (game.Shape1.Left > -1) {
            const BoardLayout& board = painter_.boardLayout();
            QPainter p(&image);
            const QRectF source(game.Shape1.Left, game.Shape1.Top, board.shapeWidth, board.shapeHeight);
            const QRectF target(game.Shape2.Left, game.Shape2.Top, board.shapeWidth, board.shapeHeight);
            const double inset = 1.5 * ratio_;
            p.setPen(QPen(Qt::white, ratio_, Qt::DashLine));
            p.drawRect(source.adjusted(inset, inset, -inset, -inset));
            p.setPen(QPen(Qt::white, ratio_));
            p.drawRect(target.adjusted(inset, inset, -inset, -inset));
        }
        image.setDevicePixelRatio(ratio_);
        return image;
    }

private:
    static WindowLayout layoutFor(double width) {
        WindowLayout layout = Rozmery(onDesignScreen(kDesignInnerHeight));
        layout.PLNP.Width = width;
        layout.PLNP.Height = width * 3 / 4;
        return layout;
    }

    double ratio_;
    RandomSource random_;
    BoardPainter painter_;
    HeadlessGame headless_;
};

}  // namespace

QImage playedPicture(const std::function<void(HeadlessGame&)>& play, double width, double pixelRatio,
                     const PictureLooks& looks) {
    PicturePainter painter(width, pixelRatio, looks);
    play(painter.headless());
    return painter.picture();
}

QImage positionPicture(const Board& board, int side, const std::optional<BoardMove>& last, double width,
                       double pixelRatio, const PictureLooks& looks) {
    PicturePainter painter(width, pixelRatio, looks);
    GameWindow& game = painter.headless().game();
    game.board = board;
    game.Side = side;
    game.PcLevel = {0, looks.levels[0], looks.levels[1]};
    game.Prekr();
    if (last) {
        game.Shape1 = {game.CellW * last->sx, game.CellH * last->sy};
        game.Shape2 = {game.CellW * last->tx, game.CellH * last->ty};
    }
    return painter.picture();
}

QImage facesPicture(const Appearance& looks, double height, double pixelRatio, int figureDetail) {
    constexpr int kFaces = 4;
    // Each figure is drawn half as large again as its cell, centred on it: the cells stand apart.
    constexpr double kSpacing = 1.5;
    const double H = height * pixelRatio / kSpacing;
    const double W = H / 3 * 4;
    ImageSurface surface(roundHalfEven(kFaces * kSpacing * W), roundHalfEven(height * pixelRatio), kBlack);
    RandomSource random(1);
    for (int level = 0; level < kFaces; ++level)
        DRWP2(surface, (kSpacing - 1) / 2 + kSpacing * level, (kSpacing - 1) / 2,
              {figureCodeOf(looks.Caption), looks.BackColor, level}, H, false, densityOf(figureDetail), random);
    QImage image = surface.image().copy();
    image.setDevicePixelRatio(pixelRatio);
    return image;
}

}  // namespace tallowen
