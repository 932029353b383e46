// The two database walks and the record prefix test.
#include <vector>

#include <gtest/gtest.h>

#include "shell/EntryPoints.h"
#include "shell/NoteWalk.h"
#include "standins/kscene/KSceneStandIn.h"
#include "standins/mastercam/HostStandIn.h"
#include "tests/support/StandIns.h"
#include "tests/support/WideText.h"

namespace {

using standin::host::EntityType;

class NoteWalk : public testing_support::FreshHost {};

TEST_F(NoteWalk, OnlyTheExactFiveCharactersMarkARecord) {
    const std::pair<WString, bool> cases[] = {
        {u"~M01|"_w, true},  {u"~M01|x"_w, true},   {u"~M01"_w, false}, {u"~M02|"_w, false},  {u"~M01!"_w, false},
        {u"~m01|"_w, false}, {u" ~M01|"_w, false}, {u""_w, false},     {u"|10M~"_w, false}};
    for (const auto& [text, recorded] : cases) {
        ent note{};
        standin::host::SetEntityIndex(note, standin::host::AddNote({text, {}, 0}));
        EXPECT_EQ(HasRecordPrefix(note), recorded) << "note " << standin::host::EntityIndexOf(note);
    }
    ent line{};
    standin::host::SetEntityIndex(line, standin::host::AddEntity(EntityType::Line));
    EXPECT_FALSE(HasRecordPrefix(line)) << "an entity without a note";
}

// A walk asks for entities until none is left and repaints once after it;
// each walk starts again at the first entity, only the import walk creates
// anything, and without a scene neither walk touches the database.
TEST_F(NoteWalk, WalksAskUntilTheEndAndRepaintOnce) {
    const struct {
        const char* what;
        bool filled, scene;
        std::vector<int (*)()> commands;
        int queries, repaints;
        std::size_t objects;
    } cases[] = {{"empty database", false, true, {m_Draftlift}, 1, 1, 0},
                 {"notes of a mixed database", true, true, {m_Draftlift}, 3, 1, 1},
                 {"every entity of the second walk's mask", true, true, {m_DraftliftFromMCAM}, 7, 1, 0},
                 {"two imports", true, true, {m_Draftlift, m_Draftlift}, 6, 2, 2},
                 {"no scene", true, false, {m_Draftlift, m_DraftliftFromMCAM}, 0, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testing_support::ResetStandIns();
        if (c.filled) {
            standin::host::SetMemoryTable(1, u"0|n|1|0|0|0|0||0|0\r101|0|0|0|0|0|0|0|0|0"_w);
            standin::host::AddEntity(EntityType::Line);
            standin::host::AddNote({u"~M01|a"_w, {}, 1});
            standin::host::AddEntity(EntityType::Arc);
            standin::host::AddNote({u"plain note"_w, {}, 1});
            standin::host::AddEntity(EntityType::Point);
            standin::host::AddEntity(EntityType::Other);
        }
        standin::kscene::SetScenePresent(c.scene);
        for (const auto command : c.commands) EXPECT_EQ(command(), 0);
        EXPECT_EQ(standin::host::GetRawEntCount(), c.queries);
        EXPECT_EQ(standin::host::RepaintCount(), c.repaints);
        EXPECT_EQ(standin::kscene::Entries().size(), c.objects);
    }
}

}  // namespace
