#include "ui/form1.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <array>
#include <QUrl>

#include "program_fixture.h"
#include "records/game_records.h"
#include "setup/built_in_fields.h"
#include "ui/frm_about.h"
#include "ui/figure_box.h"
#include "ui/frm_vlst.h"
#include "ui/frm_vyb.h"
#include "ui/hyper_link.h"
#include "ui/logo_button.h"
#include "ui/player_panel_view.h"
#include "ui/screen_fitting_area.h"

namespace tallowen {
namespace {

using testing::choose;

QStringList textsOf(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    return texts;
}

// Takes the links the about window hands to the desktop.
class LinkCatcher : public QObject {
    Q_OBJECT
public:
    QStringList urls;
public slots:
    void open(const QUrl& url) { urls << url.toString(); }
};

class Form1Test : public testing::ProgramFixture {
protected:
    void type(int player, const QString& text) {
        QLineEdit* box = form1.panel(player)->Text3()->lineEdit();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }
    // On the round mark, where an option button takes clicks whatever its width.
    static void clickOption(QRadioButton* option) {
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
    }
    QRadioButton* option(const QString& text) {
        return &testing::theWidget<QRadioButton>(form1, "option " + text.toStdString(),
                                                 [&](QRadioButton& o) { return o.text() == text; });
    }
    void newGame() { choose(form1.menus().Ppm(), {"&Nová hra", "Opravdu?", "New game"}); }
};

TEST_F(Form1Test, StartsWithTwoPeopleWithoutTimeOnStarAndOriginalAndOffersWhatTheyMayDo) {
    open();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(form1.windowTitle(), "Tallowen");
    EXPECT_EQ(form1.cursor().pixmap().toImage(), pictures.Image1(10));
    for (int i = 0; i < 2; ++i) {
        PlayerPanelView* panel = form1.panel(i);
        EXPECT_EQ(panel->Text3()->currentText(), i == 0 ? "Player 1" : "Player 2");
        EXPECT_TRUE(panel->Text3()->isVisible());
        EXPECT_EQ(panel->Combo1()->currentText(), "Neomezeně");
        EXPECT_TRUE(panel->Option19()->isChecked());
    }
    EXPECT_EQ(form1.fieldList()->count(), 4);
    EXPECT_EQ(form1.fieldList()->currentItem()->text(), "Original");
    EXPECT_EQ(game.Label4, builtInFields()[0].field);
    EXPECT_TRUE(option("Star")->isChecked());
    EXPECT_EQ(game.Label8, "1");
    EXPECT_EQ(setup.panels[0].Picture7.code, 1);
    EXPECT_EQ(setup.panels[1].Picture7.code, 5);
    // The logo strip drops to its height, then widens.
    EXPECT_TRUE(QTest::qWaitFor([&] { return form1.logo()->width() == 320; }, 5000));
    EXPECT_EQ(form1.logo()->height(), 50);

    // Only the user's own fields, of which there are none yet, can be edited or deleted.
    QTest::mouseClick(form1.editorButton(), Qt::LeftButton);
    QStringList items;
    for (QAction* action : form1.editorMenu()->actions())
        items << action->text() + (action->isEnabled() ? "" : " (off)");
    EXPECT_EQ(items, (QStringList{"Add field", "Edit field (off)", "Delete field (off)"}));
    testing::closePopups();

    // The logo opens the about window, whose links go to the desktop.
    QTest::mouseClick(form1.logo(), Qt::LeftButton);
    frmAbout& about = form1.about();
    EXPECT_TRUE(about.isVisible());
    EXPECT_EQ(about.windowTitle(), "About Tallowen");
    EXPECT_EQ(about.parentWidget(), &form1);
    EXPECT_EQ(about.windowModality(), Qt::WindowModal);
    LinkCatcher catcher;
    for (const char* scheme : {"https", "mailto"}) QDesktopServices::setUrlHandler(scheme, &catcher, "open");
    QTest::mouseClick(about.Label3(), Qt::LeftButton);
    QTest::mouseClick(about.Label6(), Qt::LeftButton);
    for (const char* scheme : {"https", "mailto"}) QDesktopServices::unsetUrlHandler(scheme);
    EXPECT_EQ(catcher.urls, (QStringList{kWebPage, QString("mailto:") + kMailAddress}));
    about.close();

    // Without a stored game there are no results to show.
    QTest::mouseClick(form1.resultsButton(), Qt::LeftButton);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "There are no results in the registry.");
    EXPECT_TRUE(form1.findChildren<frmVlst*>().empty());

