#include "ui/frm_edit.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWindow>
#include <utility>
#include <vector>

#include "records/setting_paths.h"
#include "program_fixture.h"

namespace tallowen {
namespace {

class FrmEditTest : public testing::ProgramFixture {
protected:
    FrmEditTest() {
        open();
        window.setOnSaved([this](const FieldHandOver& selection) { setup.fieldsReloaded(selection); });
    }
    // The centre of cell (x, y) of the drawing area.
    QPoint cellCentre(int x, int y) const {
        const int side = editor.side();
        return {(2 * x + 1) * window.picEdit()->width() / (2 * side),
                (2 * y + 1) * window.picEdit()->height() / (2 * side)};
    }
    void click(Qt::MouseButton button, int x, int y) {
        QTest::mouseClick(window.picEdit(), button, {}, cellCentre(x, y));
    }
    QPushButton* save() {
        return &testing::theWidget<QPushButton>(window, "SAVE", [](QPushButton& b) { return b.text() == "SAVE"; });
    }
    QLineEdit& nameBox() {
        return testing::theWidget<QLineEdit>(window, "name box", [](QLineEdit& e) { return !e.isReadOnly(); });
    }
    QLineEdit& sideBox() {
        return testing::theWidget<QLineEdit>(window, "side box", [](QLineEdit& e) { return e.isReadOnly(); });
    }

    FieldEditor editor;
    frmEdit window{editor, store, setup.library, pictures, game.random, nullptr};
};

TEST_F(FrmEditTest, MirrorPaintsTheOtherPlayerOppositeAndTheSpinnerKeepsTheSideWithinSixToFifteen) {
    editor.EDM(std::string(48, 'X') + "0");
    window.present();
    EXPECT_EQ(window.windowTitle(), "Editor");
    EXPECT_EQ(sideBox().text(), "7");
    QTest::mouseClick(&testing::theWidget<QCheckBox>(window, "Mirror"), Qt::LeftButton);
    click(Qt::RightButton, 3, 3);  // brush: player 1
    EXPECT_EQ(window.picEdit()->cursor().pixmap().toImage(), pictures.Image1(0)) << "the brush shows";
    click(Qt::LeftButton, 0, 0);
    // The painted cell and its mirror show the two players' tints: orange and blue in the middle.
    const QColor p1 = testing::pixelOf(*window.picEdit(), cellCentre(0, 0));
    const QColor p2 = testing::pixelOf(*window.picEdit(), cellCentre(6, 6));
    EXPECT_GT(p1.red(), p1.blue());
    EXPECT_GT(p2.blue(), p2.red());

    QScrollBar& spinner = testing::theWidget<QScrollBar>(window, "spinner");
    for (int i = 0; i < 3; ++i) spinner.setValue(0);
    EXPECT_EQ(sideBox().text(), "6");
    EXPECT_EQ(spinner.value(), 1);
    for (int i = 0; i < 12; ++i) spinner.setValue(2);
    EXPECT_EQ(sideBox().text(), "15");
}

// However quickly a person clicks, each press counts once: Qt delivers a press that quickly follows
// the last as a double-click, with either button.
TEST_F(FrmEditTest, EveryPressCountsOnceHoweverQuicklyItFollowsTheLast) {
    editor.EDM(std::string(48, 'X') + "0");
    window.present();
    QWindow* screen = window.windowHandle();
    const auto at = [&](QPoint p) { return window.picEdit()->mapTo(&window, p); };
    // Four quick right presses step the brush four times, round to where it began.
    std::vector<int> brushes;
    QTest::mouseClick(screen, Qt::RightButton, {}, at(cellCentre(3, 3)));
    brushes.push_back(editor.brush);
    for (int i = 0; i < 3; ++i) {
        testing::quickClick(screen, Qt::RightButton, at(cellCentre(3, 3)));
        brushes.push_back(editor.brush);
    }
    EXPECT_EQ(brushes, (std::vector<int>{kEditorPlayer1, kEditorPlayer2, kEditorHole, kEditorEmpty}));
    EXPECT_EQ(window.picEdit()->cursor().pixmap().toImage(), pictures.Image1(12)) << "the empty cell's brush shows";

    // Two cells cycle through every brush, each time painted by two quick left presses either
    // side of their border.
    const QPoint border(window.picEdit()->width() / 7, cellCentre(0, 0).y());
    for (int i = 0; i < 4; ++i) {
        QTest::mouseClick(screen, Qt::RightButton, {}, at(cellCentre(3, 3)));
        QTest::mouseClick(screen, Qt::LeftButton, {}, at(border - QPoint(2, 0)));
        testing::quickClick(screen, Qt::LeftButton, at(border + QPoint(2, 0)));
        EXPECT_EQ(std::make_pair(editor.cell(0, 0), editor.cell(1, 0)), std::make_pair(editor.brush, editor.brush))
            << "brush " << editor.brush;
    }
}

TEST_F(FrmEditTest, SavingRefusesAFieldWithoutAFreeCellOrAPlayerAndStoresAGoodOne) {
    for (auto [field, message] : {std::pair{std::string(36, '+'), "There is no free field."},
                                  {std::string(35, 'X') + "-", "There is no field of player 1."},
                                  {"+" + std::string(35, 'X'), "There is no field of player 2."}}) {
        editor.EDM(field);
        window.present();
        QTest::mouseClick(save(), Qt::LeftButton);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages.back(), (UserMessage{message, "Cannot save"}));
        messages.clear();
    }
    EXPECT_EQ(setup.library.List1.size(), 4u);

    setup.library.ADDMAP_Click(editor);
    window.present();
    QLineEdit* name = &nameBox();
    EXPECT_EQ(name->text(), "New field");
    name->selectAll();
    QTest::keyClick(name, Qt::Key_Delete);
    EXPECT_EQ(name->text(), "New field");  // an empty name comes back, selected whole
    EXPECT_EQ(name->selectedText(), "New field");
    QTest::keyClick(name, Qt::Key_End);
    QTest::keyClicks(name, " of Eva");
    QTest::mouseClick(save(), Qt::LeftButton);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(setup.library.List1.back(), "New field of Eva");
    EXPECT_EQ(storedText(store.ReadSetting(fieldKey("01"), "")), "New field of Eva");
    EXPECT_EQ(game.Label2.Caption, "Tallowen - Original");
}

}  // namespace
}  // namespace tallowen
