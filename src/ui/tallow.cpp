#include "ui/tallow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <cstdlib>

#include "engine/keyboard.h"
#include "opponent/hint.h"
#include "opponent/bring_into_view.h"
#include "render/rounding.h"
#include "render/title_gradient.h"
#include "render/window_size.h"
#include "ui/popup_menus.h"
#include "ui/qt_colour.h"
#include "ui/system_palette.h"
#include "ui/window_art.h"

namespace tallowen {

namespace {

constexpr double kTwipsPerPixel = 15;

// The button pictures by index, the "Can't undo" cover last.
constexpr const char* kButtonArt[TitleBar::kButtons] = {"button_exit",    "button_music",    "button_minimize",
                                                        "button_restart", "button_new_game", "button_undo",
                                                        "button_about",   "button_cant_undo"};

QRect shown(const PixelRect& r) {
    const int left = roundHalfEven(r.Left), top = roundHalfEven(r.Top);
    return {left, top, roundHalfEven(r.right()) - left, roundHalfEven(r.bottom()) - top};
}

}  // namespace

Tallow::Tallow(GameWindow& game, BoardPainter& painter)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      game_(game),
      painter_(painter),
      titleBar_(this),
      players_(this, painter),
      plnp_(this),
      board_(&plnp_, painter.PL()),
      thinking_(&plnp_, painter),
      result_(&plnp_, painter),
      score_(this, painter),
      menuButton_(this, QString()),
      hintButton_(&titleBar_, QStringLiteral("Hint (T)")) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    plnp_.setAutoFillBackground(true);
    plnp_.setPalette(QPalette(Qt::black));
    thinking_.hide();
    result_.hide();

    titleBar_.button(0).setOnClick([this] { popUpBelow(&PopupMenus::EDNc, titleBar_.button(0)); });
    titleBar_.button(1).setOnClick([this] { toggleMusic(); });
    titleBar_.button(2).setOnClick([this] { showMinimized(); });
    titleBar_.button(3).setOnClick([this] { popUpBelow(&PopupMenus::NGc, titleBar_.button(3)); });
    titleBar_.button(4).setOnClick([this] { popUpBelow(&PopupMenus::UNGc, titleBar_.button(4)); });
    titleBar_.button(5).setOnClick([this] {
        undo();
        mirror();
    });
    titleBar_.button(6).setOnClick([this] {
        if (onAbout_) onAbout_();
    });
    menuButton_.setOnClick([this] { popUpBelow(&PopupMenus::Hght, menuButton_); });
    hintButton_.setOnClick([this] { askHint(); });
    hintButton_.hide();

    board_.onPress = [this](QMouseEvent* event) { boardPress(event); };
    board_.onKey = [this](QKeyEvent* event) { boardKey(event); };
    board_.onHover = [this](QMouseEvent* event) { boardHover(event); };

    setWindowHeight(startWindowHeight(screenHeight()));
}

double Tallow::screenHeight() const { return screen()->geometry().height(); }

void Tallow::setWindowHeight(double height) {
    height_ = height;
    layOut();
    if (game_.Side > 0) game_.Prekr();
    mirror();
}

void Tallow::layOut() {
    const QRect area = screen()->geometry();
    LayoutInput in;
    in.innerHeight = height_;
    in.screenWidth = area.width();
    in.screenHeight = area.height();
    in.twipsPerPixelX = in.twipsPerPixelY = kTwipsPerPixel;
    layout_ = Rozmery(in);
    ratio_ = screen()->devicePixelRatio();

    setFixedSize(roundHalfEven(layout_.Width / kTwipsPerPixel), roundHalfEven(height_));
    move(area.topLeft() + QPoint(roundHalfEven(layout_.Left / kTwipsPerPixel), roundHalfEven(layout_.Top / kTwipsPerPixel)));
    titleBar_.place(layout_);
    players_.setGeometry(shown(layout_.Picture5));
    plnp_.setGeometry(shown(layout_.PLNP));
    board_.setGeometry(0, 0, plnp_.width(), plnp_.height());
    score_.setGeometry(shown(layout_.Picture1));
    thinking_.setGeometry(shown(layout_.Picture9));
    result_.setGeometry(shown(layout_.Picture3));
    menuButton_.setGeometry(shown(layout_.Image10));
    // One button's step left of "Restart game", the leftmost of the row.
    hintButton_.setGeometry(roundHalfEven(layout_.Picture12Left[3]) - 27, (titleBar_.height() - 22) / 2, 22, 22);

    // The painter draws for the sizes the panels were given.
    WindowLayout painted = layout_;
    painted.PLNP.Width = plnp_.width();
    painted.PLNP.Height = plnp_.height();
    painted.Picture5.Width = players_.width();
    painted.Picture5.Height = players_.height();
    painted.Picture1.Width = score_.width();
    painted.Picture1.Height = score_.height();
    painter_.setLayout(painted, ratio_);
    // The artwork waits until the window shows: the program starts with the setup window.
    artStale_ = true;
    if (isVisible()) drawArt();
}

