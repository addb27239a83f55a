// How fast the game window answers a click: on "Big battle" at the finest figure detail, in the
// window a 1080-pixel screen gives it, from a click on a piece to its target marks painted in the
// window, and from the click on a target to the moved piece painted. How long the window goes
// without handling an event while "PC Master" thinks there. How long a hint takes from the
// question to its marks, and the review's valuations a position.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "engine/field_strings.h"
#include "engine/headless_game.h"
#include "opponent/position_valuations.h"
#include "records/game_review.h"
#include "render/window_layout.h"
#include "setup/built_in_fields.h"
#include "ui/board_widget.h"
#include "ui/game_session.h"
#include "ui/message_box.h"
#include "eventloop/window_thread_post.h"

namespace tallowen {
namespace {

// A game on "Big battle", player 1 to move, in a window of the design height; two people unless
// named otherwise.
class BigBattle {
public:
    explicit BigBattle(const char* player1 = "Eva") : file_(storeFile()), store_(file_), session_(store_) {
        session_.window().setWindowHeight(kDesignInnerHeight);
        GameWindow& g = session_.game();
        g.FigureDetail = 3;
        g.Label2.Caption = "Tallowen - Big battle";
        g.Label4 = builtInFields()[3].field + "1";
        g.Label5.Caption = player1;
        g.Label6.Caption = "Adam";
        g.Label8 = "1";
        session_.startGame();
        const bool ready = QTest::qWaitForWindowExposed(&session_.window()) &&
                           QTest::qWaitFor([&] { return !g.Timer1.enabled() && !g.TimCHng.enabled(); }, 5000);
        if (!ready) std::abort();
        for (QWidget* w : session_.window().findChildren<QWidget*>())
            if (auto* b = dynamic_cast<BoardWidget*>(w)) board_ = b;
    }
    ~BigBattle() { std::filesystem::remove(file_); }

    GameWindow& game() { return session_.game(); }
    GameSession& session() { return session_; }

    // A press on the board where a person would press, then everything it changed painted.
    void click(int x, int y) {
        const double ratio = board_->devicePixelRatioF();
        const QPoint cell = QPointF((x + 0.5) * game().CellW / ratio, (y + 0.5) * game().CellH / ratio).toPoint();
        QTest::mouseClick(session_.window().windowHandle(), Qt::LeftButton, {}, board_->mapTo(&session_.window(), cell));
        QCoreApplication::processEvents();
    }

