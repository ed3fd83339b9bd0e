// TZEBpicture: loading through ImageNameL by extension, the opaque rule, the first image,
// and composing animation frames onto a canvas.
#include "document/picture.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "document/book_file.h"
#include "document/frame_compositor.h"
#include "document/gif_decoder.h"
#include "tests/document/picture_pixels.h"
#include "tests/support/temporary_folder.h"
#include "tools/zebmake/gif_maker.h"
#include "tools/zebmake/jpeg_maker.h"
#include "tools/zebmake/picture_maker.h"
#include "tools/zebmake/sample_pictures.h"

namespace zeb {
namespace {

using testing::opaque;
using testing::pixelOf;
using testing::seeThrough;

std::vector<std::uint8_t> gifOfSize(int width, int height, int transparentIndex = -1) {
  auto source = zebmake::solidGif(width, height, 0xFF0000);
  source.frames[0].transparentIndex = transparentIndex;
  return zebmake::makeGif(source);
}

std::vector<std::uint8_t> jpegOfSize(int width, int height) {
  zebmake::JpegPicture source;
  source.width = width;
  source.height = height;
  return zebmake::makeJpeg(source);
}

class PictureFile : public ::testing::Test {
 protected:
  std::string write(std::string_view name, const std::vector<std::uint8_t>& bytes) {
    return folder.write(name, bytes).string();
  }

