// The bitmap decoder: headers, palette, colour masks, plain rows and run-length rows.
#include "document/bmp_decoder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <new>
#include <vector>

#include "document/byte_reader.h"

namespace zeb {
namespace {

constexpr std::size_t fileHeaderBytes = 14;
constexpr std::uint32_t coreHeaderBytes = 12;
constexpr std::uint32_t infoHeaderBytes = 40;
constexpr std::uint32_t largestHeaderBytes = 124;  // the fifth version of the info header

enum Compression : std::uint32_t {
  plainRows = 0,
  runLength8 = 1,
  runLength4 = 2,
  colourMasks = 3,
  colourMasksAlpha = 6
};

struct Colour {
  std::uint8_t red = 0, green = 0, blue = 0, alpha = 255;
};

// One colour channel of a 16- or 32-bit pixel, scaled to 8 bits.
class MaskChannel {
 public:
  MaskChannel() = default;
  explicit MaskChannel(std::uint32_t mask)
      : mask_(mask), shift_(mask == 0 ? 0 : std::countr_zero(mask)), largest_(mask == 0 ? 0 : mask >> shift_) {}

  bool present() const { return mask_ != 0; }
  std::uint8_t of(std::uint32_t pixel) const {
    if (largest_ == 0) return 0;
    const std::uint64_t value = (pixel & mask_) >> shift_;
    return static_cast<std::uint8_t>((value * 255 + largest_ / 2) / largest_);
  }

