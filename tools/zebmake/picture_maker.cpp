// Picture files made by the book writer.
#include "tools/zebmake/picture_maker.h"

#include "document/byte_reader.h"

namespace zeb::zebmake {

namespace {

std::uint32_t pixelAt(const BmpPicture& source, int x, int y) {
  const std::size_t at = static_cast<std::size_t>(y) * source.width + x;
  return at < source.pixels.size() ? source.pixels[at] : 0;
}

void writeRow(ByteWriter& out, const BmpPicture& source, int y) {
  const std::size_t start = out.size();
  if (source.bitsPerPixel <= 8) {
    int bits = 0, byte = 0;
    for (int x = 0; x < source.width; ++x) {
      byte =
          (byte << source.bitsPerPixel) | static_cast<int>(pixelAt(source, x, y) & ((1u << source.bitsPerPixel) - 1));
      bits += source.bitsPerPixel;
      if (bits == 8) {
        out.writeU8(static_cast<std::uint8_t>(byte));
        bits = byte = 0;
      }
    }
    if (bits > 0) out.writeU8(static_cast<std::uint8_t>(byte << (8 - bits)));
  }
  for (int x = 0; x < source.width && source.bitsPerPixel > 8; ++x) {
    const std::uint32_t argb = pixelAt(source, x, y);
    const std::uint32_t red = (argb >> 16) & 0xFF, green = (argb >> 8) & 0xFF, blue = argb & 0xFF;
    if (source.bitsPerPixel == 16) {
      const std::uint32_t value = source.colourMasks ? (red >> 3) << 11 | (green >> 2) << 5 | blue >> 3
                                                     : (red >> 3) << 10 | (green >> 3) << 5 | blue >> 3;
      out.writeU8(static_cast<std::uint8_t>(value));
      out.writeU8(static_cast<std::uint8_t>(value >> 8));
    } else {
      out.writeU8(static_cast<std::uint8_t>(blue));
      out.writeU8(static_cast<std::uint8_t>(green));
      out.writeU8(static_cast<std::uint8_t>(red));
      if (source.bitsPerPixel == 32) out.writeU8(static_cast<std::uint8_t>(argb >> 24));
    }
  }
  while ((out.size() - start) % 4 != 0) out.writeU8(0);
}

// Runs of one index, at most 255 long; each row ends with an end-of-line escape.
void writeRunLengthRow(ByteWriter& out, const BmpPicture& source, int y) {
  for (int x = 0; x < source.width;) {
    const std::uint32_t index = pixelAt(source, x, y);
    int run = 1;
    while (x + run < source.width && run < 255 && pixelAt(source, x + run, y) == index) ++run;
    out.writeU8(static_cast<std::uint8_t>(run));
    out.writeU8(static_cast<std::uint8_t>(source.bitsPerPixel == 4 ? (index << 4) | index : index));
    x += run;
  }
  out.writeU8(0);
  out.writeU8(0);
}

}  // namespace

std::vector<std::uint8_t> makeBmp(const BmpPicture& source) {
  const bool masks16 = source.colourMasks && source.bitsPerPixel == 16;
  const bool masks32 = source.colourMasks && source.bitsPerPixel == 32;
  const int headerBytes = source.coreHeader ? 12 : masks32 ? 108 : 40;
  const int paletteEntries = source.bitsPerPixel <= 8 ? static_cast<int>(source.palette.size()) : 0;
  const int pixelOffset = 14 + headerBytes + (masks16 ? 12 : 0) + paletteEntries * (source.coreHeader ? 3 : 4);

  ByteWriter pixels;
  for (int row = 0; row < source.height; ++row) {
    const int y = source.topDown ? row : source.height - 1 - row;
    if (source.runLength)
      writeRunLengthRow(pixels, source, y);
    else
      writeRow(pixels, source, y);
  }
  if (source.runLength) {
    pixels.writeU8(0);
    pixels.writeU8(1);
  }

  ByteWriter out;
  out.writeText("BM");
  out.writeI32(pixelOffset + static_cast<int>(pixels.size()));
  out.writeI32(0);
  out.writeI32(pixelOffset);
  out.writeI32(headerBytes);
  if (source.coreHeader) {
    out.writeI16(static_cast<std::int16_t>(source.width));
    out.writeI16(static_cast<std::int16_t>(source.height));
    out.writeI16(1);
    out.writeI16(static_cast<std::int16_t>(source.bitsPerPixel));
  } else {
    const int compression = source.runLength ? (source.bitsPerPixel == 8 ? 1 : 2) : source.colourMasks ? 3 : 0;
    out.writeI32(source.width);
    out.writeI32(source.topDown ? -source.height : source.height);
    out.writeI16(1);
    out.writeI16(static_cast<std::int16_t>(source.bitsPerPixel));
    out.writeI32(compression);
    out.writeI32(static_cast<std::int32_t>(pixels.size()));
    out.writeI32(2835);
    out.writeI32(2835);
    out.writeI32(paletteEntries);
    out.writeI32(0);
  }
  if (masks16) {
    out.writeU32(0xF800);
    out.writeU32(0x07E0);
    out.writeU32(0x001F);
  }
  if (masks32) {
    out.writeU32(0x00FF0000);
    out.writeU32(0x0000FF00);
    out.writeU32(0x000000FF);
    out.writeU32(0xFF000000);
    while (out.size() < 14u + headerBytes) out.writeU8(0);  // colour space fields, unused here
  }
  for (int i = 0; i < paletteEntries; ++i) {
    const std::uint32_t colour = source.palette[static_cast<std::size_t>(i)];
    out.writeU8(static_cast<std::uint8_t>(colour));
    out.writeU8(static_cast<std::uint8_t>(colour >> 8));
    out.writeU8(static_cast<std::uint8_t>(colour >> 16));
    if (!source.coreHeader) out.writeU8(0);
  }
  out.writeBytes(pixels.bytes());
  return out.take();
}

std::vector<std::uint8_t> makeGradientBmp(int width, int height) {
  BmpPicture source;
  source.width = width;
  source.height = height;
  // Red grows to the right and blue to the top; green stays at 160.
  for (int y = 0; y < height; ++y) {
    const std::uint32_t blue = static_cast<std::uint32_t>(255 * (height - 1 - y) / (height > 1 ? height - 1 : 1));
    for (int x = 0; x < width; ++x) {
      const std::uint32_t red = static_cast<std::uint32_t>(255 * x / (width > 1 ? width - 1 : 1));
      source.pixels.push_back(red << 16 | 160u << 8 | blue);
    }
  }
  return makeBmp(source);
}

}  // namespace zeb::zebmake
