// The page control as a scrolling window, with the fixed metrics of the test platform (a
// line of the plain style is 20 pixels high, a character 10 pixels wide, the first line
// starts at y 8): bars by the scroll-bar mode, keys, the bars, clicks at the scrolled
// position, a resize, found text and anchors brought into view, selecting past the edge.
#include "view/qt/page_widget.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QScrollBar>
#include <QStyle>
#include <QTest>

#include "tests/text/box_test_support.h"
#include "text/paragraph.h"
#include "view/qt/text_box_widget.h"

namespace zeb {
namespace {

class LinkingOwner final : public PageOwner {
 public:
  FrameSetLink* frameSetLink() const override { return frames; }
  FrameSetLink* frames = nullptr;
};

class PageWidgetTest : public testing::TextTest {
 protected:
  PageWidgetTest() { owner.frames = &frames; }

  // A page of the lines, each a paragraph of the plain style.
  TZEBtesto& pageOf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += plainTag() + line;
    return zebmake::addPage(set, "page", text);
  }
  static std::vector<std::string> numberedLines(int count) {
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i) lines.push_back("line " + std::to_string(i));
    return lines;
  }
  PageWidget& show(TZEBtesto& shown, int width, int height, bool readOnly = true) {
    widget = std::make_unique<PageWidget>(set, measures, owner);
    widget->setReadOnly(readOnly);
    widget->setAnimated(readOnly);
    widget->resize(width, height);
    widget->ShowText(&shown);
    widget->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(widget.get()));
    return *widget;
  }
  TZEBbox& box() const { return *widget->page().TextBox(); }
  int barExtent() const { return widget->style()->pixelMetric(QStyle::PM_ScrollBarExtent); }
  void TearDown() override { widget.reset(); }

  testing::RecordingFrameSet frames;
  LinkingOwner owner;
  std::unique_ptr<PageWidget> widget;
};

TEST_F(PageWidgetTest, PageDownOnAPageTwentyFivePixelsHighScrollsByTenAndTheBarFollows) {
  show(pageOf(numberedLines(50)), 200, 25);
  TextBoxWidget* viewport = widget->viewport();
  ASSERT_NE(viewport, nullptr);
  viewport->setFocus();
  QTest::keyClick(viewport, Qt::Key_PageDown);
  EXPECT_EQ(box().VerticalPosition(), 10);
  EXPECT_EQ(widget->verticalBar()->value(), 10);
  EXPECT_EQ(viewport->origin(), QPoint(0, 10));
  QTest::keyClick(viewport, Qt::Key_Down);
  EXPECT_EQ(widget->verticalBar()->value(), 20);
  QTest::keyClick(viewport, Qt::Key_PageUp);
  QTest::keyClick(viewport, Qt::Key_PageUp);
  QTest::keyClick(viewport, Qt::Key_PageUp);
  EXPECT_EQ(widget->verticalBar()->value(), 0);
}

TEST_F(PageWidgetTest, BarsFollowTheScrollBarModeAndShowOnlyWhenTheTextOverflows) {
  show(pageOf({"short"}), 200, 100);
  EXPECT_FALSE(widget->verticalBar()->isVisible());
  EXPECT_EQ(widget->clientRect(), QRect(0, 0, 200, 100));

  show(pageOf(numberedLines(20)), 200, 100);
  EXPECT_TRUE(widget->verticalBar()->isVisible());
  EXPECT_FALSE(widget->horizontalBar()->isVisible());
  EXPECT_EQ(widget->clientRect(), QRect(0, 0, 200 - barExtent(), 100));
  EXPECT_EQ(widget->page().clientWidth(), 200 - barExtent());
  EXPECT_EQ(widget->verticalBar()->maximum(), box().VerticalRange() - 100);

  widget->setScrollBarMode(0);  // hidden while reading
  EXPECT_FALSE(widget->verticalBar()->isVisible());
  EXPECT_EQ(widget->page().clientWidth(), 200);
  widget->setReadOnly(false);  // always shown while editing
  EXPECT_TRUE(widget->verticalBar()->isVisible());

  // A word wider than the page makes the text wider than the client area.
  show(pageOf({std::string(40, 'w')}), 200, 100);
  EXPECT_TRUE(widget->horizontalBar()->isVisible());
  EXPECT_FALSE(widget->verticalBar()->isVisible());
  EXPECT_EQ(widget->horizontalBar()->maximum(), box().HorizontalRange() - 200);

  widget->setBorder(true);
  EXPECT_EQ(widget->clientRect().topLeft(), QPoint(1, 1));
}