    // Closing the setup window ends the program.
    form1.close();
    EXPECT_EQ(ends, 1);
}

TEST_F(Form1Test, StartHandsTheExactNamesOverAndNewGameComesBackWithEveryChoiceKept) {
    open();
    type(0, "tie!");
    type(1, "pc Genius");
    form1.panel(1)->Combo1()->setCurrentIndex(3);
    emit form1.panel(1)->Combo1()->activated(3);
    clickOption(option("Cross"));
    form1.fieldList()->setCurrentRow(2);
    QTest::mouseClick(form1.startButton(), Qt::LeftButton);
    EXPECT_EQ(game.Label5.Caption, "I'm Tie");
    EXPECT_EQ(game.Label6.Caption, ":-) Genius");
    EXPECT_EQ(game.Label2.Caption, "Tallowen - Quick atack");
    EXPECT_EQ(session.window().windowTitle(), "Tallowen - Quick atack") << "the title is the title bar's caption";
    EXPECT_TRUE(testing::findWidget<QLabel>(session.window(),
                                            [](QLabel& l) { return l.text() == "Tallowen - Quick atack"; }));
    EXPECT_EQ(game.Label4, builtInFields()[2].field + "1");
    EXPECT_EQ(game.Label8, "2");
    EXPECT_FALSE(form1.isVisible());
    EXPECT_TRUE(session.window().isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return game.Side == 7; }, 5000));
    EXPECT_EQ(game.Clock[2], 1800);
    // The about window opened from the game window belongs to it.
    choose(form1.menus().Ppm(), {"&O programu"});
    EXPECT_TRUE(form1.about().isVisible());
    EXPECT_EQ(form1.about().parentWidget(), &session.window());
    form1.about().close();

    // Meanwhile a game was decided: the statistics are read again on the way back.
    GameRecords(store).recordGame(testing::decidedGame("Eva", "Adam", 40, 24));
    newGame();
    EXPECT_TRUE(form1.isVisible());
    EXPECT_FALSE(session.window().isVisible());
    EXPECT_EQ(form1.panel(0)->Text3()->currentText(), "I'm Tie");
    EXPECT_EQ(form1.panel(1)->Text3()->currentText(), ":-) Genius");
    EXPECT_EQ(form1.panel(1)->Combo1()->currentText(), "30 minut");
    EXPECT_EQ(form1.fieldList()->currentItem()->text(), "Quick atack");
    EXPECT_EQ(form1.panel(0)->Text3()->count(), 2);
    type(0, "");
    type(1, "");
    form1.fieldList()->setCurrentRow(3);
    QTest::mouseClick(form1.startButton(), Qt::LeftButton);
    EXPECT_EQ(session.window().windowTitle(), "Tallowen - Big battle") << "the title follows the field";
    EXPECT_EQ(game.Label5.Caption, "Hráč 1");
    EXPECT_EQ(game.Label6.Caption, "Hráč 2");
    EXPECT_EQ(game.Label4, builtInFields()[3].field + "1") << "the mover is added once";

    choose(form1.menus().Ppm(), {"&Konec", "Really exit?", "Really exit!"});
    EXPECT_EQ(ends, 1);
}

