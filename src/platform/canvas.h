// Canvas: the one drawing interface of the program. Text boxes, pages and printouts paint
// through it; the screen, images, the printer and the tests each implement what they need.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "platform/font.h"

namespace zeb {

// A rectangle in pixels; right and bottom lie just outside it.
struct CanvasRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool empty() const { return right <= left || bottom <= top; }
  bool intersects(const CanvasRect& other) const {
    return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
  }
  CanvasRect intersected(const CanvasRect& other) const {
    return {std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
            std::min(bottom, other.bottom)};
  }
  CanvasRect translated(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  bool operator==(const CanvasRect&) const = default;
};

// What Canvas::save keeps, for the canvases that follow the origin and the clip themselves.
struct OriginAndClip {
  int dx = 0;
  int dy = 0;
  CanvasRect clip;  // device coordinates
};

// Pixels to draw: rows from the top, four bytes each (red, green, blue, alpha, not
// premultiplied; alpha 0 is see-through). The canvas only reads them while drawing.
struct PixelView {
  int width = 0;
  int height = 0;
  const std::uint8_t* rgba = nullptr;

  bool empty() const { return width <= 0 || height <= 0 || rgba == nullptr; }
};

// The two hatchings of the program: forward lines run from the top left down to the bottom
// right, backward ones from the bottom left up to the top right.
enum class Hatch { forwardDiagonal, backwardDiagonal };

// What text output does to the area behind the characters.
enum class TextBackground { clear, solid };

// Every operation does nothing by default, so that a consumer implements only what it
// needs. Coordinates are those of the current origin (see translate); colours may be system
// colours (system_colours.h), which the canvas resolves.
class Canvas {
 public:
  virtual ~Canvas() = default;

  // The area that needs painting, in current coordinates; drawing outside it is lost.
  virtual CanvasRect clipRect() const { return {}; }
  // Narrows the clip to its intersection with the rectangle.
  virtual void intersectClip(const CanvasRect&) {}
  // Moves the origin: what is drawn at (0, 0) afterwards appears at (dx, dy) before.
  virtual void translate(int, int) {}
  // Keep and give back the origin and the clip, in pairs.
  virtual void save() {}
  virtual void restore() {}

  virtual void fillRect(const CanvasRect&, Colour) {}
  // A one-pixel outline along the inside of the rectangle.
  virtual void frameRect(const CanvasRect&, Colour) {}
  virtual void hatchRect(const CanvasRect&, Hatch, Colour) {}

  // The font of the text that follows: face, size and style; its colour is the text colour.
  // Its vertical position is the painter's business (it moves the text itself).
  virtual void setFont(const TMyFont&) {}
  // Solid: the text's cell (its advance by the font's height) is filled with the colour first.
  virtual void setTextBackground(TextBackground, Colour) {}
  // Text in the current font's code page whose character cells have their top at y: the baseline lies at
  // y + the font's ascent, as when the text was measured.
  virtual void textOut(int, int, std::string_view) {}
  // Whether textWidth answers; a canvas that does not measure is never asked to correct widths.
  virtual bool measuresText() const { return false; }
  // The advance of the text in the current font on this canvas, kerning included.
  virtual int textWidth(std::string_view) { return 0; }

  // Draws the pixels stretched over the target rectangle, blending see-through pixels.
  virtual void drawPicture(const CanvasRect&, const PixelView&) {}
  // A tile of a background picture (a page's, a box's or a table's): drawn as any picture,
  // except by a canvas that paints backgrounds apart from the pictures of a page.
  virtual void drawBackgroundTile(const CanvasRect& target, const PixelView& pixels) { drawPicture(target, pixels); }
};

// Keeps the canvas's origin and clip for a scope.
class CanvasState {
 public:
  explicit CanvasState(Canvas& canvas) : canvas_(canvas) { canvas_.save(); }
  ~CanvasState() { canvas_.restore(); }
  CanvasState(const CanvasState&) = delete;
  CanvasState& operator=(const CanvasState&) = delete;

 private:
  Canvas& canvas_;
};

}  // namespace zeb
