#include <gtest/gtest.h>

#include <QLabel>
#include <array>
#include <QTimer>
#include <QWindow>

#include "app/command_line.h"
#include "engine/field_strings.h"
#include "program_fixture.h"
#include "records/stored_games.h"
#include "setup/field_library.h"
#include "ui/board_widget.h"
#include "ui/picture_button.h"

namespace tallowen {
namespace {

constexpr int kWait = 5000;

using testing::choose;
using testing::closePopups;
using testing::findWidget;
using testing::openPopup;

// The real game window with the popup menus of the program's windows; the music window's button
// is counted.
class TallowTest : public testing::ProgramFixture {
protected:
    TallowTest() { session.setOnToggleMusic([this] { ++musicToggles; }); }

    Tallow& window() { return session.window(); }
    BoardWidget& board() { return testing::theWidget<BoardWidget>(window(), "board"); }

    // Starts a game as the command line hands it over and waits for the first mover's turn.
    void start(const std::string& field, const std::string& p1, const std::string& p2, bool gameString = false,
               std::array<int, 2> times = {0, 0}) {
        CommandLine options;
        (gameString ? options.game : options.field) = field;
        options.names = {p1, p2};
        options.times = times;
        FieldLibrary library(store);
        applyHandOver(*handOver(options, library).game, game);
        session.startGame();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
        waitForTurn();
    }

    // Waits until a person may click: no turn change or computer move pending.
    void waitForTurn(int timeout = kWait) {
        ASSERT_TRUE(QTest::qWaitFor(
            [this] {
                return !game.Timer1.enabled() && !game.TimCHng.enabled() && !game.TimPC.enabled() &&
                       !game.Picture9.Visible;
            },
            timeout));
    }

    // A press and release where a person would click, delivered to whatever lies there.
    void clickAt(const QWidget& widget, QPoint local, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(window().windowHandle(), button, {}, widget.mapTo(&window(), local));
    }
    QPoint cellCentre(int x, int y) {
        const double ratio = board().devicePixelRatioF();
        return QPointF((x + 0.5) * game.CellW / ratio, (y + 0.5) * game.CellH / ratio).toPoint();
    }
    void clickCell(int x, int y) { clickAt(board(), cellCentre(x, y)); }
    void move(int sx, int sy, int tx, int ty) {
        clickCell(sx, sy);
        clickCell(tx, ty);
        waitForTurn();
    }
    PictureButton& button(const QString& toolTip) {
        return testing::theWidget<PictureButton>(window(), "button " + toolTip.toStdString(),
                                                 [&](PictureButton& b) { return b.toolTip() == toolTip; });
    }
    // The visible label whose text begins so, where the window shows it.
    QPoint labelAt(const QString& text) {
        const QLabel& label = testing::theWidget<QLabel>(window(), "label " + text.toStdString(), [&](QLabel& l) {
            return l.isVisible() && l.text().startsWith(text);
        });
        return label.mapTo(&window(), label.rect().center());
    }
    void clickButton(const QString& toolTip) { clickAt(button(toolTip), QPoint(11, 11)); }

    // The person clicks "Undo" while the computer thinks about its answer to the second move, once
    // the window has shown the progress and its events have run ten times (a timer without an
    // interval ticks on each pass). The person's move and the computer's are taken back, and the
    // computer moves again exactly once.
    void undoWhileTheComputerThinks(const std::string& computer) {
        start("Original", "Eva", computer);
        move(0, 0, 1, 1);
        waitForTurn(10000);  // the computer thinks, then clicks twice
        const std::string afterFirstMove = game.History[1];
        int ticksWhileThinking = 0;
        bool progressShown = false, undone = false;
        QTimer events;
        QObject::connect(&events, &QTimer::timeout, [&] {
            if (undone || !game.Picture9.Visible) return;
            progressShown = progressShown || window().windowTitle().endsWith("% ");
            if (++ticksWhileThinking < 10 || !progressShown) return;
            undone = true;
            clickButton("Undo");
        });
        events.start(0);
        clickCell(1, 1);
        clickCell(2, 2);
        ASSERT_TRUE(QTest::qWaitFor([&] { return undone; }, kWait));
        EXPECT_FALSE(game.Picture9.Visible) << "the search stopped";
        EXPECT_EQ(window().windowTitle(), "Tallowen - Original") << "the search's progress gave way to the caption";
        waitForTurn(10000);
        const Board settled = game.board;
        QTest::qWait(1500);
        EXPECT_EQ(game.board, settled) << "no stale move came after the person's turn began";
        EXPECT_DOUBLE_EQ(game.TurnCount, 1.5);
        EXPECT_EQ(game.CurPlayer, 1);
        EXPECT_EQ(game.History[1], afterFirstMove);
        EXPECT_NE(makeSnapshot(game.board, game.Side), afterFirstMove) << "the computer made its one move";
    }

