#include "ui/form1.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include "../records/test_store.h"
#include "records/game_records.h"
#include "records/setting_paths.h"
#include "setup/built_in_fields.h"
#include "ui/game_session.h"
#include "ui/message_box.h"
#include "ui/picture_store.h"
#include "ui/program_windows.h"
#include "ui/frm_about.h"
#include "ui/frm_vlst.h"
#include "ui/logo_button.h"
#include "ui/player_panel_view.h"
#include "window_helpers.h"

namespace tallowen {
namespace {

using testing::choose;

// The program as it starts without game options, on a store of its own that already holds the
// figure detail, so that no first-start message comes between.
class Form1Test : public ::testing::Test {
protected:
    Form1Test() {
        setMessageAnswerer([this](const UserMessage& message) { messages.push_back(message); });
    }
    ~Form1Test() override { setMessageAnswerer({}); }

    void open() {
        windows.startUp(nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void type(int player, const QString& text) {
        QLineEdit* box = window.panel(player)->Text3()->lineEdit();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }
    // On the round mark, where an option button takes clicks whatever its width.
    static void clickOption(QRadioButton* option) {
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
    }

    testing::TempDir dir;
    SettingsStore store{dir / "s.sqlite3"};
    const bool detailStored = [this] {
        store.CreateSettingKey(kProgramKey);
        store.WriteSetting(kProgramKey, kFigureDetailValue, std::string("5"), kTextType);
        return true;
    }();
    GameSession session{store};
    GameWindow& game = session.game();
    PictureStore pictures;
    int ends = 0;
    ProgramWindows windows{store, session, pictures, [this] { ++ends; }};
    SetupWindow& setup = windows.setup();
    Form1& window = windows.form1();
    std::vector<UserMessage> messages;
};

TEST_F(Form1Test, StartsWithTwoPeopleWithoutTimeOnStarAndOriginalAndOffersWhatTheyMayDo) {
    open();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(window.windowTitle(), "Tallowen");
    EXPECT_EQ(window.cursor().pixmap().toImage(), pictures.Image1(10));
    for (int i = 0; i < 2; ++i) {
        PlayerPanelView* panel = window.panel(i);
        const QString name = i == 0 ? "Player 1" : "Player 2";
        EXPECT_EQ(panel->title(), name);
        EXPECT_EQ(panel->Text3()->currentText(), name);
        EXPECT_EQ((i == 0 ? game.Label5 : game.Label6).Caption, name.toStdString());
        EXPECT_EQ(panel->Combo1()->currentText(), "Neomezeně");
        EXPECT_TRUE(panel->Option19()->isChecked());
        EXPECT_TRUE(panel->Text3()->isVisible());
        EXPECT_FALSE(panel->level(2)->isVisible());
    }
    QStringList fields;
    for (int k = 0; k < window.fieldList()->count(); ++k) fields << window.fieldList()->item(k)->text();
    EXPECT_EQ(fields, (QStringList{"Original", "Draughts", "Quick atack", "Big battle"}));
    EXPECT_EQ(window.fieldList()->currentItem()->text(), "Original");
    EXPECT_EQ(game.Label2.Caption, "Tallowen - Original");
    EXPECT_EQ(game.Label4, builtInFields()[0].field);
    EXPECT_EQ(game.Label8, "1");
    bool star = false;
    for (auto* option : window.findChildren<QRadioButton*>())
        if (option->text() == "Star") star = option->isChecked();
    EXPECT_TRUE(star);
    // The default colours are taken to the five levels a slider can show.
    EXPECT_EQ(game.HR1.BackColor, rgb(255, 135, 15));
    EXPECT_EQ(game.HR2.BackColor, rgb(15, 135, 255));
    EXPECT_EQ(setup.panels[0].Picture7.code, 1);
    EXPECT_EQ(setup.panels[1].Picture7.code, 5);
    // The logo strip drops to its height, then widens.
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.logo()->width() == 320; }, 5000));
    EXPECT_EQ(window.logo()->height(), 50);

    // Only the user's own fields, of which there are none yet, can be edited or deleted.
    QTest::mouseClick(window.editorButton(), Qt::LeftButton);
    QMenu* menu = window.editorMenu();
    ASSERT_TRUE(menu->isVisible());
    QStringList items;
    for (QAction* action : menu->actions()) items << action->text() + (action->isEnabled() ? "" : " (off)");
    EXPECT_EQ(items, (QStringList{"Add field", "Edit field (off)", "Delete field (off)"}));
    menu->close();

    // The logo opens the about window.
    QTest::mouseClick(window.logo(), Qt::LeftButton);
    EXPECT_TRUE(window.about().isVisible());
    EXPECT_EQ(window.about().parentWidget(), &window);
    window.about().close();

    // Without a stored game there are no results to show.
    QTest::mouseClick(window.resultsButton(), Qt::LeftButton);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "There are no results in the registry.");
    EXPECT_TRUE(window.findChildren<frmVlst*>().empty());

    // Closing the setup window ends the program.
    window.close();
    EXPECT_EQ(ends, 1);
}

