// The host stand-in: the database walk, the calculator and the level lists.
#include <string>

#include <gtest/gtest.h>

#include "standins/mastercam/HostStandIn.h"
#include "tests/support/StandIns.h"
#include "tests/support/WideText.h"

namespace {

using standin::host::EntityType;

class HostDatabase : public testing_support::FreshHost {
protected:
    // Entity indices get_raw_ent hands out, in walk order.
    static std::vector<std::int32_t> Walk(std::uint16_t selection, std::uint32_t mask) {
        std::vector<std::int32_t> found;
        DB_LIST_ENT* cursor = db_start;
        DB_LIST_ENT* previous = nullptr;
        ent record{};
        bool success = false;
        for (;;) {
            get_raw_ent(false, &cursor, &previous, &record, selection, mask, &success);
            if (!success) return found;
            found.push_back(standin::host::EntityIndexOf(record));
        }
    }
};

TEST_F(HostDatabase, WalkHonoursMaskAndSelection) {
    standin::host::AddEntity(EntityType::Line);
    standin::host::AddNote({u"n"_w, {}, 0});
    standin::host::AddEntity(EntityType::Arc);
    standin::host::AddNote({u"m"_w, {}, 0});
    EXPECT_EQ(Walk(256, 16), (std::vector<std::int32_t>{1, 3}));
    EXPECT_EQ(Walk(1, 16), (std::vector<std::int32_t>{1, 3}));
    EXPECT_EQ(Walk(256, 2), std::vector<std::int32_t>{});  // lines are not drafting
    EXPECT_EQ(Walk(1, 0x1F1FFF), (std::vector<std::int32_t>{0, 1, 2, 3}));
}

// Zero for anything that is not a whole expression or divides by zero.
TEST(Calculator, EvaluatesOrGivesZero) {
    const std::pair<WString, double> cases[] = {
        {u"12.5"_w, 12.5}, {u"1+2*3"_w, 7}, {u"(1+2)*3"_w, 9}, {u"-4/2"_w, -2}, {u"--3"_w, 3},
        {u"10-2-3"_w, 5},  {u"8/2/2"_w, 2}, {u" 2 * ( 3 + 4 ) "_w, 14},     {u"1e2+1"_w, 101},
        {u"1/0"_w, 0},     {u"2+"_w, 0},    {u"(1"_w, 0}, {u"abc"_w, 0}, {u""_w, 0}, {u"3 4"_w, 0}};
    for (const auto& [expression, value] : cases) {
        bool flag = false;
        EXPECT_DOUBLE_EQ(calc(expression.c_str(), &flag), value)
            << std::string(expression.begin(), expression.end());
    }
}

TEST_F(HostDatabase, LevelListsAnswerCountThenArray) {
    standin::host::SetLevels({{1, 2, 5}, {2}, 5});
    std::int32_t count = -1;
    get_active_levels(&count, nullptr);
    EXPECT_EQ(count, 3);
    std::vector<std::int32_t> levels(3);
    get_active_levels(&count, levels.data());
    EXPECT_EQ(levels, (std::vector<std::int32_t>{1, 2, 5}));
    get_visible_levels(&count, nullptr);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(main_level, 5);
    ASSERT_EQ(standin::host::LevelQueries().size(), 3u);
    EXPECT_TRUE(standin::host::LevelQueries()[1].withArray);
    EXPECT_TRUE(standin::host::LevelQueries()[2].visibleList);
}

}  // namespace
