// The GIF maker: giflib's record-by-record writing calls into a growing buffer.
#include "tools/zebmake/gif_maker.h"

#include <gif_lib.h>

#include <array>
#include <memory>
#include <stdexcept>

namespace zeb::zebmake {
namespace {

int appendToBuffer(GifFileType* gif, const GifByteType* bytes, int count) {
  auto& out = *static_cast<std::vector<std::uint8_t>*>(gif->UserData);
  out.insert(out.end(), bytes, bytes + count);
  return count;
}

struct ColourMapDeleter {
  void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};
using ColourMap = std::unique_ptr<ColorMapObject, ColourMapDeleter>;

ColourMap makeColourMap(const std::vector<std::uint32_t>& colours) {
  if (colours.empty()) return nullptr;
  int size = 2;
  while (size < static_cast<int>(colours.size())) size *= 2;
  std::vector<GifColorType> entries(static_cast<std::size_t>(size), GifColorType{0, 0, 0});
  for (std::size_t i = 0; i < colours.size(); ++i)
    entries[i] = {static_cast<GifByteType>(colours[i] >> 16), static_cast<GifByteType>(colours[i] >> 8),
                  static_cast<GifByteType>(colours[i])};
  return ColourMap(GifMakeMapObject(size, entries.data()));
}

void check(int result, const char* what) {
  if (result == GIF_ERROR) throw std::runtime_error(std::string("makeGif: ") + what);
}

void putFrame(GifFileType* gif, const GifFrame& frame) {
  if (frame.delayCentiseconds != 0 || frame.disposal != 0 || frame.transparentIndex >= 0) {
    GraphicsControlBlock control{frame.disposal, false, frame.delayCentiseconds, frame.transparentIndex};
    std::array<GifByteType, 4> block{};
    EGifGCBToExtension(&control, block.data());
    check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, block.data()), "control block");
  }
  const ColourMap colours = makeColourMap(frame.colours);
  if (!colours && gif->Image.ColorMap != nullptr) {
    // giflib forgets the previous frame's local colours without freeing them.
    GifFreeMapObject(gif->Image.ColorMap);
    gif->Image.ColorMap = nullptr;
  }
  check(EGifPutImageDesc(gif, frame.left, frame.top, frame.width, frame.height, frame.interlaced, colours.get()),
        "image descriptor");
  std::vector<GifPixelType> row(static_cast<std::size_t>(frame.width));
  const auto putRow = [&](int y) {
    for (int x = 0; x < frame.width; ++x) {
      const std::size_t at = static_cast<std::size_t>(y) * frame.width + x;
      row[static_cast<std::size_t>(x)] = at < frame.indexes.size() ? frame.indexes[at] : 0;
    }
    check(EGifPutLine(gif, row.data(), frame.width), "pixels");
  };
  if (frame.interlaced) {
    constexpr std::array<int, 4> firstRow{0, 4, 2, 1}, step{8, 8, 4, 2};
    for (std::size_t pass = 0; pass < 4; ++pass)
      for (int y = firstRow[pass]; y < frame.height; y += step[pass]) putRow(y);
  } else {
    for (int y = 0; y < frame.height; ++y) putRow(y);
  }
}

}  // namespace

std::vector<std::uint8_t> makeGif(const GifPicture& source) {
  std::vector<std::uint8_t> out;
  int error = 0;
  GifFileType* gif = EGifOpen(&out, appendToBuffer, &error);
  if (gif == nullptr) throw std::runtime_error("makeGif: cannot start");
  const auto closer = [](GifFileType* file) {
    int ignored = 0;
    EGifCloseFile(file, &ignored);
  };
  std::unique_ptr<GifFileType, decltype(closer)> owner(gif, closer);
  EGifSetGifVersion(gif, true);
  const ColourMap colours = makeColourMap(source.colours);
  check(EGifPutScreenDesc(gif, source.width, source.height, 8, 0, colours.get()), "screen");
  if (source.loopCount) {
    const std::array<GifByteType, 3> loop{1, static_cast<GifByteType>(*source.loopCount & 0xFF),
                                          static_cast<GifByteType>(*source.loopCount >> 8)};
    check(EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE), "loop block");
    check(EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0"), "loop block");
    check(EGifPutExtensionBlock(gif, 3, loop.data()), "loop block");
    check(EGifPutExtensionTrailer(gif), "loop block");
  }
  for (const GifFrame& frame : source.frames) putFrame(gif, frame);
  owner.reset();  // writes the trailer
  return out;
}

GifPicture solidGif(int width, int height, std::uint32_t colour) {
  GifPicture source;
  source.width = width;
  source.height = height;
  source.colours = {colour};
  GifFrame frame;
  frame.width = width;
  frame.height = height;
  frame.indexes.assign(static_cast<std::size_t>(width) * height, 0);
  source.frames.push_back(frame);
  return source;
}

}  // namespace zeb::zebmake
