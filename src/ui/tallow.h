#pragma once

#include <QCursor>
#include <QImage>
#include <QWidget>
#include <functional>

#include "engine/game_window.h"
#include "render/board_painter.h"
#include "render/window_layout.h"
#include "ui/board_widget.h"
#include "ui/game_panels.h"
#include "ui/keyboard_pointer.h"
#include "ui/picture_button.h"
#include "ui/repainting_view.h"
#include "ui/title_bar.h"

namespace tallowen {

class Hint;
class PopupMenus;

// The game window: frameless, with its own title bar, the players' panel, the board and the
// score panel around the decorative side picture, laid out by Rozmery for its height. It shows
// the game's model after every event and hands mouse, keys and its buttons to the game; the popup
// menus it shows belong to whoever owns them.
class Tallow : public QWidget {
public:
    Tallow(GameWindow& game, BoardPainter& painter);

    void setMenus(PopupMenus* menus) { menus_ = menus; }
    // The music window's visibility is toggled from outside (the title bar's button, the "H" key).
    void setOnToggleMusic(std::function<void()> toggle) { onToggleMusic_ = std::move(toggle); }
    // Undo by the title bar's button and the "Z" key; without it the game takes back two moves.
    void setOnUndo(std::function<void()> undo) { onUndo_ = std::move(undo); }
    // Shows the about window (the title bar's button).
    void setOnAbout(std::function<void()> about) { onAbout_ = std::move(about); }
    // The hint button and the hint key ask `hint`; the board marks what it shows.
    void setHint(Hint* hint);
    // Opens the review of the finished game (the "R" key, a click on the result panel).
    void setOnReview(std::function<void()> review);
    // The pointer pictures by number, for the board's pointer: the mover's picture (Image2 for
    // player 1, Image1 for player 2).
    void setPointerPictures(std::function<QCursor(int)> pictureOf) { pointerPictures_ = std::move(pictureOf); }
    // The inactive look of the title bar (Picture4) shows exactly while the program is in the
    // background; the music window, which watches the active window, says when.
    void setPicture4Visible(bool visible) { titleBar_.setActive(!visible); }

    // Shows what the model holds now.
    void mirror();
    // Lays the window out for this height in pixels, centres it and redraws a game on the board.
    void setWindowHeight(double height);
    double windowHeight() const { return height_; }
    double screenHeight() const;

    // The picture controls, for the view that repaints what the game draws.
    PictureBoxes pictureBoxes();
    // Moves the board inside its frame so that the computer's source cell is in view.
    void bringIntoView(int column, int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void layOut();
    void drawArt();
    void boardPress(QMouseEvent* event);
    void boardKey(QKeyEvent* event);
    void boardHover(QMouseEvent* event);
    void popUp(QMenu& (PopupMenus::*menu)(), QPoint global);
    void popUpBelow(QMenu& (PopupMenus::*menu)(), const QWidget& button);
    void toggleMusic();
    void askHint();
    void undo();
    BoardMarks boardMarks() const;

    GameWindow& game_;
    BoardPainter& painter_;
    PopupMenus* menus_ = nullptr;
    std::function<void()> onToggleMusic_;
    std::function<void()> onAbout_;
    std::function<void()> onReview_;
    Hint* hint_ = nullptr;
    std::function<void()> onUndo_;
    std::function<QCursor(int)> pointerPictures_;
    int shownPointer_ = -1;

    double height_ = 0;
    double ratio_ = 1;
    WindowLayout layout_;
    QImage frame_;  // the side picture, the bevels and the border
    bool artStale_ = true;
    bool watchingScreen_ = false;

    TitleBar titleBar_;
    PlayersPanel players_;
    QWidget plnp_;
    BoardWidget board_;
    ThinkingPanel thinking_;
    ResultPanel result_;
    ScorePanel score_;
    PictureButton menuButton_;
    PictureButton hintButton_;  // left of the title bar's buttons
    KeyboardPointer pointer_;
};

}  // namespace tallowen
