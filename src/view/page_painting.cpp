// Page painting.
#include "view/page_painting.h"

#include "document/container.h"
#include "document/image_cache.h"
#include "platform/canvas.h"
#include "text/box_painting.h"
#include "text/object_placement.h"
#include "text/text_box.h"
#include "view/page_background.h"
#include "view/page_view.h"

namespace zeb {

void paintPageBackground(const TZEBsfondo& background, TZEBset& set, Canvas& canvas) {
  const CanvasRect clip = canvas.clipRect();
  TZEBoggetto* pictureObject = background.Picture();
  const TZEBpicture* picture = pictureObject != nullptr ? set.decodedPicture(*pictureObject) : nullptr;
  if (picture == nullptr || picture->empty()) {
    canvas.fillRect(clip, background.Colour());
    return;
  }
  if (!picture->isOpaque()) canvas.fillRect(clip, background.Colour());
  const PixelView pixels = firstImagePixels(*picture);
  const int width = pictureObject->record().i16(field::pictureWidth);
  const int height = pictureObject->record().i16(field::pictureHeight);
  for (const CanvasRect& tile : tilesCovering(clip, width, height)) canvas.drawBackgroundTile(tile, pixels);
}

void paintPage(TZEBpage& page, Canvas& canvas) {
  TZEBbox* box = page.TextBox();
  // The background control paints the whole page on a blank page, and where the box leaves
  // the page uncovered.
  if (!page.ErasesBackground() || box == nullptr) paintPageBackground(page.Background(), page.set(), canvas);
  if (box == nullptr) return;
  CanvasState state(canvas);
  canvas.translate(-box->HorizontalPosition(), -box->VerticalPosition());
  paintBox(*box, canvas, &page.objectPlacement());
}

}  // namespace zeb
