// The sample pictures: an animated GIF, JPEGs of each colour model and scan form, bitmaps of each depth.
#include "tools/zebmake/sample_pictures.h"

#include "tools/zebmake/gif_maker.h"
#include "tools/zebmake/jpeg_maker.h"
#include "tools/zebmake/picture_maker.h"

namespace zeb::zebmake {
namespace {

std::vector<std::uint8_t> animatedGif() {
  GifPicture source;
  source.width = 12;
  source.height = 10;
  source.colours = {0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF};
  source.loopCount = 0;
  for (int i = 0; i < 3; ++i) {
    GifFrame frame;
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
    source.frames.push_back(frame);
  }
  return makeGif(source);
}

std::vector<std::uint8_t> jpeg(JpegColours colours, JpegScans scans) {
  JpegPicture source;
  source.width = 19;
  source.height = 11;
  source.colours = colours;
  source.scans = scans;
  source.quality = 75;
  return makeJpeg(source);
}

std::vector<std::uint8_t> bitmap(int bits, bool runLength = false, bool masks = false, bool core = false) {
  BmpPicture source;
  source.width = 7;
  source.height = 5;
  source.bitsPerPixel = bits;
  source.runLength = runLength;
  source.colourMasks = masks;
  source.coreHeader = core;
  source.topDown = bits == 24;
  source.palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
  if (bits == 1) source.palette.resize(2);
  for (std::uint32_t i = 0; i < 35; ++i)
    source.pixels.push_back(bits <= 8 ? i % source.palette.size() : 0x80000000 | i * 0x070503);
  return makeBmp(source);
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