TEST_F(PageWidgetTest, MovingTheBarScrollsAndClicksLandOnTheTextShown) {
  const std::string link = [&] {
    auto object = set.makeObject(TOggettiHel::internetLink);
    object->Activate();
    object->setName("nexo:|3");
    return testing::objectTag(set.Register(std::move(object)).ID());
  }();
  std::vector<std::string> lines = numberedLines(40);
  lines[30] = link + "linked<%>";
  show(pageOf(lines), 200, 100);
  widget->verticalBar()->setValue(560);
  EXPECT_EQ(box().VerticalPosition(), 560);
  EXPECT_EQ(widget->viewport()->origin(), QPoint(0, 560));

  // Line 30 starts at 8 + 30 * 20 = 608: 48 pixels into the view.
  QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, QPoint(15, 48 + 10));
  platform.events.runPending();
  ASSERT_EQ(frames.followed.size(), 1u);
  EXPECT_EQ(frames.followed[0]->Name(), "nexo:|3");
}

TEST_F(PageWidgetTest, LinksOfAScrolledPageAreUnderlinedUnderTheirText) {
  auto object = set.makeObject(TOggettiHel::internetLink);
  object->Activate();
  object->setName("nexo:|3");
  std::vector<std::string> lines = numberedLines(40);
  lines[30] = testing::objectTag(set.Register(std::move(object)).ID()) + "a long linked text<%>";
  show(pageOf(lines), 300, 100);
  widget->verticalBar()->setValue(560);
  const QImage image = widget->viewport()->grab().toImage();
  // Only an underline draws a long unbroken run of ink: it lies in line 30's band (48 to 68).
  std::vector<int> underlined;
  for (int y = 0; y < image.height(); ++y) {
    const QRgb background = image.pixel(image.width() - 1, y);
    int run = 0;
    int longest = 0;
    for (int x = 0; x < image.width(); ++x) {
      run = image.pixel(x, y) != background ? run + 1 : 0;
      longest = std::max(longest, run);
    }
    if (longest >= 20) underlined.push_back(y);
  }
  ASSERT_FALSE(underlined.empty());
  EXPECT_GE(underlined.front(), 48);
  EXPECT_LT(underlined.back(), 68);
}

TEST_F(PageWidgetTest, FormFieldsAreDrawnWhereTheLayoutPutsThem) {
  // An edit field of 10 characters after "ab": until fields are windows of their own the
  // page draws them, a white field in a sunken frame.
  TZEBoggetto& edit = zebmake::addObject(set, TOggettiHel::inputStat);
  edit.record().setU8(field::state, 1);
  edit.setAttribute("size", "10");
  show(pageOf({"ab" + testing::objectTag(edit.ID()) + "cd"}), 300, 100);
  const EmbeddedObject& field = *box().paragraph(0).Objects.at(0).visual;
  ASSERT_GT(field.width(), 20);
  const QImage image = widget->viewport()->grab().toImage();
  const QColor window = widget->palette().color(QPalette::Base);
  EXPECT_EQ(QColor(image.pixel(field.left + field.width() - 5, field.top + 4)), window);
  EXPECT_NE(QColor(image.pixel(field.left, field.top + 4)), window);  // the frame
}

TEST_F(PageWidgetTest, AResizeLaysTheTextOutAgainToTheNewWidth) {
  show(pageOf({"aaaa bbbb cccc dddd eeee ffff gggg hhhh"}), 420, 300);
  EXPECT_EQ(box().paragraph(0).Lines.size(), 1u);
  const int oneLine = box().VerticalRange();
  widget->resize(110, 300);
  // Painting measured the characters with Qt's fonts; the lines are 20 pixels high.
  const int lines = static_cast<int>(box().paragraph(0).Lines.size());
  EXPECT_GT(lines, 1);
  EXPECT_EQ(box().VerticalRange(), oneLine + 20 * (lines - 1));
  EXPECT_EQ(box().LayoutWidth(), 110);
  widget->resize(110, 30);
  EXPECT_EQ(box().LayoutWidth(), 110 - barExtent());
  EXPECT_EQ(widget->verticalBar()->maximum(), box().VerticalRange() - 30);
}

