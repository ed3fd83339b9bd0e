// Small pictures made on the spot, so that books and tests need no picture files.
#pragma once

#include <cstdint>
#include <vector>

namespace zeb::zebmake {

// An uncompressed BMP file of 24 bits per pixel with a colour gradient.
std::vector<std::uint8_t> makeGradientBmp(int width, int height);

struct BmpPicture {
  int width = 1;
  int height = 1;
  int bitsPerPixel = 24;  // 1, 4, 8, 16, 24 or 32
  bool topDown = false;
  // 16 bits: 5-6-5 masks after a 40-byte header; 32 bits: a 108-byte header with an alpha
  // mask. Without masks 16 bits are 5-5-5 and the fourth byte of 32 bits is unused.
  bool colourMasks = false;
  bool runLength = false;              // 4 and 8 bits: rows coded as runs of one index
  bool coreHeader = false;             // the 12-byte header of the oldest bitmaps, 3-byte palette entries
  std::vector<std::uint32_t> palette;  // 0xRRGGBB, for 1 to 8 bits
  // Rows from the top: palette indexes at 1 to 8 bits, else 0xAARRGGBB.
  std::vector<std::uint32_t> pixels;
};

std::vector<std::uint8_t> makeBmp(const BmpPicture& source);

}  // namespace zeb::zebmake
