// Painting a box: background, outline, the paragraphs that meet the clip and
// the caret.
#include "text/box_painting.h"

#include "document/container.h"
#include "platform/system_colours.h"
#include "text/line_layout.h"
#include "text/object_placement.h"
#include "text/paint_context.h"
#include "text/text_box.h"

namespace zeb {
namespace {

// Where the tiling of the box's background picture starts.
void tileOrigin(const TZEBbox& box, int& x, int& y) {
  x = y = 0;
  if (box.set().header().u8(header::boxBackgroundTiling) == 1 && box.isHosted()) return;
  if (box.isHosted()) {
    // Continue the grid of the box around: its tiles start at the parent's origin.
    x = -box.Left();
    y = -box.Top();
  } else if (box.Background().fixed) {
    x = box.HorizontalPosition();
    y = box.VerticalPosition();
  }
}

void tile(const TZEBbox& box, Canvas& canvas, const CanvasRect& clip, const PixelView& pixels, int width, int height) {
  int originX = 0;
  int originY = 0;
  tileOrigin(box, originX, originY);
  for (const CanvasRect& area : tilesCovering(clip, width, height, originX, originY))
    canvas.drawBackgroundTile(area, pixels);
}

void paintBackground(TZEBbox& box, Canvas& canvas, const CanvasRect& clip) {
  const BoxBackground& background = box.Background();
  const TZEBpicture* picture = background.picture != nullptr ? box.set().decodedPicture(*background.picture) : nullptr;
  if (picture != nullptr && !picture->empty()) {
    if (!picture->isOpaque() && !box.isHosted()) canvas.fillRect(clip, background.colour);
    const int width = background.picture->record().i16(field::pictureWidth);
    const int height = background.picture->record().i16(field::pictureHeight);
    const PixelView pixels = firstImagePixels(*picture);
    if (width > 0 && height > 0 && !pixels.empty()) tile(box, canvas, clip, pixels, width, height);
  } else if (background.picture != nullptr || !background.transparent) {
    canvas.fillRect(clip, background.colour);
  }
  if (box.ReadOnly() && !box.Animated()) {
    canvas.hatchRect(clip, Hatch::forwardDiagonal, systemColour::buttonHighlight);
    canvas.hatchRect(clip, Hatch::backwardDiagonal, systemColour::buttonShadow);
  }
}

// The first paragraph whose band reaches down to y.
int firstParagraphReaching(const TZEBbox& box, int y) {
  int low = 0;
  int high = box.paragraphCount();
  while (low < high) {
    const int middle = low + (high - low) / 2;
    if (box.paragraph(middle).Bottom + 1 < y)
      low = middle + 1;
    else
      high = middle;
  }
  return low;
}

// The first tile edge at or before the position, on a grid through the origin.
int gridStart(int position, int origin, int size) {
  const std::int64_t offset = std::int64_t{position} - origin;
  std::int64_t steps = offset / size;
  if (offset % size < 0) --steps;
  return saturated(origin + steps * size);
}

}  // namespace

std::vector<CanvasRect> tilesCovering(const CanvasRect& area, int tileWidth, int tileHeight, int originX, int originY) {
  std::vector<CanvasRect> tiles;
  if (tileWidth <= 0 || tileHeight <= 0 || area.empty()) return tiles;
  for (std::int64_t y = gridStart(area.top, originY, tileHeight); y < area.bottom; y += tileHeight) {
    for (std::int64_t x = gridStart(area.left, originX, tileWidth); x < area.right; x += tileWidth)
      tiles.push_back({saturated(x), saturated(y), saturated(x + tileWidth), saturated(y + tileHeight)});
  }
  return tiles;
}

void paintBox(TZEBbox& box, Canvas& canvas, ObjectPlacement* placement) {
  if (box.UpdateLock() > 0) return;
  const CanvasRect clip = canvas.clipRect();
  if (clip.empty()) return;
  paintBackground(box, canvas, clip);
  if (box.isHosted() && box.Background().borderColour) {
    canvas.frameRect({0, 0, box.Width(), box.Height()}, *box.Background().borderColour);
  }

  DrawingObjectPlacement drawing;
  PaintContext context{box, canvas, placement != nullptr ? *placement : drawing, clip};
  if (box.hasSelection() && box.selectionShown()) {
    context.selection = true;
    context.start = box.orderedStart();
    context.end = box.orderedEnd();
  }
  const CanvasRect across{clip.left, 0, clip.right, 0};
  for (int i = firstParagraphReaching(box, clip.top); i < box.paragraphCount(); ++i) {
    TZEBparag& paragraph = box.paragraph(i);
    if (paragraph.Top >= clip.bottom) break;
    const CanvasRect band{across.left, paragraph.Top, across.right, paragraph.Bottom + 1};
    if (band.intersects(clip)) paintParagraph(context, paragraph, i);
  }
  if (box.CaretControl().visibleNow()) canvas.fillRect(box.CaretControl().bar(), systemColour::windowText);
}

}  // namespace zeb
