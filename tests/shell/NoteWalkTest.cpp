// The two database walks and the record prefix test.
#include <gtest/gtest.h>

#include "platform/kscene/KSceneStandIn.h"
#include "platform/mastercam/HostStandIn.h"
#include "shell/EntryPoints.h"
#include "shell/NoteWalk.h"
#include "tests/support/StandIns.h"

namespace {

using standin::host::EntityType;

class NoteWalk : public testing_support::FreshHost {};

ent RecordOf(std::int32_t index) {
    ent record{};
    record.id = index;
    return record;
}

struct PrefixCase {
    WString text;
    bool recorded;
};

// Test names carry the printed parameter: the text, not a pointer's bytes.
void PrintTo(const PrefixCase& c, std::ostream* out) {
    *out << '"';
    for (const WCHAR unit : c.text) *out << static_cast<char>(unit);  // ASCII only
    *out << '"';
}

class RecordPrefix : public NoteWalk, public testing::WithParamInterface<PrefixCase> {};

TEST_P(RecordPrefix, OnlyTheExactFiveCharactersCount) {
    const auto index = standin::host::AddNote({GetParam().text, {}, 0});
    EXPECT_EQ(HasRecordPrefix(RecordOf(index)), GetParam().recorded);
}

INSTANTIATE_TEST_SUITE_P(Texts, RecordPrefix,
                         testing::Values(PrefixCase{u"~M01|"_w, true}, PrefixCase{u"~M01|x"_w, true},
                                         PrefixCase{u"~M01"_w, false}, PrefixCase{u"~M02|"_w, false},
                                         PrefixCase{u"~M01!"_w, false}, PrefixCase{u"~m01|"_w, false},
                                         PrefixCase{u" ~M01|"_w, false}, PrefixCase{u""_w, false},
                                         PrefixCase{u"|10M~"_w, false}));

TEST_F(NoteWalk, AnEntityWithoutANoteHasNoRecord) {
    const auto index = standin::host::AddEntity(EntityType::Line);
    EXPECT_FALSE(HasRecordPrefix(RecordOf(index)));
}

TEST_F(NoteWalk, EmptyDatabaseEndsAfterOneQueryAndRepaintsOnce) {
    m_Draftlift();
    EXPECT_EQ(standin::host::GetRawEntCount(), 1);
    EXPECT_EQ(standin::host::RepaintCount(), 1);
}

TEST_F(NoteWalk, ImportWalkVisitsNotesOnly) {
    standin::host::AddEntity(EntityType::Line);
    standin::host::AddNote({u"~M01|a"_w, {}, 0});
    standin::host::AddEntity(EntityType::Arc);
    standin::host::AddNote({u"plain note"_w, {}, 0});
    m_Draftlift();
    EXPECT_EQ(standin::host::GetRawEntCount(), 3);  // two notes, then the end
    EXPECT_EQ(standin::host::RepaintCount(), 1);
}

TEST_F(NoteWalk, SecondWalkVisitsEveryEntityOfItsMaskAndCreatesNothing) {
    standin::host::AddEntity(EntityType::Line);
    standin::host::AddNote({u"~M01|a"_w, {}, 0});
    standin::host::AddEntity(EntityType::Point);
    standin::host::AddEntity(EntityType::Other);
    m_DraftliftFromMCAM();
    EXPECT_EQ(standin::host::GetRawEntCount(), 5);
    EXPECT_EQ(standin::host::RepaintCount(), 1);
    EXPECT_TRUE(standin::kscene::Scene().impl().entries.empty());
}

TEST_F(NoteWalk, WithoutASceneNeitherWalkTouchesTheDatabase) {
    standin::host::AddNote({u"~M01|a"_w, {}, 0});
    standin::kscene::SetScenePresent(false);
    m_Draftlift();
    m_DraftliftFromMCAM();
    EXPECT_EQ(standin::host::GetRawEntCount(), 0);
    EXPECT_EQ(standin::host::RepaintCount(), 0);
}

TEST_F(NoteWalk, EachWalkStartsAgainFromTheFirstEntity) {
    standin::host::AddNote({u"~M01|a"_w, {}, 0});
    m_Draftlift();
    m_Draftlift();
    EXPECT_EQ(standin::host::GetRawEntCount(), 4);
    EXPECT_EQ(standin::host::RepaintCount(), 2);
}

}  // namespace
