// JPEG decoding: colour, grey and CMYK, baseline and progressive, and the files the decoder
// must refuse without dying: oversized, endless scans, cut short or garbled.
#include "document/jpeg_decoder.h"

#include <gtest/gtest.h>

#include <random>

#include "tests/document/picture_pixels.h"
#include "tools/zebmake/jpeg_maker.h"

namespace zeb {
namespace {

using testing::pixelOf;
using testing::Rgba;
using zebmake::JpegColours;
using zebmake::JpegPicture;
using zebmake::JpegScans;
using zebmake::makeJpeg;

JpegPicture solid(JpegColours colours, std::vector<std::uint8_t> sample, int width = 16, int height = 16) {
  JpegPicture source;
  source.width = width;
  source.height = height;
  source.colours = colours;
  for (int i = 0; i < width * height; ++i) source.samples.insert(source.samples.end(), sample.begin(), sample.end());
  return source;
}

void expectEveryPixelNear(const DecodedPicture& picture, Rgba expected, int tolerance = 3) {
  ASSERT_EQ(picture.frames.size(), 1u);
  const PictureFrame& frame = picture.frames[0];
  ASSERT_EQ(frame.rgba.size(), static_cast<std::size_t>(picture.width) * picture.height * 4);
  for (int y = 0; y < frame.height; ++y)
    for (int x = 0; x < frame.width; ++x) {
      const Rgba actual = pixelOf(frame, x, y);
      for (int c = 0; c < 4; ++c) ASSERT_NEAR(actual[c], expected[c], tolerance) << "at " << x << "," << y;
    }
}

TEST(JpegDecoder, ColourGreyAndCmykBaselineAndProgressive) {
  for (const JpegScans scans : {JpegScans::baseline, JpegScans::progressive}) {
    SCOPED_TRACE(scans == JpegScans::baseline ? "baseline" : "progressive");
    JpegPicture colour = solid(JpegColours::rgb, {200, 100, 50});
    colour.scans = scans;
    expectEveryPixelNear(decodeJpeg(makeJpeg(colour)), {200, 100, 50, 255});

    JpegPicture grey = solid(JpegColours::grey, {77}, 24, 9);
    grey.scans = scans;
    const DecodedPicture greyPicture = decodeJpeg(makeJpeg(grey));
    EXPECT_EQ(greyPicture.width, 24);
    EXPECT_EQ(greyPicture.height, 9);
    expectEveryPixelNear(greyPicture, {77, 77, 77, 255}, 1);

    // Stored the Adobe way, inverted: no cyan, full magenta, half yellow, no black.
    JpegPicture cmyk = solid(JpegColours::cmyk, {255, 0, 128, 255});
    cmyk.scans = scans;
    expectEveryPixelNear(decodeJpeg(makeJpeg(cmyk)), {255, 0, 128, 255});
  }
}

TEST(JpegDecoder, CmykBecomesRgbRoundedToTheNearest) {
  // Stored inverted, ink times black over 255: 1 * 128 is 0.502, 1 * 127 is 0.498 (just
  // below a half), 200 * 128 is 100.4, 77 * 127 is 38.35, 255 * 127 is 127.
  std::vector<std::uint8_t> adobe = {1, 200, 255, 128, 1, 1, 1, 127, 77, 255, 2, 127};
  const std::vector<std::uint8_t> rgba = {1, 100, 128, 255, 0, 0, 0, 255, 38, 127, 1, 255};
  cmykToRgba(adobe, true);
  EXPECT_EQ(adobe, rgba);
  // Plain ink amounts are the complements of the same values.
  std::vector<std::uint8_t> plain = {254, 55, 0, 127, 254, 254, 254, 128, 178, 0, 253, 128};
  cmykToRgba(plain, false);
  EXPECT_EQ(plain, rgba);
}

TEST(JpegDecoder, GradientKeepsItsPixelsInPlace) {
  JpegPicture source;
  source.width = 40;
  source.height = 30;
  source.scans = JpegScans::progressive;
  const DecodedPicture picture = decodeJpeg(makeJpeg(source));
  ASSERT_EQ(picture.frames.size(), 1u);
  // The maker's gradient: red grows to the right, green downwards, blue stays at 128.
  for (const auto& [x, y] : {std::pair{0, 0}, {39, 0}, {0, 29}, {39, 29}, {20, 15}}) {
    const Rgba pixel = pixelOf(picture.frames[0], x, y);
    EXPECT_NEAR(pixel[0], 255 * x / 39, 8) << x << "," << y;
    EXPECT_NEAR(pixel[1], 255 * y / 29, 8) << x << "," << y;
    EXPECT_NEAR(pixel[2], 128, 8) << x << "," << y;
  }
}

TEST(JpegDecoder, ProgressiveFilesWithOverAHundredScansAreRefused) {
  JpegPicture colour;
  colour.scans = JpegScans::oneScanPerBand;  // 190 scans
  EXPECT_TRUE(decodeJpeg(makeJpeg(colour)).empty());
  JpegPicture grey = solid(JpegColours::grey, {40});
  grey.scans = JpegScans::oneScanPerBand;  // 64 scans
  expectEveryPixelNear(decodeJpeg(makeJpeg(grey)), {40, 40, 40, 255}, 1);
}

// The frame header's height and width, big-endian after the marker, length and precision.
std::vector<std::uint8_t> withFrameSize(std::vector<std::uint8_t> bytes, int width, int height) {
  for (std::size_t i = 0; i + 9 < bytes.size(); ++i)
    if (bytes[i] == 0xFF && (bytes[i + 1] == 0xC0 || bytes[i + 1] == 0xC2)) {
      bytes[i + 5] = static_cast<std::uint8_t>(height >> 8);
      bytes[i + 6] = static_cast<std::uint8_t>(height);
      bytes[i + 7] = static_cast<std::uint8_t>(width >> 8);
      bytes[i + 8] = static_cast<std::uint8_t>(width);
      return bytes;
    }
  ADD_FAILURE() << "no frame header";
  return bytes;
}

TEST(JpegDecoder, OversizedPicturesAreRefusedFromTheHeader) {
  for (const JpegScans scans : {JpegScans::baseline, JpegScans::progressive}) {
    JpegPicture source;
    source.scans = scans;
    const auto bytes = makeJpeg(source);
    EXPECT_TRUE(decodeJpeg(withFrameSize(bytes, maxPictureSide + 1, 8)).empty());
    EXPECT_TRUE(decodeJpeg(withFrameSize(bytes, 8, 65535)).empty());
    EXPECT_TRUE(decodeJpeg(withFrameSize(bytes, 16000, 16001)).empty()) << "area above the limit";
  }
}

TEST(JpegDecoder, DamagedFilesDecodeToNothingAndTheProcessLivesOn) {
  JpegPicture source;
  source.width = 64;
  source.height = 64;
  for (const JpegScans scans : {JpegScans::baseline, JpegScans::progressive}) {
    source.scans = scans;
    const auto good = makeJpeg(source);
    ASSERT_FALSE(decodeJpeg(good).empty());
    EXPECT_TRUE(decodeJpeg(std::span(good).first(good.size() / 2)).empty()) << "cut in the middle";
    EXPECT_TRUE(decodeJpeg(std::span(good).first(20)).empty()) << "cut in the header";
    EXPECT_TRUE(decodeJpeg(withFrameSize(good, 64, 4000)).empty()) << "data ends long before the picture";
  }
  EXPECT_TRUE(decodeJpeg({}).empty());
  const std::vector<std::uint8_t> notJpeg{'G', 'I', 'F', '8', '9', 'a'};
  EXPECT_TRUE(decodeJpeg(notJpeg).empty());
  std::vector<std::uint8_t> noise{0xFF, 0xD8};
  std::mt19937 random(7);
  for (int i = 0; i < 4000; ++i) noise.push_back(static_cast<std::uint8_t>(random()));
  EXPECT_TRUE(decodeJpeg(noise).empty());
}

}  // namespace
}  // namespace zeb
