// Qt fonts for book fonts.
#include "platform/qt/qt_fonts.h"

#include <QStringList>
#include <algorithm>

#include "platform/code_pages.h"
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
  // Letters the face lacks come from a face of their script, chosen here rather than by
  // whatever the font system would find.
  if (const auto fallbacks = scriptFallbackFaces(font.CodePage, face.pitchAndFamily); !fallbacks.empty()) {
    QStringList families{result.family()};
    for (const std::string_view fallback : fallbacks)
      families.append(QString::fromUtf8(fallback.data(), static_cast<qsizetype>(fallback.size())));
    result.setFamilies(families);
  }
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

QString qtTextFor(FaceEncoding encoding, std::uint16_t codePage, std::string_view bytes) {
  QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
  QChar* out = text.data();
  // Every face's characters lie in the Basic Multilingual Plane: one UTF-16 unit a byte.
  if (encoding == FaceEncoding::codePage) {
    const CodePage& page = CodePage::of(codePage);
    for (const char byte : bytes)
      *out++ = QChar(static_cast<char16_t>(page.unicodeOf(static_cast<std::uint8_t>(byte))));
  } else {
    for (const char byte : bytes)
      *out++ = QChar(static_cast<char16_t>(unicodeOfFaceByte(encoding, static_cast<std::uint8_t>(byte), codePage)));
  }
  return text;
}

QString qtTextFor(const TMyFont& font, std::string_view bytes) {
  return qtTextFor(substituteFace(font.Name).encoding, font.CodePage, bytes);
}

}  // namespace zeb
