// From the click that ends a move in one game window to the move painted in the other computer's
// game window, over localhost: two real game windows in one process, the host's and the joiner's,
// each bound to its side of the connection as the program binds it, 100 moves taking turns on an
// open 16 x 16 field. Counters: median_ms and worst_ms. A move counts as painted once the other
// board has handled a paint event after the move reached its game.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <filesystem>
#include <vector>

#include "eventloop/qt_timer_driver.h"
#include "net/host_session.h"
#include "net/join_session.h"
#include "ui/board_widget.h"
#include "ui/game_session.h"
#include "ui/message_box.h"

#include "first_grow_move.h"

namespace tallowen {
namespace {

using Clock = std::chrono::steady_clock;
constexpr int kMoves = 100;

// Notes a paint of a board once the move has arrived.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(std::function<bool()> arrived) : arrived_(std::move(arrived)) {}
    bool painted = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && arrived_()) painted = true;
        return false;
    }

private:
    std::function<bool()> arrived_;
};

// One computer's game window, on a store of its own.
struct Computer {
    explicit Computer(const char* name)
        : file(std::filesystem::temp_directory_path() /
               ("tallowen-net-bench-" + std::to_string(getpid()) + name + ".sqlite3")),
          store(file),
          session(store) {}
    ~Computer() { std::filesystem::remove(file); }
    BoardWidget& board() {
        for (QWidget* w : session.window().findChildren<QWidget*>())
            if (auto* b = dynamic_cast<BoardWidget*>(w)) return *b;
        std::abort();
    }
    bool settled() {
        const GameWindow& g = session.game();
        return !g.Timer1.enabled() && !g.TimCHng.enabled();
    }
    void click(int x, int y) {
        BoardWidget& b = board();
        const double ratio = b.devicePixelRatioF();
        const GameWindow& g = session.game();
        const QPoint cell = QPointF((x + 0.5) * g.CellW / ratio, (y + 0.5) * g.CellH / ratio).toPoint();
        QTest::mouseClick(session.window().windowHandle(), Qt::LeftButton, {}, b.mapTo(&session.window(), cell));
    }

    std::filesystem::path file;
    SettingsStore store;
    GameSession session;
};

void BM_ClickToTheMovePaintedOnTheOtherComputer(benchmark::State& state) {
    Computer host("host"), joiner("joiner");
    QtTimerDriver timers;
    GameWindow& h = host.session.game();
    net::HostSession hosting(h, timers, {"Ann", h.HR1}, "123456");
    hosting.listen(0);
    net::JoinSession joining(joiner.session.game(), timers, {"Eva", joiner.session.game().HR2},
                             {"127.0.0.1", hosting.port()}, "123456");
    net::NetworkGame::Events shown;
    shown.changed = [&] { joiner.session.window().mirror(); };
    joining.setEvents(shown);
    shown.changed = [&] { host.session.window().mirror(); };
    hosting.setEvents(shown);
    joining.connect();
    if (!QTest::qWaitFor([&] { return hosting.state() == net::NetworkGame::State::Setup; }, 10000)) std::abort();

    h.Label2.Caption = "Tallowen - Open";
    h.Label4 = "+" + std::string(254, 'X') + "-1";
    h.Label5.Caption = "Ann";
    h.Label8 = "1";
    h.setup.Option19 = {true, true};
    hosting.start();
    host.session.window().mirror();
    const bool ready = QTest::qWaitFor(
        [&] {
            return joiner.session.window().isVisible() && host.session.window().isVisible() && host.settled() &&
                   joiner.settled();
        },
        10000);
    if (!ready) std::abort();

    std::vector<double> ms;
    for (auto _ : state) {
        for (int i = 0; i < kMoves; ++i) {
            const bool hostMoves = h.CurPlayer == 1;
            Computer& mover = hostMoves ? host : joiner;
            Computer& other = hostMoves ? joiner : host;
            const std::size_t expected = hosting.line().size() + 1;
            const net::NetworkGame& otherSide = hostMoves ? static_cast<const net::NetworkGame&>(joining) : hosting;
            PaintWatch watch([&] { return otherSide.line().size() == expected; });
            other.board().installEventFilter(&watch);
            const BoardMove m = firstGrowMove(mover.session.game());
            mover.click(m.sx, m.sy);
            const Clock::time_point clicked = Clock::now();
            mover.click(m.tx, m.ty);
            Clock::time_point painted{};
            const QDeadlineTimer deadline(10000);
            while (painted == Clock::time_point{} && !deadline.hasExpired()) {
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
                if (watch.painted) painted = Clock::now();
            }
            other.board().removeEventFilter(&watch);
            if (painted == Clock::time_point{}) {
                state.SkipWithError("a move was not painted on the other computer");
                return;
            }
            ms.push_back(std::chrono::duration<double, std::milli>(painted - clicked).count());
            if (!QTest::qWaitFor([&] { return host.settled() && joiner.settled(); }, 5000)) std::abort();
        }
    }
    std::sort(ms.begin(), ms.end());
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["worst_ms"] = ms.back();
    hosting.leave();
}
BENCHMARK(BM_ClickToTheMovePaintedOnTheOtherComputer)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tallowen

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    tallowen::setMessageAnswerer([](const tallowen::UserMessage&) {});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
