#include <gtest/gtest.h>

#include "engine/keyboard.h"

namespace tallowen {
namespace {

TEST(Keyboard, ArrowsAndKeypadStepAQuarterCell) {
    const double w = 40, h = 30;
    EXPECT_EQ(PL_KeyDown(39, 100, 100, w, h, true).x, 110);  // right
    EXPECT_EQ(PL_KeyDown(37, 100, 100, w, h, true).x, 90);   // left
    const KeyAction up = PL_KeyDown(38, 100, 100, w, h, true);
    EXPECT_EQ(up.y, 92);  // 100 - 7.5 = 92.5, half to even
    EXPECT_EQ(up.x, 100);
    EXPECT_EQ(PL_KeyDown(40, 100, 100, w, h, true).y, 108);  // 107.5 to even
    // Keypad 9 moves right and up, keypad 1 left and down.
    const KeyAction nine = PL_KeyDown(105, 100, 100, w, h, true);
    EXPECT_EQ(nine.x, 110);
    EXPECT_EQ(nine.y, 92);
    const KeyAction one = PL_KeyDown(97, 100, 100, w, h, true);
    EXPECT_EQ(one.x, 90);
    EXPECT_EQ(one.y, 108);
    EXPECT_FALSE(nine.press);
}

TEST(Keyboard, PressKeysClickWhereThePointerStands) {
    for (int key : {45, 32, 101, 96}) {
        const KeyAction a = PL_KeyDown(key, 17, 23, 40, 30, false);
        EXPECT_TRUE(a.press) << key;
        EXPECT_EQ(a.x, 17);
        EXPECT_EQ(a.y, 23);
    }
    // Right, then keypad 5: the click lands a quarter cell further right.
    const KeyAction right = PL_KeyDown(39, 17, 23, 40, 30, true);
    const KeyAction click = PL_KeyDown(101, right.x, right.y, 40, 30, true);
    EXPECT_TRUE(click.press);
    EXPECT_EQ(click.x, 27);
}

TEST(Keyboard, MusicAndUndoKeysOnlyForAPersonToMove) {
    EXPECT_TRUE(PL_KeyDown(72, 0, 0, 40, 30, true).toggleMusic);
    EXPECT_TRUE(PL_KeyDown(90, 0, 0, 40, 30, true).undo);
    EXPECT_FALSE(PL_KeyDown(72, 0, 0, 40, 30, false).toggleMusic);
    EXPECT_FALSE(PL_KeyDown(90, 0, 0, 40, 30, false).undo);
    EXPECT_FALSE(PL_KeyDown(90, 0, 0, 40, 30, true).press);
}

}  // namespace
}  // namespace tallowen
