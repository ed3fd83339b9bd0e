// Shaping with QTextLayout, kept per font and text.
#include "platform/qt/qt_shaped_text.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QTextLayout>
#include <QTextOption>
#include <QThread>
#include <cmath>

#include "platform/code_pages.h"
#include "platform/qt/qt_fonts.h"

namespace zeb {
namespace {

// Fonts one thread keeps; a book uses a handful.
constexpr std::size_t maxShapingFonts = 512;

ShapedText shapeWith(const ShapingFont& font, std::string_view text) {
  QTextLayout layout(qtTextFor(font.encoding, font.codePage, text), font.font);
  if (CodePage::of(font.codePage).hasRightToLeftLetters()) {
    // A piece of right-to-left text runs from its right end, and stays where it is put.
    QTextOption option;
    option.setTextDirection(Qt::LayoutDirectionAuto);
    option.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
    layout.setTextOption(option);
  }
  layout.beginLayout();
  QTextLine line = layout.createLine();
  layout.endLayout();
  ShapedText shaped;
  if (!line.isValid()) return shaped;
  shaped.width = static_cast<int>(std::lround(line.horizontalAdvance()));
  // The layout puts its line's baseline at the line's ascent: the glyphs are moved up onto
  // the text's origin.
  const qreal baseline = line.ascent();
  shaped.glyphs = layout.glyphRuns();
  for (QGlyphRun& run : shaped.glyphs) {
    QList<QPointF> positions = run.positions();
    for (QPointF& position : positions) position.ry() -= baseline;
    run.setPositions(positions);
    run.setUnderline(false);
    run.setStrikeOut(false);
    run.setOverline(false);
  }
  return shaped;
}

}  // namespace

ShapedTextCache& ShapedTextCache::ofThisThread() {
  thread_local ShapedTextCache cache;
  // Fonts must not outlive the application object: the main thread's cache, which would
  // last until the process ends, is emptied when the application object goes.
  thread_local bool emptiedWithApplication = false;
  const QCoreApplication* application = QCoreApplication::instance();
  if (!emptiedWithApplication && application != nullptr && QThread::currentThread() == application->thread()) {
    emptiedWithApplication = true;
    qAddPostRoutine([] {
      cache.clear();
      emptiedWithApplication = false;
    });
  }
  return cache;
}

const ShapingFont& ShapedTextCache::font(const TMyFont& font, int pixelsPerInch) {
  key_ = font.Name;
  key_ += '\x01';
  key_ += std::to_string(font.Size);
  key_ += '\x01';
  key_ += std::to_string(font.Style & fontStyle::storedBits);
  key_ += '\x01';
  key_ += std::to_string(pixelsPerInch);
  if (font.CodePage != 1252) {
    key_ += '\x01';
    key_ += std::to_string(font.CodePage);
  }
  if (const auto found = fonts_.find(key_); found != fonts_.end()) return found->second;
  if (fonts_.size() >= maxShapingFonts) {
    // The texts name their fonts by key only, so they can stay.
    fonts_.clear();
  }
  const FaceSubstitute face = substituteFace(font.Name);
  ShapingFont made;
  made.font = qtFontFor(font, face, pixelsPerInch);
  made.key = key_;
  const QFontMetrics metrics(made.font);
  made.ascent = metrics.ascent();
  made.height = metrics.height();
  made.encoding = face.encoding;
  made.codePage = font.CodePage;
  const QFontMetricsF exact(made.font);
  made.underlineOffset = exact.underlinePos();
  made.strikeOutOffset = exact.ascent() / 3;
  made.lineThickness = exact.lineWidth();
  made.descent = exact.descent();
  return fonts_.emplace(key_, std::move(made)).first->second;
}

const ShapedText& ShapedTextCache::shape(const ShapingFont& font, std::string_view text) {
  if (text.size() > limits::maxShapedTextLength) {
    scratch_ = shapeWith(font, text);
    return scratch_;
  }
  key_ = font.key;
  key_ += '\0';
  key_ += text;
  if (const auto found = texts_.find(key_); found != texts_.end()) return found->second;
  if (texts_.size() >= limits::maxShapedTexts) texts_.clear();
  return texts_.emplace(key_, shapeWith(font, text)).first->second;
}

void ShapedTextCache::clear() {
  fonts_.clear();
  texts_.clear();
}

}  // namespace zeb
