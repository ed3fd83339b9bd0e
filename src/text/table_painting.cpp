// Table backgrounds, borders and cells.
#include "text/table_painting.h"

#include <algorithm>

#include "document/container.h"
#include "platform/canvas.h"
#include "text/box_painting.h"
#include "text/object_placement.h"
#include "text/table_cells.h"
#include "text/text_box.h"

namespace zeb {
namespace {

// A frame `width` pixels wide along the inside of the rectangle: the top and left sides in
// one colour, the bottom and right ones in the other.
void drawBevel(Canvas& canvas, const CanvasRect& area, int width, Colour topLeft, Colour bottomRight) {
  if (width <= 0 || area.empty()) return;
  const int w = std::min({width, area.width(), area.height()});
  canvas.fillRect({area.left, area.top, area.right, area.top + w}, topLeft);
  canvas.fillRect({area.left, area.top, area.left + w, area.bottom}, topLeft);
  canvas.fillRect({area.left, area.bottom - w, area.right, area.bottom}, bottomRight);
  canvas.fillRect({area.right - w, area.top, area.right, area.bottom}, bottomRight);
}

void paintTableBackground(TableCells& table, Canvas& canvas, const CanvasRect& area) {
  const CellBackground background = cellBackgroundOf(table.description().colourCode);
  if (background.kind == CellBackground::Kind::colour) {
    canvas.fillRect(area, background.colour);
    return;
  }
  if (background.kind != CellBackground::Kind::picture) return;
  TZEBoggetto* pictureObject = table.object().ReferencedPicture();
  TZEBset& set = table.box().set();
  const TZEBpicture* picture = pictureObject != nullptr ? set.decodedPicture(*pictureObject) : nullptr;
  if (picture == nullptr || picture->empty()) return;
  const PixelView pixels = firstImagePixels(*picture);
  CanvasState state(canvas);
  canvas.intersectClip(area);
  for (const CanvasRect& tile :
       tilesCovering(area.intersected(canvas.clipRect()), picture->width(), picture->height(), area.left, area.top))
    canvas.drawBackgroundTile(tile, pixels);
}

}  // namespace

void paintTable(TableCells& table, Canvas& canvas, ObjectPlacement* placement, int left, int top) {
  const TableDescription& description = table.description();
  const CanvasRect area{left, top, left + table.width(), top + table.height()};
  paintTableBackground(table, canvas, area);
  drawBevel(canvas, area, description.border, description.highlightColour, description.shadowColour);
  const CanvasRect clip = canvas.clipRect();
  for (const auto& cell : table.cells()) {
    const CanvasRect bounds{left + cell->Left(), top + cell->Top(), left + cell->Left() + cell->Width(),
                            top + cell->Top() + cell->Height()};
    if (!bounds.intersects(clip)) continue;
    CanvasState state(canvas);
    canvas.translate(bounds.left, bounds.top);
    canvas.intersectClip({0, 0, cell->Width(), cell->Height()});
    paintBox(*cell, canvas, placement);
    drawBevel(canvas, {0, 0, cell->Width(), cell->Height()}, description.border, description.shadowColour,
              description.highlightColour);
  }
}

}  // namespace zeb
