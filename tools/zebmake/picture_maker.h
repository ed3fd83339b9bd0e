// Small pictures made on the spot, so that books and tests need no picture files.
#pragma once

#include <cstdint>
#include <vector>

namespace zeb::zebmake {

// An uncompressed BMP file of 24 bits per pixel with a colour gradient.
std::vector<std::uint8_t> makeGradientBmp(int width, int height);

}  // namespace zeb::zebmake
