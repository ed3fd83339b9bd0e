// The frame set with its frames and pages under the offscreen platform, with the fixed
// metrics of the test platform and its manual event queue: showing pages (the same page,
// -1, a page the book lacks, a map that cannot be read, a map of frames), timed links,
// following links with and without AutoJump, going back, the error latch, frames found by
// name and objects shown in them, keys, and splitter drags between frames.
#include "view/qt/frame_set.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <stdexcept>

#include "tests/text/text_test_support.h"
#include "text/paragraph.h"
#include "view/frame_record.h"
#include "view/qt/frame_widget.h"
#include "view/qt/page_widget.h"
#include "view/qt/small_controls.h"
#include "view/qt/splitters.h"
#include "view/qt/text_box_widget.h"

namespace zeb {
namespace {

struct RaisedLink {
  LinkSourceKind kind;
  TZEBoggetto* link;
};

class FrameSetTest : public testing::TextTest {
 protected:
  FrameSetTest() {
    frames.resize(400, 300);
    frames.setReadOnly(true);
    QObject::connect(&frames, &TZEBCustomFrameSet::OnPageChanged, [this] { ++pageChanges; });
    QObject::connect(&frames, &TZEBCustomFrameSet::OnDoLink, [this](LinkSource source, TZEBoggetto* link) {
      raised.push_back({source.kind, link});
    });
    frames.setLinkedZEBset(&set);
    frames.show();
    pageChanges = 0;
  }

  TZEBtesto& addPage(std::string_view text = "text") {
    return zebmake::addPage(set, "page", plainTag() + std::string(text));
  }
  // A frame map of kind 9 holding the records, shown by the page.
  void giveMap(TZEBtesto& page, const std::vector<FrameRecord>& records) {
    std::vector<std::uint8_t> bytes;
    for (const FrameRecord& record : records) {
      const FrameRecordBytes stored = frameRecordBytes(record);
      bytes.insert(bytes.end(), stored.begin(), stored.end());
    }
    TZEBoggetto& map = zebmake::addObject(set, TOggettiHel::mappaFrame);
    map.setPrimaryData(bytes);
    map.record().setI32(field::frameMapRecordLength, frameRecordSize);
    page.record().setI32(field::pageFrameMap, map.Index());
  }
  static FrameRecord frame(std::int32_t identity, std::int32_t parent, std::uint8_t kind, std::int32_t page,
                           std::string name) {
    FrameRecord record = newFrameRecord(identity);
    record.parentIdentity = parent;
    record.kind = kind;
    record.page = page;
    record.name = std::move(name);
    return record;
  }
  // A title 60 pixels high above a contents frame (30 percent) and a frame filling the rest.
  TZEBtesto& threeFramePage(TZEBtesto& title, TZEBtesto& contents, TZEBtesto& right) {
    TZEBtesto& page = addPage("frames");
    FrameRecord top = frame(0, -1, frameKind::top, -1, "Root");
    top.hasChildren = 1;
    FrameRecord titleFrame = frame(1, 0, frameKind::top, title.Index(), "Title");
    titleFrame.sizeMode = frameSizeMode::fixed;
    titleFrame.fixedSize = 60;
    FrameRecord body = frame(2, 0, frameKind::fillBelow, -1, "Body");
    body.hasChildren = 1;
    FrameRecord left = frame(3, 2, frameKind::left, contents.Index(), "Contents");
    left.percentShare = 30;
    left.draggableWhenReadOnly = 1;
    FrameRecord rest = frame(4, 2, frameKind::fillRight, right.Index(), "Right");
    rest.draggableWhenReadOnly = 1;
    giveMap(page, {top, titleFrame, body, left, rest});
    return page;
  }
  std::vector<std::int32_t> shownPageNumbers() const {
    std::vector<std::int32_t> numbers;
    for (PageWidget* page : frames.ShownPages()) numbers.push_back(page->page().PageIndex());
    return numbers;
  }
  std::string firstParagraphOf(TZEBFrame& frame) const {
    return frame.page()->page().TextBox()->paragraph(0).Text;
  }