  testing::TemporaryFolder folder;
  TZEBpicture picture;
};

TEST_F(PictureFile, ExtensionChoosesTheDecoderInAnyLetterCase) {
  const struct {
    std::string name;
    std::vector<std::uint8_t> bytes;
    PictureFormat format;
    int width;
  } files[] = {
      {"a.gif", gifOfSize(3, 2), PictureFormat::gif, 3},
      {"b.GIF", gifOfSize(4, 2), PictureFormat::gif, 4},
      {"c.jpg", jpegOfSize(5, 2), PictureFormat::jpeg, 5},
      {"d.JPEG", jpegOfSize(6, 2), PictureFormat::jpeg, 6},
      {"e.Jpe", jpegOfSize(7, 2), PictureFormat::jpeg, 7},
      {"f.jfif", jpegOfSize(8, 2), PictureFormat::jpeg, 8},
      {"g.bmp", zebmake::makeGradientBmp(9, 2), PictureFormat::bitmap, 9},
      {"h.DIB", zebmake::makeGradientBmp(10, 2), PictureFormat::bitmap, 10},
  };
  for (const auto& file : files) {
    SCOPED_TRACE(file.name);
    const std::string path = write(file.name, file.bytes);
    picture.setImageNameL(path);
    EXPECT_EQ(picture.ImageNameL(), path);
    EXPECT_EQ(picture.format(), file.format);
    EXPECT_EQ(picture.width(), file.width);
    EXPECT_EQ(picture.height(), 2);
    EXPECT_EQ(picture.frames().size(), 1u);
    EXPECT_TRUE(picture.isOpaque());
  }
}

TEST_F(PictureFile, TheSameNameDoesNotReloadAndAnEmptyNameEmpties) {
  const std::string path = write("p.gif", gifOfSize(3, 3));
  picture.setImageNameL(path);
  write("p.gif", gifOfSize(5, 5));
  picture.setImageNameL(path);
  EXPECT_EQ(picture.width(), 3) << "same name: the file is not read again";

  picture.setImageNameL(write("q.gif", gifOfSize(4, 4)));
  EXPECT_EQ(picture.width(), 4);
  picture.setImageNameL("");
  EXPECT_TRUE(picture.empty());
  EXPECT_EQ(picture.width(), 0);
  EXPECT_EQ(picture.format(), PictureFormat::none);
  picture.setImageNameL(path);
  EXPECT_EQ(picture.width(), 5) << "a name differs from the empty one before it";
}

TEST_F(PictureFile, UnreadableFilesLeaveThePictureEmpty) {
  const std::string good = write("good.gif", gifOfSize(3, 3));
  for (const std::string& path :
       {write("bad.gif", std::vector<std::uint8_t>{'G', 'I', 'F'}), write("gif.jpg", gifOfSize(2, 2)),
        write("right.png", gifOfSize(2, 2)), write("none", gifOfSize(2, 2)), (folder.path() / "missing.bmp").string(),
        folder.path().string() + "/.bmp", write("empty.jpg", std::vector<std::uint8_t>{})}) {
    SCOPED_TRACE(path);
    picture.setImageNameL(good);
    ASSERT_FALSE(picture.empty());
    picture.setImageNameL(path);
    EXPECT_TRUE(picture.empty());
    EXPECT_EQ(picture.ImageNameL(), path);
    EXPECT_EQ(picture.format(), PictureFormat::none);
    EXPECT_FALSE(picture.isMetafile());
  }
}

TEST_F(PictureFile, WholeFilesAreReadUpToALimit) {
  const std::string path = write("four.bin", std::vector<std::uint8_t>{1, 2, 3, 4});
  EXPECT_EQ(readWholeFile(path, 4), (std::vector<std::uint8_t>{1, 2, 3, 4}));
  EXPECT_EQ(readWholeFile(path), (std::vector<std::uint8_t>{1, 2, 3, 4}));
  EXPECT_FALSE(readWholeFile(path, 3).has_value());
  EXPECT_FALSE(readWholeFile(folder.path()).has_value());
  EXPECT_FALSE(readWholeFile(folder.path() / "missing.bin").has_value());
  const std::filesystem::path fifo = folder.path() / "pipe.gif";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_FALSE(readWholeFile(fifo).has_value());  // and it does not wait for a writer
  EXPECT_EQ(readWholeFile(write("empty.bin", {})), std::vector<std::uint8_t>{});
}

TEST_F(PictureFile, MetafilesAreEmptyAndNeverOpaque) {
  for (const char* name : {"m.wmf", "m.EMF"}) {
    picture.setImageNameL(write(name, std::vector<std::uint8_t>{1, 2, 3, 4}));
    EXPECT_TRUE(picture.isMetafile());
    EXPECT_TRUE(picture.empty());
    EXPECT_EQ(picture.format(), PictureFormat::metafile);
    EXPECT_FALSE(picture.isOpaque());
  }
  picture.setImageNameL((folder.path() / "gone.wmf").string());
  EXPECT_FALSE(picture.isMetafile()) << "a metafile that cannot be read is no picture at all";
}

TEST(PictureOpacity, OnlyAGifWithASeeThroughFirstImageIsTransparent) {
  TZEBpicture picture;
  picture.loadFromBytes(gifOfSize(2, 2, 0), PictureFormat::gif);
  EXPECT_FALSE(picture.isOpaque());

  auto source = zebmake::solidGif(2, 2, 0xFF0000);
  source.frames.push_back(source.frames[0]);
  source.frames[1].transparentIndex = 0;  // only the second image
  picture.loadFromBytes(zebmake::makeGif(source), PictureFormat::gif);
  EXPECT_TRUE(picture.isOpaque());

  zebmake::BmpPicture bitmap;
  bitmap.bitsPerPixel = 32;
  bitmap.colourMasks = true;
  bitmap.pixels = {0x00FFFFFF};  // see-through, but only GIFs count
  picture.loadFromBytes(zebmake::makeBmp(bitmap), PictureFormat::bitmap);
  ASSERT_FALSE(picture.empty());
  EXPECT_TRUE(picture.isOpaque());
}

TEST(PictureFirstImage, IsTheFirstCanvasKeptUntilThePictureChanges) {
  constexpr std::uint32_t red = 0xFF0000;
  zebmake::GifPicture source;
  source.width = 3;
  source.height = 1;
  source.colours = {red, 0};
  zebmake::GifFrame frame;
  frame.left = 1;  // the first frame leaves the left pixel see-through
  frame.width = 2;
  frame.indexes = {0, 0};
  source.frames = {frame};
  TZEBpicture picture;
  picture.loadFromBytes(zebmake::makeGif(source), PictureFormat::gif);
  const RgbaImage& first = picture.firstImage();
  ASSERT_EQ(first.width, 3);
  ASSERT_EQ(first.height, 1);
  EXPECT_EQ(pixelOf(first.pixels, 3, 0, 0), seeThrough);
  EXPECT_EQ(pixelOf(first.pixels, 3, 2, 0), opaque(red));
  EXPECT_EQ(&picture.firstImage(), &first);  // composed once

  picture.loadFromBytes(gifOfSize(2, 2), PictureFormat::gif);
  EXPECT_EQ(picture.firstImage().width, 2);
  EXPECT_EQ(pixelOf(picture.firstImage().pixels, 2, 0, 0), opaque(red));
  picture.clear();
  EXPECT_TRUE(picture.firstImage().empty());
  EXPECT_TRUE(picture.firstImage().pixels.empty());
}

TEST(SamplePictures, EveryOneDecodesByItsExtension) {
  for (const auto& sample : zebmake::samplePictures()) {
    TZEBpicture picture;
    picture.loadFromBytes(sample.bytes, pictureFormatOf(sample.fileName));
    EXPECT_FALSE(picture.empty()) << sample.fileName;
  }
}

TEST(FrameCompositor, DisposalKeepsClearsOrRestoresTheFrameRectangle) {
  constexpr std::uint32_t red = 0xFF0000, green = 0x00FF00, blue = 0x0000FF;
  zebmake::GifPicture source;
  source.width = 3;
  source.height = 1;
  source.colours = {red, green, blue, 0};
  const auto frame = [](int left, int width, std::uint8_t index, int disposal) {
    zebmake::GifFrame result;
    result.left = left;
    result.width = width;
    result.indexes.assign(static_cast<std::size_t>(width), index);
    result.disposal = disposal;
    result.transparentIndex = 3;
    return result;
  };
  source.frames = {frame(0, 3, 0, 1), frame(1, 1, 1, 3), frame(2, 1, 2, 2), frame(0, 3, 3, 0)};
  source.frames[0].indexes[2] = 3;  // a hole in the first frame
  const DecodedPicture picture = decodeGif(zebmake::makeGif(source));
  ASSERT_EQ(picture.frames.size(), 4u);

  FrameCompositor compositor(picture);
  const auto row = [&](const std::vector<std::uint8_t>& canvas) {
    return std::array{pixelOf(canvas, 3, 0, 0), pixelOf(canvas, 3, 1, 0), pixelOf(canvas, 3, 2, 0)};
  };
  using Row = std::array<testing::Rgba, 3>;
  EXPECT_EQ(row(compositor.advance()), (Row{opaque(red), opaque(red), seeThrough}));
  EXPECT_EQ(row(compositor.advance()), (Row{opaque(red), opaque(green), seeThrough}));
  EXPECT_EQ(row(compositor.advance()), (Row{opaque(red), opaque(red), opaque(blue)})) << "green undone";
  EXPECT_EQ(row(compositor.advance()), (Row{opaque(red), opaque(red), seeThrough})) << "blue cleared";
  EXPECT_EQ(compositor.shownFrame(), 3u);
  EXPECT_EQ(row(compositor.advance()), (Row{opaque(red), opaque(red), seeThrough})) << "starts over";
  EXPECT_EQ(compositor.shownFrame(), 0u);
}

TEST(FrameCompositor, FramesThatDoNotFitTheScreenAreLeftOut) {
  DecodedPicture picture;
  picture.width = 2;
  picture.height = 2;
  PictureFrame frame;
  frame.left = 1;
  frame.width = 2;  // reaches past the right edge
  frame.height = 1;
  frame.rgba.assign(8, 255);
  picture.frames.push_back(frame);
  FrameCompositor compositor(picture);
  const auto& canvas = compositor.advance();
  EXPECT_EQ(canvas, std::vector<std::uint8_t>(16, 0));
  EXPECT_TRUE(FrameCompositor(DecodedPicture{}).advance().empty());
}

}  // namespace
}  // namespace zeb
