// Night colours: the mapping keeps contrast ratios and hues, which pages turn, and the
// canvas that paints in night colours.
#include "view/night_colours.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "document/container.h"
#include "platform/headless/recording_canvas.h"
#include "platform/system_colours.h"
#include "tests/support/test_platform.h"
#include "text/measurement_cache.h"
#include "view/night_canvas.h"
#include "view/page_background.h"
#include "view/page_view.h"

namespace zeb {
namespace {

constexpr Colour rgb(int red, int green, int blue) {
  return static_cast<Colour>(red) | static_cast<Colour>(green) << 8 | static_cast<Colour>(blue) << 16;
}

constexpr Colour white = rgb(255, 255, 255);
constexpr Colour black = rgb(0, 0, 0);

struct Pair {
  Colour text;
  Colour background;
};

TEST(NightColours, KeepTheContrastOfEveryTextWithItsBackgroundWithinFivePercent) {
  const std::vector<Pair> pairs = {
      {black, white},
      {white, black},
      {rgb(0x33, 0x33, 0x33), white},
      {rgb(0x76, 0x76, 0x76), white},                  // just readable: 4.5 to 1
      {rgb(0, 0, 0xEE), white},                        // a link
      {rgb(0x55, 0x1A, 0x8B), white},                  // a visited link
      {rgb(0xCC, 0, 0), rgb(0xFF, 0xFF, 0xE0)},        // a warning on pale yellow
      {rgb(0xFF, 0, 0), white},                        // the brightest red
      {rgb(0, 0, 0xFF), rgb(0xC0, 0xC0, 0xC0)},        // blue on the boxes' grey
      {rgb(0, 0, 0x80), rgb(0xC0, 0xC0, 0xC0)},        // a navy heading
      {rgb(0, 0x80, 0), rgb(0xF0, 0xF8, 0xFF)},        // green on a pale page
      {black, rgb(0xFF, 0xFF, 0xCC)},                  // a pale table cell
      {rgb(0xFF, 0xFF, 0), rgb(0, 0, 0xFF)},           // yellow on blue
      {white, rgb(0x80, 0, 0)},                        // white on dark red
      {rgb(0xC0, 0xC0, 0xC0), rgb(0x80, 0x80, 0x80)},  // grey on grey
      {rgb(0xFF, 0x80, 0), rgb(0x20, 0x20, 0x40)},     // orange on a dark blue
  };
  for (const Pair& pair : pairs) {
    const double day = contrastRatio(pair.text, pair.background);
    const double night = contrastRatio(nightColourOf(pair.text), nightColourOf(pair.background));
    EXPECT_NEAR(night / day, 1.0, 0.05) << std::hex << pair.text << " on " << pair.background << std::dec << ": " << day
                                        << " by day, " << night << " at night";
  }
}

TEST(NightColours, TurnBlackOnWhiteIntoLightOnDarkAndKeepHues) {
  EXPECT_EQ(nightColourOf(white), black);
  EXPECT_EQ(nightColourOf(black), white);
  EXPECT_TRUE(isDarkColour(nightColourOf(rgb(0xC0, 0xC0, 0xC0))));
  EXPECT_FALSE(isDarkColour(nightColourOf(rgb(0x33, 0x33, 0x33))));
  // A blue link stays bluish, a red warning reddish, a green note greenish.
  const Colour link = nightColourOf(rgb(0, 0, 0xEE));
  EXPECT_GT(blueOf(link), redOf(link) + 60);
  EXPECT_GT(blueOf(link), greenOf(link) + 60);
  const Colour warning = nightColourOf(rgb(0xCC, 0, 0));
  EXPECT_GT(redOf(warning), greenOf(warning) + 100);
  EXPECT_GT(redOf(warning), blueOf(warning) + 100);
  const Colour note = nightColourOf(rgb(0, 0x80, 0));
  EXPECT_GT(greenOf(note), redOf(note) + 60);
  EXPECT_GT(greenOf(note), blueOf(note) + 60);
  // The windows' own colours come from their night palette.
  EXPECT_EQ(nightColourOf(systemColour::highlight), systemColour::highlight);
}

class NightPage : public ::testing::Test {
 protected:
  testing::TestPlatform platform;
  TZEBset set{platform.services()};
  MeasurementCache measures{platform.measurer};
  PageOwner owner;
  TZEBpage page{set, measures, owner};
};

TEST_F(NightPage, AlreadyDarkPageKeepsItsColoursAndEveryOtherTurns) {
  const NightView night{.on = true, .dimPictures = true};
  page.Background().setColour(rgb(0, 0, 0x80));  // light text on navy
  EXPECT_EQ(nightPaintingOf(page, night), (NightPainting{.mapColours = false, .dimPictures = true}));
  page.Background().setColour(rgb(0xF0, 0xF8, 0xFF));
  EXPECT_EQ(nightPaintingOf(page, night), (NightPainting{.mapColours = true, .dimPictures = true}));
  EXPECT_EQ(nightPaintingOf(page, NightView{}), NightPainting{});
}

// What reaches the canvas below of the pictures drawn.
class PictureCanvas final : public Canvas {
 public:
  void drawPicture(const CanvasRect&, const PixelView& pixels) override {
    seen.push_back(pixels.rgba);
    first.assign(pixels.rgba, pixels.rgba + 4);
  }
  std::vector<const std::uint8_t*> seen;
  std::vector<std::uint8_t> first;
};

TEST(NightCanvas, PaintsColoursAndBackgroundsInNightColoursAndPicturesAsTheyAre) {
  RecordingCanvas recording({0, 0, 100, 100});
  NightCanvas night(recording, {.mapColours = true});
  night.fillRect({0, 0, 10, 10}, white);
  night.setFont(TMyFont{.Name = "Arial", .Color = black});
  night.setTextBackground(TextBackground::solid, systemColour::highlight);
  night.hatchRect({0, 0, 10, 10}, Hatch::forwardDiagonal, rgb(0xC0, 0xC0, 0xC0));
  EXPECT_EQ(recording.calls("fill"), std::vector<std::string>{"fill 0,0,10,10 #000000"});
  EXPECT_EQ(recording.calls("font"), std::vector<std::string>{"font \"Arial\" 10 style=0 #FFFFFF"});
  EXPECT_EQ(recording.calls("back"), std::vector<std::string>{"back solid highlight"});
  EXPECT_EQ(recording.calls("hatch")[0].substr(0, 24), "hatch forward 0,0,10,10 ");
  EXPECT_NE(recording.calls("hatch")[0], "hatch forward 0,0,10,10 #C0C0C0");

  // A white half-transparent pixel: a picture keeps it, a background tile turns it dark,
  // a dimmed picture darkens it; transparency stays.
  const std::uint8_t pixel[4] = {255, 255, 255, 128};
  const PixelView pixels{1, 1, pixel};
  PictureCanvas pictures;
  NightCanvas turning(pictures, {.mapColours = true});
  turning.drawPicture({0, 0, 1, 1}, pixels);
  EXPECT_EQ(pictures.seen.back(), pixel);
  turning.drawBackgroundTile({0, 0, 1, 1}, pixels);
  EXPECT_EQ(pictures.first, (std::vector<std::uint8_t>{0, 0, 0, 128}));
  NightCanvas dimming(pictures, {.mapColours = false, .dimPictures = true});
  dimming.drawPicture({0, 0, 1, 1}, pixels);
  EXPECT_EQ(pictures.first, (std::vector<std::uint8_t>{191, 191, 191, 128}));
  dimming.drawBackgroundTile({0, 0, 1, 1}, pixels);
  EXPECT_EQ(pictures.seen.back(), pixel);
}

}  // namespace
}  // namespace zeb