  TInsiemeCornici frames;
  int pageChanges = 0;
  std::vector<RaisedLink> raised;
};

TEST_F(FrameSetTest, ShowingAPageRaisesOneEventAndTheSamePageAgainRaisesNone) {
  TZEBtesto& page = addPage("hello");
  frames.setMainPageNumber(page.Index());
  EXPECT_EQ(pageChanges, 1);
  EXPECT_EQ(frames.MainPageNumber(), page.Index());
  ASSERT_NE(frames.rootFrame(), nullptr);
  EXPECT_EQ(frames.rootFrame()->frameName(), "Pag" + std::to_string(page.Index()));
  EXPECT_EQ(frames.rootFrame()->geometry(), QRect(0, 0, 400, 300));
  EXPECT_EQ(shownPageNumbers(), (std::vector<std::int32_t>{page.Index()}));
  EXPECT_EQ(frames.registeredPages().size(), 1u);
  EXPECT_EQ(frames.MainBox(), frames.ShownPages()[0]->page().TextBox());
  EXPECT_EQ(frames.CurrentBox(), frames.MainBox());

  TZEBFrame* root = frames.rootFrame();
  frames.setMainPageNumber(page.Index());
  EXPECT_EQ(pageChanges, 1);
  EXPECT_EQ(frames.rootFrame(), root);
}

TEST_F(FrameSetTest, MinusOneEmptiesTheFrameSetAndANumberWithoutPageShowsANewEmptyPage) {
  TZEBtesto& page = addPage();
  frames.setMainPageNumber(page.Index());
  frames.setMainPageNumber(-1);
  EXPECT_EQ(pageChanges, 2);
  EXPECT_EQ(frames.rootFrame(), nullptr);
  EXPECT_TRUE(frames.ShownPages().empty());
  EXPECT_EQ(frames.MainPageNumber(), -1);

  const int pages = set.count(kindNumber(TOggettiHel::testoHtml));
  frames.setMainPageNumber(5000);
  EXPECT_EQ(pageChanges, 3);
  EXPECT_EQ(frames.MainPageNumber(), pages);
  EXPECT_NE(set.objectByKindAndIndex(kindNumber(TOggettiHel::testoHtml), pages), nullptr);
  EXPECT_EQ(shownPageNumbers(), (std::vector<std::int32_t>{pages}));
  EXPECT_TRUE(platform.messages.shown().empty());
}

TEST_F(FrameSetTest, AMissingMapGivesMapProblemAndOneFrame) {
  TZEBtesto& page = addPage();
  page.record().setI32(field::pageFrameMap, 40);  // the book has no such map
  frames.setMainPageNumber(page.Index());
  EXPECT_EQ(platform.messages.shown(), (std::vector<ShownMessage>{{MessageKind::warning, "Map problem."}}));
  ASSERT_NE(frames.rootFrame(), nullptr);
  EXPECT_TRUE(frames.rootFrame()->childFrames().empty());
  EXPECT_EQ(shownPageNumbers(), (std::vector<std::int32_t>{page.Index()}));
  EXPECT_FALSE(frames.showingMap());
}

TEST_F(FrameSetTest, APageWithAMapShowsItsFramesAndSplittersAndShowNestedOffOneFrame) {
  TZEBtesto& title = addPage("title");
  TZEBtesto& contents = addPage("contents");
  TZEBtesto& right = addPage("right");
  TZEBtesto& page = threeFramePage(title, contents, right);
  frames.setMainPageNumber(page.Index());
  EXPECT_TRUE(frames.showingMap());
  EXPECT_EQ(shownPageNumbers(), (std::vector<std::int32_t>{title.Index(), contents.Index(), right.Index()}));
  TZEBFrame& root = *frames.rootFrame();
  ASSERT_EQ(root.childFrames().size(), 2u);
  TZEBFrame& titleFrame = *root.childFrames()[0];
  TZEBFrame& body = *root.childFrames()[1];
  EXPECT_EQ(titleFrame.geometry(), QRect(0, 0, 400, 60));
  ASSERT_NE(titleFrame.splitterAfter(), nullptr);
  EXPECT_EQ(titleFrame.splitterAfter()->geometry(), QRect(0, 60, 400, 3));
  EXPECT_EQ(body.geometry(), QRect(0, 63, 400, 237));
  ASSERT_EQ(body.childFrames().size(), 2u);
  TZEBFrame& left = *body.childFrames()[0];
  // 30 percent of 397 pixels (400 less one splitter), rounded half to even.
  EXPECT_EQ(left.geometry(), QRect(0, 0, 119, 237));
  EXPECT_EQ(body.childFrames()[1]->geometry(), QRect(122, 0, 278, 237));
  EXPECT_EQ(firstParagraphOf(left), "contents");
  // Frames of a map are captioned with their names; the top frame is not.
  EXPECT_EQ(left.innerPanel().Caption(), QStringLiteral("Contents"));
  EXPECT_TRUE(root.innerPanel().Caption().isEmpty());

  frames.setShowNested(false);
  EXPECT_EQ(pageChanges, 2);
  EXPECT_TRUE(frames.rootFrame()->childFrames().empty());
  EXPECT_EQ(frames.rootFrame()->frameName(), "Pag" + std::to_string(page.Index()));
  EXPECT_EQ(shownPageNumbers(), (std::vector<std::int32_t>{page.Index()}));

  // A larger frame set lays the frames out again.
  frames.setShowNested(true);
  frames.resize(500, 300);
  EXPECT_EQ(frames.rootFrame()->childFrames()[0]->geometry(), QRect(0, 0, 500, 60));
}

TEST_F(FrameSetTest, TheFramesOfAMapAreDrawnWithTheirPagesAndSplitters) {
  TZEBtesto& title = addPage("");
  TZEBtesto& contents = addPage("");
  TZEBtesto& right = addPage("");
  title.record().setU32(field::pageBackgroundColour, 0x000080);     // dark red
  contents.record().setU32(field::pageBackgroundColour, 0x00FF00);  // green
  right.record().setU32(field::pageBackgroundColour, 0xFF0000);     // blue
  frames.setMainPageNumber(threeFramePage(title, contents, right).Index());
  QImage image(400, 300, QImage::Format_RGB32);
  image.fill(Qt::white);
  frames.render(&image);
  EXPECT_EQ(image.pixelColor(200, 30), QColor(0x80, 0, 0));
  const QColor face = frames.palette().color(QPalette::Button);
  EXPECT_EQ(image.pixelColor(200, 61), face);   // the splitter under the title
  EXPECT_EQ(image.pixelColor(120, 200), face);  // the splitter between contents and the rest
  EXPECT_EQ(image.pixelColor(60, 200), QColor(0, 0xFF, 0));
  EXPECT_EQ(image.pixelColor(300, 200), QColor(0, 0, 0xFF));
}

TEST_F(FrameSetTest, TimedLinksWaitTheirDelayAndRunOnlyInReadOnlyPreview) {
  TZEBtesto& target = addPage();
  TZEBtesto& page = addPage();
  page.record().setI32(field::pageTimedLinkTarget, static_cast<std::int32_t>(target.ID()));
  page.record().setI16(field::pageTimedLinkDelay, 0);
  frames.setMainPageNumber(page.Index());
  EXPECT_FALSE(frames.timedLinkArmed());  // ActivePreview is off

  frames.setMainPageNumber(-1);
  frames.setActivePreview(true);
  frames.setAutoJump(false);
  frames.setMainPageNumber(page.Index());
  EXPECT_TRUE(frames.timedLinkArmed());
  platform.events.advance(99);
  platform.events.runPending();
  EXPECT_TRUE(raised.empty());
  platform.events.advance(1);
  platform.events.runPending();
  ASSERT_EQ(raised.size(), 1u);
  EXPECT_EQ(raised[0].kind, LinkSourceKind::frameSet);
  EXPECT_EQ(raised[0].link, &target);
  // The frame set does not go there itself: the owner does.
  EXPECT_EQ(frames.MainPageNumber(), page.Index());

  page.record().setI16(field::pageTimedLinkDelay, 3);
  frames.setMainPageNumber(-1);
  frames.setMainPageNumber(page.Index());
  platform.events.advance(2999);
  platform.events.runPending();
  EXPECT_EQ(raised.size(), 1u);
  platform.events.advance(1);
  platform.events.runPending();
  EXPECT_EQ(raised.size(), 2u);

  frames.setMainPageNumber(-1);
  frames.setReadOnly(false);
  frames.setMainPageNumber(page.Index());
  EXPECT_FALSE(frames.timedLinkArmed());
}

TEST_F(FrameSetTest, AutoJumpFollowsPageLinksKeepsHistoryAndGoesBack) {
  TZEBtesto& first = addPage();
  TZEBtesto& second = addPage();
  EXPECT_EQ(frames.GoBack(), -1);  // an empty history changes nothing
  EXPECT_EQ(pageChanges, 0);
  frames.setMainPageNumber(first.Index());
  EXPECT_EQ(frames.GoBack(), first.Index());
  EXPECT_EQ(pageChanges, 1);

  TZEBbox& box = *frames.ShownPages()[0]->page().TextBox();
  frames.FollowLink(box, second);
  EXPECT_EQ(frames.MainPageNumber(), second.Index());
  EXPECT_EQ(frames.history().entries(), (std::deque<std::int32_t>{first.Index()}));
  ASSERT_EQ(raised.size(), 1u);
  // The box clicked went with its page.
  EXPECT_EQ(raised[0].kind, LinkSourceKind::frameSet);
  EXPECT_EQ(raised[0].link, &second);

  EXPECT_EQ(frames.GoBack(), first.Index());
  EXPECT_EQ(frames.MainPageNumber(), first.Index());
  EXPECT_EQ(frames.history().entries().size(), 1u);

  // Without AutoJump the owner does all navigation.
  frames.setAutoJump(false);
  TZEBbox& again = *frames.ShownPages()[0]->page().TextBox();
  frames.FollowLink(again, second);
  EXPECT_EQ(frames.MainPageNumber(), first.Index());
  ASSERT_EQ(raised.size(), 2u);
  EXPECT_EQ(raised[1].kind, LinkSourceKind::textBox);

  // A link of another book raises nothing.
  testing::TestPlatform otherPlatform;
  TZEBset other(otherPlatform.services());
  TZEBtesto& foreign = zebmake::addPage(other, "p", "x");
  frames.FollowLink(again, foreign);
  EXPECT_EQ(raised.size(), 2u);

  frames.ClearView();
  EXPECT_EQ(frames.MainPageNumber(), -1);
  EXPECT_TRUE(frames.history().empty());
}

TEST_F(FrameSetTest, LinksClickedInABoxArePostedAndFollowedAfterTheClick) {
  auto link = set.makeObject(TOggettiHel::internetLink);
  link->Activate();
  link->setName("nexo:|1");
  TZEBtesto& page = addPage(testing::objectTag(set.Register(std::move(link)).ID()) + "go<%> on");
  frames.setMainPageNumber(page.Index());
  frames.setAutoJump(false);
  TextBoxWidget* viewport = frames.ShownPages()[0]->viewport();
  ASSERT_NE(viewport, nullptr);
  QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(5, 18));
  EXPECT_TRUE(raised.empty());  // posted, not sent
  platform.events.runPending();
  ASSERT_EQ(raised.size(), 1u);
  EXPECT_EQ(raised[0].kind, LinkSourceKind::textBox);
  EXPECT_EQ(raised[0].link->Name(), "nexo:|1");
}

TEST_F(FrameSetTest, AFailedPageChangeLatchesAndLaterChangesDoNothing) {
  TZEBtesto& first = addPage();
  TZEBtesto& second = addPage();
  bool fail = true;
  QObject::connect(&frames, &TZEBCustomFrameSet::OnPageChanged, [&fail] {
    if (fail) throw std::runtime_error("handler");
  });
  frames.setMainPageNumber(first.Index());
  EXPECT_TRUE(frames.errorLatched());
  EXPECT_EQ(platform.messages.shown(),
            (std::vector<ShownMessage>{
                {MessageKind::error, "Unknown error. Better to save and exit. You might have to reboot."}}));
  fail = false;
  const int changes = pageChanges;
  frames.setMainPageNumber(second.Index());
  EXPECT_EQ(frames.MainPageNumber(), first.Index());
  EXPECT_EQ(pageChanges, changes);
}

TEST_F(FrameSetTest, NamedFramesShowPagesAndObjectsAndTheSamePageThenRebuilds) {
  TZEBtesto& title = addPage("title");
  TZEBtesto& contents = addPage("contents");
  TZEBtesto& right = addPage("right");
  TZEBtesto& other = addPage("other");
  TZEBtesto& page = threeFramePage(title, contents, right);
  frames.setMainPageNumber(page.Index());
  TZEBFrame* found = frames.FindFrame("RIGHT");
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->frameName(), "Right");
  EXPECT_EQ(frames.FindFrame("nowhere"), nullptr);
  EXPECT_FALSE(frames.ShowInNamedFrame("nowhere", &other, -1, showInOneFrame));

