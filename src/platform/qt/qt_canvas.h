// Canvas over a QPainter: on a widget, a QImage or a printer.
#pragma once

#include <QPainter>
#include <QPalette>
#include <optional>
#include <vector>

#include "platform/canvas.h"
#include "platform/font_faces.h"
#include "platform/qt/qt_shaped_text.h"

namespace zeb {

// The painter must be active on its device for the canvas's life. System colours come from
// the palette: highlight and highlighted text, the button face with its light and dark
// shades, base and text for the window; others from the classic scheme. Text is shaped
// once per font and kept (qt_shaped_text.h): its glyphs are drawn as shaped.
class QtCanvas final : public Canvas {
 public:
  // The area to paint (in the painter's current coordinates) becomes the clip. Fonts are
  // sized for the resolution, which must be that of the measurer the text was laid out with.
  QtCanvas(QPainter& painter, const QRect& area, int pixelsPerInch, const QPalette& palette = QPalette());

  CanvasRect clipRect() const override;
  void intersectClip(const CanvasRect& rect) override;
  void translate(int dx, int dy) override;
  void save() override;
  void restore() override;

  void fillRect(const CanvasRect& rect, Colour colour) override;
  void frameRect(const CanvasRect& rect, Colour colour) override;
  void hatchRect(const CanvasRect& rect, Hatch hatch, Colour colour) override;
  void setFont(const TMyFont& font) override;
  void setTextBackground(TextBackground background, Colour colour) override;
  void textOut(int x, int y, std::string_view text) override;
  bool measuresText() const override { return true; }
  int textWidth(std::string_view text) override;
  void drawPicture(const CanvasRect& target, const PixelView& pixels) override;

  QColor colourOf(Colour colour) const;

 private:
  // The underline and strike-out of the current font under a text of the width.
  void drawLines(QPointF baseline, int width);
  QPainter* painter_;
  int pixelsPerInch_;
  QPalette palette_;
  OriginAndClip state_;
  std::vector<OriginAndClip> saved_;
  TMyFont font_;  // the last one set
  bool fontSet_ = false;
  ShapingFont shaping_;
  // Whether blanks draw anything in this font: only its underline or strike-out does.
  bool blanksShow_ = false;
  QColor textColour_;
  // The pen the painter was last given for text; none after a restore, which brings back
  // the painter's own.
  std::optional<QColor> penColour_;
  bool solidBackground_ = false;
  QColor backgroundColour_;
};

QRect toQRect(const CanvasRect& rect);

// The colour a book names (system colours from the palette, the classic scheme for others).
QColor qtColourOf(Colour colour, const QPalette& palette);

}  // namespace zeb
