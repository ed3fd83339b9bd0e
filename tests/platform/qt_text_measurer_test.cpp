// The Qt measurer with real fonts: face substitutes, sizes, the symbol faces, and a page
// read and laid out with it.
#include "platform/qt/qt_text_measurer.h"

#include <gtest/gtest.h>

#include <QFontInfo>

#include "document/container.h"
#include "document/page_object.h"
#include "platform/qt/qt_fonts.h"
#include "tests/support/test_platform.h"
#include "text/measurement_cache.h"
#include "text/text_box.h"

namespace zeb {
namespace {

TMyFont font(const char* name, int size = 12, std::uint8_t style = 0) { return TMyFont{name, style, 0, size, 0}; }

TEST(QtFonts, BookFacesResolveToTheirSubstitutes) {
  EXPECT_EQ(QFontInfo(qtFontFor(font("Times New Roman"), 96)).family(), "Liberation Serif");
  EXPECT_EQ(QFontInfo(qtFontFor(font("Arial"), 96)).family(), "Liberation Sans");
  const QFontInfo mono(qtFontFor(font("Courier New"), 96));
  EXPECT_EQ(mono.family(), "Liberation Mono");
  EXPECT_TRUE(mono.fixedPitch());
  EXPECT_EQ(qtFontFor(font("Arial", 12), 96).pixelSize(), 16);
  EXPECT_EQ(qtFontFor(font("Arial", 10), 120).pixelSize(), 17);
  EXPECT_EQ(pixelSizeOfPoints(0, 96), 1);
  const QFont styled = qtFontFor(font("Arial", 12, fontStyle::bold | fontStyle::italic | fontStyle::underline), 96);
  EXPECT_TRUE(styled.bold() && styled.italic() && styled.underline() && !styled.strikeOut());
}

TEST(QtFonts, TextBecomesUnicodeByFace) {
  EXPECT_EQ(qtTextFor(font("Arial"), "caf\xE9 \x80"), QString::fromUtf8("caf\u00E9 \u20AC"));
  EXPECT_EQ(qtTextFor(font("Symbol"), "abg"), QString::fromUtf8("\u03B1\u03B2\u03B3"));
  EXPECT_EQ(qtTextFor(font("Wingdings"), "w"), QString::fromUtf8("\u2022"));
}

TEST(QtTextMeasurer, MeasuresLikeTheFontsMetrics) {
  QtTextMeasurer measurer(96);
  EXPECT_EQ(measurer.pixelsPerInch(), 96);
  const FontMetrics serif = measurer.metrics(font("Times New Roman", 12));
  EXPECT_GT(serif.ascent, 10);
  EXPECT_GT(serif.height, serif.ascent);
  EXPECT_LT(serif.height, 24);
  EXPECT_GT(serif.averageCharWidth, 3);
  EXPECT_EQ(serif.pitchAndFamily, pitchFamily::familyRoman | pitchFamily::variablePitch);

  const TMyFont mono = font("Courier New");
  EXPECT_EQ(measurer.extent(mono, "iiii"), measurer.extent(mono, "MMMM"));
  const TMyFont sans = font("Arial");
  EXPECT_LT(measurer.extent(sans, "iiii"), measurer.extent(sans, "MMMM"));
  EXPECT_GT(measurer.extent(font("Arial", 24, fontStyle::bold), "wwww"), measurer.extent(font("Arial", 24), "wwww"));
  EXPECT_EQ(measurer.extent(font("Arial", 24), "x"), 2 * measurer.extent(sans, "x"));
  EXPECT_GT(measurer.extent(font("Wingdings"), "w"), 0);
  EXPECT_EQ(measurer.extent(sans, ""), 0);
  EXPECT_GT(QtTextMeasurer().pixelsPerInch(), 0);
}

TEST(QtTextMeasurer, PairWidthsAddUpToTheWordsExtent) {
  QtTextMeasurer measurer(96);
  MeasurementCache cache(measurer);
  const TMyFont serif = font("Times New Roman", 14);
  MeasuredFont& measured = cache.select(serif);
  const std::string word = "AVAWAY Tyrol";
  int total = 0;
  int previous = -1;
  for (const char character : word) {
    total += cache.width(measured, previous, static_cast<std::uint8_t>(character));
    previous = static_cast<std::uint8_t>(character);
  }
  EXPECT_NEAR(total, measurer.extent(serif, word), 2);
}

TEST(QtTextMeasurer, APageReadsAndLaysOutWithRealMetrics) {
  QtTextMeasurer measurer(96);
  testing::TestPlatform platform;
  PlatformServices services = platform.services();
  services.measurer = &measurer;
  TZEBset set(services);
  MeasurementCache cache(measurer);
  TZEBtesto page;
  std::string text = "<Z S0 >";
  for (int i = 0; i < 40; ++i) text += "lorem ipsum ";
  text += "<Y F\"Symbol\" >abc";
  text.push_back('\0');
  page.setText(text);
  TZEBbox box(set, cache);
  box.setBounds(0, 0, 300, 200);
  box.LoadFrom(page);

  ASSERT_EQ(box.paragraphCount(), 1);
  const TZEBparag& paragraph = box.paragraph(0);
  EXPECT_EQ(paragraph.BaseHeight, measurer.metrics(font("Times New Roman", 12)).height);
  ASSERT_GT(paragraph.Lines.size(), 3u);
  for (const TZEBline& line : paragraph.Lines) {
    EXPECT_LE(line.Extent, 300 - 20);  // within the style's 10-pixel margins
    EXPECT_EQ(line.Indent, 10);
  }
  for (std::size_t i = 0; i + 1 < paragraph.Lines.size(); ++i) {
    const TZEBline& line = paragraph.Lines[i];
    EXPECT_EQ(paragraph.Text[static_cast<std::size_t>(line.FirstChar + line.CharCount - 1)], ' ');
  }
  EXPECT_EQ(box.ContentWidth(), 300);
  EXPECT_GT(paragraph.Cells[paragraph.Text.size() - 1].Advance, 0);  // a Greek gamma
}

}  // namespace
}  // namespace zeb
