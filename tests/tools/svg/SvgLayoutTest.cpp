// Figures moved apart: no two blocks that share some width overlap, and no
// block is pushed further than the blocks above it demand.
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "tools/svg/SvgLayout.h"

namespace {

using draftlift_tool::BlockWish;

TEST(StackWithoutOverlap, MovesBlocksDownOnlyAsFarAsTheBlocksAboveDemand) {
    constexpr double kGap = 2;
    std::mt19937 random(21);
    std::uniform_int_distribution<int> left(0, 60), width(1, 15), top(0, 40), height(1, 8);
    std::vector<BlockWish> wishes;
    for (int i = 0; i < 300; ++i) {
        wishes.push_back({left(random) * 10.0, width(random) * 10.0, top(random) * 10.0, height(random) * 10.0});
        if (i % 10 == 0) wishes.push_back(wishes.back());  // the same spot twice
    }
    const std::vector<double> tops = draftlift_tool::StackWithoutOverlap(wishes, kGap);
    ASSERT_EQ(tops.size(), wishes.size());
    for (std::size_t i = 0; i < wishes.size(); ++i) {
        EXPECT_GE(tops[i], wishes[i].top);
        bool heldUp = tops[i] == wishes[i].top;
        for (std::size_t j = 0; j < wishes.size(); ++j) {
            const BlockWish &a = wishes[i], &b = wishes[j];
            const bool shareWidth = a.left < b.left + b.width && b.left < a.left + a.width;
            if (j == i || !shareWidth) continue;
            EXPECT_TRUE(tops[i] >= tops[j] + b.height + kGap || tops[j] >= tops[i] + a.height + kGap) << i << " " << j;
            heldUp = heldUp || tops[i] == tops[j] + b.height + kGap;
        }
        EXPECT_TRUE(heldUp) << i << " is pushed further than any block above it demands";
    }
}

}  // namespace
