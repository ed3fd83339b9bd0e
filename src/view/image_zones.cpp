// Hot zones, hover pictures, image cursors and hints.
#include "view/image_zones.h"

#include <algorithm>

#include "document/book_object.h"
#include "document/container.h"
#include "view/messages.h"

namespace zeb {
namespace {

constexpr std::uint32_t noLink = 0xFFFFFFFFu;
// A zone record: the link number, a reserved int32, then left, top, width and height.
constexpr int zoneLeft = 8;
constexpr int zoneTop = 10;
constexpr int zoneWidth = 12;
constexpr int zoneHeight = 14;
// An image's description shows in its hint only when longer than this.
constexpr std::size_t shortDescription = 5;

}  // namespace

std::vector<HotZone> zonesOf(const TZEBoggetto& placement, int imageWidth, int imageHeight) {
  std::vector<HotZone> zones;
  const ObjectRecord& record = placement.record();
  const CanvasRect image{0, 0, std::max(imageWidth, 0), std::max(imageHeight, 0)};
  for (int slot = field::zoneCount - 1; slot >= 0; --slot) {
    const int at = field::placementZones + field::zoneSize * slot;
    const std::uint32_t link = record.u32(at);
    if (link == noLink) continue;
    const int left = record.i16(at + zoneLeft);
    const int top = record.i16(at + zoneTop);
    const int width = std::max<int>(record.i16(at + zoneWidth), 0);
    const int height = std::max<int>(record.i16(at + zoneHeight), 0);
    CanvasRect bounds = CanvasRect{left, top, left + width, top + height}.intersected(image);
    if (bounds.empty()) bounds = {};
    zones.push_back({slot, link, bounds});
  }
  return zones;
}

std::optional<std::size_t> zoneAt(const std::vector<HotZone>& zones, int x, int y) {
  for (std::size_t i = zones.size(); i-- > 0;) {
    const CanvasRect& bounds = zones[i].bounds;
    if (x >= bounds.left && x < bounds.right && y >= bounds.top && y < bounds.bottom) return i;
  }
  return std::nullopt;
}

TZEBoggetto* zoneLink(const TZEBoggetto& placement, const HotZone& zone) {
  return isLocalReference(zone.link) ? placement.resolveReference(zone.link) : nullptr;
}

TZEBoggetto* pictureToDraw(const TZEBoggetto& placement, bool mouseOver) {
  TZEBset* set = placement.Container();
  if (set == nullptr) return nullptr;
  if (mouseOver) {
    const std::int32_t hover = placement.record().i32(field::placementHoverPicture);
    if (TZEBoggetto* picture = set->objectByKindAndIndex(kindNumber(TOggettiHel::immagine), hover)) return picture;
  }
  return placement.ReferencedPicture();
}

bool animates(std::size_t frameCount, bool readOnly) { return readOnly && frameCount > 1; }

MouseCursor imageCursor(bool hasLink, bool readOnlyOrLocked) {
  if (!hasLink) return MouseCursor::standard;
  return readOnlyOrLocked ? MouseCursor::handPoint : MouseCursor::editHand;
}

std::string imageHint(std::string_view linkDescription, std::string_view name, std::string_view description,
                      bool readOnly) {
  const std::string_view link = readOnly ? std::string_view() : linkDescription;
  std::string image(name);
  if (!readOnly && description.size() > shortDescription) {
    image += messages::imageHintRule;
    image += description;
  }
  if (link.empty()) return image;
  image = " - " + image;
  std::string hint(link);
  if (const std::size_t bar = hint.find('|'); bar != std::string::npos) hint.insert(bar, image);
  return hint + image;
}

}  // namespace zeb
