// GIF files made on the spot with giflib's encoder: still pictures and animations.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace zeb::zebmake {

struct GifFrame {
  int left = 0;
  int top = 0;
  int width = 1;
  int height = 1;
  std::vector<std::uint8_t> indexes;   // width × height colour indexes, rows from the top
  std::vector<std::uint32_t> colours;  // 0xRRGGBB; empty: the frame uses the global colours
  int delayCentiseconds = 0;
  int disposal = 0;           // 0 to 3
  int transparentIndex = -1;  // -1: none
  bool interlaced = false;
  // A graphic control block is written when any of delay, disposal and transparency is set.
};

struct GifPicture {
  int width = 1;  // the logical screen
  int height = 1;
  std::vector<std::uint32_t> colours;  // the global colours, 0xRRGGBB; empty: none
  std::optional<int> loopCount;        // written as a NETSCAPE2.0 block when present
  std::vector<GifFrame> frames;
};

// A colour table is written with as many entries as the next power of two (at least 2),
// padded with black, so that indexes beyond the given colours can still be coded.
std::vector<std::uint8_t> makeGif(const GifPicture& source);

// One frame of a single colour covering the whole screen.
GifPicture solidGif(int width, int height, std::uint32_t colour);

}  // namespace zeb::zebmake
