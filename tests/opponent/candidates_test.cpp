#include <gtest/gtest.h>

#include <memory>

#include "opponent/candidates.h"

namespace tallowen {
namespace {

TEST(Candidates, TiesBeyondTheBestListAndBelowItsStartAreAllDrawable) {
    auto t = std::make_unique<Candidates>();
    t->add(0, 0, 0, 1, -4);
    for (int m = 2; m <= 701; ++m) t->add(m % 15, m / 15, 0, 0, 2);  // restarts the list, then joins it
    t->add(0, 0, 0, 2, 1);
    ASSERT_EQ(t->tieCount(), 700);
    for (const int i : {1, Candidates::kMaxBest, Candidates::kMaxBest + 1, 700}) EXPECT_EQ(t->tie(i), i + 1);

    t->clear();
    for (const int value : {-14, -12, -17, -12}) t->add(0, 0, 0, 1, value);
    EXPECT_EQ(t->choiceValue(), -12);
    ASSERT_EQ(t->tieCount(), 2);
    EXPECT_EQ(t->tie(1), 2);
    EXPECT_EQ(t->tie(2), 4);
}

}  // namespace
}  // namespace tallowen
