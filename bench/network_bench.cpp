// How long a move takes from the click that ends it on one computer to the move played on the other
// (the other game's model told to show it), over localhost: host and joiner in one process, 100
// moves taking turns. Counters: median_ms and worst_ms. The time a window then takes to paint the
// move is the window's own figure (tallowen_ui_bench).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <vector>

#include "engine/board_view.h"
#include "engine/game_window.h"
#include "engine/virtual_clock.h"
#include "net/host_session.h"
#include "net/join_session.h"

#include "first_grow_move.h"

namespace {

using namespace tallowen;
using namespace tallowen::net;
using Clock = std::chrono::steady_clock;

constexpr int kMoves = 100;

bool waitFor(const std::function<bool()>& done) {
    const QDeadlineTimer deadline(10000);
    while (!done() && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return done();
}

struct Side {
    explicit Side(VirtualClock& clock) : game(view, records) {
        for (Timer* timer : {&game.Timer1, &game.TimCHng, &game.TimerT, &game.TimPC}) clock.attach(*timer);
    }
    HeadlessBoardView view;
    NoRecorder records;
    GameWindow game;
};

void MoveReachesTheOtherComputer(benchmark::State& state) {
    VirtualClock clock;
    Side host(clock), joiner(clock);
    HostSession hosting(host.game, clock, {"Ann", host.game.HR1}, "123456");
    hosting.listen(0);
    JoinSession joining(joiner.game, clock, {"Eva", joiner.game.HR2}, {"127.0.0.1", hosting.port()}, "123456");
    Clock::time_point arrived;
    std::size_t expected = 0;
    NetworkGame::Events told;
    told.changed = [&] {
        if (joining.line().size() == expected && hosting.line().size() == expected) arrived = Clock::now();
    };
    hosting.setEvents(told);
    joining.setEvents(told);
    joining.connect();
    waitFor([&] { return hosting.state() == NetworkGame::State::Setup; });

    // An open 16 x 16 field: a hundred growing moves leave it far from full.
    GameWindow& g = host.game;
    g.Label2.Caption = "Tallowen - Open";
    g.Label4 = "+" + std::string(254, 'X') + "-1";
    g.Label5.Caption = "Ann";
    g.Label8 = "1";
    hosting.start();
    const auto settle = [&] {
        while (host.game.Timer1.enabled() || host.game.TimCHng.enabled() || joiner.game.Timer1.enabled() ||
               joiner.game.TimCHng.enabled()) {
            clock.step();
            QCoreApplication::processEvents();
        }
    };
    waitFor([&] { return joining.state() == NetworkGame::State::Playing; });
    settle();

    std::vector<double> ms;
    for (auto _ : state) {
        for (int i = 0; i < kMoves; ++i) {
            GameWindow& mover = host.game.CurPlayer == 1 ? host.game : joiner.game;
            const BoardMove m = firstGrowMove(mover);
            expected = hosting.line().size() + 1;
            arrived = {};
            const Clock::time_point clicked = Clock::now();
            mover.PL_MouseDown((m.sx + 0.5) * mover.CellW, (m.sy + 0.5) * mover.CellH);
            mover.PL_MouseDown((m.tx + 0.5) * mover.CellW, (m.ty + 0.5) * mover.CellH);
            if (!waitFor([&] { return arrived != Clock::time_point{}; })) {
                state.SkipWithError("a move did not arrive");
                return;
            }
            ms.push_back(std::chrono::duration<double, std::milli>(arrived - clicked).count());
            settle();
        }
    }
    std::sort(ms.begin(), ms.end());
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["worst_ms"] = ms.back();
}
BENCHMARK(MoveReachesTheOtherComputer)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