    int musicToggles = 0;
};

// Eva's jump next to the computer's only piece converts it; the computer cannot move, and the
// empty cells go to Eva.
TEST_F(TallowTest, AGameEndedByAClickShowsTheWinnerAndIsStored) {
    start("+XX" "XXX" "XX-" "1", "Eva", "PC Genius", true);
    move(0, 0, 1, 1);
    ASSERT_TRUE(game.GameOver);
    EXPECT_EQ(game.Check3.Caption, "Eva");
    EXPECT_TRUE(findWidget<QLabel>(window(), [](QLabel& l) { return l.isVisible() && l.text() == "Eva"; }))
        << "the result panel shows the winner";
    EXPECT_FALSE(board().isEnabled());
    const std::vector<StoredGame> stored = readStoredGames(store).games;
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].winner, "Eva");
}

TEST_F(TallowTest, UndoWithTheButtonAndWithZReturnsToThePositionBeforeTheMover) {
    start("Original", "Eva", "Adam");
    const Board initial = game.board;
    EXPECT_TRUE(button("Can't undo").isVisible());
    for (const bool byKey : {false, true}) {
        move(0, 0, 1, 1);
        move(10, 0, 9, 1);
        ASSERT_FALSE(button("Can't undo").isVisible());
        if (byKey)
            QTest::keyClick(window().windowHandle(), Qt::Key_Z);
        else
            clickButton("Undo");
        waitForTurn();
        EXPECT_EQ(game.board, initial) << (byKey ? "Z" : "button");
        EXPECT_EQ(game.CurPlayer, 1);
        EXPECT_DOUBLE_EQ(game.TurnCount, 0.5);
        EXPECT_TRUE(button("Can't undo").isVisible());
    }
}

// However quickly a person clicks, each press counts once: Qt delivers a press that quickly follows
// the last as a double-click.
TEST_F(TallowTest, EveryPressOnTheBoardCountsOnceHoweverQuicklyItFollowsTheLast) {
    start("Original", "Eva", "Adam");
    QWindow* screen = window().windowHandle();
    const auto onBoard = [&](QPoint p) { return board().mapTo(&window(), p); };
    // Two quick presses on a piece select it and let it go; a third selects it again.
    for (int presses = 1; presses <= 3; ++presses) {
        testing::quickClick(screen, Qt::LeftButton, onBoard(cellCentre(0, 0)));
        EXPECT_EQ(game.Selection == 1, presses % 2 == 1) << presses << " presses";
    }
    // The right button is the game menu's, a press and a double-click alike: neither lets the piece go.
    QTest::mousePress(&board(), Qt::RightButton, {}, cellCentre(0, 0));
    QTest::mouseRelease(&board(), Qt::RightButton, {}, cellCentre(0, 0));
    QTest::mouseDClick(&board(), Qt::RightButton, {}, cellCentre(0, 0));
    QTest::mouseRelease(&board(), Qt::RightButton, {}, cellCentre(0, 0));
    EXPECT_EQ(game.Selection, 1);
    clickCell(0, 0);
    // A piece and the cell beside it, pressed quickly either side of their border: a move.
    const QPoint border(cellCentre(1, 0).x() - cellCentre(0, 0).x(), cellCentre(0, 0).y());
    clickAt(board(), border - QPoint(2, 0));
    testing::quickClick(screen, Qt::LeftButton, onBoard(border + QPoint(2, 0)));
    waitForTurn();
    EXPECT_EQ(game.board(1, 0), pieceOf(1));
    EXPECT_EQ(game.CurPlayer, 2);
    // Two quick presses on a title-bar button are two clicks.
    clickButton("Music");
    testing::quickClick(screen, Qt::LeftButton, button("Music").mapTo(&window(), QPoint(11, 11)));
    EXPECT_EQ(musicToggles, 2);
}