void Tallow::drawArt() {
    artStale_ = false;
    const SystemColours system = systemColoursOf(QApplication::palette());
    frame_ = art::windowFrame(layout_, size(), ratio_, system);

    std::array<QImage, 2> looks;
    for (bool active : {true, false}) {
        ImageSurface bar(roundHalfEven(titleBar_.width() * ratio_), roundHalfEven(titleBar_.height() * ratio_), kBlack);
        DrawTitleGradient(bar, active, system);
        looks[active ? 0 : 1] = bar.image();
    }
    titleBar_.setLooks(looks[0], looks[1]);
    QPalette captionPalette = titleBar_.caption().palette();
    captionPalette.setColor(QPalette::WindowText, QApplication::palette().color(QPalette::HighlightedText));
    titleBar_.caption().setPalette(captionPalette);

    const Colour white = buttonArtColour(system);
    for (int i = 0; i < TitleBar::kButtons; ++i)
        titleBar_.button(i).setPicture(art::buttonPicture(kButtonArt[i], QSize(22, 44), ratio_, white, system));
    menuButton_.setPicture(art::buttonPicture("menu_corner", menuButton_.size(), ratio_, white, system));
    hintButton_.setPicture(art::buttonPicture("button_hint", QSize(22, 44), ratio_, white, system));
    update();
}

void Tallow::mirror() {
    titleBar_.caption().setText(QString::fromStdString(game_.Label2.Caption));
    for (int i = 0; i < TitleBar::kButtons; ++i) {
        const Widget& button = game_.Picture13[static_cast<std::size_t>(i)];
        titleBar_.button(i).setVisible(button.Visible);
        titleBar_.button(i).setEnabled(button.Enabled);
    }
    menuButton_.setEnabled(game_.Image10.Enabled);
    hintButton_.setEnabled(hint_ && hint_->offered());
    players_.mirror(game_);
    score_.mirror(game_);
    thinking_.move(roundHalfEven(thinkingPanelLeft(layout_, painter_.mover())), thinking_.y());
    thinking_.mirror(game_);
    result_.mirror(game_);
    if (board_.isEnabled() != game_.PL.Enabled) {
        board_.setEnabled(game_.PL.Enabled);
        if (game_.PL.Enabled) board_.setFocus();
    }
    board_.setMarks(boardMarks());
    const int pointer = game_.CurPlayer == 1 ? game_.Image2 : game_.Image1;
    if (pointerPictures_ && pointer != shownPointer_) {
        board_.setCursor(pointerPictures_(pointer));
        shownPointer_ = pointer;
    }
    const QString title = QString::fromStdString(game_.title());
    if (windowTitle() != title) setWindowTitle(title);
    if (isVisible() != game_.Visible) setVisible(game_.Visible);
}

BoardMarks Tallow::boardMarks() const {
    BoardMarks marks;
    const BoardLayout& board = painter_.boardLayout();
    const double r = ratio_;
    const std::array<const Shape*, 3> shapes{&game_.Shape1, &game_.Shape2, &game_.Shape3};
    for (std::size_t i = 0; i < shapes.size(); ++i)
        marks.shapes[i] = QRectF(shapes[i]->Left / r, shapes[i]->Top / r, board.shapeWidth / r, board.shapeHeight / r);
    marks.selection = toQColor(game_.looksOf(game_.CurPlayer).BackColor);
    for (std::size_t i = 0; i < marks.lines.size(); ++i) {
        const Line& line = game_.Line1[i];
        marks.lines[i] = QLineF(line.X1 / r, line.Y1 / r, line.X2 / r, line.Y2 / r);
        marks.lineColours[i] = toQColor(line.BorderColor);
        marks.lineWidths[i] = board.lineWidths[i] / r;
    }
    if (const auto place = pointer_.marked()) marks.keyPointer = QPointF(board_.mapFromGlobal(*place));
    if (const auto move = hint_ ? hint_->shown() : std::nullopt) {
        const auto cell = [&](int x, int y) {
            return QRectF(x * game_.CellW / r, y * game_.CellH / r, game_.CellW / r, game_.CellH / r);
        };
        marks.hintSource = cell(move->sx, move->sy);
        marks.hintTarget = cell(move->tx, move->ty);
        const Appearance& looks = game_.looksOf(game_.CurPlayer);
        const bool jump = std::max(std::abs(move->tx - move->sx), std::abs(move->ty - move->sy)) == 2;
        marks.hintBand = toQColor(jump ? looks.BackColor : looks.ForeColor);
        marks.hintOutline = toQColor(jump ? looks.ForeColor : kWhite);
    }
    return marks;
}

