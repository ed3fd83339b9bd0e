// The sample pictures: an animated GIF, JPEGs of each colour model and scan form, bitmaps of each depth.
#include "tools/zebmake/sample_pictures.h"

#include "tools/zebmake/gif_maker.h"
#include "tools/zebmake/jpeg_maker.h"
#include "tools/zebmake/picture_maker.h"

namespace zeb::zebmake {
namespace {

std::vector<std::uint8_t> animatedGif() {
  GifSpec spec;
  spec.width = 12;
  spec.height = 10;
  spec.colours = {0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF};
  spec.loopCount = 0;
  for (int i = 0; i < 3; ++i) {
    GifFrameSpec frame;
    frame.left = i * 2;
    frame.top = i;
    frame.width = 8;
    frame.height = 9 - i;
    for (int p = 0; p < frame.width * frame.height; ++p)
      frame.indexes.push_back(static_cast<std::uint8_t>((p + i) % 4));
    frame.delayCentiseconds = 10 * (i + 1);
    frame.disposal = i + 1;
    frame.transparentIndex = i == 1 ? 0 : -1;
    frame.interlaced = i == 2;
    if (i == 1) frame.colours = {0x000000, 0x808080};
    spec.frames.push_back(frame);
  }
  return makeGif(spec);
}

std::vector<std::uint8_t> jpeg(JpegColours colours, JpegScans scans) {
  JpegSpec spec;
  spec.width = 19;
  spec.height = 11;
  spec.colours = colours;
  spec.scans = scans;
  spec.quality = 75;
  return makeJpeg(spec);
}

std::vector<std::uint8_t> bitmap(int bits, bool runLength = false, bool masks = false, bool core = false) {
  BmpSpec spec;
  spec.width = 7;
  spec.height = 5;
  spec.bitsPerPixel = bits;
  spec.runLength = runLength;
  spec.colourMasks = masks;
  spec.coreHeader = core;
  spec.topDown = bits == 24;
  spec.palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
  if (bits == 1) spec.palette.resize(2);
  for (std::uint32_t i = 0; i < 35; ++i)
    spec.pixels.push_back(bits <= 8 ? i % spec.palette.size() : 0x80000000 | i * 0x070503);
  return makeBmp(spec);
}

}  // namespace

std::vector<SamplePicture> samplePictures() {
  return {
      {"animated.gif", animatedGif()},
      {"still.gif", makeGif(solidGif(6, 4, 0x336699))},
      {"colour.jpg", jpeg(JpegColours::rgb, JpegScans::baseline)},
      {"progressive.jpg", jpeg(JpegColours::rgb, JpegScans::progressive)},
      {"grey.jpg", jpeg(JpegColours::grey, JpegScans::baseline)},
      {"cmyk.jpg", jpeg(JpegColours::cmyk, JpegScans::progressive)},
      {"depth1.bmp", bitmap(1)},
      {"depth4.bmp", bitmap(4)},
      {"depth8.bmp", bitmap(8)},
      {"runs4.bmp", bitmap(4, true)},
      {"runs8.bmp", bitmap(8, true)},
      {"core8.bmp", bitmap(8, false, false, true)},
      {"depth16.bmp", bitmap(16, false, true)},
      {"depth24.bmp", bitmap(24)},
      {"depth32.bmp", bitmap(32, false, true)},
  };
}

}  // namespace zeb::zebmake