// Each player's clock shows that player's time, player 1's on the left and player 2's on the
// right, and the board's pointer is the picture of the player to move.
TEST_F(TallowTest, TheClocksAndThePointerAreThoseOfTheirOwnPlayer) {
    start("Original", "Eva", "Adam", false, {1, 4});  // 90 and 10 minutes
    EXPECT_LT(labelAt("1:").x(), window().width() / 2) << "Eva's 90 minutes, running";
    EXPECT_GT(labelAt("0:10:00").x(), window().width() / 2) << "Adam's 10 minutes";
    const auto pointer = [&] { return board().cursor().pixmap().toImage(); };
    ASSERT_NE(pictures.Image1(game.Image2), pictures.Image1(game.Image1));
    EXPECT_EQ(pointer(), pictures.Image1(game.Image2)) << "player 1's pointer";
    move(0, 0, 1, 1);
    EXPECT_EQ(pointer(), pictures.Image1(game.Image1)) << "player 2's pointer";
    move(10, 0, 9, 1);
    EXPECT_EQ(pointer(), pictures.Image1(game.Image2));
}

TEST_F(TallowTest, RestartFromTheMenuAndFromItsButtonStartsTheSameGameAfresh) {
    start("Original", "Eva", "Adam");
    const Board initial = game.board;
    const std::pair<std::function<void()>, QStringList> ways[] = {
        {[&] { clickAt(board(), cellCentre(5, 5), Qt::RightButton); }, {"&Restart hry", "Opravdu?", "Restart game"}},
        {[&] { clickButton("Restart game"); }, {"Restart game"}}};
    for (const auto& [open, path] : ways) {
        move(0, 0, 1, 1);
        open();
        ASSERT_TRUE(openPopup());
        choose(*openPopup(), path);
        closePopups();
        waitForTurn();
        EXPECT_EQ(game.board, initial) << path[0].toStdString();
        EXPECT_DOUBLE_EQ(game.TurnCount, 0.5);
    }
}

TEST_F(TallowTest, TheSizeMenuShrinksAndGrowsTheWindowWithTheGameOnIt) {
    start("Original", "Eva", "Adam");
    move(0, 0, 1, 1);
    const QSize full = window().size();
    const QWidget& corner = testing::theWidget<PictureButton>(window(), "size menu button",
                                                              [](PictureButton& b) { return b.toolTip().isEmpty(); });
    // Opens the size menu and tells whether "Bigger window" may be chosen.
    const auto biggerEnabled = [&] {
        closePopups();
        clickAt(corner, QPoint(5, 5));
        if (!openPopup()) return false;
        for (QAction* a : openPopup()->actions())
            if (a->text() == "Bigger window") return a->isEnabled();
        return true;
    };
    EXPECT_FALSE(biggerEnabled()) << "the window starts as big as it may be";
    ASSERT_TRUE(openPopup());
    choose(*openPopup(), {"Smaller window"});
    EXPECT_LT(window().height(), full.height());
    EXPECT_LT(window().width(), full.width());
    EXPECT_EQ(game.board(1, 1), pieceOf(1));
    EXPECT_NEAR(game.CellW * game.Side / board().devicePixelRatioF(), board().width(), 1)
        << "the board was laid out and drawn anew for its new size";
    ASSERT_TRUE(biggerEnabled());
    ASSERT_TRUE(openPopup());
    choose(*openPopup(), {"Bigger window"});
    EXPECT_EQ(window().size(), full);
}