TEST_F(PageWidgetTest, APageMadeTallerKeepsItsPositionWithinWhatItCanScrollTo) {
  show(pageOf(numberedLines(10)), 200, 60);
  widget->verticalBar()->setValue(widget->verticalBar()->maximum());
  ASSERT_GT(box().VerticalPosition(), 100);
  // Taller only: the width, and with it the layout, stay; the text now fits.
  widget->resize(200, 400);
  EXPECT_EQ(box().VerticalPosition(), 0);
  EXPECT_EQ(widget->viewport()->origin(), QPoint(0, 0));
  // Taller and narrower: laid out again, still within reach.
  widget->resize(100, 60);
  widget->verticalBar()->setValue(widget->verticalBar()->maximum());
  const int bottom = box().VerticalPosition();
  widget->resize(150, 500);
  EXPECT_EQ(box().VerticalPosition(), 0);
  EXPECT_GT(bottom, 0);
}

TEST_F(PageWidgetTest, FoundTextAndAnchorsAreBroughtIntoView) {
  TZEBoggetto& anchor = zebmake::addObject(set, TOggettiHel::shortObj);
  anchor.record().setU8(field::state, 14);
  anchor.record().setI32(field::panelReference, 4);
  std::vector<std::string> lines = numberedLines(60);
  lines[25] = "the needle";
  lines[50] = "here " + testing::objectTag(anchor.ID()) + " anchored";
  show(pageOf(lines), 200, 300);

  widget->page().StartSearch(false);
  ASSERT_TRUE(widget->page().FindNext("needle"));
  // Line 25 (top 508) comes in near the top with 25 pixels of what goes before it.
  EXPECT_EQ(widget->verticalBar()->value(), 508 - 25);
  EXPECT_EQ(widget->viewport()->origin().y(), 508 - 25);

  ASSERT_TRUE(widget->page().GoToAnchor(4));
  const TextPos& caret = box().Caret();
  EXPECT_EQ(caret.paragraphIndex, 50);
  const int position = widget->verticalBar()->value();
  EXPECT_LE(position, caret.Y);
  EXPECT_GE(position + 300, caret.Y + caret.LineHeight);
  EXPECT_EQ(position, box().VerticalPosition());
}

TEST_F(PageWidgetTest, APageLongerThanThirtyTwoThousandPixelsScrollsToItsEnd) {
  show(pageOf(numberedLines(2000)), 200, 100);
  const ScrollWindow window = box().scrollWindow();
  ASSERT_GT(window.contentHeight, 40000);
  QScrollBar& bar = *widget->verticalBar();
  EXPECT_EQ(bar.maximum(), window.contentHeight - 100);
  bar.setValue(bar.maximum());
  EXPECT_EQ(box().VerticalPosition(), window.contentHeight - 100);
  // The last line is at the foot of the view, where a click finds it.
  const TZEBparag& last = box().paragraph(1999);
  const int lastInView = last.Top - box().VerticalPosition();
  EXPECT_GT(lastInView, 60);
  EXPECT_LT(lastInView, 100);
  widget->viewport()->setFocus();
  QTest::keyClick(widget->viewport(), Qt::Key_PageDown);
  EXPECT_EQ(bar.value(), bar.maximum());
}

TEST_F(PageWidgetTest, DraggingASelectionPastTheBottomScrollsTheView) {
  show(pageOf(numberedLines(40)), 200, 100, false);
  TextBoxWidget* viewport = widget->viewport();
  QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(5, 15));
  QTest::mouseMove(viewport, QPoint(5, 60));
  QTest::mouseMove(viewport, QPoint(5, 130));
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(5, 130));
  EXPECT_TRUE(box().hasSelection());
  EXPECT_GT(box().VerticalPosition(), 0);
  EXPECT_EQ(widget->verticalBar()->value(), box().VerticalPosition());
  EXPECT_EQ(box().orderedEnd().paragraphIndex, 6);
}

}  // namespace
}  // namespace zeb
