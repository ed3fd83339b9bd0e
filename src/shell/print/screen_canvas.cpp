// Screen pixels drawn on a printer's canvas.
#include "shell/print/screen_canvas.h"

#include <algorithm>

namespace zeb {

CanvasRect ScreenCanvas::printed(const CanvasRect& rect) const {
  return {scale_.horizontal(rect.left), scale_.vertical(rect.top), scale_.horizontal(rect.right),
          scale_.vertical(rect.bottom)};
}

// Rounded outwards, so that nothing the printer would show is left out.
CanvasRect ScreenCanvas::clipRect() const {
  const CanvasRect clip = printer_.clipRect();
  return {scale_.screenHorizontal(clip.left), scale_.screenVertical(clip.top), scale_.screenHorizontal(clip.right) + 1,
          scale_.screenVertical(clip.bottom) + 1};
}

void ScreenCanvas::intersectClip(const CanvasRect& rect) { printer_.intersectClip(printed(rect)); }

void ScreenCanvas::translate(int dx, int dy) { printer_.translate(scale_.horizontal(dx), scale_.vertical(dy)); }

void ScreenCanvas::fillRect(const CanvasRect& rect, Colour colour) { printer_.fillRect(printed(rect), colour); }

void ScreenCanvas::frameRect(const CanvasRect& rect, Colour colour) {
  const CanvasRect area = printed(rect);
  if (area.empty()) return;
  const int across = std::clamp(scale_.horizontal(1), 1, area.width());
  const int down = std::clamp(scale_.vertical(1), 1, area.height());
  printer_.fillRect({area.left, area.top, area.right, area.top + down}, colour);
  printer_.fillRect({area.left, area.bottom - down, area.right, area.bottom}, colour);
  printer_.fillRect({area.left, area.top, area.left + across, area.bottom}, colour);
  printer_.fillRect({area.right - across, area.top, area.right, area.bottom}, colour);
}

void ScreenCanvas::hatchRect(const CanvasRect& rect, Hatch hatch, Colour colour) {
  printer_.hatchRect(printed(rect), hatch, colour);
}

void ScreenCanvas::textOut(int x, int y, std::string_view text) {
  printer_.textOut(scale_.horizontal(x), scale_.vertical(y), text);
}

int ScreenCanvas::textWidth(std::string_view text) { return scale_.screenHorizontal(printer_.textWidth(text)); }

void ScreenCanvas::drawPicture(const CanvasRect& rect, const PixelView& pixels) {
  printer_.drawPicture(printed(rect), pixels);
}

}  // namespace zeb
