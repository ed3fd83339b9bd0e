// The JPEG decoder over libjpeg-turbo, with limits against pictures built to exhaust memory.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "document/decoded_picture.h"

namespace zeb {

// Decodes a baseline or progressive JPEG in grey, colour or CMYK to one RGBA frame. Sizes
// beyond the picture limits are refused before any pixel memory is taken; so are files with
// more than 100 progressive scans, and files whose data ends before the picture does. Any
// fault gives an empty picture: libjpeg's errors never end the process and print nothing.
DecodedPicture decodeJpeg(std::span<const std::uint8_t> bytes);

// Turns CMYK pixels, four bytes each, into RGBA in place: each colour is its ink's
// complement times the complement of black, over 255, rounded to the nearest. Adobe's
// writers store the four inverted (0 = full ink), and their files say so in an Adobe
// marker (inverted); without one the values are plain ink amounts.
void cmykToRgba(std::vector<std::uint8_t>& pixels, bool inverted);

}  // namespace zeb