// Every level shows the computer's face, the strongest ones framed; the game starts with the last
// level chosen, and the choice is still there for the next game.
TEST_F(Form1Test, TheComputerForPlayerTwoStartsAtProfessionalWithoutTimeAndItsChoiceIsKept) {
    open();
    PlayerPanelView* panel = form1.panel(1);
    panel->Combo1()->setCurrentIndex(2);
    emit panel->Combo1()->activated(2);
    clickOption(panel->Option18());
    EXPECT_TRUE(panel->level(2)->isVisible());
    EXPECT_TRUE(panel->level(2)->isChecked());
    EXPECT_FALSE(panel->Text3()->isVisible());
    EXPECT_EQ(game.Label6.Caption, "PC Professional");
    EXPECT_EQ(panel->Combo1()->currentText(), "Neomezeně");
    EXPECT_EQ(setup.panels[1].Picture7.level, 2);
    EXPECT_FALSE(setup.panels[1].Picture7.framed);
    clickOption(panel->level(3));
    EXPECT_TRUE(setup.panels[1].Picture7.framed);
    clickOption(panel->level(4));
    EXPECT_EQ(game.Label6.Caption, "PC Master");
    EXPECT_EQ(setup.panels[1].Picture7.level, 4);

    QTest::mouseClick(form1.startButton(), Qt::LeftButton);
    EXPECT_EQ(game.Image1, 7) << "a computer's cursor is one of the computer's pictures";
    EXPECT_TRUE(QTest::qWaitFor([&] { return game.PcLevel[2] == 4; }, 5000));
    EXPECT_EQ(game.PcLevel[1], 0);
    newGame();
    EXPECT_TRUE(panel->level(4)->isChecked());
    clickOption(panel->Option19());
    EXPECT_EQ(game.Label6.Caption, "Player 2");
    EXPECT_EQ(setup.panels[1].Picture7.level, 0);
}

// A game another tool broke is left out and told of at each reading; a known name brings the
// figure of its first game, and the results window shows each player's lines and each game.
TEST_F(Form1Test, StoredGamesShowAsResultsAndBringKnownFiguresAndUnreadableOnesAreToldOnce) {
    GameRecords records{store};
    records.recordGame(testing::decidedGame("PC Genius", "Eva", 24, 40));
    records.recordGame(testing::decidedGame("Eva", "Adam", 30, 70));
    records.recordGame(testing::decidedGame("Ota", "Adam", 40, 24));
    store.WriteSetting(recordKey(3), "Vyhrál", std::int32_t{3}, kIntType);
    open();
    const UserMessage one{"1 stored game could not be read and is left out of the results.", "Tallowen"};
    EXPECT_EQ(messages, std::vector<UserMessage>{one});

    // Eva played "EBA5" as player 2; as player 1 she brings it along.
    type(0, "Eva");
    EXPECT_EQ(game.HR1.BackColor, rgb(15, 195, 255));
    EXPECT_EQ(game.HR1.Caption, "5");

    QTest::mouseClick(form1.resultsButton(), Qt::LeftButton);
    auto* results = form1.findChild<frmVlst*>();
    ASSERT_TRUE(results && QTest::qWaitForWindowExposed(results));
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(results->windowTitle(), "Results");
    auto* combo = results->findChild<QComboBox*>();
    ASSERT_TRUE(combo);
    EXPECT_EQ(combo->currentText(), "PC Genius");
    const auto lists = results->findChildren<QListWidget*>();
    ASSERT_EQ(lists.size(), 2);
    EXPECT_EQ(textsOf(lists[0]),
              (QStringList{"Won\t\t0 games", "Lost\t\t1 game", "Total played\t1 game", "Success\t\t37.5%"}));
    // The computer's red rectangle, low on the left where no face mark reaches.
    auto* figure = results->findChild<FigureBox*>();
    ASSERT_TRUE(figure);
    const QColor shown = testing::pixelOf(*figure, QPoint(figure->width() / 5, figure->height() * 7 / 10));
    EXPECT_GT(shown.red() - shown.blue(), 100);
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    EXPECT_EQ(textsOf(lists[0]),
              (QStringList{"Won\t\t1 game", "Lost\t\t1 game", "Total played\t2 games", "Success\t\t46.25%"}));
    EXPECT_EQ(textsOf(lists[1]),
              (QStringList{"Field\t\tOriginal", "Player 1\t\tPC Genius(24)", "Player 2\t\tEva(40)",
                           "Movement\tCross", "Turns\t\t60", "Winner\t\tEva(62.5%)",
                           "Game time for plr.1\t10 minut", "Game time for plr.2\t60 minut"}));
    auto* pager = results->findChild<QScrollBar*>();
    ASSERT_TRUE(pager);
    EXPECT_EQ(pager->maximum(), 1);
    pager->setValue(1);
    EXPECT_EQ(textsOf(lists[1])[1], "Player 1\t\tEva(30)");
    EXPECT_EQ(textsOf(lists[1])[5], "Winner\t\tAdam(70%)");
    results->close();

    store.WriteSetting(recordKey(2), "Vyhrál", std::int32_t{3}, kIntType);
    QTest::mouseClick(form1.resultsButton(), Qt::LeftButton);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text, "2 stored games could not be read and are left out of the results.");
}

