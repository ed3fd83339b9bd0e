// The RTF header: font table with family and pitch, colour table, stylesheet, geometry.
#include "tests/export/export_test_support.h"
#include "text/style_object.h"

namespace zeb {
namespace {

using testing::ExportTest;
using RtfHeader = ExportTest;

std::string between(const std::string& rtf, std::string_view from, std::string_view to) {
  const std::size_t start = rtf.find(from);
  const std::size_t end = rtf.find(to, start);
  return start == std::string::npos || end == std::string::npos ? "(missing)" : rtf.substr(start, end - start);
}

TEST_F(RtfHeader, FontsGetFamilyAndPitchFromTheMeasurer) {
  const std::string rtf =
      rtfOf("<Z S0 ><Y F\"Courier New\" >a<Y F\"Arial\" >b<Y F\"Quirky {caf\xE9}\" >c<Y F\"Wingdings\" >d");
  EXPECT_EQ(between(rtf, "{\\fonttbl", "{\\colortbl"),
            "{\\fonttbl{\\f0\\froman\\fprq2 Times New Roman;}{\\f1\\fmodern\\fprq1 Courier New;}"
            "{\\f2\\fswiss\\fprq2 Arial;}{\\f3\\fprq1 Quirky \\{caf\\'e9\\};}{\\f4\\fdecor\\fprq2 Wingdings;}}");
}

TEST_F(RtfHeader, ColoursAreListedInOrderOfFirstUseAfterTheEmptyEntry) {
  const std::string rtf = rtfOf("<Z S0 ><Y c102030 >a<Y >b<Y c102030 >c<Y cFFFFFF >d");
  EXPECT_EQ(between(rtf, "{\\colortbl", "{\\stylesheet"),
            "{\\colortbl;\\red0\\green0\\blue0;\\red16\\green32\\blue48;\\red255\\green255\\blue255;}");
}

TEST_F(RtfHeader, TheStylesheetNamesTheFacesAndColoursOfItsStylesEvenWhenTheBodyDoesNot) {
  TZEBoggetto& heading = addStyle("Heading {1}");
  heading.record().setShortString(styleField::fontName, styleField::fontNameMax, "Arial");
  heading.record().setI16(styleField::size, 16);
  heading.record().setU32(styleField::color, 0x000080);
  heading.record().setU8(styleField::alignment, alignment::centred);
  // Every paragraph of the style overrides its face and colour.
  const std::string rtf = rtfOf("<Z S" + std::to_string(heading.Index()) + " c000000 F\"Courier New\" >h");
  EXPECT_EQ(between(rtf, "{\\fonttbl", "{\\colortbl"),
            "{\\fonttbl{\\f0\\fmodern\\fprq1 Courier New;}{\\f1\\fswiss\\fprq2 Arial;}}");
  EXPECT_EQ(between(rtf, "{\\colortbl", "{\\stylesheet"),
            "{\\colortbl;\\red0\\green0\\blue0;\\red128\\green0\\blue0;}");
  EXPECT_EQ(
      between(rtf, "{\\stylesheet", "\\paperw"),
      "{\\stylesheet{\\s1 \\widctlpar \\f1\\fs32\\cf2\\i0\\b0\\ul0\\strike0\\up0 \\qc\\fi0\\li150\\ri150\\sb0\\sa0 "
      "Heading \\{1\\};}}");
}

TEST_F(RtfHeader, NumberedStylesHaveTheirListFormatButNoListText) {
  TZEBoggetto& list = addStyle("List");
  list.record().setU8(styleField::numbering, numbering::numbered);
  list.record().setI16(styleField::firstLineIndent, -20);
  const std::string rtf = rtfOf("<Z S" + std::to_string(list.Index()) + " >item");
  EXPECT_EQ(between(rtf, "{\\stylesheet", "\\paperw"),
            "{\\stylesheet{\\s1 \\widctlpar \\f0\\fs24\\cf1\\i0\\b0\\ul0\\strike0\\up0 \\ql"
            "{\\*\\pn \\pnlvlbody\\pndec\\pnstart1\\pnhang\\pnindent300{\\pntxta .}}\\fi-300\\li150\\ri150\\sb0\\sa0 "
            "List;}}");
  EXPECT_NE(rtf.find("{\\pntext 1.\\tab}"), std::string::npos);
}

TEST_F(RtfHeader, LengthsFollowTheMeasurersPixelsPerInch) {
  FixedMetricsMeasurer coarse(72);  // 20 twips a pixel
  PlatformServices services = platform.services();
  services.measurer = &coarse;
  TZEBset coarseSet(services);
  TZEBtortf converter;
  converter.setLinkedZEBset(&coarseSet);
  const std::string rtf = withoutZero(converter.convert("<Z S0 l3 >x"));
  testing::expectSoundRtf(rtf);
  EXPECT_NE(rtf.find("\\fi0\\li60\\ri200\\sb0\\sa0 x"), std::string::npos) << rtf;
}

TEST_F(RtfHeader, WithoutAContainerParagraphsTakeTheValuesOfANewStyle) {
  TZEBtortf converter;
  const std::string rtf = withoutZero(converter.convert("<Z S4 >x"));
  testing::expectSoundRtf(rtf);
  EXPECT_EQ(
      rtf,
      "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fprq1 Times New Roman;}}{\\colortbl;\\red0\\green0\\blue0;}"
      "{\\stylesheet{\\s1 \\widctlpar \\f0\\fs24\\cf1\\i0\\b0\\ul0\\strike0\\up0 \\ql\\fi0\\li150\\ri150\\sb0\\sa0 "
      ";}}\\paperw11905\\paperh16837\\margt1417\\margb1417\\margl1417\\margr1417 "
      "\\pard\\plain \\s1\\f0\\fs24\\cf1\\i0\\b0\\ul0\\strike0\\up0 \\ql\\fi0\\li150\\ri150\\sb0\\sa0 x\\par \r\n}");
}

}  // namespace
}  // namespace zeb
