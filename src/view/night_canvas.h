// NightCanvas: a canvas that paints through another one in night colours (night_colours.h):
// fills, lines, hatching and text in their night colours, background pictures mapped the
// same way, and the pictures of the page as they are, or dimmed. Only the windows of the
// screen paint through it: printing and exports never do.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "platform/canvas.h"
#include "view/night_colours.h"

namespace zeb {

class TZEBpage;

// What night painting does to one page.
struct NightPainting {
  // The page's colours turn (a page that is already dark keeps its own).
  bool mapColours = false;
  bool dimPictures = false;

  bool operator==(const NightPainting&) const = default;
};

// How a page is painted in the view: nothing changes by day; at night a page whose
// background (its colour, or the mean colour of an opaque background picture) is dark
// keeps its colours, and every other page turns.
NightPainting nightPaintingOf(TZEBpage& page, const NightView& view);

class NightCanvas : public Canvas {
 public:
  // The inner canvas must outlive this one. Without anything to do it passes every call on.
  NightCanvas(Canvas& inner, NightPainting painting);

  CanvasRect clipRect() const override { return inner_.clipRect(); }
  void intersectClip(const CanvasRect& rect) override { inner_.intersectClip(rect); }
  void translate(int dx, int dy) override { inner_.translate(dx, dy); }
  void save() override { inner_.save(); }
  void restore() override { inner_.restore(); }

  void fillRect(const CanvasRect& rect, Colour colour) override { inner_.fillRect(rect, mapped(colour)); }
  void frameRect(const CanvasRect& rect, Colour colour) override { inner_.frameRect(rect, mapped(colour)); }
  void hatchRect(const CanvasRect& rect, Hatch hatch, Colour colour) override {
    inner_.hatchRect(rect, hatch, mapped(colour));
  }
  void setFont(const TMyFont& font) override;
  void setTextBackground(TextBackground background, Colour colour) override {
    inner_.setTextBackground(background, mapped(colour));
  }
  void textOut(int x, int y, std::string_view text) override { inner_.textOut(x, y, text); }
  bool measuresText() const override { return inner_.measuresText(); }
  int textWidth(std::string_view text) override { return inner_.textWidth(text); }

  void drawPicture(const CanvasRect& target, const PixelView& pixels) override;
  void drawBackgroundTile(const CanvasRect& target, const PixelView& pixels) override;

  const NightPainting& painting() const { return painting_; }

 private:
  Colour mapped(Colour colour);
  // The pixels as this canvas draws them, made once for all the tiles of a paint.
  PixelView converted(const PixelView& pixels, bool background);

  struct Converted {
    const std::uint8_t* source;
    int width;
    int height;
    bool background;
    std::vector<std::uint8_t> pixels;
  };

  Canvas& inner_;
  NightPainting painting_;
  std::unordered_map<Colour, Colour> colours_;
  std::vector<Converted> converted_;
};

}  // namespace zeb
