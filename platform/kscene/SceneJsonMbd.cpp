// MBD annotations in the scene JSON: every attribute the library writes,
// with targets, sub-frames and their controls, witness segments and balloons.
#include <array>
#include <typeinfo>

#include "host/kscene/KMBD.h"
#include "platform/kscene/SceneJsonParts.h"

namespace scenejson {
namespace {


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

Json FlaggedJson(const KFlaggedText& text) {
    return {{"enabled", text.enabled}, {"text", Utf8(text.text)}};
}

Json TargetJson(const KMBDTarget& target) {
    return {{"name", Utf8(target.GetName())},     {"targetPoint", PointJson(target.targetPoint)},
            {"groupId", target.groupId},          {"entityId", target.entityId},
            {"targetOption", target.targetOption}, {"targetId1", target.targetId1},
            {"targetId2", target.targetId2},      {"targetId3", target.targetId3},
            {"targetId4", target.targetId4}};
}

Json ControlJson(const KMBDControl& control) {
    return {{"toleranceText", Utf8(control.toleranceText)},
            {"datumRef1Text", Utf8(control.datumRef1Text)},
            {"datumRef2Text", Utf8(control.datumRef2Text)},
            {"datumRef3Text", Utf8(control.datumRef3Text)},
            {"controlText5", Utf8(control.controlText5)}};
}

Json SubFrameJson(const KMBDSubFrame& frame) {
    Json controls = Json::array();
    for (const auto& control : frame.controls) controls.push_back(ControlJson(*control));
    return {{"symbolText", Utf8(frame.symbolText)}, {"controls", controls}};
}

Json BalloonJson(const boost::shared_ptr<KMBDBalloon>& balloon) {
    return balloon ? Json{{"text", Utf8(balloon->text)}} : Json(nullptr);
}

void AddParts(const KMBDBase& object, Json& out) {
    Json targets = Json::array();
    for (const auto& target : object.Targets()) targets.push_back(TargetJson(*target));
    Json frames = Json::array();
    for (const auto& frame : object.SubFrames()) frames.push_back(SubFrameJson(*frame));
    Json witness = Json::array();
    for (const KWitnessSegment& segment : object.WitnessSegments()) {
        witness.push_back({{"start", PointJson(segment.start)}, {"end", PointJson(segment.end)}});
    }
    Json subBalloons = Json::array();
    for (const auto& [row, balloon] : object.SubBalloons()) {
        Json entry = BalloonJson(balloon);
        if (entry.is_object()) entry["row"] = row;
        subBalloons.push_back(entry);
    }
    out["targets"] = targets;
    out["subFrames"] = frames;
    out["witnessSegments"] = witness;
    out["mainBalloon"] = BalloonJson(object.MainBalloon());
    out["subBalloons"] = subBalloons;
}

void AddKindAttributes(const KMBDBase& object, Json& out) {
    if (const auto* target = dynamic_cast<const KMBDDatumTarget*>(&object)) {
        out["datumTargetText"] = Utf8(target->datumTargetText);
    }
    if (const auto* dimension = dynamic_cast<const KMBDDimension*>(&object)) {
        out["dimensionNumber1"] = dimension->dimensionNumber1;
        out["dimensionText1"] = FlaggedJson(dimension->dimensionText1);
        out["dimensionText2"] = Utf8(dimension->dimensionText2);
        out["dimensionText3"] = Utf8(dimension->dimensionText3);
        out["dimensionNumber2"] = dimension->dimensionNumber2;
    }
}

}  // namespace

std::optional<Json> MbdJson(const KObject& object) {
    const auto* mbd = dynamic_cast<const KMBDBase*>(&object);
    if (mbd == nullptr) return std::nullopt;
    Json out = {{"class", AnnotationClass(*mbd)},
                {"name", Utf8(mbd->GetName())},
                {"showName", mbd->showName},
                {"anchorPoint", PointJson(mbd->GetAnchorPoint())},
                {"text1", FlaggedJson(mbd->text1)},
                {"text2", FlaggedJson(mbd->text2)},
                {"text3", FlaggedJson(mbd->text3)},
                {"datumLabel", FlaggedJson(mbd->datumLabel)},
                {"text5", FlaggedJson(mbd->text5)},
                {"option1", mbd->option1},
                {"option2", mbd->option2},
                {"option3", mbd->option3}};
    AddKindAttributes(*mbd, out);
    AddParts(*mbd, out);
    return out;
}

}  // namespace scenejson
