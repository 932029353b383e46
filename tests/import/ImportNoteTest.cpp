// Recorded notes imported end to end through the import command, with the
// scene's objects examined.
#include <stdexcept>
#include <string>
#include <typeinfo>
#include <vector>

#include <gtest/gtest.h>

#include "host/kscene/KMBD.h"
#include "import/Draftlifter.h"
#include "import/RecordReader.h"
#include "platform/kscene/KSceneStandIn.h"
#include "platform/mastercam/HostStandIn.h"
#include "shell/EntryPoints.h"
#include "tests/import/Records.h"
#include "tests/support/StandIns.h"

namespace {

using namespace import_tests;

constexpr p_3d kBase{1.5, -2.0, 3.25};
const WString kThreeRows = Settings101(Settings().Row(1).Row(2).Row(3));

class ImportNote : public testing_support::FreshHost {
protected:
    std::int32_t AddRecorded(const WString& record, std::int32_t table = 0) {
        if (table == 0) table = ++m_lastTable;
        standin::host::SetMemoryTable(table, record);
        return standin::host::AddNote({u"~M01|x", kBase, table});
    }

    static std::vector<boost::shared_ptr<KObject>> Objects() {
        std::vector<boost::shared_ptr<KObject>> objects;
        for (const auto& entry : standin::kscene::Scene().impl().entries) objects.push_back(entry.object);
        return objects;
    }

    // The one annotation the import made.
    static KMBDBase& Imported() {
        const auto objects = Objects();
        if (objects.size() != 1) throw std::runtime_error("expected one object, found " + std::to_string(objects.size()));
        return dynamic_cast<KMBDBase&>(*objects.front());
    }

    static bool ImportDirectly(std::int32_t index) {
        ent record{};
        record.id = index;
        return Draftlifter().ImportNote(record);
    }

