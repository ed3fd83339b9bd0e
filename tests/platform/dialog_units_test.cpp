// Designed lengths in the font shown: base units from a font's measures, and scaling.
#include "platform/dialog_units.h"

#include <gtest/gtest.h>

namespace zeb {
namespace {

TEST(DialogUnits, AFontsBaseUnitsAreItsAverageLetterRoundedAndItsHeight) {
  // A 9-point sans font at 96 pixels per inch: 363 pixels for the 52 letters.
  EXPECT_EQ(baseUnitsOf(363, 17), (FontBaseUnits{7, 17}));
  // 6.48 pixels a letter rounds down, 6.5 up.
  EXPECT_EQ(baseUnitsOf(337, 13), (FontBaseUnits{6, 13}));
  EXPECT_EQ(baseUnitsOf(338, 13), (FontBaseUnits{7, 13}));
  EXPECT_EQ(baseUnitsOf(0, 0), (FontBaseUnits{0, 0}));
}

TEST(DialogUnits, DesignedLengthsGrowAcrossWithTheLetterAndDownWithTheHeight) {
  const DesignScale larger({7, 17});
  // 283 * 7 / 6 = 330.17; 350 * 17 / 13 = 457.69; 75 * 7 / 6 = 87.5 rounds up.
  EXPECT_EQ(larger.x(283), 330);
  EXPECT_EQ(larger.y(350), 458);
  EXPECT_EQ(larger.x(75), 88);
  EXPECT_EQ(larger.x(-75), -88);
  EXPECT_EQ(larger.rect({12, 26, 780, 540}), (WindowRect{14, 34, 910, 706}));
  // The design font itself, and a smaller font.
  EXPECT_EQ(DesignScale(designFontUnits).rect({12, 26, 780, 540}), (WindowRect{12, 26, 780, 540}));
  EXPECT_EQ(DesignScale({5, 11}).rect({12, 26, 780, 540}), (WindowRect{10, 22, 650, 457}));
  // A font that measured nothing changes nothing.
  EXPECT_EQ(DesignScale({0, 0}).rect({12, 26, 780, 540}), (WindowRect{12, 26, 780, 540}));
}

}  // namespace
}  // namespace zeb
