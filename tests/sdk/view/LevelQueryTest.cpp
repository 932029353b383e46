// The two-step level query against a scripted host.
#include <stdexcept>

#include <gtest/gtest.h>

#include "sdk/view/LevelQuery.h"

namespace {

// What the host reports for the count, what it writes into the count when
// filling, and the counts it was given.
struct Script {
    std::int32_t reported;
    std::int32_t writtenWhenFilling;
    std::vector<std::int32_t> seen;
};
Script script;

void ScriptedQuery(std::int32_t* count, std::int32_t* levels) {
    script.seen.push_back(*count);
    if (levels != nullptr) {
        for (std::int32_t i = 0; i < script.reported; ++i) levels[i] = 100 + i;
    }
    *count = levels == nullptr ? script.reported : script.writtenWhenFilling;
}

TEST(LevelQuery, TheListKeepsTheLengthOfTheCountQuery) {
    script = {3, 1, {}};
    std::int32_t count = 42;  // left by an earlier query
    EXPECT_EQ(sdk::view::QueryLevels(ScriptedQuery, count), (std::vector<std::int32_t>{100, 101, 102}));
    EXPECT_EQ(script.seen, (std::vector<std::int32_t>{42, 3}));
    EXPECT_EQ(count, 1);

    for (const std::int32_t reported : {0, -2}) {
        script = {reported, 5, {}};
        if (reported < 0) {
            EXPECT_THROW(sdk::view::QueryLevels(ScriptedQuery, count), std::length_error);
        } else {
            EXPECT_TRUE(sdk::view::QueryLevels(ScriptedQuery, count).empty());
        }
        EXPECT_EQ(script.seen.size(), 1u) << "no filling call for " << reported;
    }
}

}  // namespace
