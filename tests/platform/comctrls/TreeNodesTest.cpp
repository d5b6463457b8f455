// The tree's model: adding in every attach mode, depth-first indexing,
// walking, deleting, moving and sorting.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "ComCtrlsTestSupport.h"

namespace comctltest {
namespace {

class NodesTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    tree = Make<TTreeView>(10, 10);
    nodes = tree->Items();
  }
  // Every node depth-first as "text/level", through Item(i).
  std::string Outline() const {
    std::string out;
    for (int i = 0; i < nodes->Count(); ++i) {
      TTreeNode* n = nodes->Item(i);
      out += U8(n->Text()) + "/" + std::to_string(n->Level()) + " ";
    }
    return out;
  }
  // Builds a > (a1, a2 > (a21)), b, c > (c1).
  void BuildSample() {
    a = nodes->Add(nullptr, u"a");
    b = nodes->Add(a, u"b");
    c = nodes->Add(a, u"c");
    a1 = nodes->AddChild(a, u"a1");
    a2 = nodes->AddChild(a, u"a2");
    a21 = nodes->AddChild(a2, u"a21");
    c1 = nodes->AddChild(c, u"c1");
  }
  TTreeView* tree = nullptr;
  TTreeNodes* nodes = nullptr;
  TTreeNode *a = nullptr, *b = nullptr, *c = nullptr, *a1 = nullptr, *a2 = nullptr, *a21 = nullptr, *c1 = nullptr;
};

TEST_F(NodesTest, AttachModesPlaceNodes) {
  TTreeNode* m = nodes->Add(nullptr, u"m");
  nodes->AddFirst(m, u"first");         // before every sibling of m
  nodes->Add(m, u"last");               // after them
  nodes->Insert(m, u"before-m");        // right before m
  nodes->AddChild(m, u"m2");
  nodes->AddChildFirst(m, u"m1");
  nodes->AddChildObject(m, u"m3", reinterpret_cast<void*>(0xA5F016ED));
  nodes->Insert(nullptr, u"end");       // no sibling: last root
  EXPECT_EQ(Outline(), "first/0 before-m/0 m/0 m1/1 m2/1 m3/1 last/0 end/0 ");
  EXPECT_EQ(m->Item(2)->Data(), reinterpret_cast<void*>(0xA5F016ED));
  EXPECT_TRUE(m->HasChildren());
  EXPECT_EQ(m->Count(), 3);
  EXPECT_THROW(m->Item(3), ETreeViewError);
  EXPECT_THROW(nodes->Item(8), ETreeViewError);
}

TEST_F(NodesTest, DepthFirstIndexAndWalks) {
  BuildSample();
  EXPECT_EQ(Outline(), "a/0 a1/1 a2/1 a21/2 b/0 c/0 c1/1 ");
  std::vector<TTreeNode*> forward;
  for (TTreeNode* n = nodes->GetFirstNode(); n != nullptr; n = n->GetNext()) forward.push_back(n);
  ASSERT_EQ(static_cast<int>(forward.size()), nodes->Count());
  for (int i = 0; i < nodes->Count(); ++i) {
    EXPECT_EQ(forward[static_cast<std::size_t>(i)], nodes->Item(i));
    EXPECT_EQ(nodes->Item(i)->AbsoluteIndex(), i);
  }
  std::vector<TTreeNode*> backward;
  for (TTreeNode* n = c1; n != nullptr; n = n->GetPrev()) backward.push_back(n);
  EXPECT_EQ(std::vector<TTreeNode*>(backward.rbegin(), backward.rend()), forward);
  EXPECT_EQ(a2->Index(), 1);
  EXPECT_EQ(a21->Parent(), a2);
  EXPECT_EQ(a->GetFirstChild(), a1);
  EXPECT_EQ(a1->GetNextSibling(), a2);
  EXPECT_EQ(a2->GetNextSibling(), nullptr);
  EXPECT_EQ(b->GetPrevSibling(), a);
  EXPECT_TRUE(a21->HasAsParent(a));
  EXPECT_FALSE(a->HasAsParent(a));
  EXPECT_FALSE(b->HasAsParent(a));
}

TEST_F(NodesTest, DeletingReportsEveryNodeChildrenFirst) {
  BuildSample();
  std::string deleted;
  tree->SetOnDeletion([&](TObject*, TTreeNode* n) { deleted += U8(n->Text()) + " "; });
  a->Delete();
  EXPECT_EQ(deleted, "a1 a21 a2 a ");
  EXPECT_EQ(Outline(), "b/0 c/0 c1/1 ");
  deleted.clear();
  c->DeleteChildren();
  EXPECT_EQ(deleted, "c1 ");
  EXPECT_FALSE(c->HasChildren());
  deleted.clear();
  nodes->Clear();
  EXPECT_EQ(deleted, "c b ");
  EXPECT_EQ(nodes->Count(), 0);
  EXPECT_EQ(nodes->GetFirstNode(), nullptr);
}

TEST_F(NodesTest, MovingKeepsTheBranchAndRefusesItsOwn) {
  BuildSample();
  a2->MoveTo(c, naAddChildFirst);
  EXPECT_EQ(Outline(), "a/0 a1/1 b/0 c/0 a2/1 a21/2 c1/1 ");
  b->MoveTo(nullptr, naAdd);
  EXPECT_EQ(Outline(), "a/0 a1/1 c/0 a2/1 a21/2 c1/1 b/0 ");
  a1->MoveTo(c, naInsert);
  EXPECT_FALSE(a->HasChildren());  // its last child went
  EXPECT_EQ(Outline(), "a/0 a1/0 c/0 a2/1 a21/2 c1/1 b/0 ");
  EXPECT_THROW(c->MoveTo(a21, naAddChild), ETreeViewError);
  EXPECT_THROW(c->MoveTo(c, naAdd), ETreeViewError);
  EXPECT_EQ(Outline(), "a/0 a1/0 c/0 a2/1 a21/2 c1/1 b/0 ");
}