    std::int32_t m_lastTable = 100;
};

enum class Made { Nothing, Ticket, Datum, DatumTarget, TwoPointDimension };

const std::type_info& TypeOf(Made made) {
    switch (made) {
        case Made::Ticket: return typeid(KMBDTicket);
        case Made::Datum: return typeid(KMBDDatum);
        case Made::DatumTarget: return typeid(KMBDDatumTarget);
        case Made::TwoPointDimension: return typeid(KMBD2PtDimension);
        default: return typeid(void);
    }
}

struct KindCase {
    std::int32_t kind;
    Made made;
    // Per sub-frame: its symbol and the values of its controls.
    std::vector<std::pair<WCHAR, std::vector<WString>>> frames;
};

class RecordKinds : public ImportNote, public testing::WithParamInterface<KindCase> {};

// Rows 1 to 3 carry symbols 6, 8, 10 and values 0.1, 0.2, 0.3.
TEST_P(RecordKinds, MakeTheirClassAndFrames) {
    const KindCase& c = GetParam();
    AddRecorded(Lines({Header(u"K", c.kind, 5, -12), kThreeRows, u"102|6|0|0.1", u"103|A|0", u"104|8|0|0.2",
                       u"106|10|0|0.3", u"107|C|0"}));
    m_Draftlift();
    const auto objects = Objects();
    if (c.made == Made::Nothing) {
        EXPECT_TRUE(objects.empty());
        return;
    }
    ASSERT_EQ(objects.size(), 1u);
    const KObject& object = *objects.front();
    EXPECT_EQ(typeid(object), TypeOf(c.made));
    const auto& subFrames = dynamic_cast<const KMBDBase&>(object).SubFrames();
    ASSERT_EQ(subFrames.size(), c.frames.size());
    for (std::size_t f = 0; f < subFrames.size(); ++f) {
        EXPECT_EQ(subFrames[f]->symbolText, WString(1, c.frames[f].first)) << "sub-frame " << f;
        ASSERT_EQ(subFrames[f]->controls.size(), c.frames[f].second.size()) << "sub-frame " << f;
        for (std::size_t k = 0; k < subFrames[f]->controls.size(); ++k) {
            EXPECT_EQ(subFrames[f]->controls[k]->toleranceText, c.frames[f].second[k]);
        }
    }
}

constexpr WCHAR kSym6 = 0xFFC9, kSym8 = 0xFFDC, kSym10 = 0xFFD8;

INSTANTIATE_TEST_SUITE_P(
    Kinds, RecordKinds,
    testing::Values(KindCase{0, Made::Ticket, {}},
                    KindCase{1, Made::Ticket, {{kSym6, {u"0.1"}}}},
                    KindCase{2, Made::Ticket, {{kSym6, {u"0.1", u"0.2"}}}},
                    KindCase{3, Made::Ticket, {{kSym6, {u"0.1", u"0.2"}}, {kSym10, {u"0.3"}}}},
                    KindCase{4, Made::Ticket, {{kSym6, {u"0.1"}}, {kSym8, {u"0.2"}}}},
                    KindCase{5, Made::Ticket, {{kSym6, {u"0.1"}}, {kSym8, {u"0.2"}}, {kSym10, {u"0.3"}}}},
                    KindCase{6, Made::Ticket, {{kSym6, {u"0.1", u"0.2", u"0.3"}}}},
                    KindCase{7, Made::Datum, {}}, KindCase{8, Made::Ticket, {}}, KindCase{9, Made::Ticket, {}},
                    KindCase{10, Made::DatumTarget, {}}, KindCase{11, Made::DatumTarget, {}},
                    KindCase{12, Made::TwoPointDimension, {}}, KindCase{13, Made::Ticket, {}},
                    KindCase{14, Made::TwoPointDimension, {}}, KindCase{15, Made::Nothing, {}},
                    KindCase{-1, Made::Nothing, {}}));

TEST_F(ImportNote, KindsWithoutAnObjectAreDecodedAndAddNothing) {
    EXPECT_TRUE(ImportDirectly(AddRecorded(Lines({Header(u"n", 15), kThreeRows}))));
    EXPECT_TRUE(ImportDirectly(AddRecorded(Lines({Header(u"n", -1), Settings101(Settings())}))));
    EXPECT_TRUE(Objects().empty());
}

TEST_F(ImportNote, AKindWithoutObjectIsStillReadToTheEnd) {
    EXPECT_FALSE(ImportDirectly(AddRecorded(Lines({Header(u"n", 15), Settings101(Settings().Label()), u"109|x"}))));
}

TEST_F(ImportNote, ANoteGetsNameTargetAndIds) {
    AddRecorded(Lines({Header(u"FCF-1", 0, 5, -12), Settings101(Settings())}));
    m_Draftlift();
    const KMBDBase& object = Imported();
    EXPECT_EQ(object.GetName(), u"FCF-1");
    EXPECT_TRUE(object.showName);
    EXPECT_EQ(object.GetAnchorPoint().x, 0.0);
    EXPECT_EQ(object.GetAnchorPoint().y, 0.0);
    EXPECT_EQ(object.GetAnchorPoint().z, 0.0);
    ASSERT_EQ(object.Targets().size(), 1u);
    const KMBDTarget& target = *object.Targets().front();
    EXPECT_EQ(target.targetPoint.x, kBase.x);
    EXPECT_EQ(target.targetPoint.y, kBase.y);
    EXPECT_EQ(target.targetPoint.z, kBase.z);
    EXPECT_EQ(target.groupId, 5);
    EXPECT_EQ(target.entityId, 12);
}

struct IdCase {
    std::int32_t groupId, entityId, expectedEntity;
};

class EntityIds : public ImportNote, public testing::WithParamInterface<IdCase> {};

TEST_P(EntityIds, AreMadePositiveOnlyWithinAGroup) {
    AddRecorded(Lines({Header(u"n", 0, GetParam().groupId, GetParam().entityId), Settings101(Settings())}));
    m_Draftlift();
    EXPECT_EQ(Imported().Targets().front()->groupId, GetParam().groupId);
    EXPECT_EQ(Imported().Targets().front()->entityId, GetParam().expectedEntity);
}

INSTANTIATE_TEST_SUITE_P(Ids, EntityIds,
                         testing::Values(IdCase{5, -12, 12}, IdCase{0, -12, -12}, IdCase{-3, -7, 7},
                                         IdCase{1, 9, 9}, IdCase{1, INT32_MIN, INT32_MIN}));

TEST_F(ImportNote, AnEmptyNameIsNotShown) {
    AddRecorded(Lines({Header(u"", 7), Settings101(Settings())}));
    m_Draftlift();
    EXPECT_FALSE(Imported().showName);
    EXPECT_FALSE(Imported().datumLabel.enabled);
}

TEST_F(ImportNote, ADatumTargetShowsItsNameAsLabelUntilALabelLineComes) {
    AddRecorded(Lines({Header(u"A", 10), Settings101(Settings())}));
    AddRecorded(Lines({Header(u"A", 10), Settings101(Settings().Label()), u"108|B"}));
    AddRecorded(Lines({Header(u"", 10), Settings101(Settings())}));
    m_Draftlift();
    const auto objects = Objects();
    ASSERT_EQ(objects.size(), 3u);
    const auto label = [&](std::size_t k) { return dynamic_cast<const KMBDBase&>(*objects[k]).datumLabel; };
    EXPECT_TRUE(label(0).enabled);
    EXPECT_EQ(label(0).text, u"A");
    EXPECT_TRUE(label(1).enabled);
    EXPECT_EQ(label(1).text, u"B");
    EXPECT_FALSE(label(2).enabled);
    EXPECT_EQ(label(2).text, u"");
}

TEST_F(ImportNote, APlainDatumDoesNotTakeItsNameAsLabel) {
    AddRecorded(Lines({Header(u"A", 7), Settings101(Settings())}));
    m_Draftlift();
    EXPECT_FALSE(Imported().datumLabel.enabled);
    EXPECT_EQ(Imported().datumLabel.text, u"");
}

TEST_F(ImportNote, ControlsTakeToleranceTextAndDatumReferences) {
    AddRecorded(Lines({Header(u"F", 1), Settings101(Settings().Row(1)), u"102|6|12|0.05|-0.05|13|MAX|14|CZ",
                       u"103|A|12|B|0|C|13"}));
    m_Draftlift();
    const KMBDControl& control = *Imported().SubFrames().at(0)->controls.at(0);
    EXPECT_EQ(control.toleranceText, u"\uFFED 0.10000000 \uFFEC MAX \uFFEE CZ");
    EXPECT_EQ(control.datumRef1Text, u"A\uFFED");
    EXPECT_EQ(control.datumRef2Text, u"B");
    EXPECT_EQ(control.datumRef3Text, u"C\uFFEC");
}

TEST_F(ImportNote, FramesAreBuiltWithoutRows) {
    AddRecorded(Lines({Header(u"F", 2), Settings101(Settings())}));
    m_Draftlift();
    const auto& subFrames = Imported().SubFrames();
    ASSERT_EQ(subFrames.size(), 1u);
    EXPECT_EQ(subFrames[0]->symbolText, u" ");
    ASSERT_EQ(subFrames[0]->controls.size(), 2u);
    EXPECT_EQ(subFrames[0]->controls[0]->toleranceText, u"");
    EXPECT_EQ(subFrames[0]->controls[1]->toleranceText, u"");
}

TEST_F(ImportNote, RowThreeKeepsItsReferencesWhenRowTwoHasNone) {
    AddRecorded(Lines({Header(u"F", 5), kThreeRows, u"102|6|0|0.1", u"104|8|0|0.2", u"106|10|0|0.3",
                       u"107|D|0|E|0|F|0"}));
    m_Draftlift();
    const auto& subFrames = Imported().SubFrames();
    ASSERT_EQ(subFrames.size(), 3u);
    EXPECT_EQ(subFrames[1]->controls.at(0)->datumRef1Text, u"");
    const KMBDControl& third = *subFrames[2]->controls.at(0);
    EXPECT_EQ(third.datumRef1Text, u"D");
    EXPECT_EQ(third.datumRef2Text, u"E");
    EXPECT_EQ(third.datumRef3Text, u"F");
}

TEST_F(ImportNote, LabelsAndNoteTextReachTheirTexts) {
    AddRecorded(Lines({Header(u"N", 8), Settings101(Settings().Label().Text5().TextLines(3)), u"108|Q",
                       u"109|five", u"110", u"ab", u"c|d", u"e"}));
    m_Draftlift();
    const KMBDBase& object = Imported();
    EXPECT_TRUE(object.datumLabel.enabled);
    EXPECT_EQ(object.datumLabel.text, u"Q");
    EXPECT_TRUE(object.text5.enabled);
    EXPECT_EQ(object.text5.text, u"five");
    EXPECT_TRUE(object.text2.enabled);
    EXPECT_EQ(object.text2.text, u"abc|de");
}

TEST_F(ImportNote, ATwoPointDimensionTakesLabelValuesAndNumber) {
    AddRecorded(Lines({Header(u"D-4", 12, 5, -12), Settings125(Settings().Dimension()),
                       DimensionHeader(3, false, false, false, -7, false, 0), DimensionLabel(u"R1"),
                       DimensionValues(u"10/4", u"(1+2)*1e12"), u"0|0"}));
    m_Draftlift();
    const auto& dimension = dynamic_cast<const KMBD2PtDimension&>(Imported());
    EXPECT_TRUE(dimension.showName);
    EXPECT_EQ(dimension.GetName(), u"D-4");
    ASSERT_EQ(dimension.Targets().size(), 2u);
    for (const auto& target : dimension.Targets()) {
        EXPECT_EQ(target->targetPoint.x, 0.0);
        EXPECT_EQ(target->targetPoint.y, 0.0);
        EXPECT_EQ(target->targetPoint.z, 0.0);
        EXPECT_EQ(target->groupId, 0);
        EXPECT_EQ(target->entityId, 0);
    }
    EXPECT_TRUE(dimension.dimensionText1.enabled);
    EXPECT_EQ(dimension.dimensionText1.text, u"R1");
    EXPECT_EQ(dimension.dimensionNumber2, -7);
    EXPECT_EQ(dimension.dimensionText2, u"2.5000");
    EXPECT_EQ(dimension.dimensionText3, u"9999999999.0000");
}

TEST_F(ImportNote, DimensionValuesOnANonDimensionAreNotApplied) {
    AddRecorded(Lines({Header(u"T", 0), Settings125(Settings().Dimension()),
                       DimensionHeader(1, false, false, false, 0, false, 0), DimensionLabel(u"L"),
                       DimensionValues(u"1", u"2"), u"0"}));
    m_Draftlift();
    EXPECT_EQ(Imported().GetName(), u"");
    EXPECT_TRUE(Imported().Targets().empty());
    EXPECT_FALSE(Imported().showName);
}

TEST_F(ImportNote, OtherDimensionTypesTargetTheNoteWithoutIds) {
    AddRecorded(Lines({Header(u"", 1, 5, -12), Settings125(Settings().Dimension()),
                       DimensionHeader(5, true, false, false, 0, false, 0), u"skipped", u"102|6|0|0.4"}));
    m_Draftlift();
    const KMBDBase& object = Imported();
    EXPECT_TRUE(object.showName);  // not cleared for the empty name
    ASSERT_EQ(object.Targets().size(), 1u);
    EXPECT_EQ(object.Targets()[0]->targetPoint.y, kBase.y);
    EXPECT_EQ(object.Targets()[0]->groupId, 0);
    EXPECT_EQ(object.Targets()[0]->entityId, 0);
    EXPECT_EQ(object.SubFrames().at(0)->controls.at(0)->toleranceText, u"0.4");
}

TEST_F(ImportNote, WithoutASceneNothingIsAddedButTheRecordIsDecoded) {
    const auto index = AddRecorded(Lines({Header(u"n", 1), Settings101(Settings())}));
    standin::kscene::SetScenePresent(false);
    EXPECT_TRUE(ImportDirectly(index));
    EXPECT_TRUE(Objects().empty());
}

TEST_F(ImportNote, ARefusedNoteIsSkippedAndTheWalkGoesOn) {
    AddRecorded(Lines({Header(u"bad", 1), u"999"}));
    AddRecorded(Lines({Header(u"good", 1), Settings101(Settings())}));
    m_Draftlift();
    EXPECT_EQ(Imported().GetName(), u"good");
}

struct RefusedCase {
    const char* what;
    WString record;
};

class RefusedRecords : public ImportNote, public testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedRecords, AddNothing) {
    EXPECT_FALSE(ImportDirectly(AddRecorded(GetParam().record))) << GetParam().what;
    m_Draftlift();
    EXPECT_TRUE(Objects().empty()) << GetParam().what;
}

