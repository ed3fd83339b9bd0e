// Picture files made by the book writer.
#include "tools/zebmake/picture_maker.h"

#include "document/byte_reader.h"

namespace zeb::zebmake {

std::vector<std::uint8_t> makeGradientBmp(int width, int height) {
  const int rowBytes = (width * 3 + 3) / 4 * 4;
  const int pixelBytes = rowBytes * height;
  ByteWriter out;
  out.writeText("BM");
  out.writeI32(54 + pixelBytes);
  out.writeI32(0);
  out.writeI32(54);
  out.writeI32(40);
  out.writeI32(width);
  out.writeI32(height);
  out.writeI16(1);
  out.writeI16(24);
  out.writeI32(0);
  out.writeI32(pixelBytes);
  out.writeI32(2835);
  out.writeI32(2835);
  out.writeI32(0);
  out.writeI32(0);
  for (int y = 0; y < height; ++y) {  // rows are stored bottom-up
    for (int x = 0; x < width; ++x) {
      out.writeU8(static_cast<std::uint8_t>(255 * y / (height > 1 ? height - 1 : 1)));  // blue
      out.writeU8(static_cast<std::uint8_t>(160));                                      // green
      out.writeU8(static_cast<std::uint8_t>(255 * x / (width > 1 ? width - 1 : 1)));   // red
    }
    for (int pad = width * 3; pad < rowBytes; ++pad) out.writeU8(0);
  }
  return out.take();
}

}  // namespace zeb::zebmake
