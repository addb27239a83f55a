#include <gtest/gtest.h>

#include <memory>

#include "opponent/candidates.h"

namespace tallowen {
namespace {

TEST(Candidates, AHigherValueRestartsTheBestListAndEqualOnesJoinIt) {
    auto t = std::make_unique<Candidates>();
    t->add(0, 0, 1, 0, 1);
    t->add(0, 0, 1, 1, 3);
    t->add(0, 0, 0, 1, 1);
    t->add(2, 2, 3, 3, 3);
    EXPECT_EQ(t->count, 4);
    EXPECT_EQ(t->choiceValue(), 3);
    ASSERT_EQ(t->tieCount(), 2);
    EXPECT_EQ(t->tie(1), 2);
    EXPECT_EQ(t->tie(2), 4);
    EXPECT_EQ(t->PcMoveSX[4], 2);
    EXPECT_EQ(t->PcMoveTY[4], 3);
}

TEST(Candidates, MoreTiesThanTheBestListHoldsAllStayInTheDraw) {
    auto t = std::make_unique<Candidates>();
    t->add(0, 0, 0, 1, -4);
    for (int m = 2; m <= 701; ++m) t->add(m % 15, m / 15, 0, 0, 2);
    t->add(0, 0, 0, 2, 1);
    ASSERT_EQ(t->tieCount(), 700);
    EXPECT_EQ(t->tie(1), 2);
    EXPECT_EQ(t->tie(Candidates::kMaxBest), Candidates::kMaxBest + 1);
    EXPECT_EQ(t->tie(Candidates::kMaxBest + 1), Candidates::kMaxBest + 2);
    EXPECT_EQ(t->tie(700), 701);
}

TEST(Candidates, WhenNoValueReachesTheStartTheHighestValuesAreDrawn) {
    auto t = std::make_unique<Candidates>();
    t->add(0, 0, 0, 1, -14);
    t->add(0, 0, 0, 2, -12);
    t->add(0, 0, 1, 1, -17);
    t->add(0, 0, 2, 2, -12);
    EXPECT_EQ(t->bestCount, 0);
    EXPECT_EQ(t->choiceValue(), -12);
    ASSERT_EQ(t->tieCount(), 2);
    EXPECT_EQ(t->tie(1), 2);
    EXPECT_EQ(t->tie(2), 4);
}

}  // namespace
}  // namespace tallowen