TEST_F(Form1Test, AFigureOpensItsSelectionWhoseOkSnapsTheColourAndWhoseSliderRecoloursThePreviewLater) {
    open();
    game.HR1 = {rgb(255, 128, 0), kWhite, "1"};
    game.HR2 = {rgb(0, 127, 225), kBlack, "8"};
    QTest::mouseClick(form1.panel(0)->Picture7(), Qt::LeftButton);
    frmVyb& selection = form1.figureSelection();
    ASSERT_TRUE(selection.isVisible());
    EXPECT_EQ(selection.windowTitle(), "Figure selection of player 1");
    const auto sliders = selection.findChildren<QScrollBar*>();
    ASSERT_EQ(sliders.size(), 3);
    EXPECT_EQ((std::array{sliders[0]->value(), sliders[1]->value(), sliders[2]->value()}), (std::array{0, 2, 4}));
    auto* combo = selection.findChild<QComboBox*>();
    auto* ok = selection.findChild<QPushButton*>();
    ASSERT_TRUE(combo && ok);
    EXPECT_EQ(combo->currentText(), "Rectangle");
    const int shown = setup.panels[0].Picture7.revision;
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(game.HR1.BackColor, rgb(255, 135, 15));
    EXPECT_EQ(game.HR1.ForeColor, rgb(255, 127, 127));
    EXPECT_GT(setup.panels[0].Picture7.revision, shown) << "the setup window's preview is repainted";
    EXPECT_FALSE(selection.isVisible());

    QTest::mouseClick(form1.panel(1)->Picture7(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&selection));
    EXPECT_EQ(selection.windowTitle(), "Figure selection of player 2");
    EXPECT_EQ(combo->currentText(), "Small field");
    const int before = setup.frmVyb.Picture2.revision;
    sliders[0]->setValue(0);  // red at full strength
    EXPECT_EQ(setup.frmVyb.Picture3, rgb(255, 135, 255));
    EXPECT_EQ(setup.frmVyb.Picture2.revision, before);
    EXPECT_TRUE(QTest::qWaitFor([&] { return setup.frmVyb.Picture2.revision == before + 1; }, 2000));
    EXPECT_EQ(setup.frmVyb.Picture2.colour, rgb(255, 135, 255));
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(game.HR2.BackColor, rgb(255, 135, 255));
    EXPECT_EQ(game.HR2.Caption, "8");
    EXPECT_EQ(game.Image1, 2);  // red and blue strongest: a person's third pointer
}

// The window is as large as its content where the screen has room for it; where it has not (a
// scale of 2 here), the window stays on the screen and its content scrolls, down to "START".
TEST_F(Form1Test, TheWindowFitsTheScreenAndScrollsWhereItHasNoRoom) {
    open();
    auto* area = form1.findChild<ScreenFittingArea*>();
    ASSERT_NE(area, nullptr);
    QApplication::processEvents();
    EXPECT_TRUE(form1.screen()->availableGeometry().contains(form1.frameGeometry()));
    const bool small = form1.devicePixelRatio() > 1;
    EXPECT_EQ(area->verticalScrollBar()->isVisible(), small);
    if (!small) {
        EXPECT_EQ(form1.size(), area->widget()->size());
    }
    area->ensureWidgetVisible(form1.startButton());
    const QRect start(form1.startButton()->mapTo(&form1, QPoint(0, 0)), form1.startButton()->size());
    EXPECT_TRUE(form1.rect().contains(start));
}

}  // namespace
}  // namespace tallowen

#include "form1_test.moc"
