// A canvas in screen pixels over a printer's canvas: what draws a control as the screen
// shows it draws it on paper at the size the printed page gives it.
#pragma once

#include "platform/canvas.h"
#include "shell/print/print_scale.h"

namespace zeb {

// Coordinates and sizes are screen pixels, turned into printer pixels by the scale; fonts
// keep their size in points, which the printer's canvas renders at its own resolution.
// Outlines of one screen pixel become as wide as a screen pixel is on paper.
class ScreenCanvas final : public Canvas {
 public:
  ScreenCanvas(Canvas& printer, const PrintScale& scale) : printer_(printer), scale_(scale) {}

  CanvasRect clipRect() const override;
  void intersectClip(const CanvasRect& rect) override;
  void translate(int dx, int dy) override;
  void save() override { printer_.save(); }
  void restore() override { printer_.restore(); }

  void fillRect(const CanvasRect& rect, Colour colour) override;
  void frameRect(const CanvasRect& rect, Colour colour) override;
  void hatchRect(const CanvasRect& rect, Hatch hatch, Colour colour) override;

  void setFont(const TMyFont& font) override { printer_.setFont(font); }
  void setTextBackground(TextBackground background, Colour colour) override {
    printer_.setTextBackground(background, colour);
  }
  void textOut(int x, int y, std::string_view text) override;
  bool measuresText() const override { return printer_.measuresText(); }
  int textWidth(std::string_view text) override;

  void drawPicture(const CanvasRect& rect, const PixelView& pixels) override;

  // A rectangle in screen pixels as printer pixels.
  CanvasRect printed(const CanvasRect& rect) const;

 private:
  Canvas& printer_;
  const PrintScale& scale_;
};

}  // namespace zeb
