// Recorded notes imported end to end through the import command, with the
// scene's objects examined.
#include <stdexcept>
#include <string>
#include <tuple>
#include <typeinfo>
#include <vector>

#include <gtest/gtest.h>

#include "host/kscene/KMBD.h"
#include "import/Draftlifter.h"
#include "shell/EntryPoints.h"
#include "standins/kscene/Access.h"
#include "standins/kscene/KSceneStandIn.h"
#include "standins/mastercam/HostStandIn.h"
#include "tests/import/Records.h"
#include "tests/support/StandIns.h"
#include "tests/support/WideText.h"

namespace {

using standin::kscene::Access;

using namespace import_tests;

constexpr p_3d kBase{1.5, -2.0, 3.25};
const WString kPlain = Settings101(Settings());
const WString kThreeRows = Settings101(Settings().Row(1).Row(2).Row(3));
const WString kDimension125 = Settings125(Settings().Dimension());

class ImportNote : public testing_support::FreshHost {
protected:
    std::int32_t AddRecorded(const WString& record) {
        standin::host::SetMemoryTable(++m_lastTable, record);
        return standin::host::AddNote({u"~M01|x"_w, kBase, m_lastTable});
    }

    template <typename Point>
    static std::tuple<double, double, double> Xyz(const Point& p) { return {p.x, p.y, p.z}; }
    static std::tuple<double, double, double> Origin() { return {0.0, 0.0, 0.0}; }

    static const KMBDBase& At(std::size_t k) { return dynamic_cast<const KMBDBase&>(*Entries().at(k).object); }

    // The one annotation the import made.
    static const KMBDBase& Imported() {
        const auto count = Entries().size();
        if (count != 1) throw std::runtime_error("expected one object, found " + std::to_string(count));
        return At(0);
    }

    static bool ImportDirectly(std::int32_t index) {
        ent record{};
        standin::host::SetEntityIndex(record, index);
        return Draftlifter().ImportNote(record);
    }

    std::int32_t m_lastTable = 100;
};

constexpr WCHAR kSym6 = 0xFFC9, kSym8 = 0xFFDC, kSym10 = 0xFFD8;

// Rows 1 to 3 carry symbols 6, 8, 10 and values 0.1, 0.2, 0.3; kinds without
// an object are still decoded.
TEST_F(ImportNote, RecordKindsMakeTheirClassAndFrames) {
    using Frames = std::vector<std::pair<WCHAR, std::vector<WString>>>;
    const struct {
        std::int32_t kind;
        const std::type_info* made;  // null: nothing
        Frames frames;
    } cases[] = {{0, &typeid(KMBDTicket), {}},
                 {1, &typeid(KMBDTicket), {{kSym6, {u"0.1"_w}}}},
                 {2, &typeid(KMBDTicket), {{kSym6, {u"0.1"_w, u"0.2"_w}}}},
                 {3, &typeid(KMBDTicket), {{kSym6, {u"0.1"_w, u"0.2"_w}}, {kSym10, {u"0.3"_w}}}},
                 {4, &typeid(KMBDTicket), {{kSym6, {u"0.1"_w}}, {kSym8, {u"0.2"_w}}}},
                 {5, &typeid(KMBDTicket), {{kSym6, {u"0.1"_w}}, {kSym8, {u"0.2"_w}}, {kSym10, {u"0.3"_w}}}},
                 {6, &typeid(KMBDTicket), {{kSym6, {u"0.1"_w, u"0.2"_w, u"0.3"_w}}}},
                 {7, &typeid(KMBDDatum), {}}, {8, &typeid(KMBDTicket), {}}, {9, &typeid(KMBDTicket), {}},
                 {10, &typeid(KMBDDatumTarget), {}}, {11, &typeid(KMBDDatumTarget), {}},
                 {12, &typeid(KMBD2PtDimension), {}}, {13, &typeid(KMBDTicket), {}},
                 {14, &typeid(KMBD2PtDimension), {}}, {15, nullptr, {}}, {-1, nullptr, {}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind);
        const std::size_t before = Entries().size();
        EXPECT_TRUE(ImportDirectly(AddRecorded(Lines({Header(u"K"_w, c.kind, 5, -12), kThreeRows, u"102|6|0|0.1"_w,
                                                      u"103|A|0"_w, u"104|8|0|0.2"_w, u"106|10|0|0.3"_w, u"107|C|0"_w}))));
        ASSERT_EQ(Entries().size(), before + (c.made ? 1 : 0));
        if (!c.made) continue;
        const KObject& made = At(before);
        EXPECT_EQ(typeid(made), *c.made);
        const auto& subFrames = Access::SubFrames(At(before));
        ASSERT_EQ(subFrames.size(), c.frames.size());
        for (std::size_t f = 0; f < subFrames.size(); ++f) {
            EXPECT_EQ(subFrames[f]->symbolText, WString(1, c.frames[f].first)) << "sub-frame " << f;
            ASSERT_EQ(Access::Controls(*subFrames[f]).size(), c.frames[f].second.size()) << "sub-frame " << f;
            for (std::size_t k = 0; k < Access::Controls(*subFrames[f]).size(); ++k)
                EXPECT_EQ(Access::Controls(*subFrames[f])[k]->toleranceText, c.frames[f].second[k]);
        }
    }
}

// Entity ids are made positive only within a group. A datum target shows its
// name as label until a label line comes; a plain datum never does, and an
// empty name is not shown.
TEST_F(ImportNote, ANoteGetsNameTargetIdsAndLabel) {
    const struct {
        WString name;
        std::int32_t kind, groupId, entityId, expectedEntity;
        WString extra;
        bool showName, labelled;
        WString label;
    } cases[] = {{u"FCF-1"_w, 0, 5, -12, 12, kPlain, true, false, u""_w},
                 {u"FCF-1"_w, 0, 0, -12, -12, kPlain, true, false, u""_w},
                 {u"FCF-1"_w, 0, -3, -7, 7, kPlain, true, false, u""_w},
                 {u"FCF-1"_w, 0, 1, 9, 9, kPlain, true, false, u""_w},
                 {u"FCF-1"_w, 0, 1, INT32_MIN, INT32_MIN, kPlain, true, false, u""_w},
                 {u""_w, 7, 0, 0, 0, kPlain, false, false, u""_w},
                 {u"A"_w, 7, 0, 0, 0, kPlain, true, false, u""_w},
                 {u"A"_w, 10, 0, 0, 0, kPlain, true, true, u"A"_w},
                 {u"A"_w, 10, 0, 0, 0, Lines({Settings101(Settings().Label()), u"108|B"_w}), true, true, u"B"_w},
                 {u""_w, 10, 0, 0, 0, kPlain, false, false, u""_w}};
    for (const auto& c : cases) AddRecorded(Lines({Header(c.name, c.kind, c.groupId, c.entityId), c.extra}));
    m_Draftlift();
    ASSERT_EQ(Entries().size(), std::size(cases));
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        SCOPED_TRACE(testing::Message() << "case " << k);
        const KMBDBase& o = At(k);
        EXPECT_EQ(std::make_tuple(o.GetName(), o.showName, o.datumLabel.enabled, o.datumLabel.text),
                  std::make_tuple(cases[k].name, cases[k].showName, cases[k].labelled, WString(cases[k].label)));
        EXPECT_EQ(Xyz(Access::AnchorPoint(o)), Origin());
        ASSERT_EQ(Access::Targets(o).size(), 1u);
        const KMBDTarget& target = *Access::Targets(o).front();
        EXPECT_EQ(Xyz(Access::TargetPoint(target)), Xyz(kBase));
        EXPECT_EQ(std::make_tuple(Access::GroupId(target), Access::EntityId(target)),
                  std::make_tuple(cases[k].groupId, cases[k].expectedEntity));
    }
}