const WString kDimension125 = Settings125(Settings().Dimension());

INSTANTIATE_TEST_SUITE_P(
    Rules, RefusedRecords,
    testing::Values(
        RefusedCase{"no line", u"\r\r"}, RefusedCase{"one line", Header(u"n", 1)},
        RefusedCase{"layout", Lines({Header(u"n", 1), u"100|0|0|0|1"})},
        RefusedCase{"dimension header missing", Lines({Header(u"n", 12), kDimension125})},
        RefusedCase{"dimension header wrong", Lines({Header(u"n", 12), kDimension125, u"125"})},
        RefusedCase{"dimension lines missing",
                    Lines({Header(u"n", 12), kDimension125, DimensionHeader(8, false, false, false, 0, false, 0),
                           DimensionLabel(u"L"), DimensionValues(u"1", u"2")})},
        RefusedCase{"frame row", Lines({Header(u"n", 3), kThreeRows, u"102", u"106"})},
        RefusedCase{"datum label", Lines({Header(u"n", 7), Settings101(Settings().Label()), u"109|x"})},
        RefusedCase{"text5", Lines({Header(u"n", 7), Settings101(Settings().Text5()), u"108|x"})},
        RefusedCase{"note text", Lines({Header(u"n", 7), Settings101(Settings().TextLines(1)), u"111"})}));

