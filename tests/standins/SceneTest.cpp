// The scene-library stand-in: the scene, the class tree with its run-time
// type tests, symbol conversion, balloon rows and the object tree.
#include <algorithm>
#include <iterator>
#include <list>
#include <typeinfo>
#include <vector>

#include <boost/make_shared.hpp>
#include <gtest/gtest.h>

#include "host/kscene/KCapturedView.h"
#include "host/kscene/KCloud.h"
#include "host/kscene/KMBD.h"
#include "host/kscene/KObjectTree.h"
#include "host/kscene/KScene.h"
#include "standins/kscene/Access.h"
#include "standins/kscene/KSceneStandIn.h"
#include "tests/support/StandIns.h"
#include "tests/support/WideText.h"

namespace {

using standin::kscene::Access;

class Scene : public testing_support::FreshHost {};

using Objects = std::vector<boost::shared_ptr<KObject>>;

// The type test lists, after what the list held, the objects that are a Kind
// in the scene's order: `perRound` of each round of `held`.
template <class Kind>
void ExpectListed(const KScene& scene, const Objects& held, std::size_t perRound) {
    std::list<boost::shared_ptr<KObject>> listed{boost::shared_ptr<KObject>()};
    EXPECT_TRUE(scene.GetAllObjectsOfType(listed, is_kind_of<Kind>())) << typeid(Kind).name();
    Objects expected{boost::shared_ptr<KObject>()};
    std::copy_if(held.begin(), held.end(), std::back_inserter(expected),
                 [](const auto& object) { return dynamic_cast<const Kind*>(object.get()) != nullptr; });
    EXPECT_EQ(expected.size(), 1 + 2 * perRound) << typeid(Kind).name();
    EXPECT_EQ(Objects(listed.begin(), listed.end()), expected) << typeid(Kind).name();
}

TEST_F(Scene, HoldsSavedAndUnsavableObjectsOnce) {
    KScene& scene = *KD::GetScene();
    auto saved = boost::make_shared<KMBDDatum>();
    auto temporary = boost::make_shared<KMBDTicket>();
    scene.AddObject(saved);
    scene.AddUnsavableObject(temporary);
    scene.AddObject(saved);  // already held
    const auto& entries = standin::kscene::Entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_TRUE(entries[0].saved);
    EXPECT_FALSE(entries[1].saved);
    EXPECT_EQ(scene.GetObjectPtr(temporary.get()), temporary);
    EXPECT_FALSE(scene.GetObjectPtr(&scene));
    scene.ObjectModified(saved);
    scene.ObjectModified(saved);
    EXPECT_EQ(standin::kscene::Notices(saved.get()), 2);
}

TEST_F(Scene, ClearingTheDatabaseEmptiesSceneAndTreeAndModulesAreRecorded) {
    KD::GetScene()->AddObject(boost::make_shared<KMBDNote>());
    standin::kscene::SetClearResult(false);
    EXPECT_FALSE(KD::ClearOrvantaDB());
    EXPECT_TRUE(standin::kscene::Entries().empty());
    EXPECT_TRUE(Access::Children(*Access::Root(*KD::GetTreeMgr())).empty());
    EXPECT_EQ(standin::kscene::ClearCount(), 1);
    KD::LoadDLL("Draftlift.dll");
    EXPECT_EQ(standin::kscene::LoadedDlls(), std::vector<std::string>{"Draftlift.dll"});
}

// Which objects each type test lists, in the scene's order, each class met
// twice.
TEST_F(Scene, TypeTestsFollowTheClassTree) {
    KScene& scene = *KD::GetScene();
    Objects held;
    for (int round = 0; round < 2; ++round) {
        for (const boost::shared_ptr<KObject>& object : Objects{
                 boost::make_shared<KMBDTicket>(), boost::make_shared<KMBDDatum>(),
                 boost::make_shared<KMBDDatumTarget>(), boost::make_shared<KMBD2PtDimension>(),
                 boost::make_shared<KMBDAngleDimension>(), boost::make_shared<KMBDNote>(),
                 boost::make_shared<KMBDRadiusDimension>(), boost::make_shared<KMBDDiameterDimension>(),
                 boost::make_shared<KMBDTarget>(), boost::make_shared<KObject>(), boost::make_shared<KSceneObject>(),
                 boost::make_shared<KTextObject>(), boost::make_shared<KMBDBase>(), boost::make_shared<KMBDDimension>(),
                 boost::make_shared<KDataObject>(), boost::make_shared<KCapturedView>(), boost::make_shared<KCloud>(),
                 boost::make_shared<KMesh>()}) {
            scene.AddObject(object);
            held.push_back(object);
        }
    }
    // Per round: 18 classes, of which 14 draw, 10 are annotations, 5 dimensions.
    ExpectListed<KObject>(scene, held, 18);
    ExpectListed<KSceneObject>(scene, held, 14);
    ExpectListed<KMBDBase>(scene, held, 10);
    ExpectListed<KMBDDatum>(scene, held, 2);
    ExpectListed<KMBDDimension>(scene, held, 5);
    ExpectListed<KCloud>(scene, held, 2);
    ExpectListed<KCapturedView>(scene, held, 1);
}

TEST(Symbols, EachSymbolGetsItsOwnDisplayCharacterAndPlainTextPasses) {
    std::string all;
    for (int s = 0; s < KMBDBase::SymbolCount; ++s) {
        all.push_back(KMBDBase::GetNonUnicodeSymbol(static_cast<KMBDBase::MBDSymbol>(s)));
    }
    const WString display = KTextObject::ConvertMBDsymbolText(all);
    ASSERT_EQ(display.size(), all.size());
    for (std::size_t i = 0; i < display.size(); ++i) {
        EXPECT_NE(display[i], static_cast<WCHAR>(static_cast<unsigned char>(all[i])));
        for (std::size_t j = 0; j < i; ++j) EXPECT_NE(display[i], display[j]);
    }
    EXPECT_EQ(KMBDBase::GetNonUnicodeSymbol(KMBDBase::SymbolCount), ' ');
    EXPECT_EQ(KMBDBase::GetNonUnicodeSymbol(static_cast<KMBDBase::MBDSymbol>(-1)), ' ');
    EXPECT_EQ(KTextObject::ConvertMBDsymbolText("A-B 0.05"), u"A-B 0.05"_w);
    EXPECT_EQ(KTextObject::ConvertMBDsymbolText("\xE9"), u"\u00E9"_w);
}

TEST(Annotations, BalloonRowsPerKind) {
    KMBDTicket frame;
    frame.AddSubFrame()->AddControl();
    auto second = frame.AddSubFrame();
    second->AddControl();
    second->AddControl();
    KMBDNote note;
    EXPECT_EQ(frame.GetNumberOfPossibleBalloons(), 3u);
    EXPECT_EQ(KMBD2PtDimension().GetNumberOfPossibleBalloons(), 1u);
    EXPECT_EQ(note.GetNumberOfPossibleBalloons(), 0u);

    auto balloon = boost::make_shared<KMBDBalloon>();
    frame.SetSubBalloon(2, balloon);
    frame.SetSubBalloon(3, boost::make_shared<KMBDBalloon>());  // past the last row
    EXPECT_TRUE(frame.IsBalloonRowVisible(2));
    EXPECT_FALSE(frame.IsBalloonRowVisible(1));
    EXPECT_FALSE(frame.IsBalloonRowVisible(3));
    EXPECT_EQ(frame.GetSubBalloon(2), balloon);
    frame.ClearSubBalloon(2);
    EXPECT_FALSE(frame.IsBalloonRowVisible(2));
    note.SetSubBalloon(0, balloon);
    EXPECT_FALSE(note.IsBalloonRowVisible(0));
}

TEST(Annotations, CopiesKeepTheirKindAndData) {
    KMBDDatumTarget target;
    target.datumTargetText = u"A1"_w;
    target.AddTarget(boost::make_shared<KMBDTarget>());
    const boost::shared_ptr<KMBDBase> copy = target.CreateCopy();
    const auto* typed = dynamic_cast<const KMBDDatumTarget*>(copy.get());
    ASSERT_NE(typed, nullptr);
    EXPECT_EQ(typed->datumTargetText, u"A1"_w);
    EXPECT_EQ(Access::Targets(*typed).size(), 1u);
}

// Every object taken gets a tree node; groups move their members and nest.
TEST_F(Scene, TreeNodesForObjectsAndNestedGroups) {
    KObjectTreeManager& tree = *KD::GetTreeMgr();
    auto a = boost::make_shared<KMBDDatum>();
    a->SetName(u"A"_w);
    auto b = boost::make_shared<KMBDNote>();
    KD::GetScene()->AddObject(a);
    KD::GetScene()->AddObject(b);
    std::vector<boost::shared_ptr<KObjectTreeNode>> nodes;
    tree.GetNodesForObject(nodes, a);
    ASSERT_EQ(nodes.size(), 1u);
    EXPECT_EQ(Access::Name(*nodes[0]), u"A"_w);
    EXPECT_EQ(tree.GetObjectTreeNodePtr(nodes[0].get()), nodes[0]);
    tree.GetNodesForObject(nodes, b);
    auto inner = tree.GroupNodes({nodes.begin(), nodes.end()}, {});
    auto outer = tree.GroupNodes({inner}, {});
    const auto& top = Access::Children(*Access::Root(tree));
    ASSERT_EQ(top.size(), 1u);
    EXPECT_EQ(top[0], outer);
    EXPECT_EQ(Access::Parent(*inner), outer.get());
    EXPECT_EQ(Access::Children(*inner).size(), 2u);
    // A group cannot take in its own ancestor.
    EXPECT_TRUE(Access::Children(*tree.GroupNodes({outer}, inner)).empty());
}

}  // namespace
