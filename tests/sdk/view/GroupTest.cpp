// Groups of object-tree nodes and their names; saving and restoring the
// host's tab state through the core library.
#include <cstdint>
#include <set>
#include <utility>

#include <gtest/gtest.h>

#include "host/kscene/KMBD.h"
#include "host/kscene/KObjectTree.h"
#include "standins/kscene/Access.h"
#include "standins/orvanta/OrvantaStandIn.h"
#include "tests/sdk/view/ViewFixture.h"
#include "tests/support/WideText.h"

namespace view_tests {
namespace {

using standin::kscene::Access;

class Groups : public ViewTest {
protected:
    static KObjectTreeManager& Tree() { return *KD::GetTreeMgr(); }
    static const KObjectTreeNode* NodeOf(const boost::shared_ptr<KObject>& object, std::size_t i = 0) {
        std::vector<boost::shared_ptr<KObjectTreeNode>> nodes;
        Tree().GetNodesForObject(nodes, object);
        return nodes.at(i).get();
    }
    static KObjectTreeNode& GroupAt(KSDKHandle handle) { return *static_cast<KObjectTreeNode*>(handle); }
    static std::set<const KObjectTreeNode*> MembersOf(KSDKHandle handle) {
        std::set<const KObjectTreeNode*> members;
        for (const auto& child : Access::Children(GroupAt(handle))) members.insert(child.get());
        return members;
    }
};

TEST_F(Groups, NothingToGroupMakesNoGroup) {
    const auto datum = Add<KMBDDatum>();
    int stranger = 0;
    const KSDKHandle handles[] = {&stranger, nullptr, datum.get()};
    for (const std::int32_t count : {0, -3, 2}) EXPECT_EQ(KSDKCreateGroup(handles, count, "G"), nullptr) << count;
    standin::kscene::SetScenePresent(false);
    EXPECT_EQ(KSDKCreateGroup(handles + 2, 1, nullptr), nullptr);
    EXPECT_EQ(Access::Children(*Access::Root(Tree())).size(), 1u) << "only the datum's node";
}

TEST_F(Groups, ObjectsNodesAndGroupsJoinOnce) {
    const auto datum = Add<KMBDDatum>();
    const auto note = Add<KMBDNote>();
    const auto view = standin::kscene::Scene().GetObjectPtr(KSDKCreateNamedView());
    Access::AddNodeForObject(Tree(), note);  // a second node showing the note
    const KSDKHandle handles[] = {datum.get(), const_cast<KObjectTreeNode*>(NodeOf(datum)), note.get(),
                                  datum.get(), view.get()};
    const KSDKHandle inner = KSDKCreateGroup(handles, 5, nullptr);
    ASSERT_NE(inner, nullptr);
    EXPECT_TRUE(Access::IsGroup(GroupAt(inner)));
    EXPECT_EQ(MembersOf(inner), (std::set<const KObjectTreeNode*>{NodeOf(datum), NodeOf(note, 0),
                                                                  NodeOf(note, 1), NodeOf(view)}));
    EXPECT_TRUE(Access::Name(GroupAt(inner)).empty());
    EXPECT_EQ(Access::ModifiedCount(Tree(), &GroupAt(inner)), 0) << "no name, no notice";

    const auto later = Add<KMBDNote>();
    const KSDKHandle second[] = {inner, later.get()};
    const KSDKHandle outer = KSDKCreateGroup(second, 2, "outer");
    EXPECT_EQ(MembersOf(outer), (std::set<const KObjectTreeNode*>{&GroupAt(inner), NodeOf(later)}));
    EXPECT_EQ(Access::Parent(GroupAt(inner)), &GroupAt(outer));
}

TEST_F(Groups, NamesUseTheSymbolTextAndAreAnnounced) {
    const auto datum = Add<KMBDDatum>();
    const KSDKHandle handles[] = {datum.get()};
    // The first symbol's character, which the ANSI code page would read as a euro sign.
    const std::string name = std::string("Flat ") + KMBDBase::GetNonUnicodeSymbol(KMBDBase::Symbol6);
    const KSDKHandle group = KSDKCreateGroup(handles, 1, name.c_str());
    EXPECT_EQ(Access::Name(GroupAt(group)), KTextObject::ConvertMBDsymbolText(name));
    EXPECT_NE(Access::Name(GroupAt(group)), u"Flat \u20ac"_w);
    EXPECT_EQ(Access::ModifiedCount(Tree(), &GroupAt(group)), 1);

    KObjectTreeNode loose;
    for (const KSDKHandle bad : {KSDKHandle{}, KSDKHandle{&loose}, KSDKHandle{datum.get()}}) {
        KSDKSetGroupName(bad, "X");
    }
    KSDKSetGroupName(group, nullptr);
    EXPECT_EQ(Access::Name(GroupAt(group)), KTextObject::ConvertMBDsymbolText(name));
    EXPECT_TRUE(Access::Name(loose).empty());
    KSDKSetGroupName(group, "Renamed");
    KSDKSetGroupName(const_cast<KObjectTreeNode*>(NodeOf(datum)), "Datum A");  // any node
    EXPECT_EQ(Access::Name(GroupAt(group)), u"Renamed"_w);
    EXPECT_EQ(Access::Name(*NodeOf(datum)), u"Datum A"_w);
    EXPECT_EQ(Access::ModifiedCount(Tree(), &GroupAt(group)), 2);
    EXPECT_EQ(Access::ModifiedCount(Tree(), NodeOf(datum)), 1);
}

using TabState = testing_support::FreshHost;

// The core library may write any non-zero byte for a shown flag; only the
// flags saved as 0 have their tabs removed again.
TEST_F(TabState, SaveShowsAllTabsAndRestoreRemovesTheUnsavedOnes) {
    struct Case {
        bool shown1;
        bool shown2;
        std::uint8_t shownByte;
    };
    for (const Case& c : {Case{false, false, 1}, Case{true, false, 1}, Case{false, true, 1}, Case{true, true, 1},
                          Case{true, false, 2}, Case{false, true, 255}, Case{true, true, 128}}) {
        SCOPED_TRACE(testing::Message() << c.shown1 << c.shown2 << " as byte " << int(c.shownByte));
        standin::orvanta::Reset();
        auto& tabs = standin::orvanta::Tabs();
        tabs = {c.shown1, c.shown2, c.shownByte};
        KSDKTabState* state = KSDKGetOrvantaTabStateAndRestoreMcamTabs();
        ASSERT_NE(state, nullptr);
        const auto saved = [&](bool shown) { return shown ? c.shownByte : std::uint8_t{0}; };
        EXPECT_EQ(std::pair(state->tabsFlag1, state->tabsFlag2), std::pair(saved(c.shown1), saved(c.shown2)));
        EXPECT_EQ(tabs.lastRestore, std::pair(true, true));
        EXPECT_EQ(tabs.restoreCalls, 1);
        KSDKRestoreOrvantaTabState(state);
        EXPECT_EQ(tabs.lastRemove, std::pair(!c.shown1, !c.shown2));
        EXPECT_EQ(std::pair(tabs.shown1, tabs.shown2), std::pair(c.shown1, c.shown2));
    }
    KSDKRestoreOrvantaTabState(nullptr);
    EXPECT_EQ(standin::orvanta::Tabs().removeCalls, 1);
}

}  // namespace
}  // namespace view_tests