    // Restarts the game, so that the computer as player 1 thinks its first move, and returns the
    // longest time in milliseconds between two ticks of a 1 ms timer while it thinks.
    qint64 longestGapWhileThinking() {
        GameWindow& g = game();
        g.NG_Click();
        if (!QTest::qWaitFor([&] { return g.Picture9.Visible; }, 5000)) std::abort();
        // The window's own event loop, as the game runs it: QTest::qWaitFor would sleep 10 ms
        // between its passes and those sleeps would be measured as gaps.
        qint64 longest = 0;
        QEventLoop loop;
        QElapsedTimer sinceTick;
        QTimer events;
        QObject::connect(&events, &QTimer::timeout, [&] {
            longest = std::max(longest, sinceTick.restart());
            if (!g.Picture9.Visible) loop.quit();
        });
        QTimer deadline;
        QObject::connect(&deadline, &QTimer::timeout, [] { std::abort(); });
        deadline.start(10000);
        sinceTick.start();
        events.start(1);
        loop.exec();
        return longest;
    }

private:
    static std::filesystem::path storeFile() {
        static int made = 0;
        return std::filesystem::temp_directory_path() /
               ("tallowen-bench-" + std::to_string(getpid()) + "-" + std::to_string(++made) + ".sqlite3");
    }
    std::filesystem::path file_;
    SettingsStore store_;
    GameSession session_;
    BoardWidget* board_ = nullptr;
};

// The benchmarks' games by player 1's name. Their windows are closed before the application
// ends, which a static game of its own would outlive.
std::map<std::string, std::unique_ptr<BigBattle>>& bigBattles() {
    static std::map<std::string, std::unique_ptr<BigBattle>> games;
    return games;
}

BigBattle& bigBattle(const char* player1 = "Eva") {
    std::unique_ptr<BigBattle>& game = bigBattles()[player1];
    if (!game) game = std::make_unique<BigBattle>(player1);
    return *game;
}

// Player 1's piece at (2, 0) has targets on every side; the empty (2, 1) below it is a grow target.
void BM_ClickOnAPieceToItsTargetsPainted(benchmark::State& state) {
    BigBattle& b = bigBattle();
    for (auto _ : state) {
        b.click(2, 0);
        state.PauseTiming();
        b.click(2, 0);  // drops the selection again
        state.ResumeTiming();
    }
}

void BM_ClickOnATargetToTheMovedPiecePainted(benchmark::State& state) {
    BigBattle& b = bigBattle();
    GameWindow& g = b.game();
    const std::string start = makeSnapshot(g.board, g.Side);
    for (auto _ : state) {
        state.PauseTiming();
        b.click(2, 0);
        state.ResumeTiming();
        b.click(2, 1);
        state.PauseTiming();
        // Back to the position before the move, without waiting for the turn to pass.
        g.TimCHng.setEnabled(false);
        restoreSnapshot(start, g.Side, g.board, [&](int x, int y) { g.DRWP(x, y); });
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

// "PC Master" thinks its budget of a second on its own thread; the window's events go on.
void BM_LongestEventGapWhilePCMasterThinks(benchmark::State& state) {
    BigBattle& game = bigBattle("PC Master");
    qint64 longest = 0;
    for (auto _ : state) longest = std::max(longest, game.longestGapWhileThinking());
    state.counters["longest_gap_ms"] = static_cast<double>(longest);
}

// Runs the window's event loop until `done` holds, looking every millisecond.
void runUntil(const std::function<bool()>& done) {
    QEventLoop loop;
    QTimer look, deadline;
    QObject::connect(&look, &QTimer::timeout, [&] {
        if (done()) loop.quit();
    });
    QObject::connect(&deadline, &QTimer::timeout, [] { std::abort(); });
    look.start(1);
    deadline.start(120000);
    loop.exec();
}

// Eva asks for a hint on her first move: "PC Master" searches on its thread, the marks show.
void BM_HintFromTheQuestionToTheMarks(benchmark::State& state) {
    BigBattle& b = bigBattle();
    Hint& hint = b.session().hint();
    QElapsedTimer asked;
    qint64 longest = 0;
    for (auto _ : state) {
        asked.start();
        hint.ask();
        runUntil([&] { return hint.shown().has_value(); });
        longest = std::max(longest, asked.elapsed());
        state.PauseTiming();
        hint.press();
        state.ResumeTiming();
    }
    state.counters["longest_ms"] = static_cast<double>(longest);
}

// The review's valuations of a "Big battle" game that "PC Professional" and "PC Genius" played out,
// each position searched for its budget on "PC Master"'s thread.
void BM_ReviewValuationsAPosition(benchmark::State& state) {
    HeadlessGame headless;
    GameWindow& game = headless.game();
    ComputerOpponent computer(game);
    game.setComputerPlayer(&computer);
    headless.start(MoveRule::Star, builtInFields()[3].field + "1", "PC Professional", "PC Genius");
    if (!headless.clock().runUntil([&] { return game.GameOver; })) std::abort();
    game.setComputerPlayer(nullptr);
    const GameReview review(gameLineOf(game));
    std::vector<PositionToValue> positions;
    for (std::size_t k = 0; k <= review.moveCount(); ++k)
        positions.push_back({review.positions()[k].board, game.Side, MoveRule::Star, review.positions()[k].mover});

    QObject reports;
    master::MasterQueue master(postToThreadOf(&reports));
    PositionValuations valuations(master);
    QElapsedTimer all;
    all.start();
    for (auto _ : state) {
        std::size_t valued = 0;
        valuations.start(positions, [&](std::size_t, int) { ++valued; });
        runUntil([&] { return valued == positions.size(); });
    }
    state.counters["positions"] = static_cast<double>(positions.size());
    state.counters["ms_a_position"] =
        static_cast<double>(all.elapsed()) / static_cast<double>(positions.size() * state.iterations());
}

BENCHMARK(BM_ClickOnAPieceToItsTargetsPainted)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_ClickOnATargetToTheMovedPiecePainted)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();
BENCHMARK(BM_LongestEventGapWhilePCMasterThinks)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_HintFromTheQuestionToTheMarks)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(BM_ReviewValuationsAPosition)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

}  // namespace
}  // namespace tallowen

int main(int argc, char** argv) {
    // Offscreen unless a display is chosen; message boxes (the first start's) are not waited for.
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    tallowen::setMessageAnswerer([](const tallowen::UserMessage&) {});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    tallowen::bigBattles().clear();
    return 0;
}
