// Named views and groups as the scene JSON shows them.
#include <gtest/gtest.h>

#include "host/kscene/KMBD.h"
#include "standins/kscene/SceneJson.h"
#include "standins/mastercam/HostStandIn.h"
#include "tests/sdk/view/ViewFixture.h"
#include "tests/support/WideText.h"

namespace view_tests {
namespace {

using scenejson::Json;

class SceneJsonViews : public ViewTest {};

TEST_F(SceneJsonViews, ViewsShowOrientationObjectsByNameAndLevels) {
    KSDKCreateNamedView();  // empty: nothing but its name
    const auto datum = Add<KMBDDatum>();
    datum->SetName(u"A"_w);
    const auto note = Add<KMBDNote>();
    note->SetName(u"N\u00e9"_w);
    standin::host::SetLevels({{1, 2}, {2}, 2});
    const KSDKHandle view = KSDKCreateNamedView();
    const KSDKHandle shown[] = {datum.get()};
    const KSDKHandle hidden[] = {note.get()};
    const KSDKNamedViewData data = {"Front", 1, 0.0, 0.0, 2.0, {1, 0, 0, 0, 1, 0, 0, 0, 1}, shown, 1, hidden, 1};
    KSDKSetNamedViewData(view, &data);
    KSDKNamedViewRecordLevelState(view);

    const Json objects = scenejson::SceneJson()["objects"];
    EXPECT_EQ(objects[0], Json::parse(R"({"class": "KCapturedView", "name": "", "hasView": 0, "view": null,
                                          "visibility": null, "levels": null, "saved": true})"));
    const Json& json = objects.at(3);
    EXPECT_EQ(json["name"], "Front");
    EXPECT_EQ(json["view"], Json::parse(R"({"matrix": [1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1],
                                            "params": [0, 0, 2]})"));
    EXPECT_EQ(json["visibility"], Json::parse("{\"shown\": [\"A\"], \"hidden\": [\"N\xc3\xa9\"]}"));
    EXPECT_EQ(json["levels"], Json::parse(R"({"active": [1, 2], "visible": [2], "main": 2})"));
}

TEST_F(SceneJsonViews, GroupsListMembersAndParentsByIndex) {
    // A node takes its object's name when the scene takes the object.
    const auto datum = boost::make_shared<KMBDDatum>();
    datum->SetName(u"A"_w);
    const auto note = boost::make_shared<KMBDNote>();
    note->SetName(u"N"_w);
    standin::kscene::Scene().AddObject(datum);
    standin::kscene::Scene().AddObject(note);
    const KSDKHandle first[] = {note.get()};
    const KSDKHandle inner = KSDKCreateGroup(first, 1, "inner");
    const KSDKHandle second[] = {datum.get(), inner};
    KSDKCreateGroup(second, 2, "outer");

    const Json groups = scenejson::SceneJson()["groups"];
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[1], Json::parse(R"({"name": "inner", "parent": 0,
                                         "members": [{"name": "N", "object": 1}]})"));
    EXPECT_EQ(groups[0]["name"], "outer");
    EXPECT_TRUE(groups[0]["parent"].is_null());
    Json members = groups[0]["members"];
    std::sort(members.begin(), members.end());
    EXPECT_EQ(members, Json::parse(R"([{"name": "A", "object": 0}, {"name": "inner", "group": 1}])"));
}

}  // namespace
}  // namespace view_tests
