// Images: hot zones from the placement's slots, the picture drawn under the mouse, cursors
// and hints.
#include "view/image_zones.h"

#include <gtest/gtest.h>

#include "document/container.h"
#include "document/page_object.h"
#include "tests/support/test_platform.h"
#include "tests/view/page_objects.h"
#include "tools/zebmake/book_model.h"

namespace zeb {
namespace {

class Images : public ::testing::Test {
 protected:
  Images() { placement.Release(); }
  void setZone(int slot, std::uint32_t link, int left, int top, int width, int height) {
    testing::setZone(placement, slot, link, left, top, width, height);
  }

  testing::TestPlatform platform;
  TZEBset set{platform.services()};
  TZEBoggetto& placement = zebmake::addObject(set, TOggettiHel::immagineNew);
};

TEST_F(Images, ZonesAreMadeFromTheLastSlotDownOnlyForSlotsWithALink) {
  setZone(3, 0x6F000001, 10, 10, 20, 20);
  setZone(7, 0x6F000000, 0, 0, 50, 50);
  const std::vector<HotZone> zones = zonesOf(placement, 100, 80);
  ASSERT_EQ(zones.size(), 2u);
  EXPECT_EQ(zones[0], (HotZone{7, 0x6F000000, {0, 0, 50, 50}}));
  EXPECT_EQ(zones[1], (HotZone{3, 0x6F000001, {10, 10, 30, 30}}));
  // Zone 3, made later, lies above zone 7 where they overlap.
  EXPECT_EQ(zoneAt(zones, 15, 15), 1u);
  EXPECT_EQ(zoneAt(zones, 40, 40), 0u);
  EXPECT_EQ(zoneAt(zones, 60, 10), std::nullopt);
}

TEST_F(Images, AZoneHoldsItsLeftAndTopEdgesButNotItsRightAndBottomOnes) {
  setZone(0, 1, 10, 20, 30, 40);  // columns 10 to 39, rows 20 to 59
  const std::vector<HotZone> zones = zonesOf(placement, 100, 80);
  ASSERT_EQ(zones.size(), 1u);
  EXPECT_EQ(zoneAt(zones, 10, 20), 0u);
  EXPECT_EQ(zoneAt(zones, 39, 59), 0u);
  EXPECT_EQ(zoneAt(zones, 40, 30), std::nullopt);
  EXPECT_EQ(zoneAt(zones, 20, 60), std::nullopt);
  EXPECT_EQ(zoneAt(zones, 41, 30), std::nullopt);
  EXPECT_EQ(zoneAt(zones, 20, 61), std::nullopt);
  EXPECT_EQ(zoneAt(zones, 9, 30), std::nullopt);
  EXPECT_EQ(zoneAt(zones, 20, 19), std::nullopt);
}

TEST_F(Images, ZoneRectanglesAreClippedToThePicture) {
  setZone(0, 1, 90, 70, 50, 50);      // reaches past the picture
  setZone(1, 2, -30, 10, 20, 5);      // wholly left of it
  setZone(2, 3, 10, 10, -20, 40);     // a negative width
  setZone(3, 4, 32000, 0, 32767, 9);  // far outside
  const std::vector<HotZone> zones = zonesOf(placement, 100, 80);
  ASSERT_EQ(zones.size(), 4u);
  EXPECT_EQ(zones[3].bounds, (CanvasRect{90, 70, 100, 80}));
  EXPECT_EQ(zones[2].bounds, CanvasRect{});
  EXPECT_EQ(zones[1].bounds, CanvasRect{});
  EXPECT_EQ(zones[0].bounds, CanvasRect{});
  EXPECT_EQ(zoneAt(zones, 0, 0), std::nullopt);
}

TEST_F(Images, AZoneLinksToAnEntryOfItsPagesLocalLinks) {
  TZEBtesto page;
  auto link = set.makeObject(TOggettiHel::internetLink);
  TZEBoggetto& held = *link;
  const std::uint32_t local = page.registerLocal(std::move(link));
  placement.setOwningText(&page);
  EXPECT_EQ(zoneLink(placement, {7, local, {}}), &held);
  EXPECT_EQ(zoneLink(placement, {7, local + 1, {}}), nullptr);
  EXPECT_EQ(zoneLink(placement, {7, objectId(TOggettiHel::internetLink, 0), {}}), nullptr);
  placement.setOwningText(nullptr);
}

TEST_F(Images, TheHoverPictureShowsOnlyUnderTheMouseAndOnlyWhenThereIsOne) {
  TZEBoggetto& picture = zebmake::addObject(set, TOggettiHel::immagine);
  TZEBoggetto& hover = zebmake::addObject(set, TOggettiHel::immagine);
  placement.record().setI32(field::placementPicture, picture.Index());
  placement.record().setI32(field::placementHoverPicture, -1);
  EXPECT_EQ(pictureToDraw(placement, true), &picture);
  placement.record().setI32(field::placementHoverPicture, hover.Index());
  EXPECT_EQ(pictureToDraw(placement, true), &hover);
  EXPECT_EQ(pictureToDraw(placement, false), &picture);
  EXPECT_TRUE(animates(2, true));
  EXPECT_FALSE(animates(2, false));
  EXPECT_FALSE(animates(1, true));
}

TEST(ImageLooks, CursorsAndHintsFollowTheMode) {
  EXPECT_EQ(imageCursor(true, true), MouseCursor::handPoint);
  EXPECT_EQ(imageCursor(true, false), MouseCursor::editHand);
  EXPECT_EQ(imageCursor(false, true), MouseCursor::standard);
  // In the reader an image's hint is its name.
  EXPECT_EQ(imageHint("page|Link to: page", "Sunrise", "A long description", true), "Sunrise");
  EXPECT_EQ(imageHint("", "Sunrise", "A long description", false), "Sunrise\r\n----------\r\nA long description");
  EXPECT_EQ(imageHint("", "Sunrise", "short", false), "Sunrise");
  EXPECT_EQ(imageHint("page|Link to: page", "Sunrise", "", false), "page - Sunrise|Link to: page - Sunrise");
  EXPECT_EQ(imageHint("plain", "Sunrise", "", false), "plain - Sunrise");
}

}  // namespace
}  // namespace zeb
