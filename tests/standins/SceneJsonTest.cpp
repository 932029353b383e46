// The scene JSON: every attribute of known objects, in scene order, with
// UTF-8 texts, and the scene's undo points and repaint count.
#include <boost/make_shared.hpp>
#include <gtest/gtest.h>

#include "host/kscene/KCapturedView.h"
#include "host/kscene/KCloud.h"
#include "host/kscene/KMBD.h"
#include "host/kscene/KObjectTree.h"
#include "host/kscene/KScene.h"
#include "standins/kscene/KSceneStandIn.h"
#include "standins/kscene/SceneJson.h"
#include "tests/support/StandIns.h"
#include "tests/support/WideText.h"

namespace scenejson_test {

// A scene object no writer knows.
class Marker : public KSceneObject {};

namespace {

using nlohmann::json;

class SceneJson : public testing_support::FreshHost {
protected:
    static json Written() { return json::parse(scenejson::SceneJsonText()); }
};

// Every member of expected is in object with that value; others may be there too.
void ExpectHas(const json& object, const json& expected) {
    for (const auto& [key, value] : expected.items()) EXPECT_EQ(object.value(key, json()), value) << key;
}

boost::shared_ptr<KMBDTicket> FilledTicket() {
    auto ticket = boost::make_shared<KMBDTicket>();
    ticket->SetName(u"FCF \u00d8"_w);
    ticket->showName = true;
    ticket->SetAnchorPoint({1, 2, 3});
    ticket->text2 = {true, u"joined"_w};
    ticket->text5 = {false, u"kept"_w};
    ticket->option1 = 7;
    auto target = boost::make_shared<KMBDTarget>();
    target->SetTargetPoint(p_3d{4, 5, 6});
    target->SetGroupId(5);
    target->SetEntityId(12);
    target->targetId4 = -1;
    ticket->AddTarget(target);
    auto frame = ticket->AddSubFrame();
    frame->symbolText = u"\uFFC9"_w;
    auto control = frame->AddControl();
    control->toleranceText = u"\uFFDC 0.05 \uFFED"_w;
    control->datumRef2Text = u"B\uFFEC"_w;
    ticket->AddWitnessSegment({0, 0, 0}, {1, 1, 1});
    return ticket;
}

TEST_F(SceneJson, AnnotationCarriesEveryAttribute) {
    KD::GetScene()->AddObject(FilledTicket());
    const json object = Written()["objects"].at(0);
    ExpectHas(object, {{"class", "KMBDTicket"}, {"saved", true}, {"name", "FCF \xC3\x98"}, {"showName", true},
                       {"anchorPoint", {1.0, 2.0, 3.0}}, {"option1", 7},
                       {"text2", {{"enabled", true}, {"text", "joined"}}},
                       {"text5", {{"enabled", false}, {"text", "kept"}}},
                       {"witnessSegments", json::array({{{"start", {0.0, 0.0, 0.0}}, {"end", {1.0, 1.0, 1.0}}}})}});
    EXPECT_EQ(object["text1"]["enabled"], false);
    EXPECT_FALSE(object.contains("dimensionText1"));
    EXPECT_FALSE(object.contains("datumTargetText"));
    EXPECT_TRUE(object["mainBalloon"].is_null());
    ExpectHas(object["targets"].at(0), {{"targetPoint", {4.0, 5.0, 6.0}}, {"groupId", 5}, {"entityId", 12},
                                        {"targetId4", -1}, {"targetOption", false}});
    const json& frame = object["subFrames"].at(0);
    EXPECT_EQ(frame["symbolText"], "\xEF\xBF\x89");  // U+FFC9 as itself
    ExpectHas(frame["controls"].at(0), {{"toleranceText", "\xEF\xBF\x9C 0.05 \xEF\xBF\xAD"},
                                        {"datumRef1Text", ""}, {"datumRef2Text", "B\xEF\xBF\xAC"}});
}

TEST_F(SceneJson, KindsAddTheirOwnAttributes) {
    auto target = boost::make_shared<KMBDDatumTarget>();
    target->datumTargetText = u"AREA"_w;
    auto dimension = boost::make_shared<KMBD2PtDimension>();
    dimension->dimensionText1 = {true, u"D1"_w};
    dimension->dimensionText2 = u"50.8000"_w;
    dimension->dimensionText3 = u"2.5000"_w;
    dimension->dimensionNumber1 = -3;
    dimension->dimensionNumber2 = 42;
    auto balloon = boost::make_shared<KMBDBalloon>();
    balloon->text = u"7"_w;
    dimension->SetMainBalloon(balloon);
    dimension->SetSubBalloon(0, balloon);
    KD::GetScene()->AddObject(target);
    KD::GetScene()->AddObject(dimension);
    const json objects = Written()["objects"];
    ExpectHas(objects[0], {{"class", "KMBDDatumTarget"}, {"datumTargetText", "AREA"}});
    ExpectHas(objects[1], {{"class", "KMBD2PtDimension"},
                           {"dimensionText1", {{"enabled", true}, {"text", "D1"}}},
                           {"dimensionText2", "50.8000"}, {"dimensionText3", "2.5000"},
                           {"dimensionNumber1", -3}, {"dimensionNumber2", 42},
                           {"mainBalloon", {{"text", "7"}}},
                           {"subBalloons", json::array({{{"text", "7"}, {"row", 0}}})}});
}

TEST_F(SceneJson, ObjectsKeepSceneOrderAndSavedState) {
    KScene& scene = *KD::GetScene();
    scene.AddUnsavableObject(boost::make_shared<KMBDNote>());
    scene.AddObject(boost::make_shared<KMBDAngleDimension>());
    auto marker = boost::make_shared<Marker>();
    marker->SetName(u"m"_w);
    marker->visible = 0;
    scene.AddObject(marker);
    scene.AddObject(boost::make_shared<KMBDDatum>());
    const json objects = Written()["objects"];
    ASSERT_EQ(objects.size(), 4u);
    const char* classes[] = {"KMBDNote", "KMBDAngleDimension", "scenejson_test::Marker", "KMBDDatum"};
    const bool saved[] = {false, true, true, true};
    for (std::size_t i = 0; i < objects.size(); ++i) {
        EXPECT_EQ(objects[i]["class"], classes[i]) << i;
        EXPECT_EQ(objects[i]["saved"], saved[i]) << i;
    }
    EXPECT_EQ(objects[2]["name"], "m");
    EXPECT_EQ(objects[2]["visible"], false);
    EXPECT_EQ(objects[3]["visible"], true);
}

TEST_F(SceneJson, SceneRecordsUndoPointsAndRepaints) {
    KD::SetUndoPoint("Import MBD");
    KD::SetUndoPoint("Import Named View");
    repaint_graphics();
    repaint_graphics();
    const json scene = Written();
    EXPECT_EQ(scene["undoPoints"], json::array({"Import MBD", "Import Named View"}));
    EXPECT_EQ(scene["repaints"], 2);
    EXPECT_EQ(scene["objects"], json::array());
    EXPECT_TRUE(scene["groups"].is_array());
}

// The stream is written without a document, yet it is the very text the
// document dumps: layout, number forms and escapes alike.
TEST_F(SceneJson, StreamIsTheTextOfItsDocument) {
    KScene& scene = *KD::GetScene();
    auto ticket = FilledTicket();
    ticket->SetName(u"quote \" backslash \\ line\n bell\u0007 \u00d8"_w);
    ticket->SetAnchorPoint({0.1, 1e300, -0.0});
    ticket->SetMainBalloon(boost::make_shared<KMBDBalloon>());
    scene.AddObject(ticket);
    auto view = boost::make_shared<KCapturedView>();
    view->SetView({{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 100000.0, 1e-7, 123456789.125, 1}, 2.5, -1, 0});
    view->SetVisibilitySet({{true, ticket}, {false, boost::make_shared<KMBDDatum>()}});
    view->SetLevels({{1, 2}, {2}, 2});
    scene.AddObject(view);
    scene.AddObject(boost::make_shared<KCloud>());
    std::vector<boost::shared_ptr<KObjectTreeNode>> nodes;
    KD::GetTreeMgr()->GetNodesForObject(nodes, ticket);
    KD::GetTreeMgr()->GroupNodes({nodes.begin(), nodes.end()}, {});
    KD::SetUndoPoint("Import MBD");
    EXPECT_EQ(scenejson::SceneJsonText(), scenejson::SceneJson().dump(2));
    EXPECT_EQ(Written()["groups"].at(0)["members"].at(0)["object"], 0);
}

}  // namespace
}  // namespace scenejson_test
