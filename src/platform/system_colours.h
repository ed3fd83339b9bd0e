// System colours: colour values with the top bit set name a colour of the desktop's scheme
// (the low byte is its number), which each canvas resolves to what its desktop uses.
#pragma once

#include <cstdint>

#include "platform/font.h"

namespace zeb {

namespace systemColour {
inline constexpr Colour window = 0x80000005;
inline constexpr Colour windowText = 0x80000008;
inline constexpr Colour highlight = 0x8000000D;
inline constexpr Colour highlightText = 0x8000000E;
inline constexpr Colour buttonFace = 0x8000000F;
inline constexpr Colour buttonShadow = 0x80000010;
inline constexpr Colour buttonHighlight = 0x80000014;
}  // namespace systemColour

constexpr bool isSystemColour(Colour colour) { return (colour & 0x80000000u) != 0; }

// The plain colour (0x00BBGGRR) of a system colour in the classic desktop scheme, for
// canvases without a desktop (images, tests); a plain colour is returned as it is, without
// its top byte. An unknown system colour reads as black.
Colour classicRgbOf(Colour colour);

// The channels of a plain colour.
constexpr std::uint8_t redOf(Colour colour) { return static_cast<std::uint8_t>(colour & 0xFF); }
constexpr std::uint8_t greenOf(Colour colour) { return static_cast<std::uint8_t>((colour >> 8) & 0xFF); }
constexpr std::uint8_t blueOf(Colour colour) { return static_cast<std::uint8_t>((colour >> 16) & 0xFF); }

}  // namespace zeb