  EXPECT_TRUE(frames.ShowInNamedFrame("right", &other, -1, showInOneFrame));
  EXPECT_TRUE(frames.IsShowingTmpFrameSet());
  EXPECT_EQ(firstParagraphOf(*frames.FindFrame("Right")), "other");
  EXPECT_EQ(shownPageNumbers(), (std::vector<std::int32_t>{title.Index(), contents.Index(), other.Index()}));

  // An object that is no page shows a line with a link to it.
  TZEBoggetto& file = zebmake::addObject(set, TOggettiHel::genLink);
  file.setName("a file");
  EXPECT_TRUE(frames.ShowInNamedFrame("Title", &file, -1, showInOneFrame));
  TZEBbox& shown = *frames.FindFrame("Title")->page()->page().TextBox();
  ASSERT_EQ(shown.paragraphCount(), 2);
  EXPECT_EQ(shown.paragraph(0).Text, "Here an object will be shown. Click here to display:");
  EXPECT_EQ(shown.paragraph(1).Text, "a file");
  EXPECT_EQ(shown.linkObject(shown.paragraph(1).Cells[0].LinkCode, shown.paragraph(1)), &file);

  // From now on the current page is built again when it is asked for.
  const int changes = pageChanges;
  frames.setMainPageNumber(page.Index());
  EXPECT_EQ(pageChanges, changes + 1);
  EXPECT_EQ(firstParagraphOf(*frames.FindFrame("Right")), "right");
}

