// Reading single pixels of decoded pictures and canvases in the picture tests.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "document/decoded_picture.h"

namespace zeb::testing {

using Rgba = std::array<int, 4>;

inline Rgba pixelOf(const std::vector<std::uint8_t>& rgba, int width, int x, int y) {
  const std::size_t at = (static_cast<std::size_t>(y) * width + x) * 4;
  if (at + 4 > rgba.size()) return {-1, -1, -1, -1};
  return {rgba[at], rgba[at + 1], rgba[at + 2], rgba[at + 3]};
}

inline Rgba pixelOf(const PictureFrame& frame, int x, int y) { return pixelOf(frame.rgba, frame.width, x, y); }

constexpr Rgba seeThrough{0, 0, 0, 0};

inline Rgba opaque(std::uint32_t rgb) {
  return {static_cast<int>(rgb >> 16 & 0xFF), static_cast<int>(rgb >> 8 & 0xFF), static_cast<int>(rgb & 0xFF), 255};
}

}  // namespace zeb::testing