TEST_F(ImportNote, ControlsAndTextsTakeTheirLines) {
    AddRecorded(Lines({Header(u"F"_w, 1), Settings101(Settings().Row(1).Label().Text5().TextLines(3)),
                       u"102|6|12|0.05|-0.05|13|MAX|14|CZ"_w, u"103|A|12|B|0|C|13"_w, u"108|Q|ignored"_w, u"109|five"_w,
                       u"110"_w, u"ab"_w, u"c|d"_w, u"e"_w, u"lines after the block are ignored"_w}));
    AddRecorded(Lines({Header(u"F"_w, 2), kPlain}));
    AddRecorded(Lines({Header(u"F"_w, 5), kThreeRows, u"102|6|0|0.1"_w, u"104|8|0|0.2"_w, u"106|10|0|0.3"_w,
                       u"107|D|0|E|0|F|0"_w}));
    m_Draftlift();
    ASSERT_EQ(Entries().size(), 3u);
    const KMBDBase& o = At(0);
    const KMBDControl& c = *Access::Controls(*Access::SubFrames(o).at(0)).at(0);
    EXPECT_EQ(std::tie(c.toleranceText, c.datumRef1Text, c.datumRef2Text, c.datumRef3Text),
              std::make_tuple(WString(u"\uFFED 0.10000000 \uFFEC MAX \uFFEE CZ"_w), WString(u"A\uFFED"_w), WString(u"B"_w),
                              WString(u"C\uFFEC"_w)));
    EXPECT_EQ(std::tie(o.datumLabel.enabled, o.text5.enabled, o.text2.enabled), std::make_tuple(true, true, true));
    EXPECT_EQ(std::tie(o.datumLabel.text, o.text5.text, o.text2.text),
              std::make_tuple(WString(u"Q"_w), WString(u"five"_w), WString(u"abc|de"_w)));
    // Frames are built without rows.
    const auto& empty = Access::SubFrames(At(1));
    ASSERT_EQ(empty.size(), 1u);
    EXPECT_EQ(empty[0]->symbolText, u" "_w);
    ASSERT_EQ(Access::Controls(*empty[0]).size(), 2u);
    EXPECT_EQ(std::tie(Access::Controls(*empty[0])[0]->toleranceText, Access::Controls(*empty[0])[1]->toleranceText),
              std::make_tuple(WString(), WString()));
    // Row three keeps its references when row two has none.
    const auto& three = Access::SubFrames(At(2));
    ASSERT_EQ(three.size(), 3u);
    EXPECT_EQ(Access::Controls(*three[1]).at(0)->datumRef1Text, u""_w);
    const KMBDControl& third = *Access::Controls(*three[2]).at(0);
    EXPECT_EQ(std::tie(third.datumRef1Text, third.datumRef2Text, third.datumRef3Text),
              std::make_tuple(WString(u"D"_w), WString(u"E"_w), WString(u"F"_w)));
}