TEST_F(FrameSetTest, ANamedFrameShownWhileAuthoringTurnsReadOnlyUntilSaveOnExitEndsIt) {
  TZEBtesto& title = addPage("title");
  TZEBtesto& contents = addPage("contents");
  TZEBtesto& right = addPage("right");
  TZEBtesto& other = addPage("other");
  TZEBtesto& page = threeFramePage(title, contents, right);
  frames.setReadOnly(false);
  frames.setMainPageNumber(page.Index());
  EXPECT_TRUE(frames.ShowInNamedFrame("Right", &other, -1, showInOneFrame));
  EXPECT_TRUE(frames.ReadOnly());
  EXPECT_FALSE(frames.SaveOnExit());
  EXPECT_EQ(firstParagraphOf(*frames.FindFrame("Right")), "other");

  // Keeping edits again leaves the state: the kept page, mode and setting come back.
  frames.setSaveOnExit(true);
  EXPECT_FALSE(frames.IsShowingTmpFrameSet());
  EXPECT_FALSE(frames.ReadOnly());
  EXPECT_FALSE(frames.SaveOnExit());
  EXPECT_EQ(frames.MainPageNumber(), page.Index());
  EXPECT_EQ(firstParagraphOf(*frames.FindFrame("Right")), "right");
}

