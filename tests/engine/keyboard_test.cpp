#include <gtest/gtest.h>

#include "engine/keyboard.h"

namespace tallowen {
namespace {

// Steps are a quarter cell (40 x 30 here), rounded half to even: 100 - 7.5 = 92.5 -> 92. The press
// keys click where the pointer stands; music (H) and undo (Z) are only for a person to move.
TEST(Keyboard, ArrowsAndKeypadStepAQuarterCellAndPressKeysClick) {
    const struct { int key, x, y; bool press; } keys[] = {
        {39, 110, 100, false}, {37, 90, 100, false}, {38, 100, 92, false}, {40, 100, 108, false},
        {105, 110, 92, false}, {97, 90, 108, false},  // keypad 9 and 1
        {45, 100, 100, true},  {32, 100, 100, true},  {101, 100, 100, true}, {96, 100, 100, true}};
    for (const auto& k : keys) {
        const KeyAction a = PL_KeyDown(k.key, 100, 100, 40, 30, true);
        EXPECT_EQ(std::make_tuple(a.x, a.y, a.press), std::make_tuple(k.x, k.y, k.press)) << k.key;
    }
    EXPECT_TRUE(PL_KeyDown(72, 0, 0, 40, 30, true).toggleMusic);
    EXPECT_TRUE(PL_KeyDown(90, 0, 0, 40, 30, true).undo);
    EXPECT_FALSE(PL_KeyDown(72, 0, 0, 40, 30, false).toggleMusic);
    EXPECT_FALSE(PL_KeyDown(90, 0, 0, 40, 30, false).undo);
}

}  // namespace
}  // namespace tallowen
