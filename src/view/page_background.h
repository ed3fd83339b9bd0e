// TZEBsfondo: the background behind a page's text: a colour, and a picture tiled from the
// page's top-left corner.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/canvas.h"

namespace zeb {

class TZEBoggetto;

// The tiles of a width × height grid anchored at (0, 0) that cover the area: starting at
// the largest multiples of the tile size not above the area's left and top, stepping until
// the area's right and bottom edges are passed. None when either size is not positive.
std::vector<CanvasRect> tilesCovering(const CanvasRect& area, int tileWidth, int tileHeight);

class TZEBsfondo {
 public:
  std::uint32_t Colour() const { return colour_; }
  void setColour(std::uint32_t colour) { colour_ = colour; }
  // The picture object (kind 5) to tile, or none.
  TZEBoggetto* Picture() const { return picture_; }
  void setPicture(TZEBoggetto* picture) { picture_ = picture; }

 private:
  std::uint32_t colour_ = 0xC0C0C0;
  TZEBoggetto* picture_ = nullptr;
};

}  // namespace zeb