TEST_F(FrameSetTest, PageDownOnAPageTwentyFivePixelsHighScrollsByTen) {
  std::string text;
  for (int i = 0; i < 30; ++i) text += plainTag() + "line";
  TZEBtesto& page = zebmake::addPage(set, "long", text);
  frames.resize(200, 25);
  frames.setMainPageNumber(page.Index());
  ASSERT_NE(frames.activeBox(), nullptr);
  frames.setFocus();
  QTest::keyClick(&frames, Qt::Key_PageDown);
  EXPECT_EQ(frames.activeBox()->VerticalPosition(), 10);
  QTest::keyClick(&frames, Qt::Key_Down);
  EXPECT_EQ(frames.activeBox()->VerticalPosition(), 30);
}

TEST_F(FrameSetTest, FindingAndCopyingActOnTheCurrentBox) {
  TZEBtesto& page = addPage("find the needle here");
  frames.setMainPageNumber(page.Index());
  EXPECT_TRUE(frames.FindInMainBox("needle"));
  TZEBbox& box = *frames.MainBox();
  EXPECT_EQ(box.orderedStart().charIndex, 9);
  frames.SetCurrentControl(box);
  frames.CopySelection();
  EXPECT_EQ(platform.clipboard.plainText(), "needle");
  EXPECT_FALSE(frames.FindFromSelection("needle"));
  EXPECT_TRUE(frames.FindInCurrentBox("the"));
  EXPECT_EQ(box.orderedStart().charIndex, 5);
}

