// Converting texts of the older format into current markup, and reading the result.
#include "text/format_one.h"

#include <gtest/gtest.h>

#include "tests/text/text_test_support.h"

namespace zeb {
namespace {

using namespace std::literals;
using testing::TextTest;

TEST(FormatOne, StartsWithAStyleZeroParagraphInThePageColour) {
  EXPECT_EQ(convertFormatOneText("Hello", 0x332211), "<Z S0 c112233 >Hello");
  EXPECT_EQ(convertFormatOneText("", 0), "<Z S0 c000000 >");
  EXPECT_EQ(convertFormatOneText("a\r\nb\tc&eacute;&amp;>\0after", 0), "<Z S0 c000000 >abc&eacute;&amp;>");
}

TEST(FormatOne, CharacterTagsBecomeRunTags) {
  EXPECT_EQ(convertFormatOneText("a<B>b</b>c", 0), "<Z S0 c000000 >a<Y c000000 y1 >b<Y c000000 y0 >c");
  EXPECT_EQ(convertFormatOneText("<i><b>x</B></I>y", 0), "<Z S0 c000000 ><Y c000000 y3 >x<Y c000000 y0 >y");
  EXPECT_EQ(convertFormatOneText("<TT>code</TT>text", 0),
            "<Z S0 c000000 ><Y c000000 F\"Courier New\" y0 >code<Y c000000 F\"Times New Roman\" y0 >text");
  EXPECT_EQ(convertFormatOneText("<FONT COLOR=\"#FF0000\" SIZE=5>red</FONT>back", 0),
            "<Z S0 c000000 ><Y cFF0000 s18 y0 >red<Y c000000 y0 >back");
  EXPECT_EQ(convertFormatOneText("<font size=+1>a<font size=-2>b</font></font>", 0),
            "<Z S0 c000000 ><Y c000000 s14 y0 >a<Y c000000 s8 y0 >b");
  EXPECT_EQ(convertFormatOneText("<FONT SIZE=+2147483647>a<FONT SIZE=-2147483648>b", 0),
            "<Z S0 c000000 ><Y c000000 s36 y0 >a<Y c000000 s8 y0 >b");
  // A face can hold neither a quote nor an angle bracket (here an unclosed quote ran on).
  EXPECT_EQ(convertFormatOneText("<FONT FACE=\"Ar<b>x<FONT FACE=a\"b>y", 0),
            "<Z S0 c000000 ><Y c000000 F\"Arb\" y0 >x<Y c000000 F\"ab\" y0 >y");
  // Tags that change nothing before the next character write nothing.
  EXPECT_EQ(convertFormatOneText("<B></B>x<unknown tag>y", 0), "<Z S0 c000000 >xy");
}

TEST(FormatOne, ParagraphsAlignmentAndLists) {
  EXPECT_EQ(convertFormatOneText("<B>a<P ALIGN=center>b<BR>c", 0xFF),
            "<Z S0 cFF0000 ><Y cFF0000 y1 >a<Z S0 cFF0000 A2 ><Y cFF0000 y1 >b<Z S0 cFF0000 ><Y cFF0000 y1 >c");
  EXPECT_EQ(convertFormatOneText("<CENTER>t</CENTER>u", 0), "<Z S0 c000000 ><Z S0 c000000 A2 >t<Z S0 c000000 >u");
  EXPECT_EQ(convertFormatOneText("<UL><LI>one<OL><LI>two</OL></UL>", 0),
            "<Z S0 c000000 ><Z S0 c000000 l35 ><Z S0 c000000 N10 l35 >one<Z S0 c000000 l60 >"
            "<Z S0 c000000 N6 l60 >two<Z S0 c000000 l35 ><Z S0 c000000 >");
}

TEST(FormatOne, TableCellsAndObjectReferences) {
  EXPECT_EQ(convertFormatOneText("x<$08000001><TABLE border=1><TR> <TD>a</TD> <TD><b>b</b></TD></TR></TABLE>y"
                                 "<$01000002>link<%>",
                                 0),
            "<Z S0 c000000 >x<$08000001><Z S1 c000000 >a<T><Z S1 c000000 ><Y c000000 y1 >b<T>"
            "<Y c000000 y0 >y<$01000002>link<%>");
}

TEST(FormatOne, OnlyWholeObjectReferencesAreCopied) {
  // Anything else beginning "<$" would leave a tag the current markup cannot read (here
  // one holding the start of another), so it is dropped like any unknown tag.
  EXPECT_EQ(convertFormatOneText("a<$0100</TR>b<$zz>c<$010000001>d<$01000000", 0), "<Z S0 c000000 >abcd");
  EXPECT_EQ(convertFormatOneText("<$0A0000fF>x<%>", 0), "<Z S0 c000000 ><$0A0000fF>x<%>");
}

class FormatOneUpgrade : public TextTest {};

TEST_F(FormatOneUpgrade, APageIsConvertedOnceAndThenReads) {
  page->setText("one<P>two <B>bold</B>\0"sv);
  page->record().setU8(field::pageTextFormat, 1);
  page->record().setU32(field::pageColour1, 0x0000FF);
  upgradeTextFormat(*page);
  EXPECT_EQ(page->textFormat(), 2);
  constexpr auto converted = "<Z S0 cFF0000 >one<Z S0 cFF0000 >two <Y cFF0000 y1 >bold\0"sv;
  EXPECT_EQ(page->textView(), converted);
  upgradeTextFormat(*page);  // already current: unchanged
  EXPECT_EQ(page->textView(), converted);

  loadPage();
  ASSERT_EQ(box->paragraphCount(), 2);
  EXPECT_EQ(paragraph(1).Text, "two bold");
  EXPECT_EQ(paragraph(1).Style.Color(), 0x0000FFu);
  ASSERT_EQ(paragraph(1).RunStyles.size(), 1u);
  EXPECT_EQ(paragraph(1).RunStyles[0]->Style(), fontStyle::bold);
  EXPECT_EQ(paragraph(1).RunStyles[0]->Color(), 0x0000FFu);
}

}  // namespace
}  // namespace zeb