TEST_F(NodesTest, SortsAreStableAndRecurseOnRequest) {
  TTreeNode* r = nodes->Add(nullptr, u"root");
  for (const char16_t* s : {u"delta", u"Bravo", u"alpha", u"charlie", u"bravo"}) nodes->AddChild(r, s);
  TTreeNode* z = nodes->Add(nullptr, u"Zulu");
  nodes->Add(nullptr, u"echo");
  nodes->AddChild(z, u"y");
  nodes->AddChild(z, u"x");
  tree->AlphaSort(false);  // roots only
  EXPECT_EQ(Outline(), "echo/0 root/0 delta/1 Bravo/1 alpha/1 charlie/1 bravo/1 Zulu/0 y/1 x/1 ");
  tree->AlphaSort(true);  // case ignored, equal texts keep their order
  EXPECT_EQ(Outline(), "echo/0 root/0 alpha/1 Bravo/1 bravo/1 charlie/1 delta/1 Zulu/0 x/1 y/1 ");
  // By length, longest first, through the sort procedure and its data.
  tree->CustomSort([](TTreeNode* a, TTreeNode* b, std::intptr_t sign) {
    return static_cast<int>(sign) * (static_cast<int>(a->Text().size()) - static_cast<int>(b->Text().size()));
  }, -1, true);
  EXPECT_EQ(Outline(), "echo/0 root/0 charlie/1 alpha/1 Bravo/1 bravo/1 delta/1 Zulu/0 x/1 y/1 ");
  // OnCompare decides AlphaSort when assigned: reversed text order.
  tree->SetOnCompare([](TObject*, TTreeNode* a, TTreeNode* b, int, int& cmp) { cmp = -AnsiCompareText(a->Text(), b->Text()); });
  r->AlphaSort(false);
  EXPECT_EQ(Outline(), "echo/0 root/0 delta/1 charlie/1 Bravo/1 bravo/1 alpha/1 Zulu/0 x/1 y/1 ");
}

TEST_F(NodesTest, SortTypeKeepsNodesInOrder) {
  tree->SetSortType(stText);
  for (const char16_t* s : {u"m", u"c", u"x", u"a"}) nodes->Add(nullptr, s);
  EXPECT_EQ(Outline(), "a/0 c/0 m/0 x/0 ");
  nodes->Item(0)->SetText(u"z");
  EXPECT_EQ(Outline(), "c/0 m/0 x/0 z/0 ");
}

TEST_F(NodesTest, AssignCopiesTheNodes) {
  BuildSample();
  a2->SetImageIndex(4);
  TTreeView other(nullptr);
  other.Items()->Assign(nodes);
  ASSERT_EQ(other.Items()->Count(), nodes->Count());
  for (int i = 0; i < nodes->Count(); ++i) {
    EXPECT_EQ(other.Items()->Item(i)->Text(), nodes->Item(i)->Text());
    EXPECT_EQ(other.Items()->Item(i)->Level(), nodes->Item(i)->Level());
  }
  EXPECT_EQ(other.Items()->Item(2)->ImageIndex(), 4);
}

// Every node's Index and sibling links agree with its place in its
// parent's list, whatever changed the lists (positions are kept, not
// searched for).
TEST_F(NodesTest, SiblingPositionsFollowEveryChange) {
  BuildSample();
  auto check = [&](const std::string& Where) {
    for (int i = 0; i < nodes->Count(); ++i) {
      TTreeNode* n = nodes->Item(i);
      TTreeNode* p = n->Parent();
      std::vector<TTreeNode*> list;
      if (p != nullptr) {
        for (int k = 0; k < p->Count(); ++k) list.push_back(p->Item(k));
      } else {
        for (TTreeNode* r = nodes->GetFirstNode(); r != nullptr; r = r->GetNextSibling()) list.push_back(r);
      }
      auto at = std::find(list.begin(), list.end(), n) - list.begin();
      ASSERT_LT(static_cast<std::size_t>(at), list.size()) << Where;
      EXPECT_EQ(n->Index(), at) << Where << " " << U8(n->Text());
      EXPECT_EQ(n->GetPrevSibling(), at > 0 ? list[static_cast<std::size_t>(at - 1)] : nullptr) << Where;
      EXPECT_EQ(n->GetNextSibling(), static_cast<std::size_t>(at) + 1 < list.size() ? list[static_cast<std::size_t>(at + 1)] : nullptr)
          << Where;
    }
  };
  const struct {
    std::function<void()> Change;
    const char* What;
  } steps[] = {
      {[&] { nodes->AddFirst(b, u"first"); }, "added first"},
      {[&] { nodes->Insert(b, u"before b"); }, "inserted in the middle"},
      {[&] { nodes->AddChildFirst(a, u"a0"); }, "child first"},
      {[&] { a1->Delete(); }, "deleted in the middle"},
      {[&] { a2->MoveTo(b, naInsert); }, "moved among the roots"},
      {[&] { tree->AlphaSort(true); }, "sorted"},
      {[&] { tree->SetSortType(stText); nodes->AddChild(c, u"b0"); }, "sorted insert"},
      {[&] { c1->SetText(u"a"); }, "renamed into place"},
      {[&] { nodes->Item(0)->Delete(); }, "first deleted"},
  };
  check("built");
  for (const auto& s : steps) {
    s.Change();
    check(s.What);
  }
}

}  // namespace
}  // namespace comctltest
