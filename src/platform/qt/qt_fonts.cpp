// Qt fonts for book fonts.
#include "platform/qt/qt_fonts.h"

#include <algorithm>

#include "platform/text_measurer.h"

namespace zeb {

int pixelSizeOfPoints(int points, int pixelsPerInch) {
  const long long scaled = static_cast<long long>(points) * pixelsPerInch;
  const long long rounded = scaled >= 0 ? (scaled + 36) / 72 : (scaled - 36) / 72;
  return static_cast<int>(std::clamp<long long>(rounded, 1, 4000));
}

QFont qtFontFor(const TMyFont& font, int pixelsPerInch) {
  return qtFontFor(font, substituteFace(font.Name), pixelsPerInch);
}

QFont qtFontFor(const TMyFont& font, const FaceSubstitute& face, int pixelsPerInch) {
  QFont result(QString::fromUtf8(face.family.data(), static_cast<qsizetype>(face.family.size())));
  result.setPixelSize(pixelSizeOfPoints(font.Size, pixelsPerInch));
  result.setBold((font.Style & fontStyle::bold) != 0);
  result.setItalic((font.Style & fontStyle::italic) != 0);
  result.setUnderline((font.Style & fontStyle::underline) != 0);
  result.setStrikeOut((font.Style & fontStyle::strikeOut) != 0);
  result.setKerning(true);
  // Whole-pixel glyph advances, as the books were laid out with: widths measured in pairs
  // then add up to what the painter draws, and words keep even spacing.
  result.setHintingPreference(QFont::PreferFullHinting);
  if ((face.pitchAndFamily & 0xF0) == pitchFamily::familyModern)
    result.setStyleHint(QFont::Monospace);
  else if ((face.pitchAndFamily & 0xF0) == pitchFamily::familySwiss)
    result.setStyleHint(QFont::SansSerif);
  else if ((face.pitchAndFamily & 0xF0) == pitchFamily::familyRoman)
    result.setStyleHint(QFont::Serif);
  return result;
}

QString qtTextFor(FaceEncoding encoding, std::string_view bytes) {
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  // Every face's characters lie in the Basic Multilingual Plane: one UTF-16 unit a byte.
  for (const char byte : bytes)
    text += QChar(static_cast<char16_t>(unicodeOfFaceByte(encoding, static_cast<std::uint8_t>(byte))));
  return text;
}

QString qtTextFor(const TMyFont& font, std::string_view bytes) {
  return qtTextFor(substituteFace(font.Name).encoding, bytes);
}

}  // namespace zeb
