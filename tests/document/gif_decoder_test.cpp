// GIF decoding: animation timing and disposal, transparency, clipping, colour-map ranges,
// interlacing, damaged files and the frame limit.
#include "document/gif_decoder.h"

#include <gtest/gtest.h>

#include "tests/document/picture_pixels.h"
#include "tools/zebmake/gif_maker.h"

namespace zeb {
namespace {

using testing::opaque;
using testing::pixelOf;
using testing::seeThrough;
using zebmake::GifFrame;
using zebmake::GifPicture;
using zebmake::makeGif;

constexpr std::uint32_t red = 0xFF0000, green = 0x00FF00, blue = 0x0000FF, white = 0xFFFFFF;

GifFrame frameOf(int left, int top, int width, int height, std::uint8_t index) {
  GifFrame frame;
  frame.left = left;
  frame.top = top;
  frame.width = width;
  frame.height = height;
  frame.indexes.assign(static_cast<std::size_t>(width) * height, index);
  return frame;
}

// A frame whose pixels all differ, so that a row or column out of place shows.
GifFrame numberedFrame(int width, int height) {
  GifFrame frame = frameOf(0, 0, width, height, 0);
  for (std::size_t i = 0; i < frame.indexes.size(); ++i) frame.indexes[i] = static_cast<std::uint8_t>(i);
  return frame;
}

std::vector<std::uint32_t> greyRamp() {
  std::vector<std::uint32_t> colours;
  for (std::uint32_t i = 0; i < 256; ++i) colours.push_back(i << 16 | i << 8 | i);
  return colours;
}

TEST(GifDecoder, AnimationKeepsEveryFrameWithItsTimingDisposalAndTransparency) {
  GifPicture source;
  source.width = 4;
  source.height = 3;
  source.colours = {red, green, blue, white};
  source.loopCount = 0;
  source.frames.push_back(frameOf(0, 0, 4, 3, 0));
  source.frames.back().delayCentiseconds = 10;
  source.frames.back().disposal = 1;
  source.frames.push_back(frameOf(1, 1, 2, 2, 1));
  source.frames.back().delayCentiseconds = 25;
  source.frames.back().disposal = 2;
  source.frames.back().transparentIndex = 3;
  source.frames.back().indexes = {1, 3, 3, 2};
  source.frames.push_back(frameOf(3, 0, 1, 3, 2));
  source.frames.back().disposal = 3;

  const DecodedPicture picture = decodeGif(makeGif(source));
  ASSERT_EQ(picture.frames.size(), 3u);
  EXPECT_EQ(picture.width, 4);
  EXPECT_EQ(picture.height, 3);
  EXPECT_EQ(picture.loopCount, 0);
  EXPECT_FALSE(picture.firstImageTransparent());

  const PictureFrame& first = picture.frames[0];
  EXPECT_EQ(first.delayCentiseconds, 10);
  EXPECT_EQ(first.disposal, FrameDisposal::keep);
  EXPECT_FALSE(first.transparent);
  EXPECT_EQ(pixelOf(first, 3, 2), opaque(red));

  const PictureFrame& second = picture.frames[1];
  EXPECT_EQ((std::array{second.left, second.top, second.width, second.height}), (std::array{1, 1, 2, 2}));
  EXPECT_EQ(second.delayCentiseconds, 25);
  EXPECT_EQ(second.disposal, FrameDisposal::restoreBackground);
  EXPECT_TRUE(second.transparent);
  EXPECT_EQ(pixelOf(second, 0, 0), opaque(green));
  EXPECT_EQ(pixelOf(second, 1, 0), seeThrough);
  EXPECT_EQ(pixelOf(second, 0, 1), seeThrough);
  EXPECT_EQ(pixelOf(second, 1, 1), opaque(blue));

  const PictureFrame& third = picture.frames[2];
  EXPECT_EQ(third.delayCentiseconds, 0);
  EXPECT_EQ(third.disposal, FrameDisposal::restorePrevious);
  EXPECT_FALSE(third.transparent);
  EXPECT_EQ(third.rgba.size(), 3u * 4u);
}

TEST(GifDecoder, LoopCountIsAbsentWithoutTheNetscapeBlockAndKeptWhenGiven) {
  GifPicture source = zebmake::solidGif(2, 2, red);
  EXPECT_EQ(decodeGif(makeGif(source)).loopCount, std::nullopt);
  source.loopCount = 513;
  EXPECT_EQ(decodeGif(makeGif(source)).loopCount, 513);
}

TEST(GifDecoder, FirstImageWithSeeThroughIndexMakesThePictureTransparent) {
  GifPicture source = zebmake::solidGif(2, 2, red);
  source.frames[0].transparentIndex = 1;  // declared, even though no pixel uses it
  EXPECT_TRUE(decodeGif(makeGif(source)).firstImageTransparent());
}

TEST(GifDecoder, FramesAreClippedToTheLogicalScreen) {
  GifPicture source;
  source.width = 4;
  source.height = 4;
  source.colours = greyRamp();
  source.frames.push_back(numberedFrame(4, 4));
  source.frames.back().left = 2;
  source.frames.back().top = 3;
  source.frames.push_back(frameOf(10, 0, 3, 3, 1));  // wholly outside: kept for its timing
  source.frames.back().delayCentiseconds = 7;

  const DecodedPicture picture = decodeGif(makeGif(source));
  ASSERT_EQ(picture.frames.size(), 2u);
  const PictureFrame& clipped = picture.frames[0];
  EXPECT_EQ((std::array{clipped.left, clipped.top, clipped.width, clipped.height}), (std::array{2, 3, 2, 1}));
  ASSERT_EQ(clipped.rgba.size(), 2u * 1u * 4u);
  EXPECT_EQ(pixelOf(clipped, 0, 0), opaque(0x000000));
  EXPECT_EQ(pixelOf(clipped, 1, 0), opaque(0x010101));

  const PictureFrame& outside = picture.frames[1];
  EXPECT_EQ(outside.width, 0);
  EXPECT_TRUE(outside.rgba.empty());
  EXPECT_EQ(outside.delayCentiseconds, 7);
}

TEST(GifDecoder, IndexesBeyondTheColourMapAreSeeThrough) {
  GifPicture source;
  source.width = 4;
  source.height = 1;
  source.colours = {red, green, blue, white};
  GifFrame frame = frameOf(0, 0, 4, 1, 0);
  frame.colours = {blue, green};  // a two-colour local map still codes indexes 0 to 3
  frame.indexes = {0, 1, 2, 3};
  source.frames.push_back(frame);

  const DecodedPicture picture = decodeGif(makeGif(source));
  ASSERT_EQ(picture.frames.size(), 1u);
  const PictureFrame& decoded = picture.frames[0];
  EXPECT_EQ(pixelOf(decoded, 0, 0), opaque(blue));
  EXPECT_EQ(pixelOf(decoded, 1, 0), opaque(green));
  EXPECT_EQ(pixelOf(decoded, 2, 0), seeThrough);
  EXPECT_EQ(pixelOf(decoded, 3, 0), seeThrough);
  EXPECT_TRUE(decoded.transparent);
  EXPECT_TRUE(picture.firstImageTransparent());
}

TEST(GifDecoder, FrameWithoutAnyColourMapIsWhollySeeThrough) {
  // Written by hand: giflib will not encode a frame without colours. Two pixels of index 1,
  // coded with 2-bit indexes: clear, 1, 1, end, in 3-bit codes.
  const std::vector<std::uint8_t> bytes{'G',  'I', 'F',  '8',  '9', 'a', 2, 0, 1, 0,    0x00, 0, 0,  // no global map
                                        0x2C, 0,   0,    0,    0,   2,   0, 1, 0, 0x00,              // no local map
                                        2,    2,   0x4C, 0x0A, 0,   0x3B};
  const DecodedPicture picture = decodeGif(bytes);
  ASSERT_EQ(picture.frames.size(), 1u);
  EXPECT_EQ(pixelOf(picture.frames[0], 0, 0), seeThrough);
  EXPECT_EQ(pixelOf(picture.frames[0], 1, 0), seeThrough);
  EXPECT_TRUE(picture.firstImageTransparent());
}

TEST(GifDecoder, InterlacedRowsLandInTheirPlaces) {
  GifPicture source;
  source.width = 3;
  source.height = 11;
  source.colours = greyRamp();
  source.frames.push_back(numberedFrame(3, 11));
  source.frames.back().interlaced = true;

  const DecodedPicture picture = decodeGif(makeGif(source));
  ASSERT_EQ(picture.frames.size(), 1u);
  for (int y = 0; y < 11; ++y)
    for (int x = 0; x < 3; ++x) {
      const std::uint32_t grey = static_cast<std::uint32_t>(y * 3 + x);
      ASSERT_EQ(pixelOf(picture.frames[0], x, y), opaque(grey << 16 | grey << 8 | grey)) << x << "," << y;
    }
}

TEST(GifDecoder, EmptyScreenTakesTheSizeOfTheFirstImage) {
  GifPicture source = zebmake::solidGif(0, 0, red);
  source.frames[0] = frameOf(1, 2, 3, 4, 0);
  const DecodedPicture picture = decodeGif(makeGif(source));
  EXPECT_EQ(picture.width, 4);
  EXPECT_EQ(picture.height, 6);
  ASSERT_EQ(picture.frames.size(), 1u);
  EXPECT_EQ(picture.frames[0].width, 3);
}

TEST(GifDecoder, DamagedFilesKeepOnlyCompleteFrames) {
  GifPicture source;
  source.width = 32;
  source.height = 32;
  source.colours = greyRamp();
  source.frames.push_back(numberedFrame(32, 32));
  const auto oneFrame = makeGif(source);
  source.frames.push_back(numberedFrame(32, 32));
  const auto twoFrames = makeGif(source);
  const std::size_t firstFrameEnd = oneFrame.size() - 1;  // everything but the trailer byte

  const auto cut = [](const std::vector<std::uint8_t>& bytes, std::size_t size) {
    return decodeGif(std::span(bytes).first(size));
  };
  EXPECT_EQ(cut(twoFrames, twoFrames.size() - 1).frames.size(), 2u) << "a missing trailer loses nothing";
  EXPECT_EQ(cut(twoFrames, firstFrameEnd + 40).frames.size(), 1u) << "second frame cut short";
  EXPECT_EQ(cut(twoFrames, firstFrameEnd).frames.size(), 1u);
  EXPECT_TRUE(cut(oneFrame, firstFrameEnd - 30).empty()) << "first frame cut short";
  EXPECT_TRUE(cut(oneFrame, 12).empty()) << "inside the colour map";
  EXPECT_TRUE(decodeGif({}).empty());

  auto garbled = twoFrames;
  garbled[firstFrameEnd] = 0x77;  // neither image, extension nor trailer
  EXPECT_EQ(decodeGif(garbled).frames.size(), 1u);
  const std::vector<std::uint8_t> notGif{'G', 'I', 'X', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0};
  EXPECT_TRUE(decodeGif(notGif).empty());
}

TEST(GifDecoder, FramesBeyondTheLimitAreDropped) {
  GifPicture source = zebmake::solidGif(1, 1, red);
  source.frames.assign(maxPictureFrames + 3, frameOf(0, 0, 1, 1, 0));
  const DecodedPicture picture = decodeGif(makeGif(source));
  EXPECT_EQ(picture.frames.size(), static_cast<std::size_t>(maxPictureFrames));
}

TEST(GifDecoder, ScreensBeyondTheSizeLimitAreRefused) {
  GifPicture source = zebmake::solidGif(1, 1, red);
  source.width = maxPictureSide + 1;
  EXPECT_TRUE(decodeGif(makeGif(source)).empty());
  source.width = maxPictureSide;
  source.height = maxPictureSide;  // each side allowed, the area is not
  EXPECT_TRUE(decodeGif(makeGif(source)).empty());
  source.height = 2;
  EXPECT_EQ(decodeGif(makeGif(source)).frames.size(), 1u);
}

}  // namespace
}  // namespace zeb
