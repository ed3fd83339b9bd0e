// Measuring book text with Qt.
#include "platform/qt/qt_text_measurer.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>
#include <cmath>

#include "platform/qt/qt_fonts.h"

namespace zeb {
namespace {

int screenPixelsPerInch() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return 96;
  const int dpi = static_cast<int>(std::lround(screen->logicalDotsPerInch()));
  return dpi > 0 ? dpi : 96;
}

std::string keyOf(const TMyFont& font) {
  std::string key = font.Name;
  key += '\x01';
  key += std::to_string(font.Size);
  key += '\x01';
  key += static_cast<char>('0' + (font.Style & fontStyle::storedBits));
  if (font.CodePage != 1252) key += std::to_string(font.CodePage);
  return key;
}

}  // namespace

QtTextMeasurer::QtTextMeasurer(int pixelsPerInch)
    : pixelsPerInch_(pixelsPerInch > 0 ? pixelsPerInch : screenPixelsPerInch()) {}

QtTextMeasurer::~QtTextMeasurer() = default;

QtTextMeasurer::Face& QtTextMeasurer::faceFor(const TMyFont& font) {
  const std::uint8_t style = font.Style & fontStyle::storedBits;
  if (last_ != nullptr && font.Size == lastSize_ && style == lastStyle_ && font.CodePage == lastCodePage_ &&
      font.Name == lastName_)
    return *last_;
  std::string key = keyOf(font);
  auto found = faces_.find(key);
  if (found == faces_.end()) {
    const FaceSubstitute substitute = substituteFace(font.Name);
    const QFont qtFont = qtFontFor(font, substitute, pixelsPerInch_);
    std::uint8_t pitchAndFamily = substitute.pitchAndFamily;
    if (!substitute.known) {
      pitchAndFamily = QFontInfo(qtFont).fixedPitch() ? pitchFamily::fixedPitch : pitchFamily::variablePitch;
    }
    found = faces_.try_emplace(std::move(key), Face{QFontMetrics(qtFont), substitute.encoding, pitchAndFamily}).first;
  }
  last_ = &found->second;
  lastName_ = font.Name;
  lastSize_ = font.Size;
  lastStyle_ = style;
  lastCodePage_ = font.CodePage;
  return *last_;
}

FontMetrics QtTextMeasurer::metrics(const TMyFont& font) {
  const Face& face = faceFor(font);
  FontMetrics metrics;
  metrics.ascent = face.metrics.ascent();
  metrics.height = face.metrics.ascent() + face.metrics.descent();
  metrics.averageCharWidth = face.metrics.averageCharWidth();
  metrics.pitchAndFamily = face.pitchAndFamily;
  return metrics;
}

int QtTextMeasurer::extent(const TMyFont& font, std::string_view text) {
  const Face& face = faceFor(font);
  return face.metrics.horizontalAdvance(qtTextFor(face.encoding, font.CodePage, text));
}

}  // namespace zeb
