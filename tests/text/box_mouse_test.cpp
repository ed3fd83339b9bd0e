// The mouse on a text box: following links (posted to the frame set), the 4-pixel rule that
// starts a selection, hints and cursors over links, double clicks, popup menus and dropped
// files. Characters are 10 pixels wide and the first line spans y 8 to 27.
#include <gtest/gtest.h>

#include "tests/text/box_test_support.h"

namespace zeb {
namespace {

using testing::BoxTest;
using testing::ShownPopup;

MouseEvent left(int x, int y) { return {MouseButton::left, x, y}; }
MouseEvent right(int x, int y) { return {MouseButton::right, x, y}; }
MouseEvent hover(int x, int y) { return {MouseButton::none, x, y}; }

class BoxMouse : public BoxTest {
 protected:
  void click(const MouseEvent& event) {
    box->mouseDown(event);
    box->mouseUp(event);
  }
  void doubleClick(int x, int y) {
    click(left(x, y));
    MouseEvent second = left(x, y);
    second.doubleClick = true;
    click(second);
  }
  void drag(int fromX, int fromY, int toX, int toY) {
    box->mouseDown(left(fromX, fromY));
    box->mouseMove(left(toX, toY));
    box->mouseUp(left(toX, toY));
  }
  std::pair<int, int> selected() const { return {box->orderedStart().charIndex, box->orderedEnd().charIndex}; }
  TZEBoggetto* local(int n) const { return page->localObject(localReferenceBase + static_cast<std::uint32_t>(n)); }
};

TEST_F(BoxMouse, AClickOnALinkInReadingModeIsPostedToTheFrameSet) {
  show(tag("") + "go " + localLink("nexo:|7") + "there<%> now");
  box->setAnimated(true);
  click(left(35, 15));
  EXPECT_TRUE(frames.followed.empty());  // posted: the click handler returns first
  EXPECT_EQ(platform.events.runPending(), 1);
  EXPECT_EQ(frames.followed, (std::vector<TZEBoggetto*>{local(0)}));
  EXPECT_FALSE(box->hasSelection());
  EXPECT_EQ(frames.clicks, 0);
  EXPECT_GE(frames.focusTaken, 1);

  // Elsewhere a click is the frame set's click.
  click(left(5, 15));
  EXPECT_EQ(frames.clicks, 1);
  EXPECT_EQ(platform.events.runPending(), 0);
}

TEST_F(BoxMouse, AThreePixelMoveStillFollowsTheLinkAFivePixelMoveSelects) {
  show(tag("") + "go " + localLink("nexo:|7") + "there<%> now");
  box->setAnimated(true);
  drag(31, 15, 34, 15);
  platform.events.runPending();
  EXPECT_EQ(frames.followed.size(), 1u);

  box->mouseDown(left(31, 15));
  box->mouseMove(left(36, 15));
  box->mouseMove(left(55, 15));
  box->mouseUp(left(55, 15));
  platform.events.runPending();
  EXPECT_EQ(frames.followed.size(), 1u);
  EXPECT_TRUE(box->hasSelection());
  EXPECT_EQ(selected(), std::make_pair(3, 5));
  EXPECT_GE(frames.activeBoxCalls, 1);
}

TEST_F(BoxMouse, AFollowRequestOfABoxThatWentAwayOrOfADisabledFrameSetDoesNothing) {
  show(tag("") + localLink("nexo:|7") + "link<%>");
  box->setAnimated(true);
  click(left(5, 15));
  box.reset();
  platform.events.runPending();
  EXPECT_TRUE(frames.followed.empty());

  show(tag("") + localLink("nexo:|7") + "link<%>");
  box->setAnimated(true);
  frames.enabled = false;
  click(left(5, 15));
  EXPECT_EQ(platform.events.pendingCount(), 0u);
}

TEST_F(BoxMouse, HoveringALinkSetsItsHintOnceAndAnotherLinkReplacesIt) {
  show(tag("") + localLink("http://one.example") + "one<%> " + localLink("http://two.example") + "two<%> x");
  box->setAnimated(true);
  box->mouseMove(hover(5, 15));
  box->mouseMove(hover(15, 15));
  ASSERT_EQ(surface.hints.size(), 1u);
  EXPECT_EQ(surface.hints[0], "http://one.example|Link to: http://one.example");
  EXPECT_EQ(surface.cursor, MouseCursor::handPoint);
  box->mouseMove(hover(45, 15));
  ASSERT_EQ(surface.hints.size(), 2u);
  EXPECT_EQ(box->Hint(), "http://two.example|Link to: http://two.example");
  box->mouseMove(hover(75, 15));
  EXPECT_EQ(box->Hint(), "");
  EXPECT_EQ(surface.cursor, MouseCursor::standard);

  // Outside reading mode a link shows the editing hand and text the text cursor.
  box->setAnimated(false);
  box->mouseMove(hover(5, 15));
  EXPECT_EQ(surface.cursor, MouseCursor::editHand);
  box->mouseMove(hover(75, 15));
  EXPECT_EQ(surface.cursor, MouseCursor::text);
}

TEST_F(BoxMouse, ADoubleClickSelectsTheWordWithTheBlanksAfterIt) {
  show(tag("") + "one  two");
  doubleClick(15, 15);
  EXPECT_EQ(selected(), std::make_pair(0, 5));
  EXPECT_EQ(box->Caret().charIndex, 0);

  show(tag("") + "one, two");
  doubleClick(55, 15);
  EXPECT_EQ(selected(), std::make_pair(5, 8));

  show(tag("") + "l'arbre vert");
  doubleClick(25, 15);
  EXPECT_EQ(selected(), std::make_pair(2, 8));
  doubleClick(5, 15);
  EXPECT_EQ(selected(), std::make_pair(0, 1));

  // A read-only box selects no word.
  box->setReadOnly(true);
  box->ClearSelection();
  doubleClick(25, 15);
  EXPECT_FALSE(box->hasSelection());
}

TEST_F(BoxMouse, ASelectionDraggedFromTheBodyNeverReachesIntoTheFooter) {
  const auto footer = textOf(tag("") + "footer text");
  show(tag("") + "first" + tag("") + "second", 200, nullptr, footer.get());
  ASSERT_EQ(box->paragraphCount(), 3);
  drag(5, 15, 35, 55);  // into the footer's line at y 48 to 67
  EXPECT_TRUE(box->hasSelection());
  EXPECT_EQ(box->SelEnd().paragraphIndex, 1);
  EXPECT_EQ(box->SelEnd().charIndex, 3);
}

TEST_F(BoxMouse, ARightPressCollapsesTheSelectionLikeALeftPress) {
  show(tag("") + "one two three");
  drag(5, 15, 65, 15);
  ASSERT_TRUE(box->hasSelection());
  // Outside the selection: collapsed to the press point.
  box->mouseDown(right(105, 15));
  EXPECT_FALSE(box->hasSelection());
  EXPECT_EQ(selected(), std::make_pair(10, 10));
  EXPECT_EQ(box->Caret().charIndex, 10);
  box->mouseUp(right(105, 15));
  EXPECT_EQ(surface.popups.back().choice, PopupMenuChoice::boxOwn);

  // Inside it as well: only a left press there is a drag candidate.
  drag(5, 15, 65, 15);
  box->mouseDown(right(25, 15));
  EXPECT_FALSE(box->hasSelection());
  EXPECT_EQ(selected(), std::make_pair(2, 2));
  box->mouseUp(right(25, 15));
  drag(5, 15, 65, 15);
  box->mouseDown(left(25, 15));
  EXPECT_TRUE(box->hasSelection());
}

TEST_F(BoxMouse, APressOnHeaderOrFooterTextPutsTheCaretInTheBody) {
  const auto header = textOf(tag("") + "header");
  const auto footer = textOf(tag("") + "footer text");
  show(tag("") + "first" + tag("") + "second line", 200, header.get(), footer.get());
  ASSERT_EQ(box->paragraphCount(), 4);  // lines at y 8, 28, 48 and 68
  box->setAnimated(true);

  // On the header line: the first body line, under the point.
  click(left(35, 15));
  EXPECT_EQ(box->Caret().paragraphIndex, 1);
  EXPECT_EQ(box->Caret().charIndex, 3);
  // On the footer line: the last body line, under the point.
  box->mouseDown(left(75, 75));
  EXPECT_EQ(box->Caret().paragraphIndex, 2);
  EXPECT_EQ(box->Caret().charIndex, 7);
  EXPECT_EQ(box->SelStart().paragraphIndex, 2);
  box->mouseUp(left(75, 75));
  // Below every paragraph nothing happens.
  click(left(15, 200));
  EXPECT_EQ(box->Caret().paragraphIndex, 2);
  EXPECT_EQ(box->Caret().charIndex, 7);
}

TEST_F(BoxMouse, RightClicksOnLinksShowTheMenuOfTheirKind) {
  const std::string action = localLink("", TOggettiHel::speclink);
  const std::string hyperlink = localLink("http://x.example");
  show(tag("") + action + "act<%> plain " + hyperlink + "web<%>");
  box->mouseDown(right(15, 15));
  box->mouseUp(right(15, 15));
  EXPECT_EQ(surface.popups, (std::vector<ShownPopup>{{PopupMenuChoice::PopupSpecLink, 15, 15}}));
  EXPECT_EQ(frames.remembered, (std::vector<TZEBoggetto*>{local(0)}));
  click(right(65, 15));
  EXPECT_EQ(surface.popups.back(), (ShownPopup{PopupMenuChoice::boxOwn, 65, 15}));
  platform.events.runPending();
  EXPECT_TRUE(frames.followed.empty());

  // Read-only, outside reading mode: the inactive menu; a left click on a link action only
  // remembers it, on a hyperlink follows it.
  box->setReadOnly(true);
  click(right(15, 15));
  EXPECT_EQ(surface.popups.back().choice, PopupMenuChoice::PopupInactive);
  click(left(15, 15));
  click(left(115, 15));
  platform.events.runPending();
  EXPECT_EQ(frames.followed, (std::vector<TZEBoggetto*>{local(1)}));
  EXPECT_EQ(frames.remembered.size(), 3u);
}

TEST_F(BoxMouse, OnlyBooksDroppedOnAReadingBoxReachTheFrameSet) {
  show(tag("") + "text");
  box->setAnimated(true);
  box->dropFiles({"/books/Other.ZEB", "/books/notes.txt"}, 5, 5);
  box->dropFiles({"/books/notes.txt"}, 5, 5);
  ASSERT_EQ(frames.dropped.size(), 1u);
  EXPECT_EQ(frames.dropped[0].size(), 2u);
  EXPECT_EQ(frames.dropCallers[0], nullptr);
  frames.wrapper = true;
  box->dropFiles({"/books/Other.zeb"}, 5, 5);
  EXPECT_EQ(frames.dropped.size(), 1u);

  // Editing: any file, with the caret moved to the drop point and the box as caller.
  frames.wrapper = false;
  box->setAnimated(false);
  box->dropFiles({"/books/notes.txt"}, 25, 15);
  ASSERT_EQ(frames.dropped.size(), 2u);
  EXPECT_EQ(frames.dropCallers[1], box.get());
  EXPECT_EQ(box->Caret().charIndex, 2);
}

TEST_F(BoxMouse, NothingHappensWhileTheBoxIsRebuilt) {
  show(tag("") + localLink("nexo:|7") + "link<%>");
  box->setAnimated(true);
  box->beginUpdate();
  click(left(5, 15));
  box->mouseMove(hover(5, 15));
  box->dropFiles({"a.zeb"}, 5, 5);
  EXPECT_TRUE(box->keyDown({Key::pageDown}));
  box->endUpdate();
  EXPECT_EQ(platform.events.pendingCount(), 0u);
  EXPECT_TRUE(surface.hints.empty());
  EXPECT_TRUE(frames.dropped.empty());
  EXPECT_EQ(box->VerticalPosition(), 0);
}

}  // namespace
}  // namespace zeb
