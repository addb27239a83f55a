#pragma once

#include <QImage>
#include <array>
#include <functional>
#include <optional>

#include "engine/appearance.h"
#include "engine/board.h"
#include "engine/game_window.h"
#include "engine/headless_game.h"

namespace tallowen {

// How the players' pieces look in a picture: their figures and colours, the computer's faces
// (levels 0 ... 4) and the stored figure detail.
struct PictureLooks {
    Appearance player1{rgb(255, 128, 0), kWhite, "1"};
    Appearance player2{rgb(0, 127, 225), kBlack, "5"};
    std::array<int, 2> levels{};
    int figureDetail = 2;
};

// Board pictures drawn by the game's own painter as the game window shows them, for the help and
// the review: `width` layout pixels wide and 3/4 of that high, on a screen of `pixelRatio` device
// pixels a layout pixel (the image carries the ratio). The small squares and circles take the
// same places every time.

// The board a game is left with after `play` (which starts it and makes its moves), with the last
// move's markers: a dashed frame on its source, a solid one on its target.
QImage playedPicture(const std::function<void(HeadlessGame&)>& play, double width, double pixelRatio,
                     const PictureLooks& looks = {});

// A position of a field of `side`, with `last` marked as the last move.
QImage positionPicture(const Board& board, int side, const std::optional<BoardMove>& last, double width,
                       double pixelRatio, const PictureLooks& looks = {});

// The figure of `looks` as a person's, then with the faces of levels 1, 2 and 3, side by side as
// the players' panel draws them; `height` layout pixels high.
QImage facesPicture(const Appearance& looks, double height, double pixelRatio, int figureDetail);

}  // namespace tallowen
