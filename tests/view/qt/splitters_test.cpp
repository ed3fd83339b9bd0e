// The splitters and small controls under the offscreen platform: target rules, drags with
// their limits and hooks, the inner panel's margin and click, the outlined label.
#include "view/qt/splitters.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "view/frame_layout.h"
#include "view/messages.h"
#include "view/qt/small_controls.h"

namespace zeb {
namespace {

class SplitterTest : public ::testing::Test {
 protected:
  SplitterTest() {
    parent.resize(200, 200);
    target = new QWidget(&parent);
  }
  void show() {
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
  }
  // A frame splitter under a top-aligned target 50 pixels high, with a bar width of 10.
  TZEBSplit& frameSplitterBelow() {
    target->setGeometry(0, 0, 200, 50);
    setControlAlign(*target, ControlAlign::top);
    auto* split = new TZEBSplit(&parent);
    split->resize(200, 3);
    split->setMintargetlimit(frameSplitterMinTarget(10));
    split->setMaxTargetLimit(frameSplitterMaxTargetLimit(10));
    EXPECT_EQ(split->setTargetControl(target), std::nullopt);
    show();
    return *split;
  }
  static void drag(QWidget& splitter, QPoint by, Qt::KeyboardModifiers keys = {}) {
    const QPoint start(1, 1);
    QTest::mousePress(&splitter, Qt::LeftButton, keys, start);
    QTest::mouseMove(&splitter, start + by / 2);
    QTest::mouseMove(&splitter, start + by);
    QTest::mouseRelease(&splitter, Qt::LeftButton, keys, start + by);
  }

  QWidget parent;
  QWidget* target;
};

TEST_F(SplitterTest, ATargetAlignedToNoSideIsRefusedWithEachSplittersMessage) {
  TZEBSplit frameSplit(&parent);
  TWVoSplit plainSplit(&parent);
  EXPECT_EQ(frameSplit.size(), QSize(3, 3));
  EXPECT_EQ(plainSplit.size(), QSize(3, 100));
  setControlAlign(*target, ControlAlign::client);
  EXPECT_EQ(frameSplit.setTargetControl(target), messages::targetAlignMustBeSide);
  EXPECT_EQ(plainSplit.setTargetControl(target), messages::targetAlignMustDiffer);
  EXPECT_EQ(frameSplit.TargetControl(), nullptr);
  EXPECT_EQ(frameSplit.Align(), ControlAlign::none);
  EXPECT_EQ(frameSplit.cursor().shape(), Qt::ArrowCursor);

  target->setGeometry(20, 0, 70, 200);
  setControlAlign(*target, ControlAlign::left);
  EXPECT_EQ(frameSplit.setTargetControl(target), std::nullopt);
  EXPECT_EQ(frameSplit.Align(), ControlAlign::left);
  EXPECT_EQ(frameSplit.cursor().shape(), Qt::SplitHCursor);
  EXPECT_EQ(frameSplit.x(), 90);  // right after the target
  frameSplit.setSizeable(false);
  EXPECT_EQ(frameSplit.cursor().shape(), Qt::ArrowCursor);

  EXPECT_EQ(frameSplit.setTargetControl(&frameSplit), std::nullopt);
  EXPECT_EQ(frameSplit.TargetControl(), nullptr);
  EXPECT_EQ(frameSplit.Align(), ControlAlign::none);
}

TEST_F(SplitterTest, DraggingAFrameSplitterResizesTheTargetWithinTheLimits) {
  TZEBSplit& split = frameSplitterBelow();
  QSignalSpy begin(&split, &SplitterBase::OnBeginSplit);
  QSignalSpy moves(&split, &SplitterBase::OnMoveSplit);
  QSignalSpy ending(&split, &SplitterBase::OnEndingSplit);
  QSignalSpy end(&split, &SplitterBase::OnEndSplit);

  drag(split, QPoint(0, 30));
  EXPECT_EQ(target->height(), 80);
  EXPECT_EQ(split.y(), 80);
  EXPECT_EQ(begin.count(), 1);
  EXPECT_EQ(moves.count(), 2);
  EXPECT_EQ(ending.count(), 1);
  EXPECT_EQ(end.count(), 1);
  EXPECT_FALSE(split.isDragging());

  // The frame would become 3 pixels high: it stops at half the bar width.
  drag(split, QPoint(0, -77));
  EXPECT_EQ(target->height(), 5);
  // And a bar width of the parent stays free.
  drag(split, QPoint(0, 400));
  EXPECT_EQ(target->height(), 190);
}

TEST_F(SplitterTest, OnlyAPlainLeftPressOnASizeableSplitterStartsADrag) {
  TZEBSplit& split = frameSplitterBelow();
  QSignalSpy begin(&split, &SplitterBase::OnBeginSplit);
  drag(split, QPoint(0, 20), Qt::ControlModifier);
  split.setSizeable(false);
  drag(split, QPoint(0, 20));
  EXPECT_EQ(begin.count(), 0);
  EXPECT_EQ(target->height(), 50);
}

TEST_F(SplitterTest, ATargetDestroyedDuringADragEndsItAndIsCleared) {
  TZEBSplit& split = frameSplitterBelow();
  QTest::mousePress(&split, Qt::LeftButton, {}, QPoint(1, 1));
  ASSERT_TRUE(split.isDragging());
  delete target;
  EXPECT_FALSE(split.isDragging());
  EXPECT_EQ(split.TargetControl(), nullptr);
  QTest::mouseMove(&split, QPoint(1, 30));
  QTest::mouseRelease(&split, Qt::LeftButton, {}, QPoint(1, 30));
}

TEST(SmallControls, APanelWithAMarginIsOpaqueAndReportsItsClientInsideTheMargin) {
  TNoBgPaintPanel panel;
  panel.resize(100, 60);
  EXPECT_TRUE(panel.Transparent());
  panel.setColor(QColor(0, 0, 255));
  panel.setMargin(10);
  EXPECT_FALSE(panel.Transparent());
  EXPECT_EQ(panel.clientRect(), QRect(10, 10, 80, 40));
  QSignalSpy painted(&panel, &TNoBgPaintPanel::OnPaint);
  const QImage image = panel.grab().toImage();
  EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(5, 5), QColor(0, 0, 255));
  EXPECT_GE(painted.count(), 1);
  panel.setMargin(0);
  EXPECT_TRUE(panel.Transparent());

  QSignalSpy clicks(&panel, &TNoBgPaintPanel::OnMyClick);
  QTest::mousePress(&panel, Qt::RightButton, {}, QPoint(5, 5));
  QTest::mousePress(&panel, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(clicks.count(), 1);
}

TEST(SmallControls, AnOutlinedLabelWritesItsShadowAroundTheText) {
  TOutlLabel label;
  label.setText("WWW");
  label.resize(60, 30);
  label.setColourShadow(QColor(255, 0, 0));
  const QImage image = label.grab().toImage();
  int shadow = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) shadow += image.pixelColor(x, y) == QColor(255, 0, 0);
  EXPECT_GT(shadow, 0);
}

}  // namespace
}  // namespace zeb
