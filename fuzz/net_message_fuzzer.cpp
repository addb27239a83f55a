// What the other computer of a network game sends: bytes in pieces of any size, cut into lines and
// read as messages. A line over the limit ends the reading; every message read goes out again as a
// line that reads back the same. Each message then meets a joiner's and a host's game, whose own
// player answers every turn with a move: whatever comes, the game's line matches its board, and a
// game is recorded only when its field is full.
#include <QCoreApplication>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/field_strings.h"
#include "engine/headless_game.h"
#include "engine/mobility.h"
#include "fuzz_check.h"
#include "net/line_reader.h"
#include "net/message.h"
#include "net/network_game.h"
#include "net/protocol.h"

namespace {

using namespace tallowen;
using namespace tallowen::net;

const std::string kCorners = "+XXXXXXXXXXXXXXXXXXXXXXX-1";

class FullFieldOnly : public GameRecorder {
public:
    explicit FullFieldOnly(const GameWindow*& game) : game_(game) {}
    void recordGame(const FinishedGame&) override {
        for (int x = 0; x < game_->Side; ++x)
            for (int y = 0; y < game_->Side; ++y) FUZZ_CHECK(game_->board(x, y) != kEmpty);
    }

private:
    const GameWindow*& game_;
};

// One side of a game whose connection is a pair of counters.
class Side : public NetworkGame {
public:
    Side(HeadlessGame& headless, int seat)
        : NetworkGame(headless.game(), seat, headless.clock()), headless_(headless) {
        joined({seat == 1 ? "Joiner" : "Host", {0x00FF00, 0, "2"}});
        if (seat != 1) return;
        GameWindow& g = headless.game();
        g.Label2.Caption = "Tallowen - Corners";
        g.Label4 = kCorners;
        g.Label5.Caption = "Host";
        g.Label8 = "1";
        g.setup.Combo1 = {4, 4};
        FUZZ_CHECK(startAsHost());
    }
    using NetworkGame::receive;

    // This side's player moves whenever it is their turn, and the timers run a little.
    void goOn() {
        GameWindow& g = headless_.game();
        for (int step = 0; step < 4; ++step) headless_.clock().step();
        if (state() != State::Playing || g.GameOver || g.CurPlayer != localSeat() || g.TimCHng.enabled()) return;
        for (int i = 0; i < 25 * 25 && !g.TimCHng.enabled(); ++i) {
            const BoardMove m{i / 25 % 5, i / 125, i % 5, i % 25 / 5};
            if (isLegalMove(g.board, g.Side, g.dirs, g.CurPlayer, m)) {
                g.PL_MouseDown((m.sx + 0.5) * g.CellW, (m.sy + 0.5) * g.CellH);
                g.PL_MouseDown((m.tx + 0.5) * g.CellW, (m.ty + 0.5) * g.CellH);
            }
        }
    }

    // The line the session keeps, played from the start on a game of its own, gives the board.
    void checkLine() {
        GameWindow& g = headless_.game();
        if (state() != State::Playing || g.Timer1.enabled() || g.TimCHng.enabled() || g.Label4.empty()) return;
        HeadlessGame replay;
        replay.start(g.Label8 == "1" ? MoveRule::Star : MoveRule::Cross, g.Label4);
        for (const BoardMove& m : line()) {
            replay.game().PLKlik(m.sx, m.sy);
            replay.game().PLKlik(m.tx, m.ty);
            replay.finishTurnChange();
        }
        FUZZ_CHECK(makeSnapshot(replay.game().board, g.Side) == makeSnapshot(g.board, g.Side));
    }

    int sent = 0;
    bool hungUp = false;

private:
    void send(const Message& message) override {
        FUZZ_CHECK(!hungUp);
        FUZZ_CHECK(writeMessage(message).size() <= static_cast<std::size_t>(kMaxLineBytes));
        ++sent;
    }
    void hangUp() override { hungUp = true; }
    void afterEnd() override {}

    HeadlessGame& headless_;
};

// Both games meet the message; a game under way that it ends stays as it was: no timer runs, the
// board takes no click.
void meet(Side& side, const GameWindow& game, const Message& message) {
    if (side.state() == NetworkGame::State::Ended) return;
    const bool underWay = side.state() == NetworkGame::State::Playing && !game.GameOver;
    side.receive(message);
    QCoreApplication::processEvents();
    if (side.state() == NetworkGame::State::Ended) {
        FUZZ_CHECK(side.hungUp);
        if (underWay && !game.GameOver) FUZZ_CHECK(!game.PL.Enabled && !game.TimerT.enabled() && !game.TimCHng.enabled());
        return;
    }
    side.goOn();
    side.checkLine();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static int argc = 1;
    static char name[] = "net_message_fuzzer";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    if (size == 0) return 0;
    const std::size_t piece = data[0] % 64 + 1;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

    const GameWindow* hostGame = nullptr;
    const GameWindow* joinerGame = nullptr;
    FullFieldOnly hostRecords(hostGame), joinerRecords(joinerGame);
    HeadlessGame hostHeadless(&hostRecords), joinerHeadless(&joinerRecords);
    hostGame = &hostHeadless.game();
    joinerGame = &joinerHeadless.game();
    Side host(hostHeadless, 1), joiner(joinerHeadless, 2);
    host.goOn();

    LineReader reader(kMaxLineBytes);
    for (std::size_t at = 0; at < bytes.size(); at += piece) {
        const LineReader::Lines lines = reader.feed(bytes.substr(at, piece));
        for (const std::string& line : lines.complete) {
            FUZZ_CHECK(line.size() <= static_cast<std::size_t>(kMaxLineBytes) && line.find('\n') == std::string::npos);
            const auto message = readMessage(line);
            if (!message) continue;
            const std::string again = writeMessage(*message);
            FUZZ_CHECK(again.size() <= static_cast<std::size_t>(kMaxLineBytes));
            const auto back = readMessage(again);
            FUZZ_CHECK(back && *back == *message);
            meet(joiner, *joinerGame, *message);
            meet(host, *hostGame, *message);
        }
        if (lines.tooLong) {
            FUZZ_CHECK(reader.pending() == 0);
            break;
        }
        FUZZ_CHECK(reader.pending() <= static_cast<std::size_t>(kMaxLineBytes));
    }
    QCoreApplication::processEvents();
    return 0;
}
