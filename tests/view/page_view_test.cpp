// The page view: working texts and their object tags, header and footer, panels, modes,
// the in-page search, committing and discarding.
#include "view/page_view.h"

#include <gtest/gtest.h>

#include "document/container.h"
#include "document/page_object.h"
#include "document/search_text.h"
#include "platform/headless/recording_canvas.h"
#include "tests/support/test_platform.h"
#include "text/box_painting.h"
#include "text/measurement_cache.h"
#include "text/nested_boxes.h"
#include "text/paragraph.h"
#include "text/text_box.h"
#include "tools/zebmake/book_model.h"
#include "view/page_background.h"
#include "view/page_painting.h"
#include "view/page_search.h"
#include "view/page_text.h"
#include "view/page_zoom.h"

namespace zeb {
namespace {

class RecordingOwner final : public PageOwner {
 public:
  int SearchOptions() const override { return options; }
  bool ActivePreview() const override { return activePreview; }
  void followObject(TZEBpage&, TZEBoggetto& object) override { followed.push_back(&object); }
  void activateFrameOf(TZEBpage&) override { ++activations; }
  int options = 0;
  bool activePreview = false;
  std::vector<TZEBoggetto*> followed;
  int activations = 0;
};

class PageView : public ::testing::Test {
 protected:
  PageView() { page.setClientSize(400, 300); }
  TZEBtesto& addPage(std::string_view text) { return zebmake::addPage(set, "page", text); }
  std::string stored(TZEBtesto& text) { return std::string(text.textView()); }
  std::string hex(std::uint32_t id) {
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08X", id);
    return digits;
  }

