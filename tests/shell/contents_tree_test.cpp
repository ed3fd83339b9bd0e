// The contents tree: reading and writing its stream, the default tree, damaged streams and
// the order editor's operations.
#include "shell/contents_tree.h"

#include <gtest/gtest.h>

#include "document/page_object.h"
#include "shell/messages.h"
#include "tests/shell/shell_test_support.h"
#include "tests/support/temporary_folder.h"

namespace zeb {
namespace {

using testing::dump;

class ContentsTreeTest : public testing::ShellBook {
 protected:
  ContentsTree& load(std::string_view stream) {
    setPageStream(stream);
    tree.setLinkedZEBset(&set);
    tree.LoadContents();
    return tree;
  }
  // The node at a path of rows from the top.
  ContentsNode* at(std::initializer_list<std::size_t> rows) {
    ContentsNode* node = nullptr;
    for (std::size_t row : rows) node = node == nullptr ? tree.topLevel(row) : node->child(row);
    return node;
  }
  ContentsTree tree;
};

TEST_F(ContentsTreeTest, WithoutAStreamTheRootAndEveryLivePageAreShownAndWrittenBack) {
  testing::TemporaryFolder folder;
  const auto path = folder.write("guide.zeb", testing::bookBytes([](TZEBset& book) {
                                   zebmake::addPage(book, "Cover", "<Z S0 >a");
                                   TZEBtesto& gone = zebmake::addPage(book, "Gone", "<Z S0 >b");
                                   zebmake::addPage(book, "End", "<Z S0 >c");
                                   gone.Release();
                                 }));
  ASSERT_TRUE(set.Load(path.string()));
  tree.setLinkedZEBset(&set);
  tree.LoadContents();
  EXPECT_EQ(dump(tree), "root guide.zeb\n  object Cover\n  object End\n");
  EXPECT_EQ(pageStream(), "a0,-2,guide.zeb\r\na1,0,x\r\na1,2,x\r\n");
  EXPECT_TRUE(platform.messages.shown().empty());
}

TEST_F(ContentsTreeTest, FiveLinesGiveTwoChaptersWithTitlesFromThePages) {
  addPages(8);
  const std::string stream = "a0,-2,book\r\na1,-3,Part one\r\na2,5,x\r\na1,-3,Part two\r\na2,7,x\r\n";
  load(stream);
  EXPECT_EQ(dump(tree), "root book\n  chapter Part one\n    object Page 5\n  chapter Part two\n    object Page 7\n");
  EXPECT_EQ(tree.WriteContents(), stream);
  EXPECT_EQ(tree.ListObjects(),
            (std::vector<TZEBoggetto*>{set.slot(TOggettiHel::testoHtml, 5), set.slot(TOggettiHel::testoHtml, 7)}));
  EXPECT_EQ(tree.iconOf(*at({0})), ItemIcon::ofFileType(".zeb"));
  EXPECT_EQ(tree.iconOf(*at({0, 0})), ItemIcon::ofFileType(".hlp"));
  EXPECT_EQ(tree.iconOf(*at({0, 0, 0})), ItemIcon::ofFileType(".txt"));
  // A renamed page shows its new title at once.
  set.slot(TOggettiHel::testoHtml, 5)->setName("Renamed");
  EXPECT_EQ(at({0, 0, 0})->title(), "Renamed");
}

TEST_F(ContentsTreeTest, ALineTooDeepForItsPlaceAddsNothing) {
  addPages(7);
  load("a0,-2,b\r\na1,-3,c\r\na3,5,x\r\na2,6,x\r\na10,-3,far\r\n");
  EXPECT_EQ(dump(tree), "root b\n  chapter c\n    object Page 6\n");
  EXPECT_EQ(platform.messages.shown(), errors(messages::errorLoadingNodes));  // once per load
}

TEST_F(ContentsTreeTest, LinesNamingNoLivePageGiveNodesWithoutData) {
  addPages(3);
  set.slot(TOggettiHel::testoHtml, 2)->Release();
  // page 9 is missing, page 2 released, 0x04000000 is a keyword's identifier
  load("a0,-2,b\r\na1,9,x\r\na1,2,Old\r\na1,67108864,y\r\na1,-1,free, text\r\n");
  EXPECT_EQ(dump(tree), "root b\n  none x\n  none Old\n  none y\n  none free, text\n");
  EXPECT_EQ(tree.WriteContents(), "a0,-2,b\r\na1,-1,x\r\na1,-1,Old\r\na1,-1,y\r\na1,-1,free, text\r\n");
  EXPECT_TRUE(tree.ListObjects().empty());
  // Lines of the tree's kind keep its icon; other kinds and -1 have none.
  EXPECT_EQ(tree.iconOf(*at({0, 0})), ItemIcon::ofFileType(".txt"));
  EXPECT_EQ(tree.iconOf(*at({0, 1})), ItemIcon::ofFileType(".txt"));
  EXPECT_EQ(tree.iconOf(*at({0, 2})), ItemIcon());
  EXPECT_EQ(tree.iconOf(*at({0, 3})), ItemIcon());
}

TEST_F(ContentsTreeTest, AReadTreeIsWrittenBackByteForByte) {
  addPages(3);
  // Commas in texts, a chapter hidden under a page, a climb of three levels, a second top node.
  const std::string stream =
      "a0,-2,My book, second edition\r\na1,-3,One\r\na2,0,x\r\na3,-3,Deep, with commas\r\na4,1,x\r\n"
      "a1,-3,Two\r\na2,2,x\r\na0,-3,After\r\na1,-1,loose\r\n";
  load(stream);
  EXPECT_EQ(tree.WriteContents(), stream);
  EXPECT_EQ(tree.nodeCount(), 9u);
  EXPECT_EQ(at({0, 0, 0, 0})->title(), "Deep, with commas");
  EXPECT_EQ(tree.ListObjects().size(), 3u);
  // Object nodes always store "x".
  load("a0,1,Whatever\r\n");
  EXPECT_EQ(tree.WriteContents(), "a0,1,x\r\n");
}

TEST_F(ContentsTreeTest, UndecodableLinesAreReportedOnceAndAddNothing) {
  addPages(3);
  load(std::string("a0,-2,b\n\nb1,2,3\ra1,1,x\r\nA1,1,x\r\na1,0,x") + '\0' + "a1,2,x\r\n");
  EXPECT_EQ(dump(tree), "root b\n  object Page 1\n  object Page 0\n");
  EXPECT_EQ(platform.messages.shown(), errors(messages::errorDecodingNodes));
}

TEST_F(ContentsTreeTest, NumbersThatAreNotNumbersReadAsOneAndNegativeLevelsAsTopLevel) {
  addPages(3);
  load("a0,-2,b\r\na1\r\naX,2,x\r\na1,zz,t\r\na-5,0,x\r\na99999999999,-3,c\r\n");
  EXPECT_EQ(dump(tree), "root b\n  object Page 1\n  object Page 2\n  object Page 1\nobject Page 0\n  chapter c\n");
  EXPECT_TRUE(platform.messages.shown().empty());
}

TEST_F(ContentsTreeTest, DamagedStreamsStayWithinTheLimits) {
  std::string deep;
  for (int level = 0; level <= limits::maxContentsLevel + 50; ++level)
    deep += "a" + std::to_string(level) + ",-3,c\r\n";
  load(deep);
  EXPECT_EQ(tree.nodeCount(), static_cast<std::size_t>(limits::maxContentsLevel + 1));
  EXPECT_EQ(platform.messages.shown(), errors(messages::errorLoadingNodes));

  platform.messages.clear();
  std::string many = "a0,-2,b\r\n";
  for (int i = 0; i < 1'000'000; ++i) many += "a1,-3,c\r\n";
  load(many);
  EXPECT_EQ(tree.nodeCount(), limits::maxContentsNodes);
  EXPECT_EQ(platform.messages.shown(), errors(messages::errorLoadingNodes));
  tree.clear();
  EXPECT_EQ(tree.nodeCount(), 0u);
}

TEST_F(ContentsTreeTest, AHolderOfAnotherKindIsNeverOverwritten) {
  addPages(2);
  set.header().setI32(header::pagesTreeHolder, 1);  // names page 1
  tree.setLinkedZEBset(&set);
  tree.LoadContents();
  EXPECT_EQ(static_cast<TZEBtesto*>(set.slot(TOggettiHel::testoHtml, 1))->textView(),
            std::string_view("<Z S0 >text\0", 12));
  EXPECT_EQ(kindOfId(static_cast<std::uint32_t>(set.header().i32(header::pagesTreeHolder))),
            kindNumber(TOggettiHel::shortObj));
  EXPECT_EQ(pageStream(), "a0,-2,\r\na1,0,x\r\na1,1,x\r\n");
}

TEST_F(ContentsTreeTest, SavedTreesLoadAgainAndDiscardedOnesComeBackAsTheDefault) {
  addPages(2);
  load("a0,-2,b\r\na1,1,x\r\n");
  tree.setEditable(true);
  ASSERT_NE(tree.AddChapter("New", false, at({0})), nullptr);
  tree.SaveContents();
  EXPECT_EQ(pageStream(), "a0,-2,b\r\na1,1,x\r\na1,-3,New\r\n");
  tree.DiscardContents();
  tree.LoadContents();
  EXPECT_EQ(dump(tree), "root \n  object Page 0\n  object Page 1\n");
}

TEST_F(ContentsTreeTest, PrototypeTreesAndKindsWithoutOrder) {
  zebmake::addObject(set, TOggettiHel::custom).setName("Card");
  const std::string stream = "a0,-2,b\r\na1,201326592,x\r\n";  // 0x0C000000: prototype 0
  set.contentsHolderForPrototypes().setPrimaryData(
      {reinterpret_cast<const std::uint8_t*>(stream.data()), stream.size()});
  ContentsTree prototypes(TOggettiHel::custom);
  prototypes.setLinkedZEBset(&set);
  prototypes.LoadContents();
  EXPECT_EQ(dump(prototypes), "root b\n  object Card\n");
  EXPECT_EQ(prototypes.iconOf(*prototypes.topLevel(0)->child(0)), ItemIcon::ofFileType(".ini"));

  ContentsTree keywords(TOggettiHel::keyword);
  keywords.setLinkedZEBset(&set);
  keywords.LoadContents();
  EXPECT_TRUE(keywords.empty());
  EXPECT_EQ(keywords.WriteContents(), "");
}

class ContentsEditing : public ContentsTreeTest {
 protected:
  void SetUp() override {
    addPages(4);
    load("a0,-2,b\r\na1,-3,A\r\na2,0,x\r\na2,1,x\r\na1,2,x\r\na1,-1,loose\r\n");
    tree.setEditable(true);
  }
};

TEST_F(ContentsEditing, ChaptersAndObjectNodesGoNextToTheirReference) {
  ContentsNode* chapter = at({0, 0});
  tree.setEditable(false);
  EXPECT_EQ(tree.AddChapter("No", false, chapter), nullptr);
  tree.setEditable(true);
  // An object node's reference is its parent; a chapter is added as its last child.
  EXPECT_EQ(tree.AddChapter("New\r\nline", false, at({0, 0, 0}))->title(), "New  line");
  EXPECT_NE(tree.AddChapter("Before", true, chapter), nullptr);
  EXPECT_EQ(tree.AddChapter("No", false, at({0, 3})), nullptr);  // a node without data is no reference
  EXPECT_EQ(tree.AddChapter("No", false, nullptr), nullptr);
  EXPECT_NE(tree.AddObjectNode(3, false, at({0})), nullptr);
  EXPECT_EQ(tree.AddObjectNode(9, false, at({0})), nullptr);           // no such page
  EXPECT_EQ(tree.AddObjectNode(0x04000000, false, at({0})), nullptr);  // not a page
  zebmake::addPage(set, "Page 4", "<Z S0 >").Release();
  EXPECT_EQ(tree.AddObjectNode(4, false, at({0})), nullptr);  // released
  EXPECT_EQ(dump(tree),
            "root b\n  chapter Before\n  chapter A\n    object Page 0\n    object Page 1\n    chapter New  line\n"
            "  object Page 2\n  none loose\n  object Page 3\n");
}

TEST_F(ContentsEditing, NodesMoveOnePlaceAmongTheirSiblings) {
  ContentsNode* first = at({0, 0, 0});
  ContentsNode* second = at({0, 0, 1});
  EXPECT_FALSE(tree.MoveUp(first));
  EXPECT_FALSE(tree.MoveDown(second));
  EXPECT_TRUE(tree.MoveUp(second));
  EXPECT_EQ(dump(tree), "root b\n  chapter A\n    object Page 1\n    object Page 0\n  object Page 2\n  none loose\n");
  EXPECT_TRUE(tree.MoveDown(at({0, 0})));
  EXPECT_TRUE(tree.MoveDown(at({0, 1})));
  EXPECT_EQ(dump(tree), "root b\n  object Page 2\n  none loose\n  chapter A\n    object Page 1\n    object Page 0\n");
  EXPECT_FALSE(tree.MoveUp(at({0})));  // the root stays
  tree.setEditable(false);
  EXPECT_FALSE(tree.MoveUp(at({0, 2})));
}

TEST_F(ContentsEditing, DeletingTakesTheSubtreeAndPrototypeTreesAskFirst) {
  EXPECT_FALSE(tree.DeleteNode(at({0})));
  EXPECT_TRUE(tree.DeleteNode(at({0, 0})));
  EXPECT_EQ(dump(tree), "root b\n  object Page 2\n  none loose\n");
  EXPECT_EQ(tree.nodeCount(), 3u);

  zebmake::addObject(set, TOggettiHel::custom).setName("Card");
  ContentsTree prototypes(TOggettiHel::custom);
  prototypes.setLinkedZEBset(&set);
  prototypes.LoadContents();
  prototypes.setEditable(true);
  ContentsNode* card = prototypes.topLevel(0)->child(0);
  const ContentsNode* asked = nullptr;
  EXPECT_FALSE(prototypes.DeleteNode(card));
  EXPECT_FALSE(prototypes.DeleteNode(card, [&](const ContentsNode& node) { return asked = &node, false; }));
  EXPECT_EQ(asked, card);
  EXPECT_TRUE(prototypes.DeleteNode(card, [](const ContentsNode&) { return true; }));
  EXPECT_EQ(dump(prototypes), "root \n");
}

TEST_F(ContentsEditing, DropsFollowTheDragRules) {
  ContentsNode* root = at({0});
  ContentsNode* chapter = at({0, 0});
  ContentsNode* page0 = at({0, 0, 0});
  ContentsNode* page2 = at({0, 1});
  ContentsNode* loose = at({0, 2});
  EXPECT_FALSE(tree.canDrop(nullptr, chapter));
  EXPECT_FALSE(tree.canDrop(root, chapter));
  EXPECT_FALSE(tree.canDrop(chapter, chapter));
  EXPECT_FALSE(tree.canDrop(chapter, page0));  // into its own subtree
  EXPECT_FALSE(tree.canDrop(page2, loose));    // a node without data
  EXPECT_TRUE(tree.drop(page2, chapter));      // first child of a chapter
  EXPECT_TRUE(tree.drop(loose, page0));        // before an object node
  EXPECT_TRUE(tree.drop(page0, root));         // first child of the root
  EXPECT_EQ(dump(tree), "root b\n  object Page 0\n  chapter A\n    object Page 2\n    none loose\n    object Page 1\n");
  tree.setEditable(false);
  EXPECT_FALSE(tree.canDrop(page2, root));
}

TEST_F(ContentsEditing, RenamingFollowsTheNodeTypeAndEditable) {
  zebmake::addObject(set, TOggettiHel::custom).setName("Card");
  ContentsTree prototypes(TOggettiHel::custom);
  prototypes.setLinkedZEBset(&set);
  prototypes.LoadContents();
  ContentsNode* card = prototypes.topLevel(0)->child(0);

  tree.setEditable(false);
  EXPECT_TRUE(tree.canRename(at({0})));
  EXPECT_TRUE(tree.canRename(at({0, 2})));
  EXPECT_FALSE(tree.canRename(at({0, 0})));
  EXPECT_FALSE(prototypes.canRename(card));
  tree.setEditable(true);
  prototypes.setEditable(true);
  EXPECT_TRUE(tree.canRename(at({0, 0})));
  EXPECT_FALSE(tree.canRename(at({0, 1})));  // pages never
  EXPECT_TRUE(prototypes.canRename(card));

  EXPECT_FALSE(tree.rename(at({0, 0}), "Chapter\rone"));
  EXPECT_EQ(at({0, 0})->title(), "Chapter one");
  EXPECT_FALSE(tree.rename(at({0, 1}), "Nope"));
  EXPECT_TRUE(prototypes.rename(card, "Postcard"));
  EXPECT_EQ(set.slot(TOggettiHel::custom, 0)->Name(), "Postcard");
  EXPECT_EQ(ContentsTree::chapterTitleOf(at({0, 0})), "Chapter one");
  EXPECT_EQ(ContentsTree::chapterTitleOf(at({0, 1})), "");
  EXPECT_EQ(ContentsTree::objectOf(at({0, 1})), set.slot(TOggettiHel::testoHtml, 2));
}

}  // namespace
}  // namespace zeb
