// Line filling, alignment, indents, line heights and objects on lines, with the fixed
// metrics: in style 2 every character is 10 pixels wide and lines are 20 pixels high.
// Each layout is also compared with an expected dump kept in layout_dumps/; run with
// BRIGHTFOLD_REWRITE_DUMPS=1 to rewrite the dumps after a deliberate change.
#include "text/line_layout.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/text/text_test_support.h"
#include "text/layout_dump.h"

namespace zeb {
namespace {

using testing::TextTest;

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class LineLayout : public TextTest {
 protected:
  // Compares the box's layout with layout_dumps/<name>.txt.
  void expectDump(const std::string& name) {
    const std::filesystem::path path = std::filesystem::path(TEXT_DUMPS_DIR) / (name + ".txt");
    const std::string dump = dumpLayout(*box);
    const char* rewrite = std::getenv("BRIGHTFOLD_REWRITE_DUMPS");
    if (rewrite != nullptr && std::string(rewrite) == "1") {
      std::ofstream(path, std::ios::binary) << dump;
      return;
    }
    EXPECT_EQ(dump, readFile(path)) << "layout dump " << path;
  }
  std::string tag(const std::string& attributes) const {
    return "<Z S" + std::to_string(plainStyle) + " " + attributes + ">";
  }
  const TZEBline& line(int paragraphIndex, int lineIndex) const {
    return paragraph(paragraphIndex).Lines.at(static_cast<std::size_t>(lineIndex));
  }
  std::string lineText(int paragraphIndex, int lineIndex) const {
    const TZEBline& l = line(paragraphIndex, lineIndex);
    return paragraph(paragraphIndex)
        .Text.substr(static_cast<std::size_t>(l.FirstChar), static_cast<std::size_t>(l.CharCount));
  }
};

TEST_F(LineLayout, AWordLongerThanTheLineOverflowsAndGivesAHorizontalRange) {
  load(tag("") + "abcdefgh ij", 50);
  EXPECT_EQ(lineText(0, 0), "abcdefgh ");
  EXPECT_EQ(lineText(0, 1), "ij");
  EXPECT_EQ(box->ContentWidth(), 90);
  EXPECT_EQ(box->HorizontalRange(), 90);
  expectDump("overflowing_word");
}

TEST_F(LineLayout, ACharacterThatWouldLeaveNothingDoesNotFit) {
  load(tag("") + "ab cd", 50);
  EXPECT_EQ(lineText(0, 0), "ab ");
  EXPECT_EQ(lineText(0, 1), "cd");
  load(tag("") + "ab cd", 51);
  EXPECT_EQ(paragraph(0).Lines.size(), 1u);
  EXPECT_EQ(line(0, 0).Extent, 50);
}

TEST_F(LineLayout, TwoShortWordsBreakAfterTheBlank) {
  load(tag("") + "abc def", 50);
  ASSERT_EQ(paragraph(0).Lines.size(), 2u);
  EXPECT_EQ(lineText(0, 0), "abc ");
  EXPECT_EQ(lineText(0, 1), "def");
  EXPECT_EQ(line(0, 1).LineTop, 20);
  EXPECT_EQ(line(0, 0).Extent, 40);
  expectDump("two_words");
}

TEST_F(LineLayout, ACharacterWiderThanAnEmptyLineSitsAlone) {
  platform.measurer.setCharacterWidth('W', 40);
  load(tag("") + "ab WW cd", 30);
  EXPECT_EQ(lineText(0, 0), "ab ");
  EXPECT_EQ(lineText(0, 1), "W");
  EXPECT_EQ(lineText(0, 2), "W");
  EXPECT_EQ(box->ContentWidth(), 40);
  expectDump("wide_character");
}

TEST_F(LineLayout, AlignmentShiftsLinesByWhatIsLeftOver) {
  load(tag("A1 l20 ") + "abc" + tag("A2 ") + "abc", 57);
  EXPECT_EQ(line(0, 0).Indent, 20);
  EXPECT_EQ(line(0, 0).AlignOffset, 7);
  EXPECT_EQ(line(1, 0).AlignOffset, 13);  // 27 left over, halved toward zero
  load(tag("A2 ") + "abc", 37);
  EXPECT_EQ(line(0, 0).AlignOffset, 3);
  load(tag("A9 ") + "abc", 37);
  EXPECT_EQ(line(0, 0).AlignOffset, 0);
}

TEST_F(LineLayout, JustificationSharesTheRemainderAmongTheBlanks) {
  load(tag("A3 ") + "a b c d efghij", 90);
  ASSERT_EQ(paragraph(0).Lines.size(), 2u);
  const auto& cells = paragraph(0).Cells;
  EXPECT_EQ(cells[1].DrawWidth, 14);
  EXPECT_EQ(cells[3].DrawWidth, 13);
  EXPECT_EQ(cells[5].DrawWidth, 13);
  EXPECT_EQ(cells[7].DrawWidth, 10);  // the line's last character
  EXPECT_EQ(line(0, 0).Extent, 90);
  EXPECT_EQ(line(0, 1).Extent, 60);  // the last line is not justified
  expectDump("justified");

  // Laid out again at another width, no blank keeps its old widening.
  box->Resize(200, 300);
  for (const CharCell& cell : paragraph(0).Cells) EXPECT_EQ(cell.DrawWidth, cell.Advance);
}

TEST_F(LineLayout, AJustifiedLineWithoutBlanksStaysLeftAligned) {
  load(tag("A3 ") + "abcdefgh", 50);
  EXPECT_EQ(line(0, 0).AlignOffset, 0);
  for (const CharCell& cell : paragraph(0).Cells) EXPECT_EQ(cell.DrawWidth, cell.Advance);
}

TEST_F(LineLayout, AFixedLineHeightWinsOverTheText) {
  load(tag("s20 L30 ") + "abc def ghi", 80);
  for (const TZEBline& l : paragraph(0).Lines) EXPECT_EQ(l.LineHeight, 30);
  EXPECT_EQ(line(0, 1).LineTop, 30);
  EXPECT_EQ(paragraph(0).Bottom, 8 + 90 - 1);
}

TEST_F(LineLayout, IndentsOfFirstLinesListsAndHangingParagraphs) {
  load(tag("N6 I-20 l30 ") + "abc def ghi" + tag("I-20 l30 ") + "abc def ghi" + tag("I15 l5 r50 ") + "abc def", 120);
  EXPECT_EQ(line(0, 0).Indent, 30);  // a numbered paragraph leaves the hanging part to its number
  EXPECT_EQ(lineText(0, 0), "abc def ");
  EXPECT_EQ(line(1, 0).Indent, 10);
  EXPECT_EQ(lineText(1, 0), "abc def ");
  EXPECT_EQ(line(1, 1).Indent, 30);
  EXPECT_EQ(line(2, 0).Indent, 20);
  EXPECT_EQ(lineText(2, 0), "abc ");
  EXPECT_EQ(line(2, 1).Indent, 5);
  expectDump("indents");
}

TEST_F(LineLayout, LineHeightsComeFromTheCharactersAboveAndBelowTheBaseline) {
  // "b" is 20 points (40 high, ascent 30); "c" a subscript (30 high, ascent 15).
  load(tag("") + "a<Y s20 >b<Y p1 >c", 200);
  EXPECT_EQ(line(0, 0).LineAscent, 30);
  EXPECT_EQ(line(0, 0).LineHeight, 45);  // 30 + 30 - 15 for the subscript
  // An empty paragraph is as high as its font.
  load(tag("s15 ") + "", 200);
  EXPECT_EQ(line(0, 0).LineHeight, 30);
}

TEST_F(LineLayout, ALineThatBreaksKeepsOnlyItsOwnHeight) {
  load(tag("") + "ab <Y s30 >CDEFGHIJKL", 100);
  EXPECT_EQ(lineText(0, 0), "ab ");
  EXPECT_EQ(line(0, 0).LineAscent, 15);
  EXPECT_EQ(line(0, 0).LineHeight, 20);
  EXPECT_EQ(line(0, 1).LineAscent, 45);
  EXPECT_EQ(line(0, 1).LineHeight, 60);
}

TEST_F(LineLayout, ParagraphsStackWithTheirMarginsAndTheFirstStartsAtEight) {
  load(tag("b5 ") + "one" + tag("t7 b3 ") + "two", 200);
  EXPECT_EQ(paragraph(0).Top, 8);
  EXPECT_EQ(paragraph(0).Bottom, 8 + 20 + 5 - 1);
  EXPECT_EQ(paragraph(1).Top, 33);
  EXPECT_EQ(paragraph(1).Bottom, 33 + 7 + 20 + 3 - 1);
  EXPECT_EQ(box->VerticalRange(), 63 - 3);
  EXPECT_EQ(box->HorizontalRange(), 0);
  expectDump("paragraphs");
  load(tag("t5 ") + "one", 200);
  EXPECT_EQ(paragraph(0).Top, 0);
}

TEST_F(LineLayout, TheVerticalRangeIsTheTextsHeight) {
  std::string markup;
  for (int i = 0; i < 900; ++i) markup += tag("L40 ") + "x";
  load(markup, 200);
  EXPECT_EQ(paragraph(899).Bottom, 8 + 900 * 40 - 1);
  EXPECT_EQ(box->VerticalRange(), 8 + 900 * 40);
  EXPECT_FALSE(box->RangeCapped());
}

TEST_F(LineLayout, DamagedLengthsAndSizesStayWithinTheLimits) {
  std::string markup;
  for (int i = 0; i < 3; ++i) {
    markup += tag("s2000000000 L2000000000 I-2000000000 l2000000000 r-2000000000 t2000000000 b2000000000 ") +
              "huge text that would overflow every sum";
  }
  markup += tag("s-50 ") + "tiny";
  load(markup, 2000000000);
  EXPECT_EQ(box->LayoutWidth(), limits::maxCoordinate);
  EXPECT_EQ(paragraph(0).Lines[0].LineHeight, limits::maxLength);
  EXPECT_GT(paragraph(3).Top, 3 * limits::maxLength);
  EXPECT_LE(paragraph(3).Top, limits::maxCoordinate);
  EXPECT_EQ(box->VerticalRange(), paragraph(3).Bottom + 1);
  EXPECT_FALSE(box->RangeCapped());
  EXPECT_EQ(paragraph(3).Cells[0].Advance, 1);  // measured at 1 point
  for (const auto& p : box->Paragraphs()) {
    for (const TZEBline& l : p->Lines) {
      EXPECT_LE(std::abs(static_cast<long long>(l.Extent)), limits::maxCoordinate);
      EXPECT_LE(l.LineTop, limits::maxCoordinate);
    }
  }
}

TEST_F(LineLayout, ATextThatReachesTheCoordinateLimitIsCapped) {
  std::string markup;
  for (int i = 0; i < 90; ++i) markup += tag("L2000000000 t2000000000 b2000000000 ") + "x";
  markup += tag("") + "last";
  load(markup, 200);
  EXPECT_EQ(paragraph(90).Top, limits::maxCoordinate);
  EXPECT_EQ(box->VerticalRange(), limits::maxCoordinate);
  EXPECT_TRUE(box->RangeCapped());
}

class PlacedObjects final : public EmbeddedObjectFactory {
 public:
  std::unique_ptr<EmbeddedObject> create(TZEBoggetto& object, TZEBbox&) override {
    // The placement comes from the test through the object's state byte.
    return std::make_unique<FixedSizeObject>(object, 30, 20, object.record().u8(field::state));
  }
};

TEST_F(LineLayout, ObjectsSitOnTheLineByTheirVerticalPlacement) {
  for (const int placement : {0, 3, 4}) {
    auto object = set.makeObject(TOggettiHel::dbloc);
    object->record().setU8(field::state, static_cast<std::uint8_t>(placement));
    page->addEmbedded(std::move(object), 0);
  }
  PlacedObjects factory;
  setText(tag("") + "a<$FF000000>b<$FF000001>c<$FF000002>d" + '\0');
  box = std::make_unique<TZEBbox>(set, measures);
  box->setObjectFactory(&factory);
  box->setBounds(0, 0, 200, 300);
  box->LoadFrom(*page);
  const auto& cells = paragraph(0).Cells;
  EXPECT_EQ(cells[1].Ascent, 20);
  EXPECT_EQ(cells[3].Ascent, 0);
  EXPECT_EQ(cells[5].Ascent, 10);
  EXPECT_EQ(cells[1].Advance, 30);
  EXPECT_EQ(line(0, 0).LineAscent, 20);
  EXPECT_EQ(line(0, 0).LineHeight, 20 + 20 - 0);  // the hanging object reaches 20 below the baseline
  EXPECT_EQ(box->embeddedObjects()[0]->left, outOfSight);
  expectDump("objects");
}

}  // namespace
}  // namespace zeb
