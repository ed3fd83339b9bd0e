// Markers: their icons, widths and popups, when a reader sees them, and their hints.
#include <gtest/gtest.h>

#include "document/container.h"
#include "tests/support/test_platform.h"
#include "tools/zebmake/book_model.h"
#include "view/marker_icons.h"
#include "view/marker_rules.h"

namespace zeb {
namespace {

class Markers : public ::testing::Test {
 protected:
  TZEBoggetto& marker(TOggettiHel kind, std::uint8_t subtype) {
    TZEBoggetto& made = zebmake::addObject(set, kind);
    made.record().setU8(field::state, subtype);
    return made;
  }
  testing::TestPlatform platform;
  TZEBset set{platform.services()};
};

TEST_F(Markers, TheTableGivesIconPopupAndWidth) {
  const auto note = markerLookOf(marker(TOggettiHel::shortObj, 10));
  ASSERT_TRUE(note);
  EXPECT_EQ(note->icon, "notepad");
  EXPECT_EQ(note->width, 18);
  EXPECT_EQ(markerLookOf(marker(TOggettiHel::shortObj, 5))->icon, "");
  EXPECT_EQ(markerLookOf(marker(TOggettiHel::shortObj, 24))->width, 36);
  EXPECT_EQ(markerLookOf(marker(TOggettiHel::shortObj, 28))->icon, "fond");
  EXPECT_EQ(markerLookOf(marker(TOggettiHel::shortObj, 28))->width, 90);
  EXPECT_FALSE(markerLookOf(marker(TOggettiHel::shortObj, 16)));
  EXPECT_EQ(markerLookOf(marker(TOggettiHel::inputStat, 5))->popup, MarkerPopup::PopupInput);
  EXPECT_EQ(markerLookOf(marker(TOggettiHel::inputDin, 11))->icon, "dinlist");
  EXPECT_FALSE(markerLookOf(marker(TOggettiHel::inputDin, 2)));
  EXPECT_EQ(markerLookOf(marker(TOggettiHel::inizioForm, 3))->popup, MarkerPopup::PopupFormStart);
  EXPECT_EQ(customIconName(19), "dbrep");
  EXPECT_EQ(customIconWidth(21), 36);
}

TEST_F(Markers, ReadersSeeOnlyTheAlwaysShownMarkerAndAnchorsWhenPreviewed) {
  const TZEBoggetto& anchor = marker(TOggettiHel::shortObj, 14);
  const TZEBoggetto& always = marker(TOggettiHel::shortObj, 15);
  const TZEBoggetto& note = marker(TOggettiHel::shortObj, 10);
  EXPECT_FALSE(markerDrawn(anchor, true, false));
  EXPECT_TRUE(markerDrawn(anchor, true, true));
  EXPECT_TRUE(markerDrawn(always, true, false));
  EXPECT_FALSE(markerDrawn(note, true, true));
  EXPECT_TRUE(markerDrawn(note, false, false));
  EXPECT_FALSE(markerRefreshesOnModeChange(always, true, false));
  EXPECT_FALSE(markerRefreshesOnModeChange(anchor, true, true));
  EXPECT_TRUE(markerRefreshesOnModeChange(anchor, true, false));
  EXPECT_TRUE(markerFollowsOnClick(anchor, true));
  EXPECT_FALSE(markerFollowsOnClick(anchor, false));
  EXPECT_FALSE(markerFollowsOnClick(note, true));
}

TEST_F(Markers, HintsAreTheDescriptionOrWhatTheFrameSetSaysForFiles) {
  TZEBoggetto& file = marker(TOggettiHel::shortObj, 28);
  file.record().setI32(field::panelReference, 4);
  EXPECT_EQ(markerHint(file, {}), "File #4");
  EXPECT_EQ(markerHint(file, [](const TZEBoggetto&) { return std::string("report.pdf"); }), "report.pdf");
  TZEBoggetto& note = marker(TOggettiHel::shortObj, 25);
  note.setAttribute("description", "Across");
  EXPECT_EQ(markerHint(note, [](const TZEBoggetto&) { return std::string("ignored"); }), "Across");
  EXPECT_EQ(markerCaption("Image reference: Sunrise: big"), "Sunrise: big");
  EXPECT_EQ(markerCaption("no colon"), "no colon");
}

TEST(MarkerIcons, EveryNamedIconIsAnEighteenPixelSquareWithSomethingOnIt) {
  ASSERT_EQ(markerIconNames().size(), 28u);
  for (const std::string_view name : markerIconNames()) {
    const RgbaImage* icon = markerIcon(name);
    ASSERT_NE(icon, nullptr) << name;
    EXPECT_EQ(icon->width, 18);
    EXPECT_EQ(icon->height, 18);
    int opaque = 0;
    for (std::size_t i = 3; i < icon->pixels.size(); i += 4) opaque += icon->pixels[i] != 0 ? 1 : 0;
    EXPECT_GT(opaque, 20) << name;
    EXPECT_LT(opaque, 18 * 18) << name;  // none fills its whole square
  }
  EXPECT_EQ(markerIcon("none such"), nullptr);
  EXPECT_EQ(markerIcon("ancora"), markerIcon("ancora"));  // made once, shared
}

}  // namespace
}  // namespace zeb
