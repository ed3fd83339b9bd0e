// Face substitutes, the characters of the symbol faces, and the fixed-metrics measurer that
// the layout tests rely on.
#include "platform/font_faces.h"

#include <gtest/gtest.h>

#include "platform/headless/fixed_metrics_measurer.h"

namespace zeb {
namespace {

TEST(FontFaces, WindowsFacesHaveMetricCompatibleSubstitutes) {
  EXPECT_EQ(substituteFace("Times New Roman").family, "Liberation Serif");
  EXPECT_EQ(substituteFace("arial").family, "Liberation Sans");
  EXPECT_EQ(substituteFace("COURIER NEW").family, "Liberation Mono");
  EXPECT_EQ(substituteFace("Courier New").pitchAndFamily, pitchFamily::familyModern | pitchFamily::fixedPitch);
  EXPECT_EQ(substituteFace("Arial").pitchAndFamily, pitchFamily::familySwiss | pitchFamily::variablePitch);
  EXPECT_EQ(substituteFace("").family, "Liberation Serif");
  const FaceSubstitute unknown = substituteFace("Garamond Premier");
  EXPECT_EQ(unknown.family, "Garamond Premier");
  EXPECT_FALSE(unknown.known);
  EXPECT_EQ(substituteFace("Symbol").encoding, FaceEncoding::symbol);
  EXPECT_EQ(substituteFace("wingdings").encoding, FaceEncoding::wingdings);
}

TEST(FontFaces, SymbolAndWingdingsBytesBecomeTheirGlyphs) {
  EXPECT_EQ(unicodeOfFaceByte(FaceEncoding::symbol, 'a'), U'\u03B1');
  EXPECT_EQ(unicodeOfFaceByte(FaceEncoding::symbol, 'W'), U'\u03A9');
  EXPECT_EQ(unicodeOfFaceByte(FaceEncoding::symbol, 0xB7), U'\u2022');
  EXPECT_EQ(unicodeOfFaceByte(FaceEncoding::symbol, 0xE5), U'\u2211');
  EXPECT_EQ(unicodeOfFaceByte(FaceEncoding::symbol, 0xFE), U'\u23AD');
  EXPECT_EQ(unicodeOfFaceByte(FaceEncoding::symbol, '1'), U'1');
  EXPECT_EQ(unicodeOfFaceByte(FaceEncoding::wingdings, 'w'), U'\u2022');
  EXPECT_EQ(unicodeOfFaceByte(FaceEncoding::wingdings, 'A'), U'A');
  EXPECT_EQ(unicodeOfFaceByte(FaceEncoding::codePage, 0x80), U'\u20AC');
  EXPECT_EQ(unicodeOfFaceByte(FaceEncoding::codePage, 'w'), U'w');
  // Qt text takes one UTF-16 unit per byte.
  for (const FaceEncoding encoding : {FaceEncoding::codePage, FaceEncoding::symbol, FaceEncoding::wingdings}) {
    for (int byte = 0; byte < 256; ++byte)
      EXPECT_LE(unicodeOfFaceByte(encoding, static_cast<std::uint8_t>(byte)), 0xFFFFu) << byte;
  }
}

TEST(FixedMetricsMeasurer, MetricsFollowTheSize) {
  FixedMetricsMeasurer measurer;
  const TMyFont font{"Arial", 0, 0, 12, 0};
  EXPECT_EQ(measurer.metrics(font), (FontMetrics{24, 18, 12, pitchFamily::familySwiss | pitchFamily::variablePitch}));
  EXPECT_EQ(measurer.extent(font, "abc"), 36);
  EXPECT_EQ(measurer.extent(TMyFont{"Arial", fontStyle::bold, 0, 12, 0}, "abc"), 39);
  measurer.setCharacterWidth('W', 40);
  measurer.setKerning('A', 'W', 5);
  EXPECT_EQ(measurer.extent(font, "AWA"), 12 + 40 + 12 - 5);
  EXPECT_EQ(measurer.extentCalls(), 3);
}

}  // namespace
}  // namespace zeb
