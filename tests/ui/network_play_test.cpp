#include "ui/network_play.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "engine/board_view.h"
#include "net/code_proof.h"
#include "net/texts.h"
#include "program_fixture.h"
#include "records/game_records.h"
#include "records/stored_games.h"
#include "ui/board_widget.h"
#include "ui/network_frame_view.h"
#include "ui/player_panel_view.h"

namespace tallowen {
namespace {

const net::PlayerLooks kAnn{"Ann", {0x0000FF, 0xFFFFFF, "1"}};
const net::PlayerLooks kEva{"Eva", {0xFF0000, 0x000000, "5"}};
// 5 x 5, one piece each in opposite corners: player 1 at the top left.
const std::string kCorners = "+XXXXXXXXXXXXXXXXXXXXXXX-";

// The other computer, without windows: its game window's model on real timers, as the engine tool's
// host keeps one.
struct OtherComputer {
    explicit OtherComputer(const std::filesystem::path& storeFile) : store(storeFile), records(store), game(view, records) {
        for (Timer* timer : {&game.Timer1, &game.TimCHng, &game.TimerT, &game.TimPC}) timers.attach(*timer);
    }
    ~OtherComputer() { game.closeWindow(); }
    net::NetworkGame::Events events() {
        net::NetworkGame::Events e;
        e.notice = [this](const std::string& text) { notices.push_back(text); };
        e.ended = [this](const std::string& why) { endings.push_back(why); };
        return e;
    }
    // Two clicks on the board as the person there makes them.
    void click(int sx, int sy, int tx, int ty) {
        game.PL_MouseDown((sx + 0.5) * game.CellW, (sy + 0.5) * game.CellH);
        game.PL_MouseDown((tx + 0.5) * game.CellW, (ty + 0.5) * game.CellH);
    }

    HeadlessBoardView view;
    SettingsStore store;
    GameRecords records;
    GameWindow game;
    QtTimerDriver timers;
    std::vector<std::string> notices, endings;
};

class NetworkPlayTest : public testing::ProgramFixture {
protected:
    NetworkPlayTest() { windows.network().setHostPort(0); }
    ~NetworkPlayTest() override {
        if (NetworkFrameView* f = frame()) f->disconnect();
    }
    NetworkFrameView* frame() { return form1.panel(1)->network(); }
    QPushButton& start() {
        return testing::theWidget<QPushButton>(form1, "START", [](QPushButton& b) { return b.text() == "START"; });
    }
    static void clickOption(QRadioButton* option) {
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
    }
    static void type(QLineEdit* box, const QString& text) {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }
    // The corners field written where the setup window's START writes its field.
    void chooseCorners() {
        game.Label4 = kCorners;
        game.Label2.Caption = "Tallowen - Corners";
    }
    QString status() { return frame()->status()->text(); }
    // Until a person there may click: no start, turn change or computer move pending.
    static bool settled(const GameWindow& g) {
        return !g.Timer1.enabled() && !g.TimCHng.enabled() && !g.TimPC.enabled();
    }
    bool bothSettled() { return settled(game) && settled(other.game); }
    // A move by clicks on the game window's board, at cell centres, where a person would click.
    void clickBoard(int sx, int sy, int tx, int ty) {
        Tallow& window = session.window();
        auto& board = testing::theWidget<BoardWidget>(window, "board");
        const double ratio = board.devicePixelRatioF();
        for (auto [x, y] : {std::pair{sx, sy}, std::pair{tx, ty}}) {
            const QPoint at = QPointF((x + 0.5) * game.CellW / ratio, (y + 0.5) * game.CellH / ratio).toPoint();
            QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, board.mapTo(&window, at));
        }
    }

    OtherComputer other{dir / "other.sqlite3"};
};

TEST_F(NetworkPlayTest, HostingShowsWhereToJoinStartsTheGameOnBothComputersAndRoutesTheCommands) {
    open();
    type(form1.panel(0)->Text3()->lineEdit(), "Ann");
    clickOption(form1.panel(1)->OptionNetwork());
    ASSERT_TRUE(frame()->isVisible());
    EXPECT_TRUE(frame()->host()->isChecked());
    const QString code = frame()->code()->text();
    EXPECT_TRUE(net::isCode(code.toStdString())) << code.toStdString();
    const int port = frame()->port()->text().toInt();
    EXPECT_GT(port, 0);
    EXPECT_EQ(status(), net::texts::kWaiting);
    EXPECT_FALSE(start().isEnabled());
    EXPECT_TRUE(form1.fieldList()->isEnabled());

    net::JoinSession joiner(other.game, other.timers, kEva, {"127.0.0.1", static_cast<std::uint16_t>(port)},
                            code.toStdString());
    joiner.setEvents(other.events());
    joiner.connect();
    ASSERT_TRUE(QTest::qWaitFor([&] { return start().isEnabled(); }, 10000));
    EXPECT_EQ(status(), "Eva has joined.");
    EXPECT_EQ(game.HR2, kEva.looks);  // player 2's preview shows the joiner's figure

    chooseCorners();
    QTest::mouseClick(&start(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return joiner.state() == net::NetworkGame::State::Playing && bothSettled(); }, 10000));
    EXPECT_FALSE(form1.isVisible());
    EXPECT_TRUE(session.window().isVisible());
    EXPECT_EQ(other.game.Label5.Caption, "Ann");
    EXPECT_EQ(game.Label6.Caption, "Eva");

