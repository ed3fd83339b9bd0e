// Hit-testing, caret movement and keys: scrolling in reading modes, caret and selection
// movement in editing mode, and bringing the caret into view. Characters are 10 pixels wide,
// lines 20 pixels high, and the first paragraph starts at y 8.
#include <gtest/gtest.h>

#include <tuple>

#include "tests/text/box_test_support.h"
#include "text/caret_movement.h"
#include "text/hit_test.h"
#include "text/word_boundaries.h"

namespace zeb {
namespace {

using testing::BoxTest;

KeyEvent key(Key which, std::uint8_t modifiers = 0) { return {which, modifiers}; }

class BoxKeys : public BoxTest {
 protected:
  std::pair<int, int> caret() const { return {box->Caret().paragraphIndex, box->Caret().charIndex}; }
  std::pair<int, int> at(const std::optional<TextPos>& position) const {
    return position ? std::make_pair(position->paragraphIndex, position->charIndex) : std::make_pair(-1, -1);
  }
  std::string manyParagraphs(int count) const {
    std::string text;
    for (int i = 0; i < count; ++i) text += tag("") + "line " + std::to_string(i);
    return text;
  }
};

TEST_F(BoxKeys, HitTestingFindsTheParagraphLineAndCharacterUnderAPoint) {
  show(manyParagraphs(60) + tag("t10 ") + "abcdefghij klmnopqrst uvw" + tag("") + "end");
  // Paragraph 57 spans y 8 + 57 * 20 = 1148 to 1167.
  EXPECT_EQ(at(hitTest(*box, 25, 1150, HitScope::all)), std::make_pair(57, 2));
  // Paragraph 60 has 10 pixels of top margin: its lines start at 1218 and 1238.
  EXPECT_EQ(at(hitTest(*box, 5, 1215, HitScope::all)), std::make_pair(-1, -1));
  EXPECT_EQ(at(hitTestNearest(*box, 5, 1215, HitScope::all)), std::make_pair(59, 0));
  const std::optional<TextPos> second = hitTest(*box, 15, 1240, HitScope::all);
  EXPECT_EQ(at(second), std::make_pair(60, 12));
  EXPECT_EQ(second->lineIndex, 1);
  EXPECT_EQ(second->X, 10);
  EXPECT_EQ(second->XEnd, 20);
  EXPECT_TRUE(isOnCharacter(*second, 20, 1258));
  EXPECT_FALSE(isOnCharacter(*second, 21, 1240));
  // Right of a line that wraps: its last character; right of the last line: the paragraph end.
  EXPECT_EQ(at(hitTest(*box, 199, 1222, HitScope::all)), std::make_pair(60, 10));
  const std::optional<TextPos> end = hitTest(*box, 145, 1240, HitScope::all);
  EXPECT_EQ(at(end), std::make_pair(60, 25));
  EXPECT_EQ(end->X, 140);
  EXPECT_FALSE(isOnCharacter(*end, 145, 1240));
  // Above and below the text.
  EXPECT_FALSE(hitTest(*box, 5, 2, HitScope::all));
  EXPECT_FALSE(hitTest(*box, 5, 5000, HitScope::all));
  EXPECT_EQ(at(hitTestNearest(*box, 5, 2, HitScope::all)), std::make_pair(0, 0));
}

TEST_F(BoxKeys, AHitGivesTheEdgesOfItsCharacterAsLaidOut) {
  show(tag("A3 ") + "ab cd efgh", 70);  // "ab cd " justified: its inner blank is 20 wide
  const std::optional<TextPos> blank = hitTest(*box, 25, 10, HitScope::all);
  ASSERT_TRUE(blank);
  EXPECT_EQ(std::make_tuple(blank->lineIndex, blank->charIndex, blank->Y, blank->LineHeight, blank->X, blank->XEnd),
            std::make_tuple(0, 2, 8, 20, 20, 40));
  const std::optional<TextPos> end = hitTest(*box, 1000, 30, HitScope::all);
  ASSERT_TRUE(end);
  EXPECT_EQ(std::make_tuple(end->lineIndex, end->charIndex, end->Y, end->X, end->XEnd),
            std::make_tuple(1, 10, 28, 40, 40));
  EXPECT_EQ(end->paragraph, &paragraph(0));
}

TEST_F(BoxKeys, WordBoundariesStopAtSeparators) {
  EXPECT_TRUE(isWordSeparator(' ') && isWordSeparator('\'') && isWordSeparator('?') && isWordSeparator(147));
  EXPECT_FALSE(isWordSeparator('a') || isWordSeparator('0') || isWordSeparator('@') || isWordSeparator(233));
  EXPECT_EQ(previousWordStart("one, two", 8), 5);
  EXPECT_EQ(previousWordStart("one, two", 5), 0);
  EXPECT_EQ(nextWordStart("one, two", 0), 5);
  EXPECT_EQ(nextWordStart("one, two", 6), 8);
}

TEST_F(BoxKeys, ReadingModesScrollThePageByKeys) {
  show(manyParagraphs(100));
  box->setAnimated(true);
  host.height = 200;
  EXPECT_TRUE(box->keyDown(key(Key::pageDown)));
  EXPECT_EQ(box->VerticalPosition(), 180);
  host.height = 25;
  box->keyDown(key(Key::pageDown));
  EXPECT_EQ(box->VerticalPosition(), 190);
  box->keyDown(key(Key::up));
  box->keyDown(key(Key::up));
  EXPECT_EQ(box->VerticalPosition(), 170);
  box->keyDown(key(Key::pageUp));
  EXPECT_EQ(box->VerticalPosition(), 160);
  EXPECT_EQ(host.scrolls, 5);
  EXPECT_TRUE(box->keyDown(key(Key::letterC, modifier::control)));
  EXPECT_FALSE(box->keyDown(key(Key::letterC)));
  EXPECT_FALSE(box->keyDown(key(Key::enter)));
  // Never past the end of the text.
  host.height = 100;
  for (int i = 0; i < 30; ++i) box->keyDown(key(Key::pageDown));
  EXPECT_EQ(box->VerticalPosition(), box->VerticalRange() - 100);
}

TEST_F(BoxKeys, SpacePagesAndHomeAndEndReachTheEndsOfThePageInReadingModes) {
  show(manyParagraphs(100));
  box->setReadOnly(true);
  host.height = 200;
  EXPECT_TRUE(box->keyDown(key(Key::space)));
  box->keyDown(key(Key::space));
  EXPECT_EQ(box->VerticalPosition(), 360);
  box->keyDown(key(Key::space, modifier::shift));
  EXPECT_EQ(box->VerticalPosition(), 180);
  EXPECT_TRUE(box->keyDown(key(Key::end)));
  EXPECT_EQ(box->VerticalPosition(), box->VerticalRange() - 200);
  box->keyDown(key(Key::space));
  EXPECT_EQ(box->VerticalPosition(), box->VerticalRange() - 200);
  EXPECT_TRUE(box->keyDown(key(Key::home, modifier::control)));
  EXPECT_EQ(box->VerticalPosition(), 0);
  EXPECT_FALSE(box->keyDown(key(Key::space, modifier::control)));
}

TEST_F(BoxKeys, CaretKeysMoveByCharacterWordLineAndParagraph) {
  show(tag("") + "abc def ghi" + tag("") + "jk lmn", 50);  // "abc ", "def ", "ghi"; "jk ", "lmn"
  surface.focused = true;
  box->moveCaret(box->positionOf(0, 5));  // "e"
  box->keyDown(key(Key::down));
  EXPECT_EQ(caret(), std::make_pair(0, 9));
  box->keyDown(key(Key::down));
  EXPECT_EQ(caret(), std::make_pair(1, 1));
  box->keyDown(key(Key::up));  // onto "ghi", the last line of the wrapped paragraph above
  EXPECT_EQ(caret(), std::make_pair(0, 9));
  box->keyDown(key(Key::down));
  EXPECT_EQ(caret(), std::make_pair(1, 1));
  box->keyDown(key(Key::end));
  EXPECT_EQ(caret(), std::make_pair(1, 2));  // before the line's last character, the blank
  box->keyDown(key(Key::home));
  EXPECT_EQ(caret(), std::make_pair(1, 0));
  box->keyDown(key(Key::left));
  EXPECT_EQ(caret(), std::make_pair(0, 11));
  box->keyDown(key(Key::left, modifier::control));
  EXPECT_EQ(caret(), std::make_pair(0, 8));
  box->keyDown(key(Key::left, modifier::control));
  EXPECT_EQ(caret(), std::make_pair(0, 4));
  box->keyDown(key(Key::right, modifier::control));
  EXPECT_EQ(caret(), std::make_pair(0, 8));
  box->keyDown(key(Key::down, modifier::control));
  EXPECT_EQ(caret(), std::make_pair(1, 0));
  box->keyDown(key(Key::end, modifier::control));
  EXPECT_EQ(caret(), std::make_pair(1, 6));
  box->keyDown(key(Key::home, modifier::control));
  EXPECT_EQ(caret(), std::make_pair(0, 0));
  EXPECT_TRUE(box->CaretControl().shown());
  EXPECT_GE(frames.currentControlCalls, 10);
}

TEST_F(BoxKeys, MovementsAtTheEndsOfTheBodyGoToTheHost) {
  show(tag("") + "ab" + tag("") + "cd");
  surface.focused = true;
  box->keyDown(key(Key::left));
  box->keyDown(key(Key::up));
  box->moveCaret(box->positionOf(1, 2));
  box->keyDown(key(Key::right));
  EXPECT_EQ(host.left,
            (std::vector<LeaveDirection>{LeaveDirection::backward, LeaveDirection::backward, LeaveDirection::forward}));
  EXPECT_EQ(caret(), std::make_pair(1, 2));
  // A selection reaching the end still collapses, and the caret shows.
  box->SelectAll();
  box->keyDown(key(Key::right));
  EXPECT_FALSE(box->hasSelection());
  EXPECT_EQ(caret(), std::make_pair(1, 2));
  EXPECT_TRUE(box->CaretControl().shown());
  EXPECT_EQ(host.left.size(), 4u);
  // Eleven lines at a time, as far as the text goes.
  show(manyParagraphs(30));
  surface.focused = true;
  box->keyDown(key(Key::pageDown));
  EXPECT_EQ(caret(), std::make_pair(11, 0));
  box->moveCaret(box->positionOf(25, 3));
  box->keyDown(key(Key::pageDown));
  EXPECT_EQ(caret(), std::make_pair(29, 3));
}

TEST_F(BoxKeys, ShiftExtendsTheSelectionAndPlainKeysCollapseItFirst) {
  show(tag("") + "abcdefgh");
  surface.focused = true;
  box->moveCaret(box->positionOf(0, 2));
  box->keyDown(key(Key::right, modifier::shift));
  box->keyDown(key(Key::right, modifier::shift));
  box->keyDown(key(Key::right, modifier::shift));
  EXPECT_TRUE(box->hasSelection());
  EXPECT_EQ(box->SelStart().charIndex, 2);
  EXPECT_EQ(box->SelEnd().charIndex, 5);
  EXPECT_FALSE(box->CaretControl().shown());
  // Left collapses to the start, then moves.
  box->keyDown(key(Key::left));
  EXPECT_FALSE(box->hasSelection());
  EXPECT_EQ(caret(), std::make_pair(0, 1));
  // Right collapses to the end, then moves; back over the anchor the selection turns.
  box->keyDown(key(Key::left, modifier::shift));
  EXPECT_EQ(caret(), std::make_pair(0, 0));
  box->keyDown(key(Key::right));
  EXPECT_EQ(caret(), std::make_pair(0, 2));
  box->keyDown(key(Key::right, modifier::shift));
  box->keyDown(key(Key::left, modifier::shift));
  box->keyDown(key(Key::left, modifier::shift));
  EXPECT_EQ(box->orderedStart().charIndex, 1);
  EXPECT_EQ(box->orderedEnd().charIndex, 2);
  EXPECT_TRUE(box->hasSelection());
}

TEST_F(BoxKeys, F2FollowsTheLinkAtTheCaretAsAClickWould) {
  show(tag("") + localLink("http://web.example") + "web<%> " + localLink("nexo:|4") + "book<%> " +
       localLink("prog:calc") + "p<%> " + localLink("run:x") + "r<%> " + localLink("notes.txt") + "f<%>");
  surface.focused = true;
  // Web addresses, book links, programs to start and files are all the program's to follow,
  // as when they are clicked: it tells when no browser could show an address, and asks
  // before it opens a file a book names.
  for (const int character : {1, 5, 9, 11, 13}) {
    box->moveCaret(box->positionOf(0, character));
    box->keyDown(key(Key::f2));
  }
  platform.events.runPending();
  EXPECT_EQ(frames.followed.size(), 5u);
  EXPECT_TRUE(platform.shell.openedDocuments.empty());
}

TEST_F(BoxKeys, TheCaretIsBroughtIntoViewMinimallyOrWithContext) {
  show(manyParagraphs(100));
  host.height = 100;
  surface.focused = true;
  box->moveCaret(box->positionOf(20, 0));  // line at 408 to 427
  EXPECT_EQ(box->VerticalPosition(), 428 - 100);
  box->moveCaret(box->positionOf(10, 0));  // 208
  EXPECT_EQ(box->VerticalPosition(), 208);
  box->setCaret(box->positionOf(50, 0));  // 1008, out of view
  box->scrollToCaretWithContext();
  EXPECT_EQ(box->VerticalPosition(), 1008 - 25);
  box->setCaret(box->positionOf(51, 0));  // in view: no move
  box->scrollToCaretWithContext();
  EXPECT_EQ(box->VerticalPosition(), 1008 - 25);
}

TEST_F(BoxKeys, SelectingARangeShowsItAndHidesTheCaret) {
  show(tag("") + "abc" + tag("") + "defg");
  surface.focused = true;
  box->focusGained();
  EXPECT_TRUE(box->CaretControl().shown());
  box->SelectRange(1, 3, 0, 1);
  EXPECT_TRUE(box->hasSelection() && box->selectionShown());
  EXPECT_FALSE(box->CaretControl().shown());
  EXPECT_EQ(caret(), std::make_pair(0, 1));
  EXPECT_TRUE(box->selectionContains(box->positionOf(1, 3)));
  EXPECT_FALSE(box->selectionContains(box->positionOf(1, 4)));
  box->SelectAll();
  EXPECT_EQ(box->orderedEnd().charIndex, 4);
  // Reading mode drops the selection.
  box->setAnimated(true);
  EXPECT_FALSE(box->hasSelection());
}

TEST_F(BoxKeys, TheCaretBlinksOnlyInAFocusedEditingBox) {
  show(tag("") + "abc");
  box->focusGained();
  EXPECT_FALSE(box->CaretControl().shown());
  surface.focused = true;
  box->focusGained();
  ASSERT_TRUE(box->CaretControl().visibleNow());
  platform.events.advance(TZEBcursor::blinkMilliseconds);
  EXPECT_FALSE(box->CaretControl().visibleNow());
  platform.events.advance(TZEBcursor::blinkMilliseconds);
  EXPECT_TRUE(box->CaretControl().visibleNow());
  box->focusLost();
  EXPECT_EQ(platform.events.activeTimerCount(), 0);
  box->setReadOnly(true);
  box->focusGained();
  EXPECT_FALSE(box->CaretControl().shown());
}

}  // namespace
}  // namespace zeb
