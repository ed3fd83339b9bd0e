// Placing embedded objects while painting.
#include "text/object_placement.h"

#include "document/container.h"
#include "document/image_cache.h"
#include "platform/system_colours.h"
#include "text/box_painting.h"
#include "text/embedded_object.h"
#include "text/table_cells.h"
#include "text/table_painting.h"
#include "text/text_box.h"

namespace zeb {

PixelView firstImagePixels(const TZEBpicture& picture) {
  if (picture.empty()) return {};
  const PictureFrame& first = picture.frames().front();
  const bool covers = first.left == 0 && first.top == 0 && first.width == picture.width() &&
                      first.height == picture.height() &&
                      first.rgba.size() >= static_cast<std::size_t>(rgbaBytes(first.width, first.height));
  if (covers) return {first.width, first.height, first.rgba.data()};
  const RgbaImage& composed = firstImageOf(picture);
  if (composed.pixels.size() < static_cast<std::size_t>(rgbaBytes(composed.width, composed.height))) return {};
  return {composed.width, composed.height, composed.pixels.data()};
}

void DrawingObjectPlacement::place(TZEBbox& box, EmbeddedObject& object, int left, int top, bool selected,
                                   Canvas& canvas) {
  object.placeAt(left, top, selected);
  const CanvasRect area{left, top, left + object.width(), top + object.height()};
  if (!area.intersects(canvas.clipRect())) return;
  if (TableCells* table = object.tableCells()) {
    paintTable(*table, canvas, this, left, top);
  } else if (object.object().Kind() == TOggettiHel::immagineNew) {
    const TZEBpicture* picture = box.set().decodedPicture(object.object());
    const PixelView pixels = picture != nullptr ? firstImagePixels(*picture) : PixelView{};
    if (!pixels.empty()) canvas.drawPicture(area, pixels);
  } else {
    drawControl(box, object, area, canvas);
  }
  if (selected) drawSelectedLook(canvas, area);
}

void drawSelectedLook(Canvas& canvas, const CanvasRect& area) {
  canvas.hatchRect(area, Hatch::forwardDiagonal, systemColour::highlight);
  canvas.frameRect(area, systemColour::highlight);
}

}  // namespace zeb
