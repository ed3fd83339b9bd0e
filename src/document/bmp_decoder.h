// Our own decoder for Windows bitmaps (.bmp, .dib).
#pragma once

#include <cstdint>
#include <span>

#include "document/decoded_picture.h"

namespace zeb {

// Decodes a bitmap file: the 12-byte core header and the info headers of 40 bytes up to
// 124 bytes; 1, 4 and 8 bits through a palette (also run-length coded at 4 and 8 bits),
// 16 and 32 bits with or without colour masks, and 24 bits; rows stored bottom-up or
// top-down. Anything damaged, truncated, too large or of a kind not listed gives an empty
// picture; it never throws.
DecodedPicture decodeBmp(std::span<const std::uint8_t> bytes);

}  // namespace zeb
