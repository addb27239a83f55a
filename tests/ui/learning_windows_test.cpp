#include <gtest/gtest.h>

#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>
#include <algorithm>

#include "app/command_line.h"
#include "program_fixture.h"
#include "setup/field_library.h"
#include "setup/how_to_play.h"
#include "ui/board_widget.h"
#include "ui/frm_about.h"
#include "ui/game_panels.h"
#include "ui/help_window.h"
#include "ui/picture_button.h"
#include "ui/position_view.h"
#include "ui/program_help.h"
#include "ui/qt_colour.h"
#include "ui/review_window.h"
#include "ui/valuation_plot.h"

namespace tallowen {
namespace {

constexpr int kWait = 10000;

using testing::findWidget;

// The program's windows with the help and the review joined to them.
class LearningTest : public testing::ProgramFixture {
protected:
    LearningTest() {
        help.joinGame(session);
        help.joinSetup(form1);
    }

    Tallow& window() { return session.window(); }
    BoardWidget& board() { return *findWidget<BoardWidget>(window()); }

    void start(const std::string& gameString, const std::string& p1, const std::string& p2) {
        CommandLine options;
        options.game = gameString;
        options.names = {p1, p2};
        FieldLibrary library(store);
        applyHandOver(*handOver(options, library).game, game);
        session.startGame();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
        waitForTurn();
    }
    void waitForTurn() {
        ASSERT_TRUE(QTest::qWaitFor(
            [this] { return !game.Timer1.enabled() && !game.TimCHng.enabled() && !game.TimPC.enabled(); }, kWait));
    }
    // Where a cell's centre, or a point inset from its top left corner, shows on the board.
    QPoint onCell(int x, int y, double insetX = -1, double insetY = -1) {
        const double r = board().devicePixelRatioF();
        const double w = game.CellW / r, h = game.CellH / r;
        return QPointF(x * w + (insetX < 0 ? w / 2 : insetX), y * h + (insetY < 0 ? h / 2 : insetY)).toPoint();
    }
    void clickCell(int x, int y) { QTest::mouseClick(window().windowHandle(), Qt::LeftButton, {}, board().mapTo(&window(), onCell(x, y))); }
    QColor shownAt(QPoint p) { return board().grab().toImage().pixelColor(p * board().devicePixelRatioF()); }

