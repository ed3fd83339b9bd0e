// Background tiles.
#include "view/page_background.h"

namespace zeb {

std::vector<CanvasRect> tilesCovering(const CanvasRect& area, int tileWidth, int tileHeight) {
  std::vector<CanvasRect> tiles;
  if (tileWidth <= 0 || tileHeight <= 0 || area.width() <= 0 || area.height() <= 0) return tiles;
  auto floorTo = [](int value, int step) { return value >= 0 ? value / step * step : -((-value + step - 1) / step) * step; };
  for (int y = floorTo(area.top, tileHeight); y < area.bottom; y += tileHeight) {
    for (int x = floorTo(area.left, tileWidth); x < area.right; x += tileWidth)
      tiles.push_back({x, y, x + tileWidth, y + tileHeight});
  }
  return tiles;
}

}  // namespace zeb
