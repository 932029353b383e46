// The two-step level query against hosts that answer oddly.
#include <stdexcept>
#include <vector>

#include <gtest/gtest.h>

#include "sdk/view/LevelQuery.h"

namespace {

// A scripted host: what it reports for the count query, what it writes into
// the count when filling, and the calls it saw.
struct Script {
    std::int32_t reported = 0;
    std::int32_t writtenWhenFilling = 0;
    std::vector<std::int32_t> countsSeen;
    int fills = 0;
};

Script script;

void ScriptedQuery(std::int32_t* count, std::int32_t* levels) {
    script.countsSeen.push_back(*count);
    if (levels == nullptr) {
        *count = script.reported;
        return;
    }
    ++script.fills;
    for (std::int32_t i = 0; i < script.reported; ++i) levels[i] = 100 + i;
    *count = script.writtenWhenFilling;
}

class LevelQueryTest : public ::testing::Test {
protected:
    void SetUp() override { script = Script{}; }
};

TEST_F(LevelQueryTest, TheListKeepsTheLengthOfTheCountQuery) {
    script.reported = 3;
    script.writtenWhenFilling = 1;
    std::int32_t count = 42;  // left over from an earlier query
    EXPECT_EQ(sdk::view::QueryLevels(ScriptedQuery, count), (std::vector<std::int32_t>{100, 101, 102}));
    EXPECT_EQ(script.countsSeen, (std::vector<std::int32_t>{42, 3}));
    EXPECT_EQ(count, 1);  // what the host wrote last, for the next query
}

TEST_F(LevelQueryTest, NoLevelsMeansNoSecondCall) {
    std::int32_t count = 0;
    EXPECT_TRUE(sdk::view::QueryLevels(ScriptedQuery, count).empty());
    EXPECT_EQ(script.fills, 0);
}

TEST_F(LevelQueryTest, ANegativeCountIsRefusedBeforeFilling) {
    script.reported = -2;
    std::int32_t count = 0;
    EXPECT_THROW(sdk::view::QueryLevels(ScriptedQuery, count), std::length_error);
    EXPECT_EQ(script.fills, 0);
}

}  // namespace