 private:
  std::uint32_t mask_ = 0;
  int shift_ = 0;
  std::uint32_t largest_ = 0;
};

struct BmpLayout {
  std::int64_t width = 0;
  std::int64_t height = 0;
  bool topDown = false;
  int bitCount = 0;
  std::uint32_t compression = plainRows;
  std::array<MaskChannel, 4> channels;  // red, green, blue, alpha
  std::vector<Colour> palette;
  std::size_t pixelOffset = 0;
};

void setMasks(BmpLayout& layout, std::uint32_t red, std::uint32_t green, std::uint32_t blue, std::uint32_t alpha) {
  layout.channels = {MaskChannel(red), MaskChannel(green), MaskChannel(blue), MaskChannel(alpha)};
}

// Reads both headers, the colour masks and the palette; throws FormatError on nonsense.
BmpLayout readLayout(ByteReader& in) {
  if (in.readU8() != 'B' || in.readU8() != 'M') throw FormatError("not a bitmap");
  in.skip(8);  // file size and two reserved words: often wrong, never needed
  BmpLayout layout;
  layout.pixelOffset = in.readU32();
  const std::uint32_t headerBytes = in.readU32();
  if (headerBytes != coreHeaderBytes && (headerBytes < infoHeaderBytes || headerBytes > largestHeaderBytes))
    throw FormatError("unknown bitmap header");
  std::uint32_t coloursUsed = 0;
  if (headerBytes == coreHeaderBytes) {
    layout.width = in.readU16();
    layout.height = in.readU16();
    in.skip(2);  // planes
    layout.bitCount = in.readU16();
  } else {
    layout.width = in.readI32();
    layout.height = in.readI32();
    in.skip(2);
    layout.bitCount = in.readU16();
    layout.compression = in.readU32();
    in.skip(12);  // image size and resolution
    coloursUsed = in.readU32();
    in.skip(4);
  }
  if (layout.height < 0) {
    layout.topDown = true;
    layout.height = -layout.height;
  }
  if (!pictureSizeAllowed(layout.width, layout.height)) throw FormatError("bitmap size out of range");

  const int bits = layout.bitCount;
  const bool masked = layout.compression == colourMasks || layout.compression == colourMasksAlpha;
  const bool valid = (layout.compression == plainRows &&
                      (bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32)) ||
                     (layout.compression == runLength8 && bits == 8) ||
                     (layout.compression == runLength4 && bits == 4) || (masked && (bits == 16 || bits == 32));
  if (!valid) throw FormatError("unsupported bitmap encoding");
  if (layout.topDown && (layout.compression == runLength8 || layout.compression == runLength4))
    throw FormatError("run-length bitmaps are stored bottom-up");

  // Masks sit inside headers of 52 bytes and more, or right after a 40-byte header.
  std::size_t afterHeaders = fileHeaderBytes + headerBytes;
  if (bits == 16 && !masked) setMasks(layout, 0x7C00, 0x03E0, 0x001F, 0);
  if (bits == 32 && !masked) setMasks(layout, 0xFF0000, 0x00FF00, 0x0000FF, 0);
  if (masked) {
    const bool alphaMask = layout.compression == colourMasksAlpha || headerBytes >= 56;
    in.seek(fileHeaderBytes + infoHeaderBytes);
    const std::uint32_t red = in.readU32(), green = in.readU32(), blue = in.readU32();
    const std::uint32_t alpha = alphaMask ? in.readU32() : 0;
    setMasks(layout, red, green, blue, alpha);
    afterHeaders = std::max(afterHeaders, in.position());
  }

  if (bits <= 8) {
    const std::size_t entryBytes = headerBytes == coreHeaderBytes ? 3 : 4;
    const std::size_t declared = coloursUsed == 0 || coloursUsed > (1u << bits) ? (1u << bits) : coloursUsed;
    if (layout.pixelOffset < afterHeaders) throw FormatError("pixels overlap the headers");
    // Some writers count more colours than they store: the palette ends where the pixels begin.
    const std::size_t room = (layout.pixelOffset - afterHeaders) / entryBytes;
    in.seek(afterHeaders);
    for (std::size_t i = 0; i < std::min(declared, room); ++i) {
      Colour colour;
      colour.blue = in.readU8();
      colour.green = in.readU8();
      colour.red = in.readU8();
      if (entryBytes == 4) in.skip(1);
      layout.palette.push_back(colour);
    }
  }
  return layout;
}

// A pixel index beyond the palette paints black, as the system's own drawing does.
Colour paletteColour(const BmpLayout& layout, std::size_t index) {
  return index < layout.palette.size() ? layout.palette[index] : Colour{};
}

void put(PictureFrame& frame, std::int64_t x, std::int64_t y, Colour colour) {
  std::uint8_t* pixel = frame.rgba.data() + (y * frame.width + x) * bytesPerPixel;
  pixel[0] = colour.red;
  pixel[1] = colour.green;
  pixel[2] = colour.blue;
  pixel[3] = colour.alpha;
  if (colour.alpha != 255) frame.transparent = true;
}

Colour maskedColour(const BmpLayout& layout, std::uint32_t pixel) {
  const auto& [red, green, blue, alpha] = layout.channels;
  return {red.of(pixel), green.of(pixel), blue.of(pixel), alpha.present() ? alpha.of(pixel) : std::uint8_t{255}};
}

void decodeRow(const BmpLayout& layout, std::span<const std::uint8_t> row, PictureFrame& frame, std::int64_t y) {
  const int bits = layout.bitCount;
  for (std::int64_t x = 0; x < layout.width; ++x) {
    Colour colour;
    if (bits <= 8) {
      const std::int64_t bit = x * bits;
      const int shift = 8 - bits - static_cast<int>(bit % 8);  // the leftmost pixel is in the high bits
      colour = paletteColour(layout, (row[static_cast<std::size_t>(bit / 8)] >> shift) & ((1u << bits) - 1));
    } else if (bits == 24) {
      const std::uint8_t* p = row.data() + x * 3;
      colour = {p[2], p[1], p[0], 255};
    } else if (bits == 16) {
      const std::uint8_t* p = row.data() + x * 2;
      colour = maskedColour(layout, p[0] | (p[1] << 8));
    } else {
      const std::uint8_t* p = row.data() + x * 4;
      colour = maskedColour(layout, p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t{p[3]} << 24));
    }
    put(frame, x, y, colour);
  }
}

void decodePlainRows(const BmpLayout& layout, ByteReader& in, PictureFrame& frame) {
  const std::int64_t rowBytes = (layout.width * layout.bitCount + 31) / 32 * 4;
  in.seek(layout.pixelOffset);
  if (static_cast<std::int64_t>(in.remaining()) / rowBytes < layout.height) throw FormatError("pixels cut short");
  growFrameRows(frame, layout.height);
  for (std::int64_t row = 0; row < layout.height; ++row) {
    const std::int64_t y = layout.topDown ? row : layout.height - 1 - row;
    decodeRow(layout, in.readBytes(static_cast<std::size_t>(rowBytes)), frame, y);
  }
}

// Run-length rows: pairs of (count, index) and escapes for end of line, end of picture,
// a jump and a literal run. Two bytes may paint 255 pixels and a jump skips 255 rows, so
// the frame grows with the rows reached, bottom row first, and is turned over at the end.
// Pixels the runs never reach stay see-through; so do the rows above the last one reached,
// which the frame leaves out: a few bytes that end the picture at once cost one row, not
// the whole screen their header describes.
void decodeRunLength(const BmpLayout& layout, ByteReader& in, PictureFrame& frame) {
  in.seek(layout.pixelOffset);
  const bool fourBits = layout.compression == runLength4;
  std::int64_t x = 0, row = 0;  // row 0 is the bottom one
  const auto paint = [&](std::size_t index) {
    if (x < layout.width) put(frame, x, row, paletteColour(layout, index));
    ++x;
  };
  // The frame grows with the rows reached and keeps no room for the whole screen, most of
  // which the runs may never reach.
  const auto reach = [&](std::int64_t rows) {
    const auto wanted = static_cast<std::size_t>(rgbaBytes(layout.width, rows));
    if (frame.rgba.size() < wanted) frame.rgba.resize(wanted, 0);
  };
  reach(1);
  while (row < layout.height) {
    const int count = in.readU8();
    const int value = in.readU8();
    if (count > 0) {
      for (int i = 0; i < count; ++i) paint(fourBits ? (i % 2 == 0 ? value >> 4 : value & 0x0F) : value);
    } else if (value == 0) {
      x = 0;
      ++row;
    } else if (value == 1) {
      break;
    } else if (value == 2) {
      x += in.readU8();
      row += in.readU8();
    } else {
      const int literalBytes = fourBits ? (value + 1) / 2 : value;
      const auto literal = in.readBytes(static_cast<std::size_t>(literalBytes));
      for (int i = 0; i < value; ++i)
        paint(fourBits ? (i % 2 == 0 ? literal[i / 2] >> 4 : literal[i / 2] & 0x0F) : literal[i]);
      if (literalBytes % 2 == 1) in.skip(1);  // literal runs end on an even byte
    }
    if (row < layout.height) reach(row + 1);
  }
  const std::size_t rowBytes = static_cast<std::size_t>(rgbaBytes(layout.width, 1));
  const auto reached = static_cast<std::int64_t>(frame.rgba.size() / rowBytes);
  frame.top = static_cast<int>(layout.height - reached);
  frame.height = static_cast<int>(reached);
  for (std::int64_t top = 0, bottom = reached - 1; top < bottom; ++top, --bottom)
    std::swap_ranges(frame.rgba.begin() + top * rowBytes, frame.rgba.begin() + (top + 1) * rowBytes,
                     frame.rgba.begin() + bottom * rowBytes);
  frame.rgba.shrink_to_fit();
  if (reached < layout.height) frame.transparent = true;
  for (std::size_t alpha = 3; alpha < frame.rgba.size() && !frame.transparent; alpha += bytesPerPixel)
    frame.transparent = frame.rgba[alpha] == 0;
}

}  // namespace

DecodedPicture decodeBmp(std::span<const std::uint8_t> bytes) {
  try {
    ByteReader in(bytes);
    const BmpLayout layout = readLayout(in);
    PictureFrame frame;
    frame.width = static_cast<int>(layout.width);
    frame.height = static_cast<int>(layout.height);
    if (layout.compression == runLength8 || layout.compression == runLength4)
      decodeRunLength(layout, in, frame);
    else
      decodePlainRows(layout, in, frame);
    // The screen is the size the header gives, whatever rows the frame holds.
    DecodedPicture picture = singleFramePicture(std::move(frame));
    picture.width = static_cast<int>(layout.width);
    picture.height = static_cast<int>(layout.height);
    return picture;
  } catch (const FormatError&) {
    return {};
  } catch (const std::bad_alloc&) {
    return {};
  }
}

}  // namespace zeb