TEST_F(TallowTest, TheTitleBarAsksForTheMusicWindowMinimizesStoppingTheClocksAndOnlyReallyExitEnds) {
    start("Original", "Eva", "Adam");
    clickButton("Music");
    EXPECT_EQ(musicToggles, 1);
    clickButton("Minimalize");
    ASSERT_TRUE(QTest::qWaitFor([&] { return window().isMinimized(); }, kWait));
    EXPECT_TRUE(game.Minimized);
    window().showNormal();

    // The exit button and the close box both ask first.
    clickButton("Exit");
    ASSERT_TRUE(openPopup());
    closePopups();
    window().close();
    ASSERT_TRUE(openPopup());
    closePopups();
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(ends, 0);
    window().close();
    ASSERT_TRUE(openPopup());
    choose(*openPopup(), {"Really exit!"});
    EXPECT_EQ(ends, 1);
    EXPECT_FALSE(game.TimerT.enabled()) << "the game stopped before the program ends";
}

TEST_F(TallowTest, AMoveMadeWithTheKeyboardAloneWithTheNextPressAlwaysMarked) {
    start("Original", "Eva", "Adam");
    QWindow* handle = window().windowHandle();
    // Walks the keyboard's place to a cell in steps of a quarter cell, then presses there.
    const auto pressAt = [&](int x, int y) {
        for (int guard = 0; guard < 200; ++guard) {
            const QPoint at = board().mapFromGlobal(QCursor::pos());
            const QPoint to = cellCentre(x, y);
            const double stepX = game.CellW / board().devicePixelRatioF() / 4;
            const double stepY = game.CellH / board().devicePixelRatioF() / 4;
            if (std::abs(at.x() - to.x()) < stepX && std::abs(at.y() - to.y()) < stepY) break;
            if (std::abs(at.x() - to.x()) >= stepX) QTest::keyClick(handle, at.x() < to.x() ? Qt::Key_Right : Qt::Key_Left);
            if (std::abs(at.y() - to.y()) >= stepY) QTest::keyClick(handle, at.y() < to.y() ? Qt::Key_Down : Qt::Key_Up);
        }
        const QPoint marked = board().mapFromGlobal(QCursor::pos());
        EXPECT_EQ(board().grab().toImage().pixelColor(marked * board().devicePixelRatioF()), QColor(Qt::white))
            << "the place of the next press is marked";
        QTest::keyClick(handle, Qt::Key_Space);
    };
    pressAt(0, 0);
    pressAt(1, 1);
    waitForTurn();
    EXPECT_EQ(game.board(1, 1), pieceOf(1));
    EXPECT_EQ(game.CurPlayer, 2);
    QTest::keyClick(handle, Qt::Key_H);
    EXPECT_EQ(musicToggles, 1);
}

// "PC Genius" searches on the window thread letting events run; "PC Master" on a thread of its
// own while the window runs on. An undo stops either.
TEST_F(TallowTest, UndoWhileTheComputerThinksLeavesNoStaleComputerMove) { undoWhileTheComputerThinks("PC Genius"); }

TEST_F(TallowTest, PCMasterThinksWhileTheWindowRunsOnAndAnUndoStopsIt) { undoWhileTheComputerThinks("PC Master"); }

class FreshStoreTest : public testing::ProgramFixture {
protected:
    FreshStoreTest() : ProgramFixture(true) {}
};

TEST_F(FreshStoreTest, WhatTheStoreHasToSayIsShownOnceTheWindowIsUp) {
    // A fresh store holds no figure detail: the first start says so, once the setup window shows.
    QTest::qWait(50);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(store.ReadSetting(kProgramKey, kFigureDetailValue), SettingValue());
    open();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.empty(); }, kWait));
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Apologize my English, please.");
    EXPECT_EQ(store.ReadSetting(kProgramKey, kFigureDetailValue), SettingValue(std::string("5\0", 2)));
}

}  // namespace
}  // namespace tallowen
