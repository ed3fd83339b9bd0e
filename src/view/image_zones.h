// Images on a page: their hot zones, the picture drawn (hover picture), where it is drawn,
// and the image's link cursor and hint.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/canvas.h"
#include "text/box_input.h"

namespace zeb {

class TZEBoggetto;

// A hot zone: the slot it comes from, the link number it holds (a local number of the
// page's links once the page is open), and its rectangle on the image.
struct HotZone {
  int slot = 0;
  std::uint32_t link = 0;
  CanvasRect bounds;
  bool operator==(const HotZone&) const = default;
};

// The zones of a picture placement, in the order they are created: slots from the last (29)
// to the first, each slot whose link number is not -1. A zone's rectangle (left, top, width,
// height, 16 bits each) is clipped to the image of the size given; a zone wholly outside it
// keeps an empty rectangle.
std::vector<HotZone> zonesOf(const TZEBoggetto& placement, int imageWidth, int imageHeight);
// The zone under the point: zones created later lie above earlier ones. None between zones.
std::optional<std::size_t> zoneAt(const std::vector<HotZone>& zones, int x, int y);
// The link object of a zone: the entry of the page's local link list that its number names.
TZEBoggetto* zoneLink(const TZEBoggetto& placement, const HotZone& zone);

// The picture object (kind 5) drawn for a placement: its hover picture while the mouse is
// over it and it has one, else its picture. None when it has neither.
TZEBoggetto* pictureToDraw(const TZEBoggetto& placement, bool mouseOver);
// Whether a picture of that many frames is animated: in read-only mode, more than one.
bool animates(std::size_t frameCount, bool readOnly);
// The picture is stretched over the whole control.
inline CanvasRect pictureArea(int width, int height) { return {0, 0, width, height}; }

// The cursor over an image (or a zone): the link cursor when it has a link in read-only or
// locked state, the edit hand with a link otherwise, the arrow without one.
MouseCursor imageCursor(bool hasLink, bool readOnlyOrLocked);
// The hint of an image from its link's description and its own name and description: in
// read-only mode the name alone; in authoring mode the link's description with " - " and the
// name (with a description of more than 5 bytes after a rule) put before any "|" and at the end.
std::string imageHint(std::string_view linkDescription, std::string_view name, std::string_view description,
                      bool readOnly);

}  // namespace zeb
