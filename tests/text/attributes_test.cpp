// Paragraph and run attributes against their style object, Assign between the attribute
// classes, the link look, the unit converter and the attribute accessors of a box.
#include <gtest/gtest.h>

#include "tests/text/text_test_support.h"
#include "text/effective_font.h"
#include "text/length_units.h"
#include "text/paragraph_style.h"
#include "text/text_attributes.h"

namespace zeb {
namespace {

using testing::TextTest;

class Attributes : public TextTest {
 protected:
  TZEBoggetto& styleZero() { return *set.defaultStyle(0); }
};

TEST_F(Attributes, AnOverrideIsStoredOnlyWhileItDiffersFromTheStyle) {
  TZEBParaStyle style;
  style.setBaseStyle(&styleZero());
  EXPECT_EQ(style.Size(), 12);
  style.setSize(14);
  EXPECT_TRUE(style.isSet(ParaAttribute::size));
  EXPECT_EQ(style.Size(), 14);
  style.setSize(12);
  EXPECT_FALSE(style.isSet(ParaAttribute::size));
  EXPECT_EQ(style.Size(), 12);

  // Equal values never set a flag, whatever the attribute.
  style.setLeftMargin(10);
  style.setLinkSize(-1);
  style.setLinkColor(0xFF0000);
  style.setMeasureUnit(1);
  for (int attribute = 0; attribute < paraAttributeCount; ++attribute) {
    EXPECT_FALSE(style.isSet(static_cast<ParaAttribute>(attribute))) << attribute;
  }
  EXPECT_EQ(style.FontStyle().BaseStyle(), &styleZero());
}

TEST_F(Attributes, EditingTheStyleObjectReachesEverythingNotOverridden) {
  TZEBParaStyle paragraph;
  paragraph.setBaseStyle(&styleZero());
  TZEBFontStyle plainRun;
  plainRun.setBaseStyle(&styleZero());
  TZEBFontStyle arialRun;
  arialRun.setBaseStyle(&styleZero());
  arialRun.setFontName("Arial");

  styleZero().record().setShortString(styleField::fontName, styleField::fontNameMax, "Verdana");
  styleZero().record().setI16(styleField::leftMargin, 25);
  EXPECT_EQ(paragraph.FontName(), "Verdana");
  EXPECT_EQ(paragraph.LeftMargin(), 25);
  EXPECT_EQ(plainRun.FontName(), "Verdana");
  EXPECT_EQ(arialRun.FontName(), "Arial");
}

TEST_F(Attributes, FacesDifferingOnlyInLetterCaseAreOverrides) {
  TZEBFontStyle run;
  run.setBaseStyle(&styleZero());
  run.setFontName("times new roman");
  EXPECT_TRUE(run.isSet(CharAttribute::fontName));
  TZEBParaStyle paragraph;
  paragraph.setBaseStyle(&styleZero());
  paragraph.setFontName("TIMES NEW ROMAN");
  EXPECT_TRUE(paragraph.isSet(ParaAttribute::fontName));
  paragraph.setFontName("Times New Roman");
  EXPECT_FALSE(paragraph.isSet(ParaAttribute::fontName));
}

TEST_F(Attributes, AssigningARunTakesItsBaseAndRecomputesEveryFlag) {
  TZEBoggetto& arial = addStyle(14);
  arial.record().setShortString(styleField::fontName, styleField::fontNameMax, "Arial");
  TZEBoggetto& small = *set.objectByKindAndIndex(17, plainStyle);
  TZEBFontStyle source;  // a run of a paragraph in the 10-point style, enlarged to 14
  source.setBaseStyle(&small);
  source.setSize(14);
  TZEBFontStyle target;  // a run of an Arial paragraph with a colour of its own
  target.setBaseStyle(&arial);
  target.setColor(0x123456);

  target.Assign(source);
  EXPECT_EQ(target.BaseStyle(), &small);
  EXPECT_TRUE(target.isSet(CharAttribute::size));
  EXPECT_EQ(target.Size(), 14);
  EXPECT_FALSE(target.isSet(CharAttribute::fontName));
  EXPECT_EQ(target.FontName(), "Times New Roman");
  EXPECT_FALSE(target.isSet(CharAttribute::color));
  EXPECT_EQ(target.Color(), 0u);
}

TEST_F(Attributes, ParagraphAssignCopiesEveryAttributeAndItsFontStyle) {
  TZEBParaStyle source;
  source.setBaseStyle(&styleZero());
  source.setMeasureUnit(0);
  source.setLeftMargin(38);
  source.setFirstLineIndent(-20);
  source.setAlignment(3);
  source.setNumbering(7);
  source.setParaOption(5);
  source.setLinkStyle(1);
  source.setColor(0x0000FF);
  TZEBParaStyle copy;
  copy.Assign(source);
  EXPECT_EQ(copy.BaseStyle(), &styleZero());
  EXPECT_EQ(copy.LeftMargin(), 38);
  EXPECT_EQ(copy.FirstLineIndent(), -20);
  EXPECT_EQ(copy.Alignment(), 3);
  EXPECT_EQ(copy.Numbering(), 7);
  EXPECT_EQ(copy.ParaOption(), 5);
  EXPECT_EQ(copy.LinkStyle(), 1);
  EXPECT_EQ(copy.MeasureUnit(), 0);
  EXPECT_FALSE(copy.isSet(ParaAttribute::size));
  EXPECT_EQ(copy.FontStyle().Color(), 0x0000FFu);
  EXPECT_TRUE(copy.FontStyle().isSet(CharAttribute::color));

  copy.clearOverrides();
  EXPECT_EQ(copy.LeftMargin(), 10);
  EXPECT_EQ(copy.Numbering(), 0);
}

TEST_F(Attributes, FontRecordsGoBothWays) {
  TZEBParaStyle paragraph;
  paragraph.setBaseStyle(&styleZero());
  TMyFont font{"Arial", fontStyle::bold, 0x00FF00, 9, fontPosition::superscript};
  paragraph.Assign(font);
  EXPECT_EQ(paragraph.Position(), fontPosition::superscript);
  EXPECT_EQ(paragraph.FontStyle().Size(), 9);
  TMyFont back;
  paragraph.AssignTo(back);
  EXPECT_EQ(back, font);

  // A system font has no position: it leaves the position as it was.
  SystemFont system{"Courier New", 11, fontStyle::italic, 0x0000FF};
  paragraph.Assign(system);
  SystemFont systemBack;
  paragraph.AssignTo(systemBack);
  EXPECT_EQ(systemBack, system);
  EXPECT_EQ(paragraph.Position(), fontPosition::superscript);

  TZEBFontStyle run;
  run.setBaseStyle(&styleZero());
  run.Assign(font);
  TMyFont runBack;
  run.AssignTo(runBack);
  EXPECT_EQ(runBack, font);
}

TEST_F(Attributes, LinkLookFollowsTheParagraph) {
  TZEBParaStyle paragraph;
  paragraph.setBaseStyle(&styleZero());  // LinkSize -1, LinkColor blue, LinkStyle 4
  TMyFont plain{"Arial", 0, 0x000000, 12, 0};
  TMyFont linked = plain;
  applyLinkLook(linked, paragraph);
  EXPECT_EQ(linked.Size, 12);
  EXPECT_EQ(linked.Color, 0xFF0000u);
  EXPECT_EQ(linked.Style, fontStyle::underline);
  EXPECT_EQ(linked.Name, "Arial");

  TMyFont underlined = plain;
  underlined.Style = fontStyle::underline | fontStyle::bold;
  applyLinkLook(underlined, paragraph);
  EXPECT_EQ(underlined.Style, fontStyle::bold);

  paragraph.setLinkSize(16);
  TMyFont bigger = plain;
  applyLinkLook(bigger, paragraph);
  EXPECT_EQ(bigger.Size, 16);
  paragraph.setLinkSize(0);
  TMyFont unchanged = plain;
  applyLinkLook(unchanged, paragraph);
  EXPECT_EQ(unchanged.Size, 12);
}

TEST_F(Attributes, TheEffectiveFontTakesTheRunAndTheLinkLook) {
  const TZEBoggetto& link = zebmake::addObject(set, TOggettiHel::internetLink);
  char linkTag[16];
  std::snprintf(linkTag, sizeof linkTag, "<$%08x>", link.ID());
  load("<Z S0 c00FF00 S16 >a" + std::string(linkTag) + "b<Y y4 p2 >c<%>d");
  const TZEBparag& p = paragraph(0);
  const TMyFont plain = effectiveFont(p, 0);
  EXPECT_EQ(plain, (TMyFont{"Times New Roman", 0, 0x00FF00, 12, 0}));
  const TMyFont linked = effectiveFont(p, 1);
  EXPECT_EQ(linked, (TMyFont{"Times New Roman", fontStyle::underline, 0xFF0000, 16, 0}));
  // An underlined superscript run inside the link: the link style removes the underline.
  const TMyFont run = effectiveFont(p, 2);
  EXPECT_EQ(run, (TMyFont{"Times New Roman", 0, 0xFF0000, 16, fontPosition::superscript}));
  // After the link the run goes on, in its own colour (the style object's black).
  EXPECT_EQ(effectiveFont(p, 3), (TMyFont{"Times New Roman", fontStyle::underline, 0, 12, 2}));
}

TEST_F(Attributes, PositionsChangeTheCellNotTheFont) {
  EXPECT_EQ(positionedMetrics(20, 15, fontPosition::normal).height, 20);
  const CellMetrics subscript = positionedMetrics(20, 15, fontPosition::subscript);
  EXPECT_EQ(subscript.height, 30);
  EXPECT_EQ(subscript.ascent, 15);
  const CellMetrics superscript = positionedMetrics(21, 15, fontPosition::superscript);
  EXPECT_EQ(superscript.height, 21);
  EXPECT_EQ(superscript.ascent, 25);
}

TEST(UnitConverter, ConvertsBetweenPixelsAndTheSixUnits) {
  const UnitConverter units(96);
  EXPECT_DOUBLE_EQ(units.fromPixels(96, LengthUnit::centimetre), 2.54);
  EXPECT_DOUBLE_EQ(units.fromPixels(96, LengthUnit::millimetre), 25.4);
  EXPECT_DOUBLE_EQ(units.fromPixels(96, LengthUnit::inch), 1.0);
  EXPECT_DOUBLE_EQ(units.fromPixels(96, LengthUnit::point), 72.0);
  EXPECT_DOUBLE_EQ(units.fromPixels(96, LengthUnit::pica), 6.0);
  EXPECT_DOUBLE_EQ(units.fromPixels(96, LengthUnit::pixel), 96.0);
  EXPECT_EQ(units.roundedPixels(1.0, LengthUnit::centimetre), 38);  // 37.795...
  EXPECT_EQ(units.roundedPixels(-1.0, LengthUnit::centimetre), -38);
  EXPECT_DOUBLE_EQ(units.convert(1.0, LengthUnit::inch, LengthUnit::point), 72.0);
  EXPECT_EQ(units.twipsOfPixels(96), 1440);
  EXPECT_EQ(units.twipsOfPixels(10), 150);
  EXPECT_EQ(lengthUnitOf(9), LengthUnit::pixel);
  EXPECT_EQ(UnitConverter(0).pixelsPerInch(), 96);
  EXPECT_EQ(UnitConverter(120).roundedPixels(1.0, LengthUnit::inch), 120);
}

TEST_F(Attributes, FractionalLengthsUseTheParagraphsUnit) {
  const UnitConverter units(platform.measurer.pixelsPerInch());
  TZEBParaStyle style;
  style.setBaseStyle(&styleZero());  // millimetres
  EXPECT_NEAR(style.lengthInUnit(ParaLength::leftMargin, units), 2.6458, 1e-4);
  style.setLengthInUnit(ParaLength::topMargin, 5.0, units);  // 18.9 pixels
  EXPECT_EQ(style.TopMargin(), 19);
  style.setMeasureUnit(2);
  style.setLengthInUnit(ParaLength::firstLineIndent, -0.5, units);
  EXPECT_EQ(style.FirstLineIndent(), -48);
  EXPECT_DOUBLE_EQ(style.lengthInUnit(ParaLength::firstLineIndent, units), -0.5);
}

// Caret after "abc" in "ab<run>cd<link>ef": each selector reads its own character.
TEST_F(Attributes, SelectorsReadTheCharacterTheyName) {
  const TZEBoggetto& link = zebmake::addObject(set, TOggettiHel::internetLink);
  char linkTag[16];
  std::snprintf(linkTag, sizeof linkTag, "<$%08x>", link.ID());
  load(plainTag() + "ab<Y c0000FF s14 >cd" + linkTag + "ef<%>");
  box->setCaret(box->positionOf(0, 3));
  box->setSelection(box->positionOf(0, 1), box->positionOf(0, 5));

  TMyFont font;
  AttributesAt at = box->TextAttributes().attributesAt(AttributeSelector::beforeCaret, font);
  EXPECT_EQ(at.paragraph, &paragraph(0));
  EXPECT_EQ(font.Size, 14);          // "c" starts the run
  EXPECT_EQ(font.Color, 0xFF0000u);  // RRGGBB 0000FF
  EXPECT_EQ(at.linkCode, -1);
  at = box->TextAttributes().attributesAt(AttributeSelector::beforeSelectionStart, font);
  EXPECT_EQ(font.Size, 10);  // "a", before the run
  at = box->TextAttributes().attributesAt(AttributeSelector::selectionEnd, font);
  EXPECT_EQ(at.linkCode, static_cast<std::int32_t>(link.ID()));  // "f"
  EXPECT_EQ(font.Size, 14);
  at = box->TextAttributes().attributesAt(AttributeSelector::beforeSelectionEnd, font);
  EXPECT_EQ(at.linkCode, static_cast<std::int32_t>(link.ID()));  // "e"

  box->setCaret(box->positionOf(0, 6));  // the paragraph end
  at = box->TextAttributes().attributesAt(AttributeSelector::afterCaret, font);
  EXPECT_EQ(at.linkCode, -1);
  EXPECT_EQ(font.Size, 14);  // the run of the last character
}

TEST_F(Attributes, ParagraphAttributesAreThoseUnderTheCaret) {
  load(plainTag() + "one<Z S0 A3 N10 M2 l96 >two");
  box->setCaret(box->positionOf(1, 1));
  const UnitConverter units(96);
  EXPECT_EQ(box->ParaAttributes().Alignment(), 3);
  EXPECT_EQ(box->ParaAttributes().Numbering(), 10);
  EXPECT_EQ(box->ParaAttributes().MeasureUnit(), 2);
  EXPECT_DOUBLE_EQ(box->ParaAttributes().length(ParaLength::leftMargin, units), 1.0);
  box->setCaret(box->positionOf(0, 0));
  EXPECT_EQ(box->ParaAttributes().Alignment(), 0);
}

}  // namespace
}  // namespace zeb