    // The joiner cannot move for the host; the host's clicks move, and the joiner sees it.
    other.click(0, 0, 1, 1);
    EXPECT_EQ(other.game.board, game.board);
    clickBoard(0, 0, 1, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return other.game.board == game.board && game.CurPlayer == 2 && bothSettled(); }, 5000));
    EXPECT_EQ(other.game.board(1, 1), other.game.board(0, 0));
    EXPECT_FALSE(session.window().isEnabled() && game.CurPlayer == 1);

    // The joiner asks to take the move back: the host is asked by name and refuses.
    other.click(4, 4, 3, 3);
    ASSERT_TRUE(QTest::qWaitFor([&] { return game.CurPlayer == 1 && game.board == other.game.board && bothSettled(); }, 5000));
    ASSERT_TRUE(joiner.askUndo());
    ASSERT_TRUE(QTest::qWaitFor([&] { return windows.network().question() != nullptr; }, 5000));
    QMessageBox* box = windows.network().question();
    EXPECT_EQ(box->text().toStdString(), net::texts::question(net::Request::Undo, "Eva"));
    QTest::mouseClick(box->buttons().at(1), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !other.notices.empty(); }, 5000));
    EXPECT_EQ(other.notices.back(), net::texts::refused(net::Request::Undo, "Ann"));
    EXPECT_EQ(game.board(3, 3), game.board(4, 4));

    // The host's undo ("Z") asks the joiner instead of taking back at once.
    QTest::keyClick(session.window().windowHandle(), Qt::Key_Z);
    EXPECT_EQ(game.board(3, 3), game.board(4, 4));
    EXPECT_EQ(windows.network().game()->status(), "Waiting for Eva's answer…");

    // Exit tells the joiner, whose game ends unrecorded.
    session.popupActions([] {}).exit();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !other.endings.empty(); }, 5000));
    EXPECT_EQ(other.endings.back(), net::texts::left("Ann", true));
    EXPECT_TRUE(readStoredGames(other.store).games.empty());
}

TEST_F(NetworkPlayTest, JoiningTakesTheHostsGameAndTellsAWrongCodeAndALostHost) {
    open();
    net::HostSession host(other.game, other.timers, kAnn, "428571");
    host.setEvents(other.events());
    ASSERT_FALSE(host.listen(0));
    const QString address = QStringLiteral("127.0.0.1:%1").arg(host.port());

    clickOption(form1.panel(1)->OptionNetwork());
    clickOption(frame()->join());
    type(frame()->name(), "Eva");
    type(frame()->address(), address);
    type(frame()->joinCode(), "111111");
    EXPECT_FALSE(form1.fieldList()->isEnabled());
    EXPECT_FALSE(start().isEnabled());
    ASSERT_TRUE(frame()->joinButton()->isEnabled());
    QTest::mouseClick(frame()->joinButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame()->joinButton()->isEnabled(); }, 10000));
    EXPECT_EQ(status().toStdString(), net::texts::refusal(net::Refusal::Code));

    type(frame()->joinCode(), "428571");
    QTest::mouseClick(frame()->joinButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form1.panel(0)->Text3()->currentText() == "Ann"; }, 10000));
    EXPECT_EQ(status().toStdString(), net::texts::waitingForStart("Ann"));
    EXPECT_FALSE(form1.panel(0)->isEnabled());
    EXPECT_FALSE(start().isEnabled());
    EXPECT_EQ(host.peer()->name, "Eva");

    // The host's START: the joiner's window shows the host's game, player 2 its own.
    other.game.Label2.Caption = "Tallowen - Corners";
    other.game.Label4 = kCorners + "1";
    other.game.Label5.Caption = "Ann";
    other.game.HR1 = kAnn.looks;
    other.game.Label8 = "1";
    other.game.setup.Option19 = {true, true};
    ASSERT_TRUE(host.start());
    ASSERT_TRUE(QTest::qWaitFor([&] { return session.window().isVisible() && bothSettled(); }, 10000));
    EXPECT_FALSE(form1.isVisible());
    EXPECT_EQ(game.Label5.Caption, "Ann");
    EXPECT_EQ(game.Label6.Caption, "Eva");
    other.click(0, 0, 1, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return game.board(1, 1) == game.board(0, 0) && game.board == other.game.board; }, 5000));

    // The host goes away: the joiner is told at once.
    host.leave();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.empty(); }, 5000));
    EXPECT_EQ(messages.back().text, net::texts::left("Ann", true));
}

}  // namespace
}  // namespace tallowen
