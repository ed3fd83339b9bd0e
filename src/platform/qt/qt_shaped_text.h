// Text shaped once per font and kept: the width a canvas checks a batch of text against and
// the glyphs it draws, so that text painted again and again is shaped only the first time.
#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/font.h"
#include "platform/font_faces.h"

namespace zeb {

namespace limits {
// Texts one thread keeps shaped (a few pages' worth of words in their fonts); more make the
// keeping start afresh.
inline constexpr std::size_t maxShapedTexts = 8192;
// Longer texts are shaped each time they are drawn rather than kept.
inline constexpr std::size_t maxShapedTextLength = 256;
}  // namespace limits

// A font as a canvas draws with it, made once per face, size, style and resolution.
struct ShapingFont {
  QFont font;
  std::string key;  // identifies the font among the others
  int ascent = 0;
  int height = 0;
  FaceEncoding encoding = FaceEncoding::codePage;
  std::uint16_t codePage = 1252;
  // Where the underline and strike-out lines go and how thick they are, as Qt places them.
  qreal underlineOffset = 0;  // below the baseline
  qreal strikeOutOffset = 0;  // above the baseline
  qreal lineThickness = 1;
  qreal descent = 0;
};

// The text as Qt shapes it in one font: the glyphs with their positions from the text's
// origin on the baseline, and its advance rounded as QFontMetrics::horizontalAdvance rounds it.
// The glyphs carry no underline or strike-out: Qt draws those lines of glyph runs translated
// twice in a painter that is translated (a widget painted inside a window, a scrolled page),
// so the canvas draws them itself.
struct ShapedText {
  QList<QGlyphRun> glyphs;
  int width = 0;
};

// The fonts and shaped texts of the calling thread. Only the thread that made an entry
// uses it, so no locks are needed.
class ShapedTextCache {
 public:
  static ShapedTextCache& ofThisThread();

  // The font for a book font at the resolution (its colour and position aside; its code
  // page counts).
  const ShapingFont& font(const TMyFont& font, int pixelsPerInch);
  // The text shaped in the font, made on first use; valid until the next call.
  const ShapedText& shape(const ShapingFont& font, std::string_view text);
  // Forgets every font and text, as in a thread that never drew.
  void clear();

 private:
  std::unordered_map<std::string, ShapingFont> fonts_;
  std::unordered_map<std::string, ShapedText> texts_;
  ShapedText scratch_;  // a text too long to keep
  std::string key_;
};

}  // namespace zeb