TEST_F(ImportNote, ATwoPointDimensionTakesLabelValuesAndNumber) {
    AddRecorded(Lines({Header(u"D-4"_w, 12, 5, -12), kDimension125, DimensionHeader(3, false, false, false, -7, false, 0),
                       DimensionLabel(u"R1"_w), DimensionValues(u"10/4"_w, u"(1+2)*1e12"_w), u"0|0"_w}));
    m_Draftlift();
    const auto& d = dynamic_cast<const KMBD2PtDimension&>(Imported());
    EXPECT_EQ(std::make_tuple(d.showName, d.GetName(), d.dimensionText1.enabled, d.dimensionText1.text,
                              d.dimensionNumber2, d.dimensionText2, d.dimensionText3),
              std::make_tuple(true, WString(u"D-4"_w), true, WString(u"R1"_w), -7, WString(u"2.5000"_w),
                              WString(u"9999999999.0000"_w)));
    ASSERT_EQ(Access::Targets(d).size(), 2u);
    for (const auto& target : Access::Targets(d))
        EXPECT_EQ(std::make_tuple(Xyz(Access::TargetPoint(*target)), Access::GroupId(*target), Access::EntityId(*target)),
                  std::make_tuple(Origin(), 0, 0));
}

TEST_F(ImportNote, DimensionLinesOnANonDimension) {
    // Values of type 1 are not applied, and the note is left untargeted.
    AddRecorded(Lines({Header(u"T"_w, 0), kDimension125, DimensionHeader(1, false, false, false, 0, false, 0),
                       DimensionLabel(u"L"_w), DimensionValues(u"1"_w, u"2"_w), u"0"_w}));
    // Other types target the note without ids.
    AddRecorded(Lines({Header(u""_w, 1, 5, -12), kDimension125, DimensionHeader(5, true, false, false, 0, false, 0),
                       u"skipped"_w, u"102|6|0|0.4"_w}));
    m_Draftlift();
    ASSERT_EQ(Entries().size(), 2u);
    EXPECT_EQ(At(0).GetName(), u""_w);
    EXPECT_TRUE(Access::Targets(At(0)).empty());
    EXPECT_FALSE(At(0).showName);
    const KMBDBase& other = At(1);
    EXPECT_TRUE(other.showName);  // not cleared for the empty name
    ASSERT_EQ(Access::Targets(other).size(), 1u);
    EXPECT_EQ(Access::TargetPoint(*Access::Targets(other)[0]).y, kBase.y);
    EXPECT_EQ(std::make_tuple(Access::GroupId(*Access::Targets(other)[0]), Access::EntityId(*Access::Targets(other)[0])), std::make_tuple(0, 0));
    EXPECT_EQ(Access::Controls(*Access::SubFrames(other).at(0)).at(0)->toleranceText, u"0.4"_w);
}

TEST_F(ImportNote, WithoutASceneNothingIsAddedButTheRecordIsDecoded) {
    const auto index = AddRecorded(Lines({Header(u"n"_w, 1), kPlain}));
    standin::kscene::SetScenePresent(false);
    EXPECT_TRUE(ImportDirectly(index));
    EXPECT_TRUE(Entries().empty());
}

// The import refuses whatever the reader refuses (its reasons are pinned
// down with the reader); a refused note is skipped and the walk goes on.
TEST_F(ImportNote, RefusedNotesAddNothing) {
    const WString refused[] = {u"\r\r"_w, Header(u"n"_w, 1), Lines({Header(u"n"_w, 3), kThreeRows, u"102"_w, u"106"_w}),
                               // A kind without an object is still read to the end.
                               Lines({Header(u"n"_w, 15), Settings101(Settings().Label()), u"109|x"_w})};
    for (const WString& record : refused) EXPECT_FALSE(ImportDirectly(AddRecorded(record)));
    EXPECT_FALSE(ImportDirectly(standin::host::AddNote({u"~M01|x"_w, kBase, 0})));
    EXPECT_FALSE(ImportDirectly(standin::host::AddNote({u"~M01|x"_w, kBase, 77})));
    EXPECT_FALSE(ImportDirectly(standin::host::AddEntity(standin::host::EntityType::Line)));
    EXPECT_TRUE(Entries().empty());
    AddRecorded(Lines({Header(u"good"_w, 1), kPlain}));
    m_Draftlift();
    EXPECT_EQ(Imported().GetName(), u"good"_w);
}

}  // namespace