TEST_F(ImportNote, NotesWithoutRecordTextAreRefused) {
    EXPECT_FALSE(ImportDirectly(standin::host::AddNote({u"~M01|x", kBase, 0})));
    EXPECT_FALSE(ImportDirectly(standin::host::AddNote({u"~M01|x", kBase, 77})));
    EXPECT_FALSE(ImportDirectly(standin::host::AddEntity(standin::host::EntityType::Line)));
    EXPECT_TRUE(Objects().empty());
}

TEST_F(ImportNote, TheReaderSeesTheNotesRecordAndItsRefusals) {
    const auto good = AddRecorded(Lines({Header(u"FCF-7", 1), Settings101(Settings())}));
    const auto bad = AddRecorded(Lines({Header(u"FCF-8", 1), Settings101(Settings().Row(1).Row(2)), u"102|1", u"109"}));
    ent record{};
    record.id = good;
    EXPECT_TRUE(noteimport::ReadNoteRecord(record).Decoded());
    record.id = bad;
    const auto reading = noteimport::ReadNoteRecord(record);
    ASSERT_TRUE(reading.refusal);
    EXPECT_EQ(reading.record.name, u"FCF-8");
    EXPECT_EQ(reading.refusal->line, 4);
    EXPECT_EQ(reading.refusal->row, 2);
    record.id = standin::host::AddNote({u"~M01|x", kBase, 0});
    EXPECT_EQ(noteimport::ReadNoteRecord(record).refusal->reason, noteimport::RefusalReason::NoMemoryTable);
}

}  // namespace