  testing::TestPlatform platform;
  TZEBset set{platform.services()};
  MeasurementCache measures{platform.measurer};
  RecordingOwner owner;
  TZEBpage page{set, measures, owner};
};

TEST_F(PageView, WorkingTextEndsWithAZeroByteWhileTheBookKeepsItsText) {
  TZEBtesto& shown = addPage("x");
  shown.setText("<Z S0 >no zero byte");
  TZEBtesto& working = page.ShowText(&shown);
  EXPECT_EQ(stored(working), std::string("<Z S0 >no zero byte\0", 20));
  EXPECT_EQ(stored(shown), "<Z S0 >no zero byte");
  ASSERT_EQ(page.TextBox()->paragraphCount(), 1);
  EXPECT_EQ(page.TextBox()->paragraph(0).Text, "no zero byte");

  shown.setText("");
  EXPECT_EQ(stored(page.ShowText(&shown)), std::string("<Z S0 >\0", 8));
  shown.setPrimaryBlob(Blob());
  EXPECT_EQ(stored(page.ShowText(&shown)), std::string("<Z S0 >\0", 8));
  EXPECT_EQ(page.PageIndex(), shown.Index());
}

TEST_F(PageView, ObjectTagsNameWorkingCopies) {
  TZEBtesto& target = addPage("<Z S0 >target");
  TZEBoggetto& link = zebmake::addObject(set, TOggettiHel::internetLink);
  link.setName("nexo:|1");
  TZEBoggetto& action = zebmake::addObject(set, TOggettiHel::speclink);
  action.record().setI32(13, static_cast<std::int32_t>(link.ID()));
  TZEBoggetto& placement = zebmake::addObject(set, TOggettiHel::immagineNew);
  TZEBoggetto& keyword = zebmake::addObject(set, TOggettiHel::keyword);
  keyword.setName("k");
  const std::string text = "<Z S0 ><$" + hex(link.ID()) + ">a<%><$" + hex(action.ID()) + ">b<%><$" +
                           hex(placement.ID()) + "><$" + hex(keyword.ID()) + "><$" + hex(target.ID()) + ">c<%>";
  TZEBtesto& working = page.ShowText(&addPage(text));

  EXPECT_EQ(stored(working), std::string("<Z S0 ><$6f000000>a<%><$6f000001>b<%><$ff000000><$") + hex(keyword.ID()) +
                                 "><$" + hex(target.ID()) + ">c<%>" + '\0');
  ASSERT_EQ(working.localObjectCount(), 3u);  // the link, the action, and the link the action goes to
  TZEBoggetto* actionCopy = working.localObject(0x6F000001);
  ASSERT_NE(actionCopy, nullptr);
  EXPECT_NE(actionCopy, &action);
  EXPECT_EQ(actionCopy->record().u32(13), 0x6F000002u);
  EXPECT_EQ(working.localObject(0x6F000002)->Name(), "nexo:|1");
  EXPECT_EQ(working.embeddedCount(), 1u);
  EXPECT_EQ(working.embeddedTagPosition(0), text.find("<$" + hex(placement.ID())));
  EXPECT_EQ(action.record().i32(13), static_cast<std::int32_t>(link.ID()));  // the book is untouched
}

TEST_F(PageView, ActionsThatGoToEachOtherAreCopiedOnce) {
  TZEBoggetto& first = zebmake::addObject(set, TOggettiHel::speclink);
  TZEBoggetto& second = zebmake::addObject(set, TOggettiHel::speclink);
  first.record().setI32(13, static_cast<std::int32_t>(second.ID()));
  second.record().setI32(13, static_cast<std::int32_t>(first.ID()));
  TZEBtesto& working = page.ShowText(&addPage("<Z S0 ><$" + hex(first.ID()) + ">x<%>"));
  EXPECT_EQ(working.localObjectCount(), 3u);
  EXPECT_EQ(working.localObject(0x6F000002)->record().u32(13), 0x6F000001u);
}

TEST_F(PageView, HeaderAndFooterComeFromThePageOrTheBook) {
  TZEBtesto& header = addPage("<Z S0 >Header");
  TZEBtesto& footer = addPage("<Z S0 >Footer");
  TZEBtesto& shown = addPage("<Z S0 >Body");
  set.header().setI32(1728, footer.Index());
  shown.record().setI32(231, header.Index());
  page.ShowText(&shown);
  TZEBbox& box = *page.TextBox();
  ASSERT_EQ(box.paragraphCount(), 3);
  EXPECT_EQ(box.HeaderCount(), 1);
  EXPECT_EQ(box.FooterCount(), 1);
  EXPECT_EQ(box.paragraph(0).Text, "Header");
  EXPECT_EQ(box.paragraph(2).Text, "Footer");

  shown.record().setI32(231, 77);  // names no page
  shown.record().setI32(235, -1);
  set.header().setI32(1728, -1);
  page.ShowText(&shown);
  EXPECT_EQ(page.TextBox()->paragraphCount(), 1);
}

TEST_F(PageView, OlderMarkupIsConvertedBeforeItIsShown) {
  TZEBtesto& old = addPage("x");
  old.setText(std::string("<P>Old <B>bold</B> text") + '\0');
  old.record().setU8(195, 1);
  page.ShowText(&old);
  EXPECT_EQ(old.textFormat(), 2);
  ASSERT_GE(page.TextBox()->paragraphCount(), 1);
  // The last paragraph holds the text, with "<B>" turned into a bold run.
  const TZEBparag& converted = page.TextBox()->paragraph(page.TextBox()->paragraphCount() - 1);
  EXPECT_EQ(converted.Text, "Old bold text");
  ASSERT_NE(converted.runAt(4), nullptr);
  EXPECT_NE(converted.runAt(4)->Style() & fontStyle::bold, 0);
  EXPECT_EQ(converted.runAt(8)->Style() & fontStyle::bold, 0);
  EXPECT_TRUE(platform.messages.shown().empty());
}

TEST_F(PageView, BlankPageIsAFreshTextOutsideTheBook) {
  const int pages = set.count(0);
  TZEBtesto& working = page.ShowText(nullptr);
  EXPECT_TRUE(page.Blank());
  EXPECT_EQ(page.PageIndex(), -1);
  EXPECT_EQ(set.count(0), pages);
  EXPECT_EQ(stored(working), std::string("<Z S0 >\0", 8));
  EXPECT_FALSE(page.ErasesBackground());
}

TEST_F(PageView, ResizingTheClientAreaLaysTheTextOutAgain) {
  page.setClientSize(100, 300);
  page.ShowText(&addPage("<Z S0 >" + std::string(30, 'x') + " " + std::string(30, 'y')));
  const int narrowLines = static_cast<int>(page.TextBox()->paragraph(0).Lines.size());
  page.setClientSize(1000, 300);
  EXPECT_LT(static_cast<int>(page.TextBox()->paragraph(0).Lines.size()), narrowLines);
  EXPECT_EQ(page.TextBox()->LayoutWidth(), 1000);
  page.setClientSize(100, 300);
  EXPECT_EQ(static_cast<int>(page.TextBox()->paragraph(0).Lines.size()), narrowLines);
}

// A zoomed page lays its text out to its window in book pixels: at 200 % a window of 800
// pixels breaks the lines where 400 pixels break them at 100 %, every width and line height
// shown twice as large, while in the same window a word that fitted at 100 % wraps.
TEST_F(PageView, AZoomedPageLaysOutToItsWindowInBookPixels) {
  const std::string words = std::string(15, 'x') + " " + std::string(12, 'y') + " " + std::string(18, 'z');
  page.setClientSize(400, 300);
  page.ShowText(&addPage("<Z S0 >" + words));
  const TZEBparag& normal = page.TextBox()->paragraph(0);
  struct Line {
    int top, height, extent;
  };
  std::vector<Line> normalLines;
  for (const TZEBline& line : normal.Lines) normalLines.push_back({line.LineTop, line.LineHeight, line.Extent});
  ASSERT_EQ(normalLines.size(), 2u);
  const int normalWidth = normal.Cells[0].Advance;

  page.setZoom(PageZoom(200));
  page.setClientSize(800, 600);
  EXPECT_EQ(page.clientWidth(), 400);
  EXPECT_EQ(page.TextBox()->LayoutWidth(), 400);
  const TZEBparag& zoomed = page.TextBox()->paragraph(0);
  ASSERT_EQ(zoomed.Lines.size(), normalLines.size());
  for (std::size_t i = 0; i < normalLines.size(); ++i) {
    EXPECT_EQ(page.Zoom().toWindow(zoomed.Lines[i].LineTop), 2 * normalLines[i].top);
    EXPECT_EQ(page.Zoom().toWindow(zoomed.Lines[i].LineHeight), 2 * normalLines[i].height);
    EXPECT_EQ(page.Zoom().toWindow(zoomed.Lines[i].Extent), 2 * normalLines[i].extent);
  }
  EXPECT_EQ(page.Zoom().toWindow(zoomed.Cells[0].Advance), 2 * normalWidth);

  // The first line held the x's and the y's at 100 %; at 200 % the y's go to the next one.
  page.setClientSize(400, 300);
  EXPECT_EQ(page.TextBox()->LayoutWidth(), 200);
  EXPECT_EQ(page.TextBox()->paragraph(0).Lines.size(), 3u);
  page.setZoom(PageZoom(100));
  EXPECT_EQ(page.TextBox()->paragraph(0).Lines.size(), 2u);
}

// The arithmetic of the zoom: window pixels to book pixels rounded down, rectangles covered
// outward, the steps of Zoom in and out, the limits and the zoom that fits a wide page.
TEST(PageZoomArithmetic, RoundingStepsLimitsAndFitting) {
  const PageZoom half(150);
  EXPECT_EQ(half.toBook(301), 200);
  EXPECT_EQ(half.toWindow(201), 302);
  EXPECT_EQ(half.toBook(-1), -1);
  EXPECT_EQ(half.toBook(CanvasRect{1, 1, 4, 4}), (CanvasRect{0, 0, 3, 3}));
  EXPECT_EQ(half.toWindow(CanvasRect{1, 1, 3, 3}), (CanvasRect{1, 1, 5, 5}));
  EXPECT_EQ(PageZoom(10).percent(), 50);
  EXPECT_EQ(PageZoom(1000).percent(), 400);
  EXPECT_EQ(zoomedIn(100), 110);
  EXPECT_EQ(zoomedIn(105), 110);
  EXPECT_EQ(zoomedIn(400), 400);
  EXPECT_EQ(zoomedOut(100), 90);
  EXPECT_EQ(zoomedOut(50), 50);
  EXPECT_EQ(fitWidthZoom(1000, 800), 80);
  EXPECT_EQ(fitWidthZoom(600, 800), 100);
  EXPECT_EQ(fitWidthZoom(10000, 800), 50);
}

TEST_F(PageView, ScrollBarsFollowModeAndReadOnly) {
  EXPECT_TRUE(page.verticalBarVisible());
  page.setScrollBarMode(1);
  EXPECT_TRUE(page.verticalBarVisible());  // editing: always both
  page.setReadOnly(true);
  EXPECT_FALSE(page.verticalBarVisible());
  EXPECT_FALSE(page.horizontalBarVisible());
  page.setScrollBarMode(2);
  EXPECT_TRUE(page.horizontalBarVisible());
  page.setScrollBarMode(7);  // other modes leave the bars as they are
  EXPECT_TRUE(page.verticalBarVisible());
}

TEST_F(PageView, FramesOnlyPagesShowNoTextAndPassClicksOn) {
  page.Click();
  EXPECT_EQ(owner.activations, 0);
  page.setFramesOnly(true);
  EXPECT_FALSE(page.HasBorder());
  EXPECT_EQ(page.VerticalRange(), 0);
  EXPECT_TRUE(page.ReadOnly());
  page.Click();
  EXPECT_EQ(owner.activations, 1);
}

TEST_F(PageView, AnchorsAndPreviewPanels) {
  TZEBoggetto& anchor = zebmake::addObject(set, TOggettiHel::shortObj);
  anchor.record().setU8(4, 14);
  anchor.record().setI32(5, 3);
  TZEBtesto& target = addPage("<Z S0 >t");
  TZEBoggetto& preview = zebmake::addObject(set, TOggettiHel::shortObj);
  preview.record().setU8(4, 13);
  preview.record().setI32(5, static_cast<std::int32_t>(target.ID()));
  TZEBtesto& shown = addPage("<Z S0 >First<Z S0 >ab<$" + hex(anchor.ID()) + ">cd<$" + hex(preview.ID()) + ">");

  owner.activePreview = true;
  page.ShowText(&shown);
  ASSERT_EQ(page.anchors().size(), 1u);
  ASSERT_EQ(owner.followed.size(), 1u);
  EXPECT_EQ(owner.followed[0]->state(), 13);

  EXPECT_TRUE(page.GoToAnchor(3));
  EXPECT_EQ(page.TextBox()->Caret().paragraphIndex, 1);
  EXPECT_EQ(page.TextBox()->Caret().charIndex, 2);
  EXPECT_EQ(page.TextBox()->SelStart().charIndex, 2);
  EXPECT_FALSE(page.GoToAnchor(-1));
  EXPECT_TRUE(platform.messages.shown().empty());
  EXPECT_FALSE(page.GoToAnchor(5));
  EXPECT_EQ(platform.messages.shown(), (std::vector<ShownMessage>{{MessageKind::warning, "Anchor not found: a5"}}));
  page.setReadOnly(true);
  EXPECT_FALSE(page.GoToAnchor(6));
  EXPECT_EQ(platform.messages.shown().size(), 1u);
}

TEST(PageSearch, WholeWordsAndDelimiters) {
  const int whole = searchWholeWords;
  EXPECT_EQ(findInParagraph("of", "of", 0, 0), 0u);
  EXPECT_EQ(findInParagraph("xof of", "of", 0, whole), 4u);
  EXPECT_EQ(findInParagraph("of\xE9 (of)", "of", 0, whole), 5u);  // an accented letter joins the word
  EXPECT_EQ(findInParagraph("of9 of", "of", 0, whole), 4u);
  EXPECT_EQ(findInParagraph("9of", "of", 0, whole), std::nullopt);
  EXPECT_EQ(findInParagraph("see OF", "of", 0, whole), 4u);
  EXPECT_EQ(findInParagraph("see OF", "of", 0, whole | searchMatchCase), std::nullopt);
  EXPECT_EQ(findInParagraph("[of]", "of", 0, whole), 1u);
  EXPECT_EQ(findInParagraph("of of", "of", 1, whole), 3u);
  EXPECT_TRUE(isSearchDelimiter(' '));
  EXPECT_TRUE(isSearchDelimiter('~'));
  EXPECT_FALSE(isSearchDelimiter('\x7f'));
  EXPECT_FALSE(isSearchDelimiter('\t'));
}

TEST_F(PageView, FindNextStartsFromTheTopOrJustAfterTheCaret) {
  page.ShowText(&addPage("<Z S0 >one two<Z S0 >two three"));
  page.StartSearch(false);
  ASSERT_TRUE(page.FindNext("TWO"));
  TZEBbox& box = *page.TextBox();
  EXPECT_EQ(box.SelStart().paragraphIndex, 0);
  EXPECT_EQ(box.SelStart().charIndex, 4);
  EXPECT_EQ(box.SelEnd().charIndex, 7);
  page.StartSearch(true);
  ASSERT_TRUE(page.FindNext("two"));
  EXPECT_EQ(box.SelStart().paragraphIndex, 1);
  EXPECT_EQ(box.SelStart().charIndex, 0);
  page.StartSearch(true);
  EXPECT_FALSE(page.FindNext("two"));
}

TEST_F(PageView, APageIsAsLongAsItsText) {
  std::string text;
  for (int i = 0; i < 5000; ++i) text += "<Z S0 >line " + std::to_string(i);
  text += "<Z S0 >the end: omega";
  page.ShowText(&addPage(text));
  TZEBbox& box = *page.TextBox();
  const TZEBparag& last = box.paragraph(box.paragraphCount() - 1);
  const int lastTop = last.Top;
  ASSERT_GT(lastTop, 100000);
  ScrollWindow window = box.scrollWindow();
  EXPECT_EQ(window.contentHeight, last.Bottom + 1);
  EXPECT_EQ(page.VerticalRange(), window.contentHeight);
  EXPECT_EQ(window.height, 300);
  EXPECT_FALSE(box.RangeCapped());

  // Scrolled to the end, the last line is painted at the foot of the page.
  box.setScrollPosition(0, INT64_MAX);
  window = box.scrollWindow();
  EXPECT_EQ(window.top, window.contentHeight - 300);
  RecordingCanvas canvas({0, 0, 400, 300}, &platform.measurer);
  paintPage(page, canvas);
  const auto texts = canvas.calls("text");
  ASSERT_FALSE(texts.empty());
  const int omegaX = box.positionOf(box.paragraphCount() - 1, 9).X;
  EXPECT_EQ(texts.back(), "text " + std::to_string(omegaX) + "," + std::to_string(lastTop - window.top) + " \"omega\"");

  // From the top, the in-page search finds it and brings it into view.
  box.setScrollPosition(0, 0);
  page.StartSearch(false);
  ASSERT_TRUE(page.FindNext("omega"));
  EXPECT_EQ(box.SelStart().paragraphIndex, box.paragraphCount() - 1);
  window = box.scrollWindow();
  EXPECT_LE(window.top, lastTop);
  EXPECT_GE(window.top + window.height, last.Bottom);
}

TEST_F(PageView, MatchesInsideTableCellsAreSelectedInTheCellBox) {
  TZEBoggetto& table = zebmake::addObject(set, TOggettiHel::tabellaHtml);
  table.record().setU8(93, 1);
  table.record().setU8(94, 2);
  page.ShowText(
      &addPage("<Z S0 >before<$" + hex(table.ID()) + "><Z S1 >left cell<T><Z S1 >right needle<T><Z S0 >after"));
  page.StartSearch(false);
  ASSERT_TRUE(page.FindNext("needle"));
  TZEBbox* cell = page.ActiveBox();
  ASSERT_NE(cell, page.TextBox());
  EXPECT_EQ(cell->paragraph(cell->SelStart().paragraphIndex).Text, "right needle");
  EXPECT_EQ(cell->SelStart().charIndex, 6);
  page.StartSearch(true);
  EXPECT_TRUE(page.FindNext("after"));
  EXPECT_EQ(page.ActiveBox(), page.TextBox());
}

TEST_F(PageView, HitsAndAnchorsInsideTableCellsAreScrolledIntoView) {
  TZEBoggetto& table = zebmake::addObject(set, TOggettiHel::tabellaHtml);
  table.record().setU8(93, 2);
  table.record().setU8(94, 1);
  TZEBoggetto& anchor = zebmake::addObject(set, TOggettiHel::shortObj);
  anchor.record().setU8(4, 14);
  anchor.record().setI32(5, 7);
  std::string text;
  for (int i = 0; i < 40; ++i) text += "<Z S0 >line";
  page.setClientSize(400, 100);
  page.ShowText(
      &addPage(text + "<Z S0 ><$" + hex(table.ID()) + "><Z S1 >top<T><Z S1 >x<$" + hex(anchor.ID()) + ">needle<T>"));
  TZEBbox& box = *page.TextBox();
  // The hit's line, in the page's coordinates, lies in the 100 pixels the page shows.
  auto shown = [&](const TZEBbox& cell) {
    const BoxOffset offset = offsetInOutermostBox(cell);
    const CanvasRect bar = cell.CaretControl().bar().translated(offset.x, offset.y);
    return bar.top >= box.VerticalPosition() && bar.bottom <= box.VerticalPosition() + 100;
  };
  page.StartSearch(false);
  ASSERT_TRUE(page.FindNext("needle"));
  ASSERT_NE(page.ActiveBox(), &box);
  EXPECT_GT(box.VerticalPosition(), 0);
  EXPECT_TRUE(shown(*page.ActiveBox()));

  box.setScrollPosition(0, 0);
  ASSERT_TRUE(page.GoToAnchor(7));
  EXPECT_GT(box.VerticalPosition(), 0);
  EXPECT_TRUE(shown(*page.ActiveBox()));
}

TEST_F(PageView, CommitKeepsEditsAndDiscardLeavesTheBookAlone) {
  TZEBoggetto& link = zebmake::addObject(set, TOggettiHel::internetLink);
  link.setName("http://example.org");
  TZEBtesto& shown = addPage("<Z S0 >see <$" + hex(link.ID()) + ">here<%>");
  const std::int32_t index = shown.Index();
  const std::int32_t linkIndex = link.Index();  // the commit puts the link's working copy in its place

  page.ShowText(&shown);
  page.Discard();
  page.Commit();  // nothing left to keep
  EXPECT_EQ(set.slot(TOggettiHel::testoHtml, index), &shown);

  TZEBpage editor(set, measures, owner);
  editor.setClientSize(400, 300);
  editor.ShowText(&shown);
  editor.WorkingText()->localObject(0x6F000000)->setName("http://example.com");
  editor.setModified(true);
  editor.Commit();
  editor.Commit();  // at most once
  auto* stored = static_cast<TZEBtesto*>(set.slot(TOggettiHel::testoHtml, index));
  ASSERT_NE(stored, nullptr);
  EXPECT_EQ(std::string(stored->textView()), "<Z S0 >see <$" + std::string("01000000") + ">here<%>" + '\0');
  EXPECT_EQ(set.slot(TOggettiHel::internetLink, linkIndex)->Name(), "http://example.com");
  EXPECT_EQ(stored->localObjectCount(), 0u);
  EXPECT_EQ(stored->textFormat(), 2);
}

TEST_F(PageView, ACommittedPageTakesTheBooksRevisionOnlyWhenModified) {
  set.header().setI32(header::revision, 9);
  TZEBtesto& edited = addPage("<Z S0 >edited");
  TZEBtesto& read = addPage("<Z S0 >only read");
  edited.record().setI32(field::pageRevision, 4);
  read.record().setI32(field::pageRevision, 4);
  for (TZEBtesto* shown : {&edited, &read}) {
    const std::int32_t index = shown->Index();
    const bool modified = shown == &edited;
    TZEBpage view(set, measures, owner);
    view.ShowText(shown);
    view.setModified(modified);
    view.Commit();  // the working text takes the shown page's place
    const std::int32_t revision = set.slot(TOggettiHel::testoHtml, index)->record().i32(field::pageRevision);
    EXPECT_EQ(revision, modified ? 9 : 4);
  }
}

TEST(PageBackground, TilesStartOnTheGridOfThePage) {
  EXPECT_TRUE(tilesCovering({0, 0, 100, 100}, 0, 20).empty());
  const auto tiles = tilesCovering({25, 35, 70, 50}, 30, 20);
  ASSERT_EQ(tiles.size(), 6u);
  EXPECT_EQ(tiles.front(), (CanvasRect{0, 20, 30, 40}));
  EXPECT_EQ(tiles.back(), (CanvasRect{60, 40, 90, 60}));
  // A grid through another origin, reaching left of and above it.
  EXPECT_EQ(tilesCovering({-5, 3, 10, 4}, 10, 10, 3, 7), (std::vector<CanvasRect>{{-7, -3, 3, 7}, {3, -3, 13, 7}}));
  EXPECT_TRUE(tilesCovering({5, 5, 5, 50}, 10, 10).empty());
}

}  // namespace
}  // namespace zeb
