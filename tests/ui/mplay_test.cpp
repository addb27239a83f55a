#include "ui/mplay.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include "../sound/scripted_device.h"
#include "../sound/short_tune.h"
#include "../temp_dir.h"
#include "program_fixture.h"

namespace tallowen {
namespace {

using Texts = std::vector<std::string>;

class MPlayTest : public ::testing::Test {
protected:
    MPlayTest() {
        for (const char* name : {"Alpha.mid", "Beta.mid", "Gamma.mid"}) testing::writeFile(dir / name, "");
        RandomSource random(3);
        window.load(random);
    }
    void click(int row) {
        QListWidget* list = window.trackList();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }

    testing::TempDir dir;
    testing::ScriptedDevice device;
    MusicPlayer model{device, dir.path()};
    MPlay window{model};
};

TEST_F(MPlayTest, TheListPlaysWhatIsClickedAndClosingOnlyHides) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QListWidget* list = window.trackList();
    ASSERT_EQ(list->count(), 4);
    EXPECT_NE(list->currentRow(), 0);
    EXPECT_EQ(list->currentRow(), model.Combo1ListIndex);
    EXPECT_TRUE(window.knob()->isVisible());

    // Silence stops at once; another track starts from its beginning.
    device.calls.clear();
    click(0);
    EXPECT_EQ(device.calls, (Texts{"stop", "close"}));
    EXPECT_FALSE(window.knob()->isVisible());
    EXPECT_FALSE(model.Timer1.enabled());
    click(2);
    click(1);
    EXPECT_EQ(device.calls,
              (Texts{"stop", "close", "close", "open Beta.mid", "play", "close", "open Alpha.mid", "play"}));
    EXPECT_TRUE(window.knob()->isVisible());
    EXPECT_EQ(window.windowTitle(), "Tallowen - Music");

    // Quick presses either side of the border of two tracks play each in turn.
    device.calls.clear();
    const QRect beta = list->visualItemRect(list->item(2));
    const auto at = [&](int y) { return list->viewport()->mapTo(&window, QPoint(beta.center().x(), y)); };
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, at(beta.top() + 2));
    testing::quickClick(window.windowHandle(), Qt::LeftButton, at(beta.top() - 2));
    EXPECT_EQ(device.calls, (Texts{"close", "open Beta.mid", "play", "close", "open Alpha.mid", "play"}));

    // The knob follows the position on the window's own timer.
    device.length_ = 100;
    device.position_ = 50;
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.knob()->x() == 4 + model.Picture1Width / 2; }, 2000));

    const auto playing = device.calls.size();
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(device.calls.size(), playing);
    window.toggleVisible();
    EXPECT_TRUE(window.isVisible());
}

TEST_F(MPlayTest, TheStripsAndTheGamesBackgroundFollowTheActiveWindow) {
    QWidget game, other;
    window.setWindowKinds([&](const QWidget* w) { return w == &game ? ActiveWindow::Game : ActiveWindow::Other; });
    bool background = true;
    window.setOnBackground([&](bool on) { background = on; });
    EXPECT_FALSE(background);
    for (QWidget* w : {static_cast<QWidget*>(&window), &game, &other}) {
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    }

    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.inactiveStrip()->isHidden(); }));
    EXPECT_FALSE(background);
    game.activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.inactiveStrip()->isHidden(); }));
    EXPECT_FALSE(background);
    other.activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return background; }));
    EXPECT_FALSE(window.inactiveStrip()->isHidden());
}

// Each reason the music is silent is read whole on the window's one quiet line.
TEST(MPlayQuietLine, EveryReasonForSilenceFitsOnIt) {
    testing::TempDir dir;
    testing::writeFile(dir / "Alpha.mid", "");
    for (const char* reason :
         {"No sound: FluidSynth could not be loaded.", "No sound: FluidSynth is incomplete.",
          "No sound: the music plays silently.", "No sound: no General MIDI SoundFont found.",
          "No sound: the SoundFont could not be read.", "No sound: no audio output could be opened."}) {
        testing::ScriptedDevice device;
        device.problem = reason;
        MusicPlayer model{device, dir.path()};
        MPlay window{model};
        RandomSource random(3);
        window.load(random);
        window.show();
        const QLabel* line = window.soundNote();
        ASSERT_TRUE(QTest::qWaitFor([&] { return line->text() == QLatin1String(reason); }, 3000)) << reason;
        EXPECT_LE(line->fontMetrics().horizontalAdvance(line->text()), line->contentsRect().width()) << reason;
    }
}

}  // namespace
}  // namespace tallowen
