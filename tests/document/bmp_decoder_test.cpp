// Bitmap decoding: every depth and header, row order, run-length rows, damaged and absurd files.
#include "document/bmp_decoder.h"

#include <gtest/gtest.h>

#include "document/byte_reader.h"
#include "tests/document/picture_pixels.h"
#include "tools/zebmake/picture_maker.h"

namespace zeb {
namespace {

using testing::opaque;
using testing::pixelOf;
using testing::Rgba;
using testing::seeThrough;
using zebmake::BmpPicture;
using zebmake::makeBmp;

const std::vector<std::uint32_t> fourColours{0x102030, 0xFF0000, 0x00FF00, 0x0000FF};

// A 5 × 3 picture: odd widths make every depth pad its rows.
BmpPicture paletteBitmap(int bits) {
  BmpPicture source;
  source.width = 5;
  source.height = 3;
  source.bitsPerPixel = bits;
  source.palette = bits == 1 ? std::vector<std::uint32_t>{0x102030, 0xFF0000} : fourColours;
  const std::uint32_t colours = bits == 1 ? 2 : 4;
  for (std::uint32_t i = 0; i < 15; ++i) source.pixels.push_back((i * 7 + i / 5) % colours);
  return source;
}

BmpPicture trueColourBitmap(int bits) {
  BmpPicture source;
  source.width = 5;
  source.height = 3;
  source.bitsPerPixel = bits;
  // Multiples of 8 survive 5-bit channels unchanged after scaling back up.
  for (std::uint32_t i = 0; i < 15; ++i)
    source.pixels.push_back(0xFF000000 | (i * 16) << 16 | (248 - i * 8) << 8 | i * 8);
  return source;
}

Rgba expectedPixel(const BmpPicture& source, int x, int y) {
  const std::uint32_t value = source.pixels[static_cast<std::size_t>(y * source.width + x)];
  if (source.bitsPerPixel <= 8) return opaque(source.palette[value]);
  Rgba rgba = opaque(value & 0xFFFFFF);
  const auto widen = [](int value, int bits) {
    const int largest = (1 << bits) - 1;
    return ((value >> (8 - bits)) * 255 + largest / 2) / largest;
  };
  if (source.bitsPerPixel == 16) {
    const int greenBits = source.colourMasks ? 6 : 5;
    rgba = {widen(rgba[0], 5), widen(rgba[1], greenBits), widen(rgba[2], 5), 255};
  }
  if (source.bitsPerPixel == 32 && source.colourMasks) rgba[3] = static_cast<int>(value >> 24);
  return rgba;
}

void expectDecodesAsMade(const BmpPicture& source) {
  const DecodedPicture picture = decodeBmp(makeBmp(source));
  ASSERT_EQ(picture.frames.size(), 1u);
  EXPECT_EQ(picture.width, source.width);
  EXPECT_EQ(picture.height, source.height);
  for (int y = 0; y < source.height; ++y)
    for (int x = 0; x < source.width; ++x)
      ASSERT_EQ(pixelOf(picture.frames[0], x, y), expectedPixel(source, x, y)) << "at " << x << "," << y;
}

TEST(BmpDecoder, EveryDepthBottomUpAndTopDown) {
  std::vector<BmpPicture> sources{paletteBitmap(1),     paletteBitmap(4),     paletteBitmap(8),
                                  trueColourBitmap(16), trueColourBitmap(24), trueColourBitmap(32)};
  sources.push_back(trueColourBitmap(16));
  sources.back().colourMasks = true;
  sources.push_back(trueColourBitmap(32));
  sources.back().colourMasks = true;  // 108-byte header with an alpha mask
  sources.back().pixels[3] = 0x80FF0000;
  for (BmpPicture source : sources) {
    for (const bool topDown : {false, true}) {
      source.topDown = topDown;
      SCOPED_TRACE(::testing::Message() << source.bitsPerPixel << " bits, masks " << source.colourMasks << ", top-down "
                                        << topDown);
      expectDecodesAsMade(source);
    }
  }
}

TEST(BmpDecoder, FourthByteOfPlain32BitPixelsIsNotAlpha) {
  BmpPicture source = trueColourBitmap(32);
  source.pixels.assign(15, 0x00123456);
  const DecodedPicture picture = decodeBmp(makeBmp(source));
  ASSERT_FALSE(picture.empty());
  EXPECT_EQ(pixelOf(picture.frames[0], 2, 1), opaque(0x123456));
  EXPECT_FALSE(picture.frames[0].transparent);
}

TEST(BmpDecoder, CoreHeaderWithThreeBytePalette) {
  BmpPicture source = paletteBitmap(8);
  source.coreHeader = true;
  expectDecodesAsMade(source);
}

TEST(BmpDecoder, RunLengthRowsAtEightAndFourBits) {
  for (const int bits : {8, 4}) {
    BmpPicture source = paletteBitmap(bits);
    source.runLength = true;
    SCOPED_TRACE(bits);
    expectDecodesAsMade(source);
  }
}

// A 4 × 3 run-length picture with the given run data.
std::vector<std::uint8_t> runLengthBmp(std::vector<std::uint8_t> runs, int bits = 8) {
  BmpPicture source = paletteBitmap(bits);
  source.width = 4;
  source.pixels.assign(12, 0);
  source.runLength = true;
  auto bytes = makeBmp(source);
  ByteReader header(bytes);
  header.seek(10);
  bytes.resize(header.readU32());
  bytes.insert(bytes.end(), runs.begin(), runs.end());
  return bytes;
}

TEST(BmpDecoder, RunLengthEscapesJumpAndCopyAndLeaveTheRestSeeThrough) {
  // Bottom row: a literal run of 3 (padded to an even byte count), end of line; then a jump
  // of 2 right and 1 up, a run of two 1s cut at the row's end, end of picture.
  const DecodedPicture picture = decodeBmp(runLengthBmp({0, 3, 2, 3, 1, 0, 0, 0, 0, 2, 2, 1, 3, 1, 0, 1}));
  ASSERT_EQ(picture.frames.size(), 1u);
  const PictureFrame& frame = picture.frames[0];
  EXPECT_EQ(pixelOf(frame, 0, 2), opaque(fourColours[2]));
  EXPECT_EQ(pixelOf(frame, 1, 2), opaque(fourColours[3]));
  EXPECT_EQ(pixelOf(frame, 2, 2), opaque(fourColours[1]));
  EXPECT_EQ(pixelOf(frame, 3, 2), seeThrough);
  EXPECT_EQ(pixelOf(frame, 1, 1), seeThrough);  // jumped over
  EXPECT_EQ(pixelOf(frame, 2, 0), opaque(fourColours[1]));
  EXPECT_EQ(pixelOf(frame, 3, 0), opaque(fourColours[1]));
  EXPECT_EQ(pixelOf(frame, 0, 0), seeThrough);
  EXPECT_TRUE(frame.transparent);

  EXPECT_TRUE(decodeBmp(runLengthBmp({2, 1, 0, 0, 5})).empty()) << "runs cut short";
  EXPECT_TRUE(decodeBmp(runLengthBmp({0, 5, 1, 2})).empty()) << "literal run cut short";
  EXPECT_FALSE(decodeBmp(runLengthBmp({0, 2, 4, 200})).empty()) << "a jump past the top ends the picture";
}

TEST(BmpDecoder, PaletteIndexBeyondThePaletteIsBlack) {
  BmpPicture source = paletteBitmap(8);
  source.palette = {0xFFFFFF};
  source.pixels.assign(15, 0);
  source.pixels[4] = 200;
  const DecodedPicture picture = decodeBmp(makeBmp(source));
  ASSERT_FALSE(picture.empty());
  EXPECT_EQ(pixelOf(picture.frames[0], 4, 0), opaque(0x000000));
  EXPECT_EQ(pixelOf(picture.frames[0], 3, 0), opaque(0xFFFFFF));
}

std::vector<std::uint8_t> withI32(std::vector<std::uint8_t> bytes, std::size_t offset, std::int32_t value) {
  for (int i = 0; i < 4; ++i)
    bytes[offset + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * i));
  return bytes;
}

TEST(BmpDecoder, DamagedOrAbsurdFilesDecodeToNothing) {
  const auto good = makeBmp(trueColourBitmap(24));
  ASSERT_FALSE(decodeBmp(good).empty());
  EXPECT_TRUE(decodeBmp(std::span(good).first(good.size() - 1)).empty()) << "last row cut short";
  EXPECT_TRUE(decodeBmp(std::span(good).first(30)).empty()) << "header cut short";
  EXPECT_TRUE(decodeBmp({}).empty());

  constexpr std::size_t widthAt = 18, heightAt = 22, headerSizeAt = 14, pixelOffsetAt = 10;
  EXPECT_TRUE(decodeBmp(withI32(good, widthAt, 0)).empty());
  EXPECT_TRUE(decodeBmp(withI32(good, widthAt, -5)).empty());
  EXPECT_TRUE(decodeBmp(withI32(good, widthAt, maxPictureSide + 1)).empty());
  EXPECT_TRUE(decodeBmp(withI32(good, heightAt, INT32_MIN)).empty());
  EXPECT_TRUE(decodeBmp(withI32(withI32(good, widthAt, 16000), heightAt, 16001)).empty()) << "area above the limit";
  EXPECT_TRUE(decodeBmp(withI32(withI32(good, widthAt, 16000), heightAt, -16000)).empty()) << "data far too short";
  EXPECT_TRUE(decodeBmp(withI32(good, headerSizeAt, 64000)).empty());
  EXPECT_TRUE(decodeBmp(withI32(good, pixelOffsetAt, static_cast<std::int32_t>(good.size()))).empty());

  auto badDepth = good;
  badDepth[28] = 7;
  EXPECT_TRUE(decodeBmp(badDepth).empty());
  auto notBitmap = good;
  notBitmap[0] = 'X';
  EXPECT_TRUE(decodeBmp(notBitmap).empty());
  BmpPicture topDownRuns = paletteBitmap(8);
  topDownRuns.runLength = true;
  topDownRuns.topDown = true;
  EXPECT_TRUE(decodeBmp(makeBmp(topDownRuns)).empty()) << "run-length rows only go bottom-up";
}

TEST(BmpDecoder, ARunLengthPictureThatEndsEarlyHoldsOnlyTheRowsItReached) {
  // Two pixels on the bottom row of a 4000 × 3000 screen, then the end of the picture: the
  // frame is that one row at the bottom, and everything above it is see-through.
  constexpr std::size_t widthAt = 18, heightAt = 22;
  const DecodedPicture picture = decodeBmp(withI32(withI32(runLengthBmp({2, 1, 0, 1}), widthAt, 4000), heightAt, 3000));
  ASSERT_EQ(picture.frames.size(), 1u);
  EXPECT_EQ(picture.width, 4000);
  EXPECT_EQ(picture.height, 3000);
  const PictureFrame& frame = picture.frames[0];
  EXPECT_EQ(frame.top, 2999);
  EXPECT_EQ(frame.width, 4000);
  EXPECT_EQ(frame.height, 1);
  EXPECT_EQ(frame.rgba.size(), static_cast<std::size_t>(rgbaBytes(4000, 1)));
  EXPECT_EQ(pixelOf(frame, 1, 0), opaque(fourColours[1]));
  EXPECT_EQ(pixelOf(frame, 2, 0), seeThrough);
  EXPECT_TRUE(frame.transparent);
}

}  // namespace
}  // namespace zeb
