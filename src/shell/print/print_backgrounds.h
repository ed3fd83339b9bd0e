// The backgrounds of printed sheets, tables and cells: a colour, or a picture tiled at the
// image scale.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/canvas.h"

namespace zeb {

class TZEBoggetto;
class TZEBset;
struct PrintSheet;

struct PrintBackground {
  // Filled over the area; under a picture only when the picture lets it through.
  std::optional<Colour> colour;
  // A picture object (kind 5), tiled.
  TZEBoggetto* picture = nullptr;

  // The background a table or a cell codes: below 0x2000000 a colour (the low 24 bits), from
  // 0x3000000 to 0x3FFFFFF the picture whose index is the low 24 bits, else none.
  static PrintBackground ofCode(const TZEBset& set, std::uint32_t code);
  bool empty() const { return !colour && picture == nullptr; }
};

// Prints the background over the area (canvas coordinates). Tiles of the picture's size at
// the image scale lie on a grid through (originX, originY) and are cut at the area's edges.
// A picture that cannot be decoded leaves the colour alone.
void printBackground(const PrintSheet& sheet, const PrintBackground& background, const CanvasRect& area, int originX,
                     int originY);

// A frame along the inside of the area, `across` pixels wide at its sides and `down` at its
// top and bottom: top and left in one colour, bottom and right in the other. Only what
// meets the window is drawn, so that a frame taller than a sheet is cut at the sheet's edges.
struct Bevel {
  int across = 1;
  int down = 1;
  Colour topLeft = 0;
  Colour bottomRight = 0;
};
void printBevel(Canvas& canvas, const CanvasRect& area, const Bevel& bevel, const CanvasRect& window);

}  // namespace zeb
