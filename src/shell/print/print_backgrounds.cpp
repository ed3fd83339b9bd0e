// Printing backgrounds.
#include "shell/print/print_backgrounds.h"

#include <algorithm>

#include "document/container.h"
#include "document/image_cache.h"
#include "shell/print/printual.h"
#include "text/box_painting.h"
#include "text/object_placement.h"
#include "text/table_layout.h"

namespace zeb {
namespace {

// A picture so small at the image scale that this many tiles would not cover the area is
// not tiled: the area keeps its colour.
constexpr std::int64_t maxTilesPerArea = 65536;

bool tooManyTiles(const CanvasRect& area, int tileWidth, int tileHeight) {
  if (tileWidth <= 0 || tileHeight <= 0) return true;
  const std::int64_t across = area.width() / tileWidth + 2;
  const std::int64_t down = area.height() / tileHeight + 2;
  return across * down > maxTilesPerArea;
}

}  // namespace

PrintBackground PrintBackground::ofCode(const TZEBset& set, std::uint32_t code) {
  PrintBackground background;
  const CellBackground decoded = cellBackgroundOf(code);
  if (decoded.kind == CellBackground::Kind::colour) background.colour = decoded.colour;
  if (decoded.kind == CellBackground::Kind::picture)
    background.picture = set.objectByKindAndIndex(kindNumber(TOggettiHel::immagine), decoded.pictureIndex);
  return background;
}

void printBackground(const PrintSheet& sheet, const PrintBackground& background, const CanvasRect& area, int originX,
                     int originY) {
  if (area.empty()) return;
  Canvas& canvas = sheet.canvas;
  const TZEBpicture* picture = background.picture != nullptr ? sheet.set.decodedPicture(*background.picture) : nullptr;
  const PixelView pixels = picture != nullptr ? firstImagePixels(*picture) : PixelView{};
  const int tileWidth =
      pixels.empty() ? 0 : sheet.scale.pictureWidth(background.picture->record().i16(field::pictureWidth));
  const int tileHeight =
      pixels.empty() ? 0 : sheet.scale.pictureHeight(background.picture->record().i16(field::pictureHeight));
  if (tooManyTiles(area, tileWidth, tileHeight)) {
    if (background.colour) canvas.fillRect(area, *background.colour);
    return;
  }
  if (background.colour && !picture->isOpaque()) canvas.fillRect(area, *background.colour);
  CanvasState state(canvas);
  canvas.intersectClip(area);
  for (const CanvasRect& tile : tilesCovering(area, tileWidth, tileHeight, originX, originY))
    canvas.drawPicture(tile, pixels);
}

void printBevel(Canvas& canvas, const CanvasRect& area, const Bevel& bevel, const CanvasRect& window) {
  if (area.empty() || bevel.across <= 0 || bevel.down <= 0) return;
  const int across = std::min(bevel.across, area.width());
  const int down = std::min(bevel.down, area.height());
  const auto fill = [&](const CanvasRect& edge, Colour colour) {
    const CanvasRect shown = edge.intersected(window);
    if (!shown.empty()) canvas.fillRect(shown, colour);
  };
  fill({area.left, area.top, area.right, area.top + down}, bevel.topLeft);
  fill({area.left, area.top, area.left + across, area.bottom}, bevel.topLeft);
  fill({area.left, area.bottom - down, area.right, area.bottom}, bevel.bottomRight);
  fill({area.right - across, area.top, area.right, area.bottom}, bevel.bottomRight);
}

}  // namespace zeb
