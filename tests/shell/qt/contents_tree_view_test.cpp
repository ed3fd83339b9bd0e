// TZEBorderedTree under the offscreen platform: the model it shows, editing through the
// control, in-place renaming and the Delete key.
#include "shell/qt/contents_tree_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "tests/shell/shell_test_support.h"

namespace zeb {
namespace {

class ContentsTreeViewTest : public testing::ShellBook {
 protected:
  void SetUp() override {
    addPages(4);
    setPageStream("a0,-2,book\r\na1,-3,Part one\r\na2,0,x\r\na3,-3,hidden\r\na2,1,x\r\na1,-3,Part two\r\na2,2,x\r\n");
    view.setLinkedZEBset(&set);
    view.LoadContents();
    view.resize(300, 400);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
  }
  QModelIndex index(std::initializer_list<int> rows) const {
    QModelIndex at;
    for (int row : rows) at = view.model()->index(row, 0, at);
    return at;
  }
  QString text(std::initializer_list<int> rows) const { return view.model()->data(index(rows)).toString(); }
  void select(std::initializer_list<int> rows) {
    view.selectionModel()->setCurrentIndex(index(rows), QItemSelectionModel::ClearAndSelect);
  }

  TZEBorderedTree view;
};

TEST_F(ContentsTreeViewTest, ShowsTheTreeWithIconsAndKeepsChildrenOfPagesHidden) {
  const QAbstractItemModel& model = *view.model();
  ASSERT_EQ(model.rowCount(), 1);
  EXPECT_EQ(text({0}), "book");
  EXPECT_EQ(model.rowCount(index({0})), 2);
  EXPECT_EQ(text({0, 0, 1}), "Page 1");
  EXPECT_EQ(model.rowCount(index({0, 0, 0})), 0);  // the chapter under page 0 stays hidden
  EXPECT_TRUE(model.flags(index({0, 0, 0})).testFlag(Qt::ItemNeverHasChildren));
  for (const QModelIndex& at : {index({0}), index({0, 0}), index({0, 0, 0})})
    EXPECT_FALSE(model.data(at, Qt::DecorationRole).value<QIcon>().isNull());
  EXPECT_TRUE(view.isExpanded(index({0})));
  EXPECT_EQ(view.ListObjects().size(), 3u);
}

TEST_F(ContentsTreeViewTest, EditingThroughTheControlKeepsTheSelectionOnTheNode) {
  view.setEditable(true);
  select({0, 0, 1});
  view.AddChapter("New chapter", false);
  EXPECT_EQ(view.SelectedChapterTitle(), "New chapter");
  auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  ASSERT_NE(editor, nullptr);
  editor->setText(QString::fromUtf8("Caf\xC3\xA9"));
  QTest::keyClick(editor, Qt::Key_Return);
  QCoreApplication::processEvents();  // the delegate commits after the key
  EXPECT_EQ(view.SelectedChapterTitle(), "Caf\xE9");
  EXPECT_EQ(text({0, 0, 2}), QString::fromUtf8("Caf\xC3\xA9"));

  view.MoveUp();
  view.MoveUp();
  EXPECT_EQ(view.SelectedChapterTitle(), "Caf\xE9");
  EXPECT_EQ(text({0, 0, 0}), QString::fromUtf8("Caf\xC3\xA9"));
  view.MoveDown();
  EXPECT_EQ(text({0, 0, 1}), QString::fromUtf8("Caf\xC3\xA9"));

  select({0, 1, 0});
  view.AddObjectNode(3, true);
  EXPECT_EQ(view.SelectedObject(), set.slot(TOggettiHel::testoHtml, 3));
  EXPECT_EQ(text({0, 1}), "Page 3");  // before the page's chapter, the reference
  EXPECT_EQ(view.WriteContents(),
            "a0,-2,book\r\na1,-3,Part one\r\na2,0,x\r\na3,-3,hidden\r\na2,-3,Caf\xE9\r\na2,1,x\r\na1,3,x\r\n"
            "a1,-3,Part two\r\na2,2,x\r\n");
}

TEST_F(ContentsTreeViewTest, TheDeleteKeyDeletesTheSelectedNodeOnlyWhenEditable) {
  QSignalSpy deleted(&view, &TZEBorderedTree::OnAfterDel);
  select({0, 0});
  QTest::keyClick(&view, Qt::Key_Delete);
  EXPECT_EQ(view.model()->rowCount(index({0})), 2);
  view.setEditable(true);
  select({0, 0});
  QTest::keyClick(&view, Qt::Key_Delete, Qt::ShiftModifier);
  EXPECT_EQ(view.model()->rowCount(index({0})), 2);
  QTest::keyClick(&view, Qt::Key_Delete);
  EXPECT_EQ(deleted.count(), 1);
  EXPECT_EQ(view.model()->rowCount(index({0})), 1);
  EXPECT_EQ(text({0, 0}), "Part two");
  EXPECT_EQ(view.ListObjects(), std::vector<TZEBoggetto*>{set.slot(TOggettiHel::testoHtml, 2)});
}

TEST_F(ContentsTreeViewTest, RenamingFollowsTheRulesAndPrototypeTreesAskBeforeDeleting) {
  view.setEditable(true);
  EXPECT_FALSE(view.model()->setData(index({0, 0, 0}), "Page title"));  // pages are never renamed here
  EXPECT_TRUE(view.model()->setData(index({0}), "Whole book"));

  zebmake::addObject(set, TOggettiHel::custom).setName("Card");
  TZEBorderedTree prototypes;
  prototypes.setObjects(TOggettiHel::custom);
  prototypes.setLinkedZEBset(&set);
  prototypes.LoadContents();
  prototypes.setEditable(true);
  QSignalSpy renamed(&prototypes, &TZEBorderedTree::OnRenameItem);
  const QModelIndex card = prototypes.model()->index(0, 0, prototypes.model()->index(0, 0));
  EXPECT_TRUE(prototypes.model()->setData(card, "Postcard"));
  EXPECT_EQ(renamed.count(), 1);
  EXPECT_EQ(set.slot(TOggettiHel::custom, 0)->Name(), "Postcard");

  int asked = 0;
  prototypes.OnDel = [&](TZEBorderedTree& sender, const ContentsNode& node, bool& allow) {
    ++asked;
    EXPECT_EQ(&sender, &prototypes);
    EXPECT_EQ(node.object(), set.slot(TOggettiHel::custom, 0));
    allow = asked > 1;
  };
  QSignalSpy deleted(&prototypes, &TZEBorderedTree::OnAfterDel);
  prototypes.selectionModel()->setCurrentIndex(card, QItemSelectionModel::ClearAndSelect);
  prototypes.DeleteNode(prototypes.selectedNode());
  EXPECT_EQ(deleted.count(), 0);
  prototypes.DeleteNode(prototypes.selectedNode());
  EXPECT_EQ(deleted.count(), 1);
  EXPECT_EQ(prototypes.model()->rowCount(prototypes.model()->index(0, 0)), 0);

  view.setLinkedZEBset(nullptr);
  EXPECT_EQ(view.model()->rowCount(), 0);
}

}  // namespace
}  // namespace zeb
