// TextMeasurer: widths and metrics of book text (bytes in the font's code page) in a TMyFont,
// for the text reader.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/font.h"

namespace zeb {

// The pitch-and-family byte in the form the Windows font structures use: pitch in the low
// bits, family in the high nibble. The RTF writer turns it into "\froman", "\fprq2" and so on.
namespace pitchFamily {
inline constexpr std::uint8_t defaultPitch = 0;
inline constexpr std::uint8_t fixedPitch = 1;
inline constexpr std::uint8_t variablePitch = 2;
inline constexpr std::uint8_t familyDontCare = 0x00;
inline constexpr std::uint8_t familyRoman = 0x10;
inline constexpr std::uint8_t familySwiss = 0x20;
inline constexpr std::uint8_t familyModern = 0x30;
inline constexpr std::uint8_t familyScript = 0x40;
inline constexpr std::uint8_t familyDecorative = 0x50;
}  // namespace pitchFamily

struct FontMetrics {
  int height = 0;  // ascent + descent, in pixels
  int ascent = 0;
  int averageCharWidth = 0;
  std::uint8_t pitchAndFamily = 0;

  bool operator==(const FontMetrics&) const = default;
};

// Fonts are measured at the screen's resolution: a size of s points is s * pixelsPerInch / 72
// pixels. Only the face, the size, the style bits and the code page of a TMyFont change a
// measurement.
class TextMeasurer {
 public:
  virtual ~TextMeasurer() = default;

  virtual int pixelsPerInch() const = 0;
  virtual FontMetrics metrics(const TMyFont& font) = 0;
  // The advance width of the text, kerning between its characters included.
  virtual int extent(const TMyFont& font, std::string_view text) = 0;
};

}  // namespace zeb
