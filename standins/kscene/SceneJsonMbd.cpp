// MBD annotations in the scene JSON: every attribute the library writes,
// with targets, sub-frames and their controls, witness segments and balloons.
#include <array>
#include <typeinfo>

#include "host/kscene/KMBD.h"
#include "standins/kscene/Access.h"
#include "standins/kscene/SceneJsonParts.h"

namespace scenejson {
namespace {

using standin::kscene::Access;

struct NamedClass {
    const std::type_info& type;
    const char* name;
};

const char* AnnotationClass(const KMBDBase& object) {
    static const std::array<NamedClass, 8> kClasses = {{
        {typeid(KMBDTicket), "KMBDTicket"},
        {typeid(KMBDDatum), "KMBDDatum"},
        {typeid(KMBDDatumTarget), "KMBDDatumTarget"},
        {typeid(KMBD2PtDimension), "KMBD2PtDimension"},
        {typeid(KMBDAngleDimension), "KMBDAngleDimension"},
        {typeid(KMBDNote), "KMBDNote"},
        {typeid(KMBDRadiusDimension), "KMBDRadiusDimension"},
        {typeid(KMBDDiameterDimension), "KMBDDiameterDimension"},
    }};
    for (const NamedClass& named : kClasses) {
        if (typeid(object) == named.type) return named.name;
    }
    return "KMBDBase";
}

void Flagged(JsonOut& out, const char* key, const KFlaggedText& text) {
    out.Key(key).BeginObject();
    out.Member("enabled", text.enabled);
    out.Member("text", text.text);
    out.EndObject();
}

void Target(JsonOut& out, const KMBDTarget& target) {
    out.BeginObject();
    out.Member("name", target.GetName());
    out.Member("targetPoint", Access::TargetPoint(target));
    out.Member("groupId", Access::GroupId(target));
    out.Member("entityId", Access::EntityId(target));
    out.Member("targetOption", target.targetOption);
    out.Member("targetId1", target.targetId1);
    out.Member("targetId2", target.targetId2);
    out.Member("targetId3", target.targetId3);
    out.Member("targetId4", target.targetId4);
    out.EndObject();
}

void Control(JsonOut& out, const KMBDControl& control) {
    out.BeginObject();
    out.Member("toleranceText", control.toleranceText);
    out.Member("datumRef1Text", control.datumRef1Text);
    out.Member("datumRef2Text", control.datumRef2Text);
    out.Member("datumRef3Text", control.datumRef3Text);
    out.Member("controlText5", control.controlText5);
    out.EndObject();
}

void SubFrame(JsonOut& out, const KMBDSubFrame& frame) {
    out.BeginObject();
    out.Member("symbolText", frame.symbolText);
    out.Key("controls").BeginArray();
    for (const auto& control : Access::Controls(frame)) Control(out, *control);
    out.EndArray();
    out.EndObject();
}

// A balloon's text, with its row for a sub-balloon; null for none.
void Balloon(JsonOut& out, const boost::shared_ptr<KMBDBalloon>& balloon, const std::uint64_t* row) {
    if (!balloon) {
        out.Null();
        return;
    }
    out.BeginObject();
    out.Member("text", balloon->text);
    if (row != nullptr) out.Key("row").Unsigned(*row);
    out.EndObject();
}

void Parts(JsonOut& out, const KMBDBase& object) {
    out.Key("targets").BeginArray();
    for (const auto& target : Access::Targets(object)) Target(out, *target);
    out.EndArray();
    out.Key("subFrames").BeginArray();
    for (const auto& frame : Access::SubFrames(object)) SubFrame(out, *frame);
    out.EndArray();
    out.Key("witnessSegments").BeginArray();
    for (const auto& [start, end] : Access::WitnessSegments(object)) {
        out.BeginObject();
        out.Member("start", start);
        out.Member("end", end);
        out.EndObject();
    }
    out.EndArray();
    out.Key("mainBalloon");
    Balloon(out, Access::MainBalloon(object), nullptr);
    out.Key("subBalloons").BeginArray();
    for (const auto& [row, balloon] : Access::SubBalloons(object)) {
        const std::uint64_t number = row;
        Balloon(out, balloon, &number);
    }
    out.EndArray();
}

void KindAttributes(JsonOut& out, const KMBDBase& object) {
    if (const auto* target = dynamic_cast<const KMBDDatumTarget*>(&object)) {
        out.Member("datumTargetText", target->datumTargetText);
    }
    if (const auto* dimension = dynamic_cast<const KMBDDimension*>(&object)) {
        out.Member("dimensionNumber1", dimension->dimensionNumber1);
        Flagged(out, "dimensionText1", dimension->dimensionText1);
        out.Member("dimensionText2", dimension->dimensionText2);
        out.Member("dimensionText3", dimension->dimensionText3);
        out.Member("dimensionNumber2", dimension->dimensionNumber2);
    }
}

}  // namespace

bool MbdMembers(JsonOut& out, const KObject& object) {
    const auto* mbd = dynamic_cast<const KMBDBase*>(&object);
    if (mbd == nullptr) return false;
    out.Member("class", AnnotationClass(*mbd));
    out.Member("name", mbd->GetName());
    out.Member("showName", mbd->showName);
    out.Member("anchorPoint", Access::AnchorPoint(*mbd));
    Flagged(out, "text1", mbd->text1);
    Flagged(out, "text2", mbd->text2);
    Flagged(out, "text3", mbd->text3);
    Flagged(out, "datumLabel", mbd->datumLabel);
    Flagged(out, "text5", mbd->text5);
    out.Member("option1", mbd->option1);
    out.Member("option2", mbd->option2);
    out.Member("option3", mbd->option3);
    KindAttributes(out, *mbd);
    Parts(out, *mbd);
    return true;
}

}  // namespace scenejson
