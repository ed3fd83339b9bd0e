// Painting a text box on the recording canvas, with fixed metrics: in the plain style a
// character is 10 pixels wide, lines are 20 pixels high with an ascent of 15, and the first
// paragraph starts at y 8, so the first line's characters have their top at y 8.
#include "text/box_painting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/headless/recording_canvas.h"
#include "tests/support/expected_dump.h"
#include "tests/text/box_test_support.h"
#include "text/effective_font.h"
#include "text/embedded_object.h"
#include "text/object_placement.h"
#include "text/table_cells.h"

namespace zeb {
namespace {

using testing::BoxTest;
using testing::expectSameAsDump;

using Calls = std::vector<std::string>;

// Only the calls that set fonts, text backgrounds or draw text.
Calls textCalls(const RecordingCanvas& canvas) {
  Calls found;
  for (const std::string& call : canvas.calls()) {
    if (call.starts_with("font ") || call.starts_with("back ") || call.starts_with("text ")) found.push_back(call);
  }
  return found;
}

class BoxPainting : public BoxTest {
 protected:
  RecordingCanvas paint(CanvasRect area = {0, 0, 200, 300}) {
    RecordingCanvas canvas(area, &platform.measurer);
    paintBox(*box, canvas);
    return canvas;
  }
  std::string font(int style = 0, std::string_view colour = "#000000") const {
    return "font \"Times New Roman\" 10 style=" + std::to_string(style) + " " + std::string(colour);
  }
};

TEST_F(BoxPainting, CharactersOfOneFontAreDrawnInBatchesAndBlanksAlone) {
  show(tag("") + "Hello big world");
  const RecordingCanvas canvas = paint();
  EXPECT_EQ(canvas.calls().front(), "fill 0,0,200,300 #C0C0C0");
  EXPECT_EQ(textCalls(canvas), (Calls{font(), "back clear", "text 0,8 \"Hello\"", "text 50,8 \" \"",
                                      "text 60,8 \"big\"", "text 90,8 \" \"", "text 100,8 \"world\""}));
}

TEST_F(BoxPainting, LinksTakeTheLinkLookExceptTheColourOfARunTheyStartWith) {
  // The plain style's links are blue (0xFF0000) and underlined (style bit 4).
  const std::string link = localLink("nexo:|3");
  show(tag("") + "a" + link + "bc<%>d " + link + "<Y c00FF00 >ef<%>g");
  EXPECT_EQ(textCalls(paint()),
            (Calls{font(), "back clear", "text 0,8 \"a\"", font(4, "#0000FF"), "text 10,8 \"b\"", "text 20,8 \"c\"",
                   font(), "text 30,8 \"d\"", "text 40,8 \" \"", font(4, "#00FF00"), "text 50,8 \"e\"",
                   "text 60,8 \"f\"", font(0, "#00FF00"), "text 70,8 \"g\""}));
}

TEST_F(BoxPainting, TextInsideLinksIsDrawnInTheFontAndAtThePlaceItWasMeasuredWith) {
  // Bold characters are one pixel wider, so a bold run drawn in the link's plain font
  // would disagree with the canvas, be drawn one by one, and move what follows.
  for (const std::string_view linkSize : {"S0 ", "S12 ", "S-1 "}) {
    const std::string link = localLink("nexo:|3");
    show(tag(linkSize) + "a " + link + "in<Y g1 >bolder<Y i1 >slanted<Y s14 >bigger<Y >plain<%> after<Y g1 > end");
    const RecordingCanvas canvas = paint();
    const TZEBparag& drawn = paragraph(0);
    std::string font;
    int index = 0;
    for (const std::string& call : canvas.calls()) {
      if (call.starts_with("font ")) font = call.substr(0, call.rfind(' '));  // the colour aside
      if (!call.starts_with("text ")) continue;
      const TMyFont measured = effectiveFont(drawn, index);
      const std::string expectedFont = "font \"" + measured.Name + "\" " + std::to_string(measured.Size) +
                                       " style=" + std::to_string(measured.Style);
      const std::string expectedPlace = "text " + std::to_string(box->positionOf(0, index).X) + ",";
      EXPECT_EQ(font, expectedFont) << linkSize << call;
      EXPECT_TRUE(call.starts_with(expectedPlace)) << linkSize << call << " expected at " << expectedPlace;
      index += static_cast<int>(call.size() - call.find('"') - 2);
    }
    EXPECT_EQ(index, drawn.length()) << linkSize;
  }
}

TEST_F(BoxPainting, APaintFromALaterLineDrawsItInTheRunAndLinkInForceThere) {
  // Lines "ab ", "cd " and "efg": a green run from "a", a link over "cd ef".
  show(tag("") + "<Y c00FF00 >ab " + localLink("nexo:|3") + "cd ef<%>g", 50);
  EXPECT_EQ(textCalls(paint({0, 48, 200, 68})),
            (Calls{font(4, "#0000FF"), "back clear", "text 0,48 \"ef\"", font(0, "#00FF00"), "text 20,48 \"g\""}));
  const Calls whole = paint().calls("text");
  ASSERT_GE(whole.size(), 2u);
  EXPECT_EQ(Calls(whole.end() - 2, whole.end()), (Calls{"text 0,48 \"ef\"", "text 20,48 \"g\""}));
}

TEST_F(BoxPainting, ASubscriptIsDrawnHalfItsFontHeightLower) {
  show(tag("") + "a<Y p1 >b<Y p0 >c<Y p2 >d");
  const Calls texts = paint().calls("text");
  // Height 20: the subscript moves down by 10; a superscript's ascent grows by 10 instead.
  // The superscript's ascent of 25 sets the line's baseline at 8 + 25.
  EXPECT_EQ(texts, (Calls{"text 0,18 \"a\"", "text 10,28 \"b\"", "text 20,18 \"c\"", "text 30,8 \"d\""}));
}

TEST_F(BoxPainting, WidthsTheCanvasDisagreesWithAreCorrectedSoTheNextPaintBatches) {
  show(tag("") + "Hello you");
  FixedMetricsMeasurer canvasMetrics;
  canvasMetrics.setCharacterWidth('l', 3);  // the batch is 14 pixels narrower on this canvas
  RecordingCanvas first({0, 0, 200, 300}, &canvasMetrics);
  paintBox(*box, first);
  EXPECT_EQ(first.calls("text"), (Calls{"text 0,8 \"H\"", "text 10,8 \"e\"", "text 20,8 \"l\"", "text 23,8 \"l\"",
                                        "text 26,8 \"o\"", "text 50,8 \" \"", "text 60,8 \"you\""}));
  EXPECT_EQ(paragraph(0).Cells[2].Advance, 3);
  EXPECT_EQ(paragraph(0).Cells[3].DrawWidth, 3);
  RecordingCanvas second({0, 0, 200, 300}, &canvasMetrics);
  paintBox(*box, second);
  EXPECT_EQ(second.calls("text"), (Calls{"text 0,8 \"Hello\"", "text 36,8 \" \"", "text 46,8 \"you\""}));
  // Within 4 pixels the batch stands: nothing is corrected.
  canvasMetrics.setCharacterWidth('y', 6);
  RecordingCanvas third({0, 0, 200, 300}, &canvasMetrics);
  paintBox(*box, third);
  EXPECT_EQ(third.calls("text").back(), "text 46,8 \"you\"");
  EXPECT_EQ(paragraph(0).Cells[6].Advance, 10);
}

// A Hebrew paragraph runs right to left within the place layout gave its line (here from
// the left edge): its first word stands rightmost; words of Latin letters and numbers keep
// their own order inside it, and each batch goes to the canvas in stored order for its text
// engine to order.
TEST_F(BoxPainting, RightToLeftParagraphsStandInTheOrderTheirLettersRun) {
  set.header().setI16(header::defaultLanguage, 1037);
  show(tag("") + "\xF9\xEC\xE5\xED \xF2\xE5\xEC\xED<Z S" + std::to_string(plainStyle) + " >\xF9\xEC\xE5\xED abc 12.");
  EXPECT_EQ(paint().calls("text"),
            (Calls{"text 0,8 \"\xF2\xE5\xEC\xED\"", "text 40,8 \" \"", "text 50,8 \"\xF9\xEC\xE5\xED\"",
                   "text 0,28 \".\"", "text 10,28 \"abc\"", "text 40,28 \" \"", "text 50,28 \"12\"", "text 70,28 \" \"",
                   "text 80,28 \"\xF9\xEC\xE5\xED\""}));
  // The selected first word is highlighted where it stands, its first letter rightmost.
  box->SelectRange(0, 0, 0, 1);
  EXPECT_EQ(paint().calls("fill"), (Calls{"fill 0,0,200,300 #C0C0C0", "fill 80,8,90,28 highlight"}));
}

TEST_F(BoxPainting, ASelectionAcrossALineBreakHighlightsOnlyWhatItCovers) {
  show(tag("") + "abc def", 50);  // "abc " and "def"
  box->SelectRange(0, 1, 0, 6);
  const RecordingCanvas canvas = paint();
  // The highlight spans the selected part of each line, behind its text.
  EXPECT_EQ(canvas.calls("fill"),
            (Calls{"fill 0,0,200,300 #C0C0C0", "fill 10,8,40,28 highlight", "fill 0,28,20,48 highlight"}));
  EXPECT_EQ(textCalls(canvas),
            (Calls{font(), "back clear", "text 0,8 \"a\"", font(0, "highlightText"), "text 10,8 \"bc\"",
                   "text 30,8 \" \"", "text 0,28 \"de\"", font(), "text 20,28 \"f\""}));
}

TEST_F(BoxPainting, AJustifiedBlankInTheSelectionIsHighlightedOverItsWholeWidth) {
  show(tag("A3 ") + "ab cd efgh", 70);  // "ab cd " widened by 10 over its inner blank
  box->SelectRange(0, 0, 0, 3);
  const Calls fills = paint().calls("fill");
  ASSERT_EQ(fills.size(), 2u);
  EXPECT_EQ(fills[1], "fill 0,8,40,28 highlight");
}

TEST_F(BoxPainting, ListsAreNumberedOnlyAcrossConsecutiveNumberedParagraphs) {
  const std::string numbered = tag("N6 I-20 l30 ");
  show(numbered + "a" + numbered + "b" + numbered + "c" + tag("") + "plain" + numbered + "d" + numbered + "e");
  // The numbers are given when the paragraphs are read.
  EXPECT_EQ(paragraph(2).ListNumber, 3);
  EXPECT_EQ(paragraph(4).ListNumber, 1);
  const Calls texts = paint().calls("text");
  const Calls numbers{"text 10,8 \"1. \"", "text 10,28 \"2. \"", "text 10,48 \"3. \"", "text 10,88 \"1. \"",
                      "text 10,108 \"2. \""};
  for (const std::string& number : numbers)
    EXPECT_NE(std::find(texts.begin(), texts.end(), number), texts.end()) << number;
  EXPECT_EQ(paragraph(2).ListNumber, 3);
  EXPECT_EQ(paragraph(5).ListNumber, 2);
  EXPECT_NE(std::find(texts.begin(), texts.end(), "text 30,8 \"a\""), texts.end());
}

TEST_F(BoxPainting, ListMarkersSitBeforeTheTextByTheirIndents) {
  // A number with no hanging indent moves left by its own width ("1. " is 30 pixels).
  show(tag("N6 l40 ") + "a" + tag("N10 l30 ") + "b" + tag("N10 I-25 l30 ") + "c" + tag("N10 I12 l30 ") + "d");
  const RecordingCanvas canvas = paint();
  const Calls texts = canvas.calls("text");
  EXPECT_EQ(texts[0], "text 10,8 \"1. \"");
  EXPECT_EQ(texts[2], "text 20,28 \"w\"");
  EXPECT_EQ(texts[4], "text 5,48 \"w\"");
  EXPECT_EQ(texts[6], "text 30,68 \"w\"");
  const Calls fonts = canvas.calls("font");
  EXPECT_NE(std::find(fonts.begin(), fonts.end(), "font \"Wingdings\" 10 style=0 #000000"), fonts.end());
}

TEST_F(BoxPainting, OnlyParagraphsThatMeetTheClipArePainted) {
  std::string text;
  for (int i = 0; i < 100; ++i) text += tag("") + "p" + std::to_string(i);
  show(text);
  // Paragraph k spans 8 + 20k to 27 + 20k.
  EXPECT_EQ(paint({0, 200, 200, 240}).calls("text"),
            (Calls{"text 0,188 \"p9\"", "text 0,208 \"p10\"", "text 0,228 \"p11\""}));
}

TEST_F(BoxPainting, ABoxBeingRebuiltPaintsNothing) {
  show(tag("") + "text");
  box->beginUpdate();
  EXPECT_TRUE(paint().calls().empty());
  box->endUpdate();
  EXPECT_FALSE(paint().calls().empty());
}

TEST_F(BoxPainting, BackgroundsFillHatchOrTileByTheBoxSettings) {
  const auto header = std::make_unique<TZEBtesto>();
  header->setText(tag("") + "head" + '\0');
  page->setText(tag("") + "body" + '\0');
  box = std::make_unique<TZEBbox>(set, measures);
  box->setBounds(0, 0, 200, 300);
  box->LoadFrom(*page, header.get());

  // Transparent: nothing behind the text. Read-only outside reading mode: the whole area is
  // hatched; so is the header text of a box that is not Animated.
  box->Background().transparent = true;
  box->setReadOnly(true);
  EXPECT_EQ(paint({0, 0, 200, 50}).calls("hatch"),
            (Calls{"hatch forward 0,0,200,50 buttonHighlight", "hatch backward 0,0,200,50 buttonShadow",
                   "hatch forward 0,6,200,29 buttonHighlight", "hatch backward 0,6,200,29 buttonShadow"}));
  EXPECT_TRUE(paint().calls("fill").empty());
  box->setAnimated(true);
  EXPECT_TRUE(paint().calls("hatch").empty());

  // A picture 16 x 16 is tiled on a grid through the box's origin over the clip...
  box->Background().picture = &pictureObject(16, 16, 0xFF0000);
  EXPECT_EQ(paint({20, 10, 40, 20}).calls("picture"),
            (Calls{"picture 16,0,32,16 from 16x16", "picture 32,0,48,16 from 16x16", "picture 16,16,32,32 from 16x16",
                   "picture 32,16,48,32 from 16x16"}));
  // ...on a grid through the scroll position when it stays in place on the screen...
  box->Background().fixed = true;
  host.height = 10;
  box->setHost(&host);
  box->setScrollPosition(0, 5);
  EXPECT_EQ(paint({20, 10, 30, 20}).calls("picture"), (Calls{"picture 16,5,32,21 from 16x16"}));
  // ...and a picture width of 0 draws nothing.
  box->Background().picture->record().setI16(field::pictureWidth, 0);
  EXPECT_TRUE(paint().calls("picture").empty());
}

class PlacementRecorder final : public ObjectPlacement {
 public:
  void place(TZEBbox&, EmbeddedObject& object, int left, int top, bool selected, Canvas&) override {
    placed.push_back({&object, left, top, selected});
  }
  struct Placed {
    EmbeddedObject* object;
    int left;
    int top;
    bool selected;
  };
  std::vector<Placed> placed;
};

TEST_F(BoxPainting, EmbeddedObjectsArePlacedOnTheBaselineAndPicturesDrawn) {
  TZEBoggetto& picture = pictureObject(30, 20, 0x00FF00);
  show(tag("") + "a" + embeddedPicture(picture, 30, 20) + "b");
  // The object stands on the baseline: the line's ascent is its 20 pixels.
  PlacementRecorder recorder;
  box->SelectRange(0, 1, 0, 2);
  RecordingCanvas canvas({0, 0, 200, 300}, &platform.measurer);
  paintBox(*box, canvas, &recorder);
  ASSERT_EQ(recorder.placed.size(), 1u);
  EXPECT_EQ(recorder.placed[0].left, 10);
  EXPECT_EQ(recorder.placed[0].top, 8);
  EXPECT_TRUE(recorder.placed[0].selected);
  EXPECT_EQ(canvas.calls("text"), (Calls{"text 0,13 \"a\"", "text 40,13 \"b\""}));

  // Without a placement of its own the box draws the picture and marks the object placed.
  const Calls pictures = paint().calls("picture");
  EXPECT_EQ(pictures, (Calls{"picture 10,8,40,28 from 30x20"}));
  EXPECT_FALSE(paragraph(0).Objects[0].visual->awaitingPlacement);
  EXPECT_EQ(paragraph(0).Objects[0].visual->left, 10);
}

TEST_F(BoxPainting, TableCellsArePaintedInsideTheirTableAndFollowTheBoxesMode) {
  auto table = set.makeObject(TOggettiHel::tabellaHtml);
  table->Release();  // spacing 2, inset 2
  testing::halveColumns(table->record());
  table->record().setU8(field::tableWidthPercent, 50);
  page->addEmbedded(std::move(table), 0);
  show(tag("") + "ab<$FF000000><Z S1 >x<T><Z S1 >y<T>", 220);
  // The table, 32 high, stands on the baseline at 20, 8; its columns of 52 start at 2 and 56,
  // and the cells' text 2 further in.
  EXPECT_EQ(paint().calls("text"), (Calls{"text 0,25 \"ab\"", "text 24,12 \"x\"", "text 78,12 \"y\""}));
  box->setAnimated(true);
  const TableCells& cells = *paragraph(0).Objects[0].visual->tableCells();
  EXPECT_TRUE(cells.cell(0, 1)->Animated());
}

TEST_F(BoxPainting, ThePaintingOfAPageMatchesItsDump) {
  const std::string link = localLink("nexo:|1");
  show(tag("N6 I-20 l30 ") + "one " + link + "two<%>" + tag("N6 I-20 l30 ") + "three four five six" + tag("A2 ") +
           "<Y s14 y1 >big<Y > and small",
       150);
  box->SelectRange(1, 4, 2, 2);
  expectSameAsDump(paint({0, 0, 150, 120}).dump(), std::filesystem::path(TEXT_DUMPS_DIR) / "painted_page.txt");
}

}  // namespace
}  // namespace zeb
