// The scene's address index: lookups stay right through growth and through
// erasures in the middle of probe runs.
#include <algorithm>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "standins/kscene/AddressIndex.h"

namespace {

const void* AddressOf(std::size_t n) { return reinterpret_cast<const void*>(0x1000 + 16 * n); }

struct Scenario {
    const char* name;
    std::size_t inserted;
    // Every erasedEvery-th address is erased again (0: none).
    std::size_t erasedEvery;
};

// Test names carry the printed parameter: its name, not its bytes.
void PrintTo(const Scenario& scenario, std::ostream* out) { *out << scenario.name; }

class AddressIndexScenario : public testing::TestWithParam<Scenario> {};

TEST_P(AddressIndexScenario, FindsWhatIsHeldAndNothingElse) {
    const Scenario scenario = GetParam();
    std::vector<std::size_t> order(scenario.inserted);
    for (std::size_t n = 0; n < order.size(); ++n) order[n] = n;
    std::shuffle(order.begin(), order.end(), std::mt19937(7));

    AddressIndex index;
    for (const std::size_t n : order) index.Insert(AddressOf(n), n);
    std::size_t held = scenario.inserted;
    if (scenario.erasedEvery != 0) {
        for (const std::size_t n : order) {
            if (n % scenario.erasedEvery == 0) {
                index.Erase(AddressOf(n));
                --held;
            }
        }
    }
    ASSERT_EQ(index.size(), held);
    for (std::size_t n = 0; n < scenario.inserted; ++n) {
        const bool erased = scenario.erasedEvery != 0 && n % scenario.erasedEvery == 0;
        EXPECT_EQ(index.Find(AddressOf(n)), erased ? AddressIndex::kAbsent : n) << n;
    }
    EXPECT_EQ(index.Find(AddressOf(scenario.inserted)), AddressIndex::kAbsent);
    EXPECT_EQ(index.Find(nullptr), AddressIndex::kAbsent);
}

INSTANTIATE_TEST_SUITE_P(Index, AddressIndexScenario,
                         testing::Values(Scenario{"Empty", 0, 0}, Scenario{"One", 1, 0},
                                         Scenario{"ThroughGrowth", 5000, 0},
                                         Scenario{"EveryThirdErased", 5000, 3},
                                         Scenario{"AllErased", 300, 1}),
                         [](const auto& info) { return info.param.name; });

TEST(AddressIndex, ErasingAnAbsentAddressChangesNothingAndClearEmpties) {
    AddressIndex index;
    index.Erase(AddressOf(1));
    index.Insert(AddressOf(1), 4);
    index.Erase(AddressOf(2));
    EXPECT_EQ(index.Find(AddressOf(1)), 4u);
    index.Clear();
    EXPECT_EQ(index.size(), 0u);
    EXPECT_EQ(index.Find(AddressOf(1)), AddressIndex::kAbsent);
    index.Insert(AddressOf(1), 5);
    EXPECT_EQ(index.Find(AddressOf(1)), 5u);
}

}  // namespace
