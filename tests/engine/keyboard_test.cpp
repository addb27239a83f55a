#include <gtest/gtest.h>

#include "engine/keyboard.h"

namespace tallowen {
namespace {

// Steps are a quarter cell (40 x 30 here), rounded half to even: 100 - 7.5 = 92.5 -> 92.
TEST(Keyboard, ArrowsAndKeypadStepAQuarterCell) {
    const struct { int key, x, y; } steps[] = {{39, 110, 100}, {37, 90, 100}, {38, 100, 92}, {40, 100, 108},
                                               {105, 110, 92}, {97, 90, 108}};  // keypad 9 and 1
    for (const auto& step : steps) {
        const KeyAction a = PL_KeyDown(step.key, 100, 100, 40, 30, true);
        EXPECT_EQ(std::make_pair(a.x, a.y), std::make_pair(step.x, step.y)) << step.key;
        EXPECT_FALSE(a.press) << step.key;
    }
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
