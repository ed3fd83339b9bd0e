// PNG files of RGBA pixels, for the pictures an export converts (bitmaps).
#pragma once

#include <cstdint>
#include <vector>

namespace zeb {

struct RgbaImage;

// An 8-bit RGBA PNG of the image; empty for an empty image.
std::vector<std::uint8_t> pngOf(const RgbaImage& image);

}  // namespace zeb
