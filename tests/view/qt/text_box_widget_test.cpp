// The text box hosted in its widget, driven with QTest's mouse and keys under the offscreen
// platform. The box measures with Qt, as it paints, so points are taken from its layout.
#include "view/qt/text_box_widget.h"

#include <gtest/gtest.h>

#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include "platform/qt/qt_text_measurer.h"
#include "tests/text/box_test_support.h"
#include "text/measurement_cache.h"

namespace zeb {
namespace {

using testing::BoxTest;

class TextBoxWidgetTest : public BoxTest {
 protected:
  TextBoxWidget& hostWidget(std::string_view markup) {
    std::string text(markup);
    text.push_back('\0');
    setText(text);
    box = std::make_unique<TZEBbox>(set, qtMeasures);
    box->setHost(&host);
    box->setBounds(0, 0, 300, 100);
    host.width = 300;
    box->LoadFrom(*page);
    widget = std::make_unique<TextBoxWidget>(*box);
    widget->resize(300, 100);
    widget->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(widget.get()));
    widget->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(widget.get()));
    return *widget;
  }
  void TearDown() override { widget.reset(); }

  // A point on the character: its left edge and more, half way down the line.
  QPoint on(int paragraphIndex, int charIndex, int right = 1) const {
    const TextPos position = box->positionOf(paragraphIndex, charIndex);
    return QPoint(position.X + right, position.Y + position.LineHeight / 2);
  }

  QtTextMeasurer qtMeasurer{96};
  MeasurementCache qtMeasures{qtMeasurer};
  std::unique_ptr<TextBoxWidget> widget;
};

TEST_F(TextBoxWidgetTest, AClickOrAThreePixelMoveFollowsALinkAFivePixelMoveSelects) {
  hostWidget(tag("") + "go " + localLink("nexo:|7") + "there<%> now");
  box->setAnimated(true);
  const QPoint link = on(0, 4);
  QTest::mouseClick(widget.get(), Qt::LeftButton, {}, link);
  platform.events.runPending();
  EXPECT_EQ(frames.followed.size(), 1u);

  QTest::mousePress(widget.get(), Qt::LeftButton, {}, link);
  QTest::mouseMove(widget.get(), link + QPoint(3, 0));
  QTest::mouseRelease(widget.get(), Qt::LeftButton, {}, link + QPoint(3, 0));
  platform.events.runPending();
  EXPECT_EQ(frames.followed.size(), 2u);

  QTest::mousePress(widget.get(), Qt::LeftButton, {}, link);
  QTest::mouseMove(widget.get(), link + QPoint(0, 5));
  QTest::mouseMove(widget.get(), on(0, 6));
  QTest::mouseRelease(widget.get(), Qt::LeftButton, {}, on(0, 6));
  platform.events.runPending();
  EXPECT_EQ(frames.followed.size(), 2u);
  EXPECT_TRUE(box->hasSelection());
  EXPECT_EQ(box->orderedEnd().charIndex, 6);
}

TEST_F(TextBoxWidgetTest, PageDownScrollsTheReadingPageAndOtherKeysPassOn) {
  std::string text;
  for (int i = 0; i < 50; ++i) text += tag("") + "line";
  hostWidget(text);
  box->setAnimated(true);
  host.height = 200;
  widget->setFocus();
  QTest::keyClick(widget.get(), Qt::Key_PageDown);
  EXPECT_EQ(box->VerticalPosition(), 180);
  host.height = 25;
  QTest::keyClick(widget.get(), Qt::Key_PageDown);
  EXPECT_EQ(box->VerticalPosition(), 190);
  QTest::keyClick(widget.get(), Qt::Key_Up);
  EXPECT_EQ(box->VerticalPosition(), 180);
}

TEST_F(TextBoxWidgetTest, ADoubleClickSelectsAWordAndShiftArrowsExtendIt) {
  hostWidget(tag("") + "one, two three");
  // As a desktop delivers it: press, release, double click, release.
  QTest::mouseClick(widget.get(), Qt::LeftButton, {}, on(0, 6));
  QTest::mouseDClick(widget.get(), Qt::LeftButton, {}, on(0, 6));
  QTest::mouseRelease(widget.get(), Qt::LeftButton, {}, on(0, 6));
  EXPECT_EQ(box->orderedStart().charIndex, 5);
  EXPECT_EQ(box->orderedEnd().charIndex, 9);
  widget->setFocus();
  QTest::keyClick(widget.get(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(platform.clipboard.plainText(), "two ");
  // The caret stands at the word's start; Shift+End extends from there.
  QTest::keyClick(widget.get(), Qt::Key_End, Qt::ShiftModifier);
  QTest::keyClick(widget.get(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(platform.clipboard.plainText(), "two three");
  // A plain arrow collapses the selection, at the end of the text too, and the focused
  // editing box shows its caret.
  QTest::keyClick(widget.get(), Qt::Key_Right);
  EXPECT_FALSE(box->hasSelection());
  EXPECT_TRUE(box->CaretControl().shown());
}

TEST_F(TextBoxWidgetTest, LinksShowTheHandTheHintAndTheirPopupMenu) {
  const std::string action = localLink("", TOggettiHel::speclink);
  const std::string web = localLink("http://web.example");
  hostWidget(tag("") + action + "act<%> " + web + "web<%> text");
  QSignalSpy popups(widget.get(), &TextBoxWidget::popupRequested);
  QTest::mouseMove(widget.get(), on(0, 5));
  EXPECT_EQ(widget->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(widget->toolTip(), QStringLiteral("http://web.example"));
  QTest::mouseMove(widget.get(), on(0, 10));
  EXPECT_EQ(widget->cursor().shape(), Qt::IBeamCursor);
  EXPECT_TRUE(widget->toolTip().isEmpty());

  QTest::mouseClick(widget.get(), Qt::RightButton, {}, on(0, 1));
  ASSERT_EQ(popups.count(), 1);
  EXPECT_EQ(popups.at(0).at(0).value<PopupMenuChoice>(), PopupMenuChoice::PopupSpecLink);
  EXPECT_EQ(popups.at(0).at(1).toPoint(), widget->mapToGlobal(on(0, 1)));
}

TEST_F(TextBoxWidgetTest, DroppedBooksReachTheFrameSet) {
  hostWidget(tag("") + "text");
  box->setAnimated(true);
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(QStringLiteral("/books/other.zeb"))});
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
  QCoreApplication::sendEvent(widget.get(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
  QCoreApplication::sendEvent(widget.get(), &drop);
  ASSERT_EQ(frames.dropped.size(), 1u);
  EXPECT_EQ(frames.dropped[0], (std::vector<std::string>{"/books/other.zeb"}));
}

TEST_F(TextBoxWidgetTest, PaintingShowsTheBackgroundAndTheSelection) {
  hostWidget(tag("") + "abc def");
  box->Background().colour = 0x00FFFF;  // yellow
  box->SelectRange(0, 0, 0, 3);
  const QImage image = widget->grab().toImage();
  EXPECT_EQ(image.pixelColor(150, 50), QColor(255, 255, 0));
  const QColor highlight = widget->palette().color(QPalette::Active, QPalette::Highlight);
  int highlighted = 0;
  const QPoint end = on(0, 3, 0);
  for (int x = 0; x < end.x(); ++x) highlighted += image.pixelColor(x, 9) == highlight ? 1 : 0;
  EXPECT_GT(highlighted, end.x() / 3);
  EXPECT_NE(image.pixelColor(on(0, 5).x(), 9), highlight);
}

}  // namespace
}  // namespace zeb
