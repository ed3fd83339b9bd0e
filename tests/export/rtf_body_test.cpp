// The RTF body: paragraphs, escapes, character formats, lists and notes, as exact bytes.
#include "tests/export/export_test_support.h"
#include "text/style_object.h"

namespace zeb {
namespace {

using testing::ExportTest;
using testing::paragraphEnd;
using testing::plainHeader;
using testing::plainParagraph;
using RtfBody = ExportTest;

std::string paragraph(std::string_view content) {
  return std::string(plainParagraph) + std::string(content) + std::string(paragraphEnd);
}

TEST_F(RtfBody, AMarkupWithoutTagsGivesTheHeaderAndTheClosingBrace) {
  EXPECT_EQ(rtfOf("just text"),
            "{\\rtf1\\ansi\\deff0{\\fonttbl}{\\colortbl;}{\\stylesheet}"
            "\\paperw11905\\paperh16837\\margt1417\\margb1417\\margl1417\\margr1417 }");
}

TEST_F(RtfBody, ParagraphsStartWithTheirFormatAndEndWithPar) {
  EXPECT_EQ(rtfOf("<Z S0 >Hello"), std::string(plainHeader) + paragraph("Hello") + "}");
  EXPECT_EQ(bodyOf("<Z S0 >first<Z S0 >second"), paragraph("first") + paragraph("second"));
  // A paragraph tag without a style number is a paragraph of style 0.
  EXPECT_EQ(bodyOf("<Z >x"), paragraph("x"));
}

TEST_F(RtfBody, SpecialCharactersAreEscaped) {
  EXPECT_EQ(bodyOf("<Z S0 >{a} \\ ~\xE9\x7F\x80&lt;&#9;&#0;"), paragraph("\\{a\\} \\\\ \\'7e\\'e9\\'7f\\'80<\\'09"));
}

TEST_F(RtfBody, RunsWriteOnlyWhatDiffersFromTheLastFormat) {
  // Same face and size, another colour: only "\cf".
  EXPECT_EQ(bodyOf("<Z S0 ><Y c0000FF >blue<Y c00FF00 >green"), paragraph("\\cf2 blue\\cf3 green"));
  EXPECT_EQ(bodyOf("<Z S0 ><Y F\"Arial\" s14 >x<Y y4 >u<Y y8 >s<Y p2 >up<Y p1 >down<Y >"),
            paragraph("\\f1\\fs28 x\\f0\\fs24\\ul u\\ul0\\strike s\\strike0\\up6 up\\dn6 down\\up0 "));
  // Bold or italic alone keep the bits before them; "y" replaces them.
  EXPECT_EQ(bodyOf("<Z S0 ><Y g1 >b<Y i1 >bi<Y g0 >i<Y y0 >n"), paragraph("\\b b\\i bi\\b0 i\\i0 n"));
}

TEST_F(RtfBody, RunsAreStoredRelativeToTheStyleObject) {
  // The paragraph is blue; a run that states nothing has the style object's black, as the
  // text box shows it.
  EXPECT_EQ(bodyOf("<Z S0 c0000FF >blue<Y >black"),
            "\\pard\\plain \\s1\\f0\\fs24\\cf1\\i0\\b0\\ul0\\strike0\\up0 \\ql\\fi0\\li150\\ri150\\sb0\\sa0 blue"
            "\\cf2 black" +
                std::string(paragraphEnd));
  const std::string rtf = rtfOf("<Z S0 c0000FF >blue<Y >black");
  EXPECT_NE(rtf.find("{\\colortbl;\\red0\\green0\\blue255;\\red0\\green0\\blue0;}"), std::string::npos);
}

TEST_F(RtfBody, LinkedWordsKeepTheRunTheyStandIn) {
  zebmake::addObject(set, TOggettiHel::internetLink);
  EXPECT_EQ(bodyOf("<Z S0 ><Y g1 >bold <$01000000>link<%> still bold"), paragraph("\\b bold link still bold"));
}

TEST_F(RtfBody, HelpSourceModeNeverWritesUnderline) {
  helpSource = true;
  EXPECT_EQ(bodyOf("<Z S0 ><Y y5 >x"),
            "\\pard\\plain \\s1\\f0\\fs24\\cf1\\i0\\b0\\strike0\\up0 \\ql\\fi0\\li150\\ri150\\sb0\\sa0 \\b x" +
                std::string(paragraphEnd));
}

TEST_F(RtfBody, ParagraphOverridesBecomeTheParagraphFormatInTwips) {
  // 96 pixels per inch: 15 twips a pixel.
  EXPECT_EQ(
      bodyOf("<Z S0 F\"Courier New\" s10 y3 A2 L20 I-10 l30 r5 t4 b6 >x"),
      "\\pard\\plain \\s1\\f0\\fs20\\cf1\\i\\b\\ul0\\strike0\\up0 \\qc\\sl300\\fi-150\\li450\\ri75\\sb60\\sa90 x" +
          std::string(paragraphEnd));
  EXPECT_EQ(bodyOf("<Z S0 A1 >r<Z S0 A3 L-19999 >j<Z S0 A9 L-20000 >l"),
            "\\pard\\plain \\s1\\f0\\fs24\\cf1\\i0\\b0\\ul0\\strike0\\up0 \\qr\\fi0\\li150\\ri150\\sb0\\sa0 r" +
                std::string(paragraphEnd) +
                "\\pard\\plain \\s1\\f0\\fs24\\cf1\\i0\\b0\\ul0\\strike0\\up0 "
                "\\qj\\sl-299985\\fi0\\li150\\ri150\\sb0\\sa0 j" +
                std::string(paragraphEnd) + paragraph("l"));
}

TEST_F(RtfBody, StylesAreNumberedInOrderOfFirstUse) {
  TZEBoggetto& heading = addStyle("Heading");
  heading.record().setI16(styleField::size, 18);
  const std::string number = std::to_string(heading.Index());
  const std::string body = bodyOf("<Z S" + number + " >h<Z S0 >p<Z S" + number + " >h2<Z S77 >missing");
  EXPECT_NE(body.find("\\s1\\f0\\fs36"), std::string::npos) << body;
  EXPECT_NE(body.find("\\s2\\f0\\fs24"), std::string::npos) << body;
  EXPECT_EQ(body.find("\\s3"), std::string::npos) << body;
}

TEST_F(RtfBody, NumberedParagraphsCountAndOtherParagraphsBeginTheCountAgain) {
  const std::string numbered = "{\\*\\pn \\pnlvlbody\\pndec\\pnstart1\\pnhang\\pnindent300{\\pntxta .}}";
  const std::string format = "\\pard\\plain \\s1\\f0\\fs24\\cf1\\i0\\b0\\ul0\\strike0\\up0 \\ql";
  const std::string spacing = "\\fi-300\\li450\\ri150\\sb0\\sa0 ";
  EXPECT_EQ(bodyOf("<Z S0 N6 I-20 l30 >one<Z S0 N6 I-20 l30 >two<Z S0 N3 >x<Z S0 N6 I-20 l30 >three<Z S0 >y"
                   "<Z S0 N6 I-20 l30 >one again"),
            format + numbered + "{\\pntext 1.\\tab}" + spacing + "one" + std::string(paragraphEnd) +  //
                format + numbered + "{\\pntext 2.\\tab}" + spacing + "two" + std::string(paragraphEnd) + format +
                "\\fi0\\li150\\ri150\\sb0\\sa0 x" + std::string(paragraphEnd) +  // kind 3: no marker
                format + numbered + "{\\pntext 3.\\tab}" + spacing + "three" + std::string(paragraphEnd) +
                paragraph("y") +  //
                format + numbered + "{\\pntext 1.\\tab}" + spacing + "one again" + std::string(paragraphEnd));
}

TEST_F(RtfBody, BulletsAddSymbolToTheFontTableOnce) {
  const std::string rtf = rtfOf("<Z S0 N10 I-20 >a<Z S0 N10 I-20 >b<Z S0 N10 >c");
  EXPECT_NE(rtf.find("{\\fonttbl{\\f0\\froman\\fprq2 Times New Roman;}{\\f1\\froman\\fprq2 Symbol;}}"),
            std::string::npos);
  EXPECT_EQ(rtf.find("Symbol"), rtf.rfind("Symbol"));
  EXPECT_NE(
      rtf.find("\\ql{\\*\\pn\\pnlvlblt\\pnf1\\pnstart1\\pnhang\\pnindent300{\\pntxtb\\'b7}}{\\pntext\\f1\\'b7\\tab}"
               "\\fi-300"),
      std::string::npos);
  EXPECT_NE(rtf.find("\\pnindent0{\\pntxtb\\'b7}}{\\pntext\\f1\\'b7\\tab}\\fi0\\li150\\ri150\\sb0\\sa0 c"),
            std::string::npos);
}

TEST_F(RtfBody, NotesBecomeAnnotationsWithTheirFirstLineAsAuthor) {
  const auto note = embed(TOggettiHel::shortObj, 10);
  const std::string_view noteText = "Ann\r\nfirst line\r\nsecond {line}";
  note.object.setPrimaryData({reinterpret_cast<const std::uint8_t*>(noteText.data()), noteText.size()});
  EXPECT_EQ(bodyOf("<Z S0 >a" + note.tag + "b"),
            paragraph("a{\\*\\atnid Ann}{\\*\\atnauthor Ann}\\chatn {\\*\\annotation \\pard\\plain "
                      "first line\\par second \\{line\\}}b"));

  // No line break within the first 50 bytes: the whole note is the text.
  const auto anonymous = embed(TOggettiHel::shortObj, 10);
  const std::string longLine = std::string(50, 'x') + "\rrest";
  anonymous.object.setPrimaryData({reinterpret_cast<const std::uint8_t*>(longLine.data()), longLine.size()});
  EXPECT_EQ(bodyOf("<Z S0 >" + anonymous.tag),
            paragraph("{\\*\\atnid Nexo}{\\*\\atnauthor Nexo}\\chatn {\\*\\annotation \\pard\\plain " +
                      std::string(50, 'x') + "\\par rest}"));
}

TEST_F(RtfBody, FieldsLinksAndMissingObjectsWriteNothing) {
  const auto field = embed(TOggettiHel::shortObj, 22);
  zebmake::addObject(set, TOggettiHel::internetLink);
  EXPECT_EQ(bodyOf("<Z S0 >a" + field.tag + "<$01000000>b<%><$ff000077>c"), paragraph("abc"));
}

TEST_F(RtfBody, AValueCutOffByTheEndOfTheMarkupIsReported) {
  EXPECT_EQ(bodyOf("<Z S0 >a<Y c0000FF"), paragraph("a"));
  ASSERT_EQ(platform.messages.shown().size(), 1u);
  EXPECT_EQ(platform.messages.shown()[0], (ShownMessage{MessageKind::error, "Truncated line!"}));
}

}  // namespace
}  // namespace zeb