TEST_F(FrameSetTest, DraggingASplitterResizesTheFramesAndStopsAtHalfABarWidth) {
  TZEBtesto& title = addPage("title");
  TZEBtesto& contents = addPage("contents");
  TZEBtesto& right = addPage("right");
  frames.setMainPageNumber(threeFramePage(title, contents, right).Index());
  QSignalSpy changed(&frames, &TZEBCustomFrameSet::OnFrameSetChanged);
  TZEBFrame& body = *frames.rootFrame()->childFrames()[1];
  TZEBFrame& left = *body.childFrames()[0];
  TZEBSplit* splitter = left.splitterAfter();
  ASSERT_NE(splitter, nullptr);
  EXPECT_TRUE(splitter->Sizeable());
  // The title's splitter stays where it is in read-only mode.
  EXPECT_FALSE(frames.rootFrame()->childFrames()[0]->splitterAfter()->Sizeable());

  QTest::mousePress(splitter, Qt::LeftButton, {}, QPoint(1, 100));
  QTest::mouseMove(splitter, QPoint(41, 100));
  QTest::mouseRelease(splitter, Qt::LeftButton, {}, QPoint(41, 100));
  EXPECT_EQ(left.width(), 159);
  EXPECT_EQ(body.childFrames()[1]->geometry().left(), 162);
  EXPECT_EQ(left.node().record.fixedSize, 159);
  EXPECT_EQ(left.node().record.percentShare, 159 * 100 / 397);
  EXPECT_EQ(changed.count(), 1);

  // Towards 3 pixels the frame stops at 5, half the bar width.
  const QPoint start = splitter->mapTo(&body, QPoint(1, 100));
  QTest::mousePress(splitter, Qt::LeftButton, {}, QPoint(1, 100));
  QTest::mouseMove(splitter, QPoint(1 - (start.x() - 8), 100));
  QTest::mouseMove(splitter, QPoint(1 - (start.x() - 2), 100));
  QTest::mouseRelease(splitter, Qt::LeftButton, {}, QPoint(1 - (start.x() - 2), 100));
  EXPECT_EQ(left.width(), 5);
}

