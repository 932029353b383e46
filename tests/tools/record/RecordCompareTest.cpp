// The comparison the writer's tests rest on: it must see a change in any
// field, and name the field.
#include <gtest/gtest.h>

#include "import/RecordReader.h"
#include "tests/support/WideText.h"
#include "tools/record/RecordCompare.h"

namespace {

using noteimport::NoteRecord;

TEST(FirstDifference, NamesTheFirstFieldThatDiffers) {
    const NoteRecord base = [] {
        NoteRecord r;
        r.headerRead = true;
        r.flags.dimension = true;
        r.dimension.emplace();
        return r;
    }();
    const struct {
        const char* field;
        void (*change)(NoteRecord&);
    } cases[] = {
        {"headerRead", [](NoteRecord& r) { r.headerRead = false; }},
        {"name", [](NoteRecord& r) { r.name = u"n"_w; }},
        {"entityId", [](NoteRecord& r) { r.entityId = -1; }},
        {"layout", [](NoteRecord& r) { r.layout = noteimport::SettingsLayout::Layout125; }},
        {"flags.rows[4]", [](NoteRecord& r) { r.flags.rows[4] = true; }},
        {"flags.textLineCount", [](NoteRecord& r) { r.flags.textLineCount = 2; }},
        {"dimension", [](NoteRecord& r) { r.dimension.reset(); }},
        {"dimension.value2", [](NoteRecord& r) { r.dimension->value2 = u"1.0000"_w; }},
        {"rows[3].modifierAfter1", [](NoteRecord& r) { r.rows[3].modifierAfter1 = 16; }},
        {"rows[4].datumRefs[2]", [](NoteRecord& r) { r.rows[4].datumRefs[2] = u"C"_w; }},
        {"datumLabel", [](NoteRecord& r) { r.datumLabel = WString(); }},
        {"noteText", [](NoteRecord& r) { r.noteText = u"x"_w; }},
        // Of two differences, the one earlier in the record is named.
        {"kind", [](NoteRecord& r) { r.kind = 7; r.text5 = u"t"_w; }},
    };
    EXPECT_FALSE(noterecord::FirstDifference(base, base));
    for (const auto& c : cases) {
        NoteRecord changed = base;
        c.change(changed);
        EXPECT_EQ(noterecord::FirstDifference(base, changed), std::optional<std::string>(c.field));
    }
}

}  // namespace
