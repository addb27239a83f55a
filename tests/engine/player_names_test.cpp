#include <gtest/gtest.h>

#include "engine/player_names.h"

namespace tallowen {
namespace {

TEST(StartName, PeopleNeverPassForComputersOrForATie) {
    EXPECT_EQ(startName("PC Genius", 1), ":-) Genius");
    EXPECT_EQ(startName("pC professional", 2), ":-) professional");
    EXPECT_EQ(startName("PCGenius", 1), "PCGenius");
    EXPECT_EQ(startName("tie!", 1), "I'm Tie");
    EXPECT_EQ(startName("TIE!", 1), "TIE!");
    EXPECT_EQ(startName("", 1), "Hráč 1");
    EXPECT_EQ(startName("", 2), "Hráč 2");
    EXPECT_EQ(startName("Eva", 2), "Eva");
}

}  // namespace
}  // namespace tallowen
