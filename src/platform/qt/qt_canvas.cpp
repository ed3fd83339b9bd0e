// Painting through a QPainter.
#include "platform/qt/qt_canvas.h"

#include <QImage>
#include <cmath>

#include "platform/qt/qt_fonts.h"
#include "platform/qt/qt_picture_memo.h"
#include "platform/system_colours.h"

namespace zeb {

QRect toQRect(const CanvasRect& rect) { return QRect(rect.left, rect.top, rect.width(), rect.height()); }

QtCanvas::QtCanvas(QPainter& painter, const QRect& area, int pixelsPerInch, const QPalette& palette)
    : painter_(&painter),
      pixelsPerInch_(pixelsPerInch > 0 ? pixelsPerInch : 96),
      palette_(palette),
      state_{.clip = {area.left(), area.top(), area.left() + area.width(), area.top() + area.height()}} {
  painter_->setClipRect(area, Qt::IntersectClip);
  // Drawn larger than its pixels (a zoom, or a screen of more pixels per point), a picture
  // is smoothed rather than blown up in blocks.
  const bool device = painter.device() != nullptr && painter.device()->devicePixelRatio() != 1;
  if (device || painter.deviceTransform().isScaling()) painter_->setRenderHint(QPainter::SmoothPixmapTransform);
  setFont(TMyFont{});
}

QColor qtColourOf(Colour colour, const QPalette& palette) {
  switch (colour) {
    case systemColour::highlight: return palette.color(QPalette::Active, QPalette::Highlight);
    case systemColour::highlightText: return palette.color(QPalette::Active, QPalette::HighlightedText);
    case systemColour::buttonFace: return palette.color(QPalette::Button);
    case systemColour::buttonShadow: return palette.color(QPalette::Dark);
    case systemColour::buttonHighlight: return palette.color(QPalette::Light);
    case systemColour::window: return palette.color(QPalette::Base);
    case systemColour::windowText: return palette.color(QPalette::Text);
    default: break;
  }
  const Colour rgb = classicRgbOf(colour);
  return QColor(redOf(rgb), greenOf(rgb), blueOf(rgb));
}

QColor QtCanvas::colourOf(Colour colour) const { return qtColourOf(colour, palette_); }

CanvasRect QtCanvas::clipRect() const { return state_.clip.translated(-state_.dx, -state_.dy); }

void QtCanvas::intersectClip(const CanvasRect& rect) {
  state_.clip = state_.clip.intersected(rect.translated(state_.dx, state_.dy));
  painter_->setClipRect(toQRect(rect), Qt::IntersectClip);
}

void QtCanvas::translate(int dx, int dy) {
  state_.dx += dx;
  state_.dy += dy;
  painter_->translate(dx, dy);
}

void QtCanvas::save() {
  painter_->save();
  saved_.push_back(state_);
}

void QtCanvas::restore() {
  if (saved_.empty()) return;
  painter_->restore();
  penColour_.reset();
  state_ = saved_.back();
  saved_.pop_back();
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

// Painting sets a font for every change of colour, so the font is only looked up again when
// the face, the size, the style or the code page changed.
void QtCanvas::setFont(const TMyFont& font) {
  textColour_ = colourOf(font.Color);
  if (fontSet_ && font.Name == font_.Name && font.Size == font_.Size && font.Style == font_.Style &&
      font.CodePage == font_.CodePage)
    return;
  shaping_ = ShapedTextCache::ofThisThread().font(font, pixelsPerInch_);
  blanksShow_ = shaping_.font.underline() || shaping_.font.strikeOut() ||
                unicodeOfFaceByte(shaping_.encoding, ' ', font.CodePage) != U' ';
  font_ = font;
  fontSet_ = true;
}

void QtCanvas::setTextBackground(TextBackground background, Colour colour) {
  solidBackground_ = background == TextBackground::solid;
  backgroundColour_ = colourOf(colour);
}

void QtCanvas::textOut(int x, int y, std::string_view text) {
  if (text.empty()) return;
  // Blanks on a clear background leave no mark: half the outputs of a line are single
  // blanks.
  if (!solidBackground_ && !blanksShow_ && text.find_first_not_of(' ') == std::string_view::npos) return;
  const ShapedText& shaped = ShapedTextCache::ofThisThread().shape(shaping_, text);
  if (solidBackground_) painter_->fillRect(QRect(x, y, shaped.width, shaping_.height), backgroundColour_);
  if (penColour_ != textColour_) {
    painter_->setPen(textColour_);
    penColour_ = textColour_;
  }
  const QPointF baseline(x, y + shaping_.ascent);
  for (const QGlyphRun& glyphs : shaped.glyphs) painter_->drawGlyphRun(baseline, glyphs);
  drawLines(baseline, shaped.width);
}

void QtCanvas::drawLines(QPointF baseline, int width) {
  const bool underline = shaping_.font.underline();
  const bool strikeOut = shaping_.font.strikeOut();
  if (!underline && !strikeOut) return;
  // Placed as Qt places the lines of a text item: the underline a whole pixel or more below
  // the baseline but inside the descent, the strike-out a third of the ascent above it.
  QPen pen(textColour_);
  pen.setWidthF(shaping_.lineThickness);
  pen.setCapStyle(Qt::FlatCap);
  painter_->setPen(pen);
  penColour_.reset();
  const qreal left = std::floor(baseline.x());
  const qreal right = std::floor(baseline.x() + width);
  if (underline) {
    qreal offset = std::ceil(shaping_.underlineOffset) + 0.5;
    if (shaping_.underlineOffset <= shaping_.descent) offset = std::min(offset, shaping_.descent - 0.5);
    painter_->drawLine(QLineF(left, baseline.y() + offset, right, baseline.y() + offset));
  }
  if (strikeOut) {
    const qreal y = baseline.y() - shaping_.strikeOutOffset;
    painter_->drawLine(QLineF(left, y, right, y));
  }
}

int QtCanvas::textWidth(std::string_view text) {
  return text.empty() ? 0 : ShapedTextCache::ofThisThread().shape(shaping_, text).width;
}

void QtCanvas::drawPicture(const CanvasRect& target, const PixelView& pixels) {
  if (pixels.empty() || target.empty()) return;
  if (memo_ != nullptr) {
    painter_->drawImage(toQRect(target), memo_->imageOf(pixels));
    return;
  }
  // The pixels outlive the call.
  painter_->drawImage(toQRect(target), wrappedImage(pixels));
}

}  // namespace zeb