PictureBoxes Tallow::pictureBoxes() {
    return {&board_, &players_, &score_, &thinking_.strip(), &result_.figure()};
}

void Tallow::bringIntoView(int column, int row) {
    const BoardPlacement place = tallowen::bringIntoView(plnp_.width() * ratio_, plnp_.height() * ratio_,
                                                         board_.width() * ratio_, board_.height() * ratio_, game_.CellW,
                                                         game_.CellH, game_.Side, column, row);
    board_.move(roundHalfEven(place.Left / ratio_), roundHalfEven(place.Top / ratio_));
}

void Tallow::setHint(Hint* hint) {
    hint_ = hint;
    hintButton_.setVisible(hint_ != nullptr);
    mirror();
}

void Tallow::setOnReview(std::function<void()> review) {
    onReview_ = std::move(review);
    result_.setOnClick(onReview_);
}

void Tallow::askHint() {
    if (!hint_) return;
    hint_->ask();
    mirror();
}

void Tallow::keyPressEvent(QKeyEvent* event) {
    // Keys the board leaves alone: the hint, and the review once the game is over.
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && event->key() == Qt::Key_T) {
        askHint();
    } else if (plain && event->key() == Qt::Key_R && onReview_) {
        onReview_();
    } else {
        QWidget::keyPressEvent(event);
    }
}

void Tallow::boardPress(QMouseEvent* event) {
    // The right button opens the game's menu (the window's context menu) instead.
    if (event->button() == Qt::RightButton) {
        event->ignore();
        return;
    }
    if (hint_) hint_->press();
    game_.PL_MouseDown(event->position().x() * ratio_, event->position().y() * ratio_);
    mirror();
}

void Tallow::boardKey(QKeyEvent* event) {
    const int code = keyCodeOf(event->key(), event->modifiers());
    if (code < 0) {
        event->ignore();
        return;
    }
    const QPoint from = pointer_.current(board_);
    const KeyAction action = PL_KeyDown(code, from.x(), from.y(), game_.CellW / ratio_, game_.CellH / ratio_,
                                        game_.PcLevel[static_cast<std::size_t>(game_.CurPlayer)] == 0);
    const QPoint to(action.x, action.y);
    if (action.press) {
        if (hint_) hint_->press();
        const QPoint local = board_.mapFromGlobal(to);
        if (board_.rect().contains(local)) game_.PL_MouseDown(local.x() * ratio_, local.y() * ratio_);
    }
    if (action.toggleMusic) toggleMusic();
    if (action.undo) undo();
    pointer_.moveTo(to);
    mirror();
}

void Tallow::boardHover(QMouseEvent* event) {
    pointer_.seen(event->globalPosition().toPoint());
    board_.setMarks(boardMarks());
}

void Tallow::undo() {
    if (onUndo_)
        onUndo_();
    else
        game_.TZ_Click(2);
}

void Tallow::toggleMusic() {
    if (onToggleMusic_) onToggleMusic_();
}

void Tallow::popUp(QMenu& (PopupMenus::*menu)(), QPoint global) {
    if (menus_) (menus_->*menu)().popup(global);
}

void Tallow::popUpBelow(QMenu& (PopupMenus::*menu)(), const QWidget& button) {
    popUp(menu, button.mapToGlobal(QPoint(0, button.height())));
}

void Tallow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(rect(), frame_);
}

void Tallow::closeEvent(QCloseEvent* event) {
    // The window never closes by itself: the exit confirmation decides.
    event->ignore();
    popUpBelow(&PopupMenus::EDNc, titleBar_.button(0));
}

void Tallow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) game_.Minimized = isMinimized();
    QWidget::changeEvent(event);
}

void Tallow::contextMenuEvent(QContextMenuEvent* event) { popUp(&PopupMenus::Ppm, event->globalPos()); }

void Tallow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (artStale_) drawArt();
    board_.setFocus();
    if (watchingScreen_ || !windowHandle()) return;
    watchingScreen_ = true;
    // On a screen of another pixel ratio every picture is drawn anew at that ratio.
    connect(windowHandle(), &QWindow::screenChanged, this, [this] {
        if (screen()->devicePixelRatio() != ratio_) setWindowHeight(height_);
    });
}

}  // namespace tallowen
