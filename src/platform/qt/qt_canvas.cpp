// Painting through a QPainter.
#include "platform/qt/qt_canvas.h"

#include <QImage>
#include <tuple>

#include "platform/qt/qt_fonts.h"
#include "platform/system_colours.h"

namespace zeb {

QRect toQRect(const CanvasRect& rect) { return QRect(rect.left, rect.top, rect.width(), rect.height()); }

QtCanvas::QtCanvas(QPainter& painter, const QRect& area, int pixelsPerInch, const QPalette& palette)
    : painter_(&painter),
      pixelsPerInch_(pixelsPerInch > 0 ? pixelsPerInch : 96),
      palette_(palette),
      clip_{area.left(), area.top(), area.left() + area.width(), area.top() + area.height()} {
  painter_->setClipRect(area, Qt::IntersectClip);
  setFont(TMyFont{});
}

QColor QtCanvas::colourOf(Colour colour) const {
  switch (colour) {
    case systemColour::highlight: return palette_.color(QPalette::Active, QPalette::Highlight);
    case systemColour::highlightText: return palette_.color(QPalette::Active, QPalette::HighlightedText);
    case systemColour::buttonFace: return palette_.color(QPalette::Button);
    case systemColour::buttonShadow: return palette_.color(QPalette::Dark);
    case systemColour::buttonHighlight: return palette_.color(QPalette::Light);
    case systemColour::window: return palette_.color(QPalette::Base);
    case systemColour::windowText: return palette_.color(QPalette::Text);
    default: break;
  }
  const Colour rgb = classicRgbOf(colour);
  return QColor(redOf(rgb), greenOf(rgb), blueOf(rgb));
}

CanvasRect QtCanvas::clipRect() const { return clip_.translated(-dx_, -dy_); }

void QtCanvas::intersectClip(const CanvasRect& rect) {
  clip_ = clip_.intersected(rect.translated(dx_, dy_));
  painter_->setClipRect(toQRect(rect), Qt::IntersectClip);
}

void QtCanvas::translate(int dx, int dy) {
  dx_ += dx;
  dy_ += dy;
  painter_->translate(dx, dy);
}

void QtCanvas::save() {
  painter_->save();
  savedClips_.push_back(clip_);
  savedOrigins_.emplace_back(dx_, dy_);
}

void QtCanvas::restore() {
  if (savedClips_.empty()) return;
  painter_->restore();
  clip_ = savedClips_.back();
  savedClips_.pop_back();
  std::tie(dx_, dy_) = savedOrigins_.back();
  savedOrigins_.pop_back();
  // The painter's state held its font; ours stays the one last chosen.
  if (metrics_) painter_->setFont(qtFont_);
}

void QtCanvas::fillRect(const CanvasRect& rect, Colour colour) {
  if (!rect.empty()) painter_->fillRect(toQRect(rect), colourOf(colour));
}

void QtCanvas::frameRect(const CanvasRect& rect, Colour colour) {
  if (rect.empty()) return;
  const QColor pen = colourOf(colour);
  painter_->fillRect(QRect(rect.left, rect.top, rect.width(), 1), pen);
  painter_->fillRect(QRect(rect.left, rect.bottom - 1, rect.width(), 1), pen);
  painter_->fillRect(QRect(rect.left, rect.top, 1, rect.height()), pen);
  painter_->fillRect(QRect(rect.right - 1, rect.top, 1, rect.height()), pen);
}

void QtCanvas::hatchRect(const CanvasRect& rect, Hatch hatch, Colour colour) {
  if (rect.empty()) return;
  const Qt::BrushStyle style = hatch == Hatch::forwardDiagonal ? Qt::FDiagPattern : Qt::BDiagPattern;
  painter_->fillRect(toQRect(rect), QBrush(colourOf(colour), style));
}

// Painting sets a font for every change of colour, so the Qt font is only made again when
// the face, the size or the style changed.
void QtCanvas::setFont(const TMyFont& font) {
  textColour_ = colourOf(font.Color);
  if (metrics_ && font.Name == font_.Name && font.Size == font_.Size && font.Style == font_.Style) return;
  const FaceSubstitute face = substituteFace(font.Name);
  qtFont_ = qtFontFor(font, face, pixelsPerInch_);
  metrics_.emplace(qtFont_);
  encoding_ = face.encoding;
  painter_->setFont(qtFont_);
  font_ = font;
}

void QtCanvas::setTextBackground(TextBackground background, Colour colour) {
  solidBackground_ = background == TextBackground::solid;
  backgroundColour_ = colourOf(colour);
}

void QtCanvas::textOut(int x, int y, std::string_view text) {
  if (text.empty()) return;
  const QString unicode = qtTextFor(encoding_, text);
  if (solidBackground_) {
    painter_->fillRect(QRect(x, y, metrics_->horizontalAdvance(unicode), metrics_->height()), backgroundColour_);
  }
  painter_->setPen(textColour_);
  painter_->drawText(QPoint(x, y + metrics_->ascent()), unicode);
}

int QtCanvas::textWidth(std::string_view text) { return metrics_->horizontalAdvance(qtTextFor(encoding_, text)); }

void QtCanvas::drawPicture(const CanvasRect& target, const PixelView& pixels) {
  if (pixels.empty() || target.empty()) return;
  // Wraps the pixels without copying them; they outlive the call.
  const QImage image(pixels.rgba, pixels.width, pixels.height, pixels.width * 4, QImage::Format_RGBA8888);
  painter_->drawImage(toQRect(target), image);
}

}  // namespace zeb