TEST_F(Form1Test, StartHandsTheExactNamesOverAndNewGameComesBackWithEveryChoiceKept) {
    open();
    type(0, "tie!");
    type(1, "pc Genius");
    window.panel(1)->Combo1()->setCurrentIndex(3);
    emit window.panel(1)->Combo1()->activated(3);
    for (auto* option : window.findChildren<QRadioButton*>())
        if (option->text() == "Cross") clickOption(option);
    window.fieldList()->setCurrentRow(2);
    QTest::mouseClick(window.startButton(), Qt::LeftButton);
    EXPECT_EQ(game.Label5.Caption, "I'm Tie");
    EXPECT_EQ(game.Label6.Caption, ":-) Genius");
    EXPECT_EQ(game.Label2.Caption, "Tallowen - Quick atack");
    EXPECT_EQ(game.Label4, builtInFields()[2].field + "1");
    EXPECT_EQ(game.Label8, "2");
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(session.window().isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return game.Side == 7; }, 5000));
    EXPECT_EQ(game.Clock[2], 1800);
    // The about window opened from the game window belongs to it.
    choose(window.menus().Ppm(), {"&O programu"});
    EXPECT_TRUE(window.about().isVisible());
    EXPECT_EQ(window.about().parentWidget(), &session.window());
    window.about().close();

    // Meanwhile a game was decided: the statistics are read again on the way back.
    GameRecords(store).recordGame(testing::decidedGame("Eva", "Adam", 40, 24));
    choose(window.menus().Ppm(), {"&Nová hra", "Opravdu?", "New game"});
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(session.window().isVisible());
    EXPECT_EQ(window.panel(0)->Text3()->currentText(), "I'm Tie");
    EXPECT_EQ(window.panel(1)->Text3()->currentText(), ":-) Genius");
    EXPECT_EQ(window.panel(1)->Combo1()->currentText(), "30 minut");
    EXPECT_EQ(window.fieldList()->currentItem()->text(), "Quick atack");
    EXPECT_EQ(window.panel(0)->Text3()->count(), 2);
    type(0, "");
    type(1, "");
    QTest::mouseClick(window.startButton(), Qt::LeftButton);
    EXPECT_EQ(game.Label5.Caption, "Hráč 1");
    EXPECT_EQ(game.Label6.Caption, "Hráč 2");
    EXPECT_EQ(game.Label4.size(), 50u);

    choose(window.menus().Ppm(), {"&Konec", "Really exit?", "Really exit!"});
    EXPECT_EQ(ends, 1);
}

// Every level shows the computer's face, the strongest ones framed; the game starts with the last
// level chosen, and the choice is still there for the next game.
TEST_F(Form1Test, TheComputerForPlayerTwoStartsAtProfessionalWithoutTimeAndItsChoiceIsKept) {
    open();
    PlayerPanelView* panel = window.panel(1);
    panel->Combo1()->setCurrentIndex(2);
    emit panel->Combo1()->activated(2);
    clickOption(panel->Option18());
    EXPECT_TRUE(panel->level(2)->isVisible());
    EXPECT_TRUE(panel->level(2)->isChecked());
    EXPECT_EQ(panel->level(2)->text(), "Professional");
    EXPECT_FALSE(panel->Text3()->isVisible());
    EXPECT_EQ(game.Label6.Caption, "PC Professional");
    EXPECT_EQ(panel->Combo1()->currentText(), "Neomezeně");
    EXPECT_EQ(setup.panels[1].Picture7.level, 2);
    EXPECT_FALSE(setup.panels[1].Picture7.framed);
    clickOption(panel->level(3));
    EXPECT_EQ(game.Label6.Caption, "PC Genius");
    EXPECT_TRUE(setup.panels[1].Picture7.framed);
    clickOption(panel->level(4));
    EXPECT_EQ(game.Label6.Caption, "PC Master");
    EXPECT_TRUE(panel->level(4)->isChecked());
    EXPECT_FALSE(panel->level(3)->isChecked());
    EXPECT_EQ(setup.panels[1].Picture7.level, 4);

    QTest::mouseClick(window.startButton(), Qt::LeftButton);
    EXPECT_EQ(game.Image1, 7) << "a computer's cursor is one of the computer's pictures";
    EXPECT_TRUE(QTest::qWaitFor([&] { return game.PcLevel[2] == 4; }, 5000));
    EXPECT_EQ(game.PcLevel[1], 0);
    choose(window.menus().Ppm(), {"&Nová hra", "Opravdu?", "New game"});
    EXPECT_TRUE(panel->level(4)->isChecked());
    clickOption(panel->Option19());
    EXPECT_EQ(game.Label6.Caption, "Player 2");
    EXPECT_EQ(setup.panels[1].Picture7.level, 0);
}

TEST_F(Form1Test, StoredGamesShowAsResultsAndBringKnownFiguresAndUnreadableOnesAreToldOnce) {
    GameRecords records{store};
    for (const char* player : {"Eva", "Ota", "Ida"}) records.recordGame(testing::decidedGame(player, "Adam", 40, 24));
    store.WriteSetting(recordKey(2), "Vyhrál", std::int32_t{3}, kIntType);
    open();
    const UserMessage one{"1 stored game could not be read and is left out of the results.", "Tallowen"};
    EXPECT_EQ(messages, std::vector<UserMessage>{one});

    // Eva played "AEE1" as player 1; as player 2 she brings it along.
    type(1, "Eva");
    EXPECT_EQ(game.HR2.BackColor, rgb(255, 15, 15));
    EXPECT_EQ(game.HR2.Caption, "1");

    QTest::mouseClick(window.resultsButton(), Qt::LeftButton);
    ASSERT_EQ(window.findChildren<frmVlst*>().size(), 1);
    EXPECT_TRUE(window.findChild<frmVlst*>()->isVisible());
    window.findChild<frmVlst*>()->close();
    EXPECT_EQ(messages.size(), 1u);
    store.WriteSetting(recordKey(3), "Vyhrál", std::int32_t{3}, kIntType);
    QTest::mouseClick(window.resultsButton(), Qt::LeftButton);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text, "2 stored games could not be read and are left out of the results.");
}
}  // namespace
}  // namespace tallowen
