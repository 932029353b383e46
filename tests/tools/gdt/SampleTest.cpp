// The model of real annotations: the sample part's, imported and read
// through the adapter, and a frame built through the exported interface,
// which carries the same characters as the import's.
#include <list>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "draftlift/draftlift.h"
#include "host/kscene/KMBD.h"
#include "standins/kscene/KSceneStandIn.h"
#include "tests/support/StandIns.h"
#include "tests/tools/gdt/GdtCases.h"
#include "tools/cli/Session.h"
#include "tools/gdt/FromAnnotation.h"
#include "tools/gdt/ReadAnnotation.h"
#include "tools/gdt/Tokens.h"

namespace {

namespace gdt = draftlift_tool::gdt;

std::string WordsOf(const KMBDBase& annotation) {
    return gdt_cases::Words(gdt::ReadAnnotation(gdt::FieldsOf(annotation)));
}

std::map<std::string, std::string> SampleModels() {
    draftlift_tool::Session session(partfile::Parse(draftlift_tool::EmbeddedSamplePart()));
    draftlift_tool::Progress quiet(nullptr, "");
    session.Import(quiet);
    std::list<boost::shared_ptr<KObject>> annotations;
    session.Scene().GetAllObjectsOfType(annotations, is_kind_of<KMBDBase>());
    std::map<std::string, std::string> read;
    for (const auto& object : annotations) {
        const WString name = object->GetName();
        read[gdt::Utf8(name)] = WordsOf(dynamic_cast<const KMBDBase&>(*object));
    }
    return read;
}

TEST(Model, ReadsTheSampleAsWritten) {
    const std::map<std::string, std::string> kSample = {
        {"", "note text2 DIMENSIONS IN MM"},
        {"A", "datum-feature datum A"},
        {"B", "datum-target target B 1 unknown"},
        {"C2", "datum-target target C 2 area text2 TARGET AREA"},
        {"DIM-14", "dimension linear none"},
        {"FCF-1", "feature-control-frame {position diameter 0.05(2) [mmc] | A | B[mmc] | C}"},
        {"FCF-2", "feature-control-frame composite{flatness none 0.1(1); flatness none 0.02(2)/25}"},
        {"FCF-3",
         "feature-control-frame composite{position diameter 0.5(1) [mmc] | A | B | C; "
         "position diameter 0.15(2) [mmc] | A} {perpendicularity diameter 0.05(2) [mmc] | A} datum D text5 4X"},
        {"FCF-4",
         "feature-control-frame {profile-surface none 0.4(1) U0.1(1) [unequal] | A | B | C} "
         "{angularity none 0.2(1) | A}"},
        {"FCF-5",
         "feature-control-frame {flatness none 0.01(2)} {perpendicularity none 0.02(2) | A} "
         "{parallelism none 0.03(2) | A}"},
        {"FCF-6",
         "feature-control-frame composite{profile-line none 0.5(1) [free-state] | A | B | C; "
         "profile-line none 0.2(1) | A | B; profile-line none 0.08(2) | A}"},
        {"LEN-12", "dimension linear limits 50.8500(4) 50.7500(4)"},
        {"NOTE-0", "note text2 BREAK ALL SHARP EDGES 0.2 MAX"},
        {"TICKET-13", "note"},
        {"TICKET-8 \xC3\x98", "note text5 2X"},
    };
    EXPECT_EQ(SampleModels(), kSample);
}

class InterfaceModel : public testing_support::FreshHost {};

std::string WithSymbol(KMBDBase::MBDSymbol symbol, const std::string& rest = "") {
    return std::string(1, KSDKGetSymbolChar(symbol)) + rest;
}

TEST_F(InterfaceModel, ReadsAsTheImportedFrame) {
    const std::string imported = SampleModels().at("FCF-1");
    testing_support::ResetStandIns();
    const KSDKHandle frame = KSDKCreateMbd(KSDK_MBD_FEATURE_CONTROL_FRAME);
    ASSERT_NE(frame, nullptr);
    const KSDKHandle row = KSDKAddFrame(frame);
    KSDKSetFrameSymbol(row, KSDKGetSymbolChar(KMBDBase::Symbol6));
    const std::string tolerance = WithSymbol(KMBDBase::Symbol8, " 0.05 ") + WithSymbol(KMBDBase::Symbol16);
    const std::string second = "B" + WithSymbol(KMBDBase::Symbol16);
    KSDKControlData control;
    KSDKInitControlData(&control);
    control.toleranceText = tolerance.c_str();
    control.datumRef1Text = "A";
    control.datumRef2Text = second.c_str();
    control.datumRef3Text = "C";
    KSDKSetControlData(KSDKAddControlToFrame(row), &control);
    const auto made = standin::kscene::Scene().GetObjectPtr(frame);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(WordsOf(dynamic_cast<const KMBDBase&>(*made)), imported);
}

}  // namespace
