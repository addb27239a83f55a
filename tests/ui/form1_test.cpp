#include "ui/form1.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "records/game_records.h"
#include "setup_fixture.h"
#include "ui/figure_box.h"
#include "ui/frm_vlst.h"
#include "ui/logo_button.h"
#include "ui/player_panel_view.h"

namespace tallowen {
namespace {

class Form1Test : public testing::SetupFixture {
protected:
    void open() {
        startUp();
        window.mirror();
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

    Form1 window{setup, pictures};
};

TEST_F(Form1Test, StartsWithTwoPeopleWithoutTimeOnStarAndOriginal) {
    open();
    EXPECT_EQ(window.windowTitle(), "Tallowen");
    for (int i = 0; i < 2; ++i) {
        PlayerPanelView* panel = window.panel(i);
        const QString name = i == 0 ? "Player 1" : "Player 2";
        EXPECT_EQ(panel->title(), name);
        EXPECT_EQ(panel->Text3()->currentText(), name);
        EXPECT_EQ(panel->Combo1()->currentText(), "Neomezeně");
        EXPECT_TRUE(panel->Option19()->isChecked());
        EXPECT_TRUE(panel->Text3()->isVisible());
        EXPECT_FALSE(panel->level(2)->isVisible());
    }
    QStringList fields;
    for (int k = 0; k < window.fieldList()->count(); ++k) fields << window.fieldList()->item(k)->text();
    EXPECT_EQ(fields, (QStringList{"Original", "Draughts", "Quick atack", "Big battle"}));
    EXPECT_EQ(window.fieldList()->currentItem()->text(), "Original");
    bool star = false;
    for (auto* option : window.findChildren<QRadioButton*>())
        if (option->text() == "Star") star = option->isChecked();
    EXPECT_TRUE(star);
    // The logo strip drops to its height, then widens.
    QTRY_COMPARE_WITH_TIMEOUT(window.logo()->width(), 320, 5000);
    EXPECT_EQ(window.logo()->height(), 50);
}

TEST_F(Form1Test, StartHandsTheNamesOverWithTheirRewritesAndHides) {
    int started = 0;
    window.setOnStart([&] { ++started; });
    open();
    type(0, "tie!");
    type(1, "pc Genius");
    window.fieldList()->setCurrentRow(2);
    QTest::mouseClick(window.startButton(), Qt::LeftButton);
    EXPECT_EQ(game.Label5.Caption, "I'm Tie");
    EXPECT_EQ(game.Label6.Caption, ":-) Genius");
    EXPECT_EQ(game.Label2.Caption, "Tallowen - Quick atack");
    EXPECT_EQ(game.Label4.back(), '1');
    EXPECT_EQ(game.Label4.size(), 50u);
    EXPECT_EQ(started, 1);
    EXPECT_FALSE(window.isVisible());

    // Back from the game: everything as it was, the rewritten names included.
    game.UNG_Click();
    setup.showAgain();
    window.mirror();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.panel(0)->Text3()->currentText(), "I'm Tie");
    EXPECT_EQ(window.fieldList()->currentItem()->text(), "Quick atack");
    type(0, "");
    QTest::mouseClick(window.startButton(), Qt::LeftButton);
    EXPECT_EQ(game.Label5.Caption, "Hráč 1");
}

TEST_F(Form1Test, TheComputerForPlayerTwoPlaysAtProfessionalWithoutTime) {
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
    clickOption(panel->level(3));
    EXPECT_EQ(game.Label6.Caption, "PC Genius");
}

TEST_F(Form1Test, AKnownNameBringsItsStoredFigureAndResultsNeedAGame) {
    open();
    QTest::mouseClick(window.resultsButton(), Qt::LeftButton);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "There are no results in the registry.");
    EXPECT_TRUE(window.findChildren<frmVlst*>().empty());

    GameRecords records{store};
    records.recordGame(testing::decidedGame("PC Genius", "Eva", 24, 40));  // Eva plays "EBA5"
    QTest::mouseClick(window.resultsButton(), Qt::LeftButton);
    EXPECT_EQ(messages.size(), 1u);
    ASSERT_EQ(window.findChildren<frmVlst*>().size(), 1);
    EXPECT_TRUE(window.findChild<frmVlst*>()->isVisible());
    window.findChild<frmVlst*>()->close();

    EXPECT_EQ(window.panel(1)->Text3()->count(), 1);
    type(1, "Eva");
    EXPECT_EQ(game.HR2.BackColor, rgb(15, 195, 255));
    EXPECT_EQ(game.HR2.Caption, "5");
    EXPECT_EQ(window.panel(1)->Picture7()->toolTip(), "Select figure");
}

TEST_F(Form1Test, TheEditorMenuOffersEditAndDeleteOnlyForTheUsersFields) {
    open();
    QTest::mouseClick(window.editorButton(), Qt::LeftButton);
    QMenu* menu = window.editorMenu();
    ASSERT_TRUE(menu->isVisible());
    QStringList items;
    for (QAction* action : menu->actions()) items << action->text() + (action->isEnabled() ? "" : " (off)");
    EXPECT_EQ(items, (QStringList{"Add field", "Edit field (off)", "Delete field (off)"}));
    menu->close();
}

}  // namespace
}  // namespace tallowen