    ProgramHelp help;
};

TEST_F(LearningTest, F1OpensTheHelpFromEveryWindowAndTheSetupWindowShowsTheWay) {
    open();
    HelpWindow& helpWindow = help.help();
    QLabel* link = form1.helpLink();
    ASSERT_TRUE(link->isVisible());
    EXPECT_TRUE(link->text().contains("How to play (F1)"));
    emit link->linkActivated(QStringLiteral("help"));
    ASSERT_TRUE(helpWindow.isVisible());
    EXPECT_EQ(helpWindow.windowTitle(), "Tallowen - How to play");

    const auto f1Opens = [&](QWidget& in) {
        helpWindow.hide();
        QTest::keyClick(&in, Qt::Key_F1);
        return helpWindow.isVisible();
    };
    EXPECT_TRUE(f1Opens(form1)) << "the setup window";
    form1.about().present(&form1);
    EXPECT_TRUE(f1Opens(form1.about())) << "a modal window";
    form1.about().close();
    start("+XXXX" "XXXXX" "XXXXX" "XXXXX" "XXXX-" "1", "Eva", "Adam");
    EXPECT_TRUE(f1Opens(board())) << "the game window";
    EXPECT_TRUE(f1Opens(helpWindow)) << "the help itself";

    // Every page shows, each picture drawn at the screen's pixel ratio.
    auto* page = static_cast<QTextBrowser*>(helpWindow.page());
    ASSERT_EQ(helpWindow.contents()->count(), static_cast<int>(howToPlay().size()));
    for (int i = 0; i < helpWindow.contents()->count(); ++i) {
        helpWindow.contents()->setCurrentRow(i);
        EXPECT_TRUE(page->toPlainText().startsWith(helpWindow.contents()->item(i)->text()));
    }
    const double ratio = page->devicePixelRatioF();
    for (const HelpSection& section : howToPlay())
        for (const HelpExample& e : section.examples) {
            const QImage picture = page->loadResource(QTextDocument::ImageResource, QUrl("example:" + QString::fromStdString(e.name))).value<QImage>();
            EXPECT_EQ(picture.size(), QSize(qRound(e.width * ratio), qRound(e.width * 0.75 * ratio))) << e.name;
        }
    EXPECT_FALSE(page->loadResource(QTextDocument::ImageResource, QUrl("example:faces")).value<QImage>().isNull());
}

// Eva asks with the button: the piece and its target are marked as a selection and a target are,
// until her next press; never while the computer moves.
TEST_F(LearningTest, AHintMarksThePersonsMoveUntilTheNextPressAndNeverOnTheComputersTurn) {
    open();
    session.hint().setLimits({0, 5000, 0});
    start("+XXXX" "XXXXX" "XXXXX" "XXXXX" "XXXX-" "1", "Eva", "PC Genius");
    PictureButton* button = findWidget<PictureButton>(window(), [](PictureButton& b) { return b.toolTip() == "Hint (T)"; });
    ASSERT_TRUE(button && button->isVisible() && button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(11, 11));
    ASSERT_TRUE(QTest::qWaitFor([&] { return session.hint().shown().has_value(); }, kWait));
    const master::CellMove m = *session.hint().shown();
    const bool jump = std::max(std::abs(m.tx - m.sx), std::abs(m.ty - m.sy)) == 2;
    const double h = game.CellH / board().devicePixelRatioF();
    const QPoint band = onCell(m.tx, m.ty, h / 8, h / 8);
    const QPoint frame = onCell(m.sx, m.sy, 1, h / 2);
    // As the board marks a target: a grow's band in the mover's mark colour, a jump's in the mover's colour.
    EXPECT_EQ(shownAt(band), toQColor(jump ? game.HR1.BackColor : game.HR1.ForeColor)) << "the target's band";
    EXPECT_EQ(shownAt(frame), toQColor(game.HR1.BackColor)) << "the selection frame";
    EXPECT_EQ(game.Selection, 0);

    clickCell(2, 2);
    EXPECT_FALSE(session.hint().shown());
    EXPECT_EQ(shownAt(band), QColor(127, 127, 127)) << "the plain square";
    clickCell(0, 0);
    clickCell(1, 1);
    EXPECT_FALSE(button->isEnabled()) << "the turn passes to the computer";
    QTest::keyClick(window().windowHandle(), Qt::Key_T);
    EXPECT_FALSE(session.hint().searching());
    waitForTurn();
    EXPECT_TRUE(button->isEnabled());
    QTest::keyClick(window().windowHandle(), Qt::Key_T);
    EXPECT_TRUE(session.hint().searching() || session.hint().shown());
}

// Two persons fill a 4 x 4 field, each making the first move the rules offer, until the game ends.
TEST_F(LearningTest, TheReviewOfAFinishedGameIsUsableAtOnceAndMarksTheLargestLosses) {
    open();
    start("+XXX" "XXXX" "XXXX" "XXX-" "1", "Eva", "Adam");
    while (!game.GameOver) {
        bool moved = false;
        for (int x = 0; x < game.Side && !moved; ++x)
            for (int y = 0; y < game.Side && !moved; ++y)
                for (int i = 0; i <= game.dirs.DirLast && !moved; ++i) {
                    const int tx = x + game.dirs.DirX[i], ty = y + game.dirs.DirY[i];
                    if (game.board(x, y) != pieceOf(game.CurPlayer) || game.board(tx, ty) != kEmpty) continue;
                    clickCell(x, y);
                    clickCell(tx, ty);
                    moved = true;
                }
        ASSERT_TRUE(moved);
        waitForTurn();
    }
    const Board finished = game.board;
    QTest::keyClick(window().windowHandle(), Qt::Key_R);
    ReviewWindow* review = help.review();
    ASSERT_TRUE(review && review->isVisible());
    EXPECT_EQ(review->windowTitle(), "Tallowen - Review");
    const std::size_t moves = review->review()->moveCount();
    EXPECT_EQ(moves, game.Played.size());
    QListWidget* list = review->moveList();
    ASSERT_EQ(list->count(), static_cast<int>(review->review()->positions().size()));
    EXPECT_TRUE(review->progress()->text().startsWith("PC Master is valuing the positions:"));

    // Usable while the valuations come: the list, the arrow keys and the plot choose positions.
    list->setCurrentRow(1);
    EXPECT_TRUE(review->status()->text().startsWith(QString::fromStdString(review->review()->moveText(0))));
    const QImage first = review->board()->picture();
    QTest::keyClick(list, Qt::Key_Right);
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_NE(review->board()->picture(), first);
    QTest::keyClick(list, Qt::Key_Left);
    EXPECT_EQ(list->currentRow(), 1);
    QTest::mouseClick(review->plot(), Qt::LeftButton, {}, review->plot()->placeOf(3, 0).toPoint());
    EXPECT_EQ(list->currentRow(), 3);
    QTest::keyClick(review, Qt::Key_Right);
    EXPECT_EQ(list->currentRow(), 4) << "the window steps as the list does";

    // Closed, the review asks nothing more; opened again, it goes on where it stopped.
    review->close();
    EXPECT_EQ(session.master().queued(), 0u);
    const auto known = std::count_if(review->valuations().begin(), review->valuations().end(), [](auto v) { return v.has_value(); });
    QTest::qWait(300);
    EXPECT_EQ(std::count_if(review->valuations().begin(), review->valuations().end(), [](auto v) { return v.has_value(); }), known);
    QTest::mouseClick(window().windowHandle(), Qt::LeftButton, {}, window().mapFromGlobal(findWidget<ResultPanel>(window())->mapToGlobal(QPoint(20, 20))));
    ASSERT_TRUE(review->isVisible()) << "a click on the result panel";

    ASSERT_TRUE(QTest::qWaitFor([&] { return review->progress()->text() == "PC Master has valued every position."; }, 60000));
    std::vector<std::pair<int, std::size_t>> losses;
    const auto& values = review->valuations();
    for (std::size_t k = 0; k < moves; ++k) {
        const int mover = review->review()->positions()[k].mover;
        const int lost = (mover == 1 ? 1 : -1) * (*values[k] - *values[k + 1]);
        if (lost > 0) losses.emplace_back(-lost, k);
    }
    std::sort(losses.begin(), losses.end());
    std::vector<std::size_t> marked;
    for (int row = 1; row <= static_cast<int>(moves); ++row)
        if (list->item(row)->text().endsWith(QString::fromUtf8(" \u2014 the turning point"))) marked.push_back(static_cast<std::size_t>(row - 1));
    std::vector<std::size_t> largest;
    for (std::size_t i = 0; i < losses.size() && i < 3; ++i) largest.push_back(losses[i].second);
    std::sort(largest.begin(), largest.end());
    EXPECT_EQ(marked, largest);

    QTest::mouseClick(review->copyButton(), Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), review->review()->copyLine());
    EXPECT_EQ(game.board, finished) << "the game window is left as it was";
}

}  // namespace
}  // namespace tallowen
