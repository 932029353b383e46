// Groups of object-tree nodes and their names.
#include <set>

#include <gtest/gtest.h>

#include "host/kscene/KMBD.h"
#include "host/kscene/KObjectTree.h"
#include "tests/sdk/view/ViewFixture.h"

namespace view_tests {
namespace {

using NodePtr = boost::shared_ptr<KObjectTreeNode>;

class Groups : public ViewTest {
protected:
    KObjectTreeManager& Tree() { return *KD::GetTreeMgr(); }

    std::vector<NodePtr> NodesOf(const boost::shared_ptr<KObject>& object) {
        std::vector<NodePtr> nodes;
        Tree().GetNodesForObject(nodes, object);
        return nodes;
    }

    static KObjectTreeNode& GroupAt(KSDKHandle handle) { return *static_cast<KObjectTreeNode*>(handle); }

    static std::set<const KObjectTreeNode*> MembersOf(KSDKHandle handle) {
        std::set<const KObjectTreeNode*> members;
        for (const auto& child : GroupAt(handle).children) members.insert(child.get());
        return members;
    }

    std::size_t TopLevelGroups() {
        std::size_t groups = 0;
        for (const auto& child : Tree().Root()->children) groups += child->isGroup ? 1 : 0;
        return groups;
    }
};

TEST_F(Groups, NothingToGroupMakesNoGroup) {
    const auto datum = Add<KMBDDatum>();
    int stranger = 0;
    const KSDKHandle handles[] = {&stranger, nullptr, HandleOf(datum)};
    struct Case {
        const char* what;
        std::int32_t count;
    };
    for (const Case& c : {Case{"no handles", 0}, Case{"a negative count", -3},
                          Case{"neither object nor node", 2}}) {
        EXPECT_EQ(KSDKCreateGroup(handles, c.count, "G"), nullptr) << c.what;
    }
    EXPECT_EQ(TopLevelGroups(), 0u);
}

TEST_F(Groups, WithoutASceneNoGroupIsMade) {
    const auto datum = Add<KMBDDatum>();
    const KSDKHandle handles[] = {HandleOf(datum)};
    standin::kscene::SetScenePresent(false);
    EXPECT_EQ(KSDKCreateGroup(handles, 1, nullptr), nullptr);
    EXPECT_EQ(TopLevelGroups(), 0u);
}

TEST_F(Groups, ObjectsAndNodesJoinOnce) {
    const auto datum = Add<KMBDDatum>();
    const auto note = Add<KMBDNote>();
    const auto view = boost::static_pointer_cast<KObject>(
        standin::kscene::Scene().GetObjectPtr(KSDKCreateNamedView()));
    const NodePtr datumNode = NodesOf(datum).at(0);
    // A second node showing the note: both join.
    const NodePtr secondNoteNode = Tree().AddNodeForObject(note);
    const KSDKHandle handles[] = {HandleOf(datum), datumNode.get(), HandleOf(note),
                                  HandleOf(datum), HandleOf(view)};

    const KSDKHandle group = KSDKCreateGroup(handles, 5, nullptr);

    ASSERT_NE(group, nullptr);
    EXPECT_TRUE(GroupAt(group).isGroup);
    const auto noteNodes = NodesOf(note);
    ASSERT_EQ(noteNodes.size(), 2u);
    EXPECT_EQ(MembersOf(group), (std::set<const KObjectTreeNode*>{datumNode.get(), noteNodes[0].get(),
                                                                  noteNodes[1].get(),
                                                                  NodesOf(view).at(0).get()}));
    EXPECT_EQ(Tree().GetObjectTreeNodePtr(group).get(), group);
    // Without a name there is neither a name nor a notice.
    EXPECT_TRUE(GroupAt(group).GetName().empty());
    EXPECT_EQ(Tree().ModifiedCount(&GroupAt(group)), 0);
}

TEST_F(Groups, GroupsNestInNewGroups) {
    const auto datum = Add<KMBDDatum>();
    const auto note = Add<KMBDNote>();
    const KSDKHandle first[] = {HandleOf(datum)};
    const KSDKHandle inner = KSDKCreateGroup(first, 1, "inner");
    const KSDKHandle second[] = {inner, HandleOf(note)};
    const KSDKHandle outer = KSDKCreateGroup(second, 2, "outer");
    ASSERT_NE(outer, nullptr);
    EXPECT_EQ(MembersOf(outer),
              (std::set<const KObjectTreeNode*>{&GroupAt(inner), NodesOf(note).at(0).get()}));
    EXPECT_EQ(GroupAt(inner).parent, &GroupAt(outer));
    EXPECT_EQ(MembersOf(inner), (std::set<const KObjectTreeNode*>{NodesOf(datum).at(0).get()}));
}

TEST_F(Groups, NamesPassThroughTheSymbolTextAndAreAnnounced) {
    const auto datum = Add<KMBDDatum>();
    const KSDKHandle handles[] = {HandleOf(datum)};
    // The symbol character of the first symbol, not the ANSI euro sign.
    const std::string symbolName = std::string("Flat ") + KMBDBase::GetNonUnicodeSymbol(KMBDBase::Symbol6);
    const KSDKHandle group = KSDKCreateGroup(handles, 1, symbolName.c_str());
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(GroupAt(group).GetName(), KTextObject::ConvertMBDsymbolText(symbolName));
    EXPECT_NE(GroupAt(group).GetName(), u"Flat \u20ac");
    EXPECT_EQ(Tree().ModifiedCount(&GroupAt(group)), 1);

    KSDKSetGroupName(group, "Renamed");
    EXPECT_EQ(GroupAt(group).GetName(), u"Renamed");
    EXPECT_EQ(Tree().ModifiedCount(&GroupAt(group)), 2);
}

TEST_F(Groups, RenamingNeedsANodeOfTheTreeAndAName) {
    const auto datum = Add<KMBDDatum>();
    const KSDKHandle handles[] = {HandleOf(datum)};
    const KSDKHandle group = KSDKCreateGroup(handles, 1, "G");
    KObjectTreeNode loose;
    KSDKSetGroupName(nullptr, "X");
    KSDKSetGroupName(group, nullptr);
    KSDKSetGroupName(&loose, "X");
    KSDKSetGroupName(HandleOf(datum), "X");  // an object, not a node
    EXPECT_EQ(GroupAt(group).GetName(), u"G");
    EXPECT_TRUE(loose.GetName().empty());
    EXPECT_EQ(Tree().ModifiedCount(&GroupAt(group)), 1);
    EXPECT_EQ(Tree().ModifiedCount(&loose), 0);
}

TEST_F(Groups, ANodeCanBeRenamedLikeAGroup) {
    const auto datum = Add<KMBDDatum>();
    const NodePtr node = NodesOf(datum).at(0);
    KSDKSetGroupName(node.get(), "Datum A");
    EXPECT_EQ(node->GetName(), u"Datum A");
    EXPECT_EQ(Tree().ModifiedCount(node.get()), 1);
}

}  // namespace
}  // namespace view_tests
