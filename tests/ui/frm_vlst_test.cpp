#include "ui/frm_vlst.h"

#include <QComboBox>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>

#include "records/game_records.h"
#include "ui/figure_box.h"
#include "program_fixture.h"

namespace tallowen {
namespace {

QStringList textsOf(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    return texts;
}

class FrmVlstTest : public testing::ProgramFixture {
protected:
    frmVlst window{setup.results, pictures, game.random, game.FigureDetail, nullptr};
};

TEST_F(FrmVlstTest, ThePlayersLinesAndEachStoredGameShowAsRecorded) {
    GameRecords records{store};
    records.recordGame(testing::decidedGame("PC Genius", "Eva", 24, 40));
    records.recordGame(testing::decidedGame("Eva", "Adam", 30, 70));
    open();
    ASSERT_FALSE(setup.Check2_Click());
    window.present();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    auto* combo = window.findChild<QComboBox*>();
    EXPECT_TRUE(combo->isEnabled());
    EXPECT_EQ(combo->currentText(), "PC Genius");
    const auto lists = window.findChildren<QListWidget*>();
    ASSERT_EQ(lists.size(), 2);
    EXPECT_EQ(textsOf(lists[0]),
              (QStringList{"Won\t\t0 games", "Lost\t\t1 game", "Total played\t1 game", "Success\t\t37.5%"}));
    // The computer's red rectangle, low on the left where no face mark reaches.
    auto* figure = window.findChild<FigureBox*>();
    const QColor shown = testing::pixelOf(*figure, QPoint(figure->width() / 5, figure->height() * 7 / 10));
    EXPECT_GT(shown.red() - shown.blue(), 100);

    combo->setCurrentIndex(1);
    emit combo->activated(1);
    EXPECT_EQ(combo->currentText(), "Eva");
    EXPECT_EQ(textsOf(lists[0]),
              (QStringList{"Won\t\t1 game", "Lost\t\t1 game", "Total played\t2 games", "Success\t\t46.25%"}));

    EXPECT_EQ(textsOf(lists[1]),
              (QStringList{"Field\t\tOriginal", "Player 1\t\tPC Genius(24)", "Player 2\t\tEva(40)",
                           "Movement\tCross", "Turns\t\t60", "Winner\t\tEva(62.5%)",
                           "Game time for plr.1\t10 minut", "Game time for plr.2\t60 minut"}));
    auto* pager = window.findChild<QScrollBar*>();
    EXPECT_EQ(pager->maximum(), 1);
    pager->setValue(1);
    EXPECT_EQ(textsOf(lists[1])[1], "Player 1\t\tEva(30)");
    EXPECT_EQ(textsOf(lists[1])[5], "Winner\t\tAdam(70%)");
}

}  // namespace
}  // namespace tallowen