TEST_F(FrameSetTest, WithFrameNamesShownAClickPicksAFrameAndAFrameDraggedSmallGoes) {
  TZEBtesto& title = addPage("title");
  TZEBtesto& contents = addPage("contents");
  TZEBtesto& right = addPage("right");
  frames.setMainPageNumber(threeFramePage(title, contents, right).Index());
  frames.setShowFramesOnly(true);
  QSignalSpy clicked(&frames, &TZEBCustomFrameSet::OnClickFrame);
  TZEBFrame& body = *frames.rootFrame()->childFrames()[1];
  TZEBFrame& left = *body.childFrames()[0];
  EXPECT_FALSE(left.page()->isVisible());
  EXPECT_FALSE(left.innerPanel().Transparent());
  EXPECT_EQ(left.innerPanel().Caption(), QStringLiteral("Contents"));
  QTest::mouseClick(&left.innerPanel(), Qt::LeftButton, {}, QPoint(20, 20));
  ASSERT_EQ(clicked.count(), 1);
  EXPECT_EQ(frames.clickedFrame(), &left);
  EXPECT_EQ(left.innerPanel().Color(), frames.palette().color(QPalette::Dark));

  // Narrower than a bar width, the frame is deleted once the drag is over.
  TZEBSplit* splitter = left.splitterAfter();
  const int toLeft = splitter->x() - 2;
  QTest::mousePress(splitter, Qt::LeftButton, {}, QPoint(1, 100));
  QTest::mouseMove(splitter, QPoint(1 - toLeft, 100));
  QTest::mouseRelease(splitter, Qt::LeftButton, {}, QPoint(1 - toLeft, 100));
  ASSERT_EQ(body.childFrames().size(), 2u);
  platform.events.runPending();
  ASSERT_EQ(body.childFrames().size(), 1u);
  EXPECT_EQ(body.childFrames()[0]->frameName(), "Right");
  EXPECT_EQ(body.childFrames()[0]->geometry(), QRect(0, 0, 400, 237));
  EXPECT_EQ(frames.clickedFrame(), nullptr);

  // Pages show again, their texts loaded.
  frames.setShowFramesOnly(false);
  EXPECT_EQ(firstParagraphOf(*body.childFrames()[0]), "right");
}

TEST_F(FrameSetTest, AReloadClearsTheViewAndShowsTheCurrentPageAgain) {
  TZEBtesto& page = addPage();
  frames.setMainPageNumber(page.Index());
  TZEBFrame* before = frames.rootFrame();
  frames.PostReload(-1);
  EXPECT_EQ(frames.rootFrame(), before);
  platform.events.runPending();
  EXPECT_EQ(frames.MainPageNumber(), page.Index());
  EXPECT_EQ(pageChanges, 3);  // the page, nothing, the page again
}

TEST_F(FrameSetTest, PreviewPanelsOfAPageAreFollowedWhenActivePreviewIsOn) {
  TZEBtesto& target = addPage();
  TZEBoggetto& preview = zebmake::addObject(set, TOggettiHel::shortObj);
  preview.record().setU8(field::state, 13);
  preview.record().setI32(field::panelReference, static_cast<std::int32_t>(target.ID()));
  TZEBtesto& page = addPage("x" + testing::objectTag(preview.ID()));
  frames.setActivePreview(true);
  frames.setAutoJump(false);
  frames.setMainPageNumber(page.Index());
  platform.events.runPending();
  ASSERT_EQ(raised.size(), 1u);
  EXPECT_EQ(raised[0].kind, LinkSourceKind::page);
  EXPECT_EQ(raised[0].link->Kind(), TOggettiHel::shortObj);

  // A message whose page is gone before it runs is dropped.
  frames.setMainPageNumber(target.Index());
  frames.setMainPageNumber(page.Index());
  frames.setMainPageNumber(target.Index());
  platform.events.runPending();
  EXPECT_EQ(raised.size(), 1u);
}

}  // namespace
}  // namespace zeb
