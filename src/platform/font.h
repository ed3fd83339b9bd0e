// The font as text layout and painting carry it (TMyFont), and the font of a canvas or
// control as the windowing system holds it (SystemFont).
#pragma once

#include <cstdint>
#include <string>

namespace zeb {

// Style bits shared by every font record of the program.
namespace fontStyle {
inline constexpr std::uint8_t bold = 1;
inline constexpr std::uint8_t italic = 2;
inline constexpr std::uint8_t underline = 4;
inline constexpr std::uint8_t strikeOut = 8;
// The four bits that stored texts carry.
inline constexpr std::uint8_t storedBits = 0x0F;
}  // namespace fontStyle

// Vertical positions of characters.
namespace fontPosition {
inline constexpr std::uint8_t normal = 0;
inline constexpr std::uint8_t subscript = 1;
inline constexpr std::uint8_t superscript = 2;
}  // namespace fontPosition

// Colours are 0x00BBGGRR (red in the low byte); a set top bit names a system colour.
using Colour = std::uint32_t;

struct TMyFont {
  std::string Name;
  std::uint8_t Style = 0;
  Colour Color = 0;
  std::int32_t Size = 10;  // points
  std::uint8_t Position = fontPosition::normal;
  // The code page of the bytes drawn and measured in it, as a Windows font's character set
  // says which script it shows: a book text's, given where the text is measured and drawn.
  std::uint16_t CodePage = 1252;

  bool operator==(const TMyFont&) const = default;
};

// A font without a vertical position: what a canvas or a control is given.
struct SystemFont {
  std::string Name;
  std::int32_t Size = 10;  // points
  std::uint8_t Style = 0;
  Colour Color = 0;

  bool operator==(const SystemFont&) const = default;
};

}  // namespace zeb
