#include "ui/frm_vyb.h"

#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <array>

#include "program_fixture.h"

namespace tallowen {
namespace {

class FrmVybTest : public testing::ProgramFixture {
protected:
    frmVyb window{setup.frmVyb, game.random, game.FigureDetail, nullptr};
};

TEST_F(FrmVybTest, OkSnapsTheColourToTheSlidersAndASliderRecoloursTheSwatchAtOnceAndThePreviewLater) {
    game.HR1 = {rgb(255, 128, 0), kWhite, "1"};
    game.HR2 = {rgb(0, 127, 225), kBlack, "8"};
    setup.figur(0);
    window.present();
    const auto sliders = window.findChildren<QScrollBar*>();
    ASSERT_EQ(sliders.size(), 3);
    EXPECT_EQ((std::array{sliders[0]->value(), sliders[1]->value(), sliders[2]->value()}), (std::array{0, 2, 4}));
    auto* combo = window.findChild<QComboBox*>();
    EXPECT_EQ(combo->currentText(), "Rectangle");

    const int shown = setup.panels[0].Picture7.revision;
    QTest::mouseClick(window.findChild<QPushButton*>(), Qt::LeftButton);
    EXPECT_EQ(game.HR1.BackColor, rgb(255, 135, 15));
    EXPECT_EQ(game.HR1.ForeColor, rgb(255, 127, 127));
    EXPECT_GT(setup.panels[0].Picture7.revision, shown) << "the setup window's preview is repainted";
    EXPECT_FALSE(window.isVisible());

    setup.figur(1);
    window.present();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(combo->currentText(), "Small field");
    const int before = setup.frmVyb.Picture2.revision;
    sliders[0]->setValue(0);  // red at full strength
    EXPECT_EQ(setup.frmVyb.Picture3, rgb(255, 135, 255));
    EXPECT_EQ(setup.frmVyb.Picture2.revision, before);
    EXPECT_TRUE(QTest::qWaitFor([&] { return setup.frmVyb.Picture2.revision == before + 1; }, 2000));
    EXPECT_EQ(setup.frmVyb.Picture2.colour, rgb(255, 135, 255));
    QTest::mouseClick(window.findChild<QPushButton*>(), Qt::LeftButton);
    EXPECT_EQ(game.HR2.BackColor, rgb(255, 135, 255));
    EXPECT_EQ(game.HR2.Caption, "8");
    EXPECT_EQ(game.Image1, 2);  // red and blue strongest: a person's third pointer
}

}  // namespace
}  // namespace tallowen
