// TZEBListView under the offscreen platform: reloads through the filter, header clicks,
// the selected identifier, the right button and the Delete key.
#include "shell/qt/object_list_view.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

#include "document/book_object.h"
#include "tests/shell/shell_test_support.h"

namespace zeb {
namespace {

class ObjectListViewTest : public testing::ShellBook {
 protected:
  void SetUp() override {
    zebmake::addPage(set, "beta", "<Z S0 >a long page text");
    zebmake::addPage(set, "Alpha", "<Z S0 >short");
    zebmake::addPage(set, "gamma", "<Z S0 >mid text");
    zebmake::addPage(set, "skipped", "<Z S0 >");
    list.setLinkedZEBset(&set);
    list.OnFilter = [](TZEBListView&, TZEBoggetto& object, bool& accept) { accept = object.Name() != "skipped"; };
    list.resize(500, 300);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
  }
  QStringList titles() const {
    QStringList out;
    for (int row = 0; row < list.model()->rowCount(); ++row) out << list.model()->index(row, 0).data().toString();
    return out;
  }
  QPoint centreOfRow(int row) const { return list.visualRect(list.model()->index(row, 0)).center(); }

  TZEBListView list;
};

TEST_F(ObjectListViewTest, ReloadsThroughTheFilterSortedBySizeAndSortsByAClickedHeader) {
  QSignalSpy reloaded(&list, &TZEBListView::OnReload);
  list.Reload();
  EXPECT_EQ(reloaded.count(), 1);
  EXPECT_EQ(titles(), (QStringList{"Alpha", "gamma", "beta"}));
  const QAbstractItemModel& model = *list.model();
  EXPECT_EQ(model.columnCount(), 5);
  EXPECT_EQ(model.headerData(3, Qt::Horizontal).toString(), "# page");
  EXPECT_EQ(model.headerData(4, Qt::Horizontal).toString(), "");
  EXPECT_EQ(model.index(0, 3).data().toString(), "1");
  EXPECT_EQ(model.index(0, 4).data().toString(), "000001");

  QHeaderView* header = list.header();
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                    QPoint(header->sectionViewportPosition(3) + 5, header->height() / 2));
  EXPECT_EQ(titles(), (QStringList{"beta", "Alpha", "gamma"}));
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                    QPoint(header->sectionViewportPosition(0) + 5, header->height() / 2));
  EXPECT_EQ(titles(), (QStringList{"Alpha", "beta", "gamma"}));
  // A second click sorts ascending again: the list never sorts descending.
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                    QPoint(header->sectionViewportPosition(0) + 5, header->height() / 2));
  EXPECT_EQ(titles(), (QStringList{"Alpha", "beta", "gamma"}));
}

TEST_F(ObjectListViewTest, TheSelectedIdentifierAndTheRightButton) {
  list.Reload();
  EXPECT_EQ(list.SelectedIdentifier(), -1);
  QSignalSpy clicked(&list, &QAbstractItemView::clicked);
  QTest::mousePress(list.viewport(), Qt::RightButton, {}, centreOfRow(2));
  EXPECT_EQ(clicked.count(), 1);
  EXPECT_EQ(list.SelectedIdentifier(), 0);
  EXPECT_EQ(list.SelectedObject(), set.slot(TOggettiHel::testoHtml, 0));
  set.slot(TOggettiHel::testoHtml, 0)->Release();
  EXPECT_EQ(list.SelectedIdentifier(), -1);  // the object is gone
  EXPECT_EQ(list.SelectedObject(), nullptr);

  list.setRightMouseSelect(false);
  QTest::mousePress(list.viewport(), Qt::RightButton, {}, centreOfRow(0));
  EXPECT_EQ(clicked.count(), 1);
  EXPECT_TRUE(list.selectIdentifier(2));
  EXPECT_EQ(list.SelectedIdentifier(), 2);
}

TEST_F(ObjectListViewTest, DeleteAsksTheOwnerFirst) {
  list.Reload();
  QSignalSpy deleted(&list, &TZEBListView::OnAfterDel);
  bool allow = false;
  list.OnDel = [&](TZEBListView&, const ObjectListItem& item, bool& allowed) {
    EXPECT_EQ(item.caption, "Alpha");
    allowed = allow;
  };
  list.selectIdentifier(1);
  QTest::keyClick(&list, Qt::Key_Delete);
  EXPECT_EQ(list.model()->rowCount(), 3);
  allow = true;
  QTest::keyClick(&list, Qt::Key_Delete);
  EXPECT_EQ(list.model()->rowCount(), 2);
  EXPECT_EQ(deleted.count(), 1);
  list.containerCleared();
  EXPECT_EQ(list.model()->rowCount(), 0);
}

}  // namespace
}  // namespace zeb
