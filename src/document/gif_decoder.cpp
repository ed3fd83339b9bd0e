// The GIF decoder over giflib's record-by-record reading calls.
#include "document/gif_decoder.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <memory>
#include <new>
#include <string_view>
#include <vector>

#include "document/byte_reader.h"

namespace zeb {
namespace {

// giflib pulls its input through this callback; a short count tells it the data ran out.
int readFromSpan(GifFileType* gif, GifByteType* buffer, int count) {
  auto& reader = *static_cast<ByteReader*>(gif->UserData);
  if (count <= 0) return 0;
  const auto bytes = reader.readBytes(std::min(static_cast<std::size_t>(count), reader.remaining()));
  std::copy(bytes.begin(), bytes.end(), buffer);
  return static_cast<int>(bytes.size());
}

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    DGifCloseFile(gif, &error);
  }
};
using GifHandle = std::unique_ptr<GifFileType, GifCloser>;

// An extension block as giflib hands it over: a length byte, then that many bytes.
std::span<const std::uint8_t> blockBytes(const GifByteType* block) {
  return block == nullptr ? std::span<const std::uint8_t>() : std::span<const std::uint8_t>(block + 1, block[0]);
}

// What a graphic control extension says about the next image.
struct FrameControl {
  int delayCentiseconds = 0;
  FrameDisposal disposal = FrameDisposal::none;
  int transparentIndex = -1;
};

FrameControl readFrameControl(std::span<const std::uint8_t> bytes) {
  FrameControl control;
  ByteReader in(bytes);
  const std::uint8_t packed = in.readU8();
  control.delayCentiseconds = in.readU16();
  const std::uint8_t transparentIndex = in.readU8();
  const int disposal = (packed >> 2) & 0x07;
  if (disposal <= 3) control.disposal = static_cast<FrameDisposal>(disposal);  // 4 to 7 mean nothing yet
  if (packed & 0x01) control.transparentIndex = transparentIndex;
  return control;
}

class GifReader {
 public:
  explicit GifReader(std::span<const std::uint8_t> bytes) : source_(bytes) {}

  DecodedPicture read() {
    int error = 0;
    GifHandle gif(DGifOpen(&source_, readFromSpan, &error));
    if (!gif) return {};
    picture_.width = gif->SWidth;
    picture_.height = gif->SHeight;
    bool reading = true;
    while (reading) {
      GifRecordType type = UNDEFINED_RECORD_TYPE;
      if (DGifGetRecordType(gif.get(), &type) == GIF_ERROR) break;
      switch (type) {
        case EXTENSION_RECORD_TYPE: reading = readExtension(gif.get()); break;
        case IMAGE_DESC_RECORD_TYPE:
          reading = picture_.frames.size() < static_cast<std::size_t>(maxPictureFrames) && readImage(gif.get());
          control_ = {};  // a control block governs only the image that follows it
          break;
        default: reading = false; break;
      }
    }
    if (picture_.frames.empty()) return {};
    return std::move(picture_);
  }

 private:
  bool readExtension(GifFileType* gif) {
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) return false;
    const auto first = blockBytes(block);
    if (code == GRAPHICS_EXT_FUNC_CODE && first.size() >= 4) control_ = readFrameControl(first);
    const std::string_view name(reinterpret_cast<const char*>(first.data()), first.size());
    bool loopBlockNext = code == APPLICATION_EXT_FUNC_CODE && (name == "NETSCAPE2.0" || name == "ANIMEXTS1.0");
    while (block != nullptr) {
      if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) return false;
      const auto next = blockBytes(block);
      if (loopBlockNext && next.size() >= 3 && next[0] == 1) picture_.loopCount = next[1] | (next[2] << 8);
      loopBlockNext = false;
    }
    return true;
  }

  // A screen of size zero takes the size of the first image, as viewers commonly do.
  bool settleScreen(const GifImageDesc& image) {
    if (picture_.frames.empty() && (picture_.width == 0 || picture_.height == 0)) {
      picture_.width = std::min(image.Left + image.Width, maxPictureSide + 1);
      picture_.height = std::min(image.Top + image.Height, maxPictureSide + 1);
    }
    return pictureSizeAllowed(picture_.width, picture_.height);
  }

  bool readImage(GifFileType* gif) {
    if (DGifGetImageDesc(gif) == GIF_ERROR) return false;
    const GifImageDesc image = gif->Image;
    if (!settleScreen(image)) return false;
    PictureFrame frame;
    frame.left = std::min(image.Left, picture_.width);
    frame.top = std::min(image.Top, picture_.height);
    frame.width = std::min(image.Left + image.Width, picture_.width) - frame.left;
    frame.height = std::min(image.Top + image.Height, picture_.height) - frame.top;
    frame.delayCentiseconds = control_.delayCentiseconds;
    frame.disposal = control_.disposal;
    frame.transparent = control_.transparentIndex >= 0;
    decodedBytes_ += rgbaBytes(frame.width, frame.height);
    if (decodedBytes_ > maxDecodedBytes) return false;

    const ColorMapObject* colours = image.ColorMap != nullptr ? image.ColorMap : gif->SColorMap;
    buildPalette(colours);
    if (image.Width == 0 || image.Height == 0) {
      if (!skipImageData(gif)) return false;
    } else if (!readPixels(gif, image, frame)) {
      return false;
    }
    picture_.frames.push_back(std::move(frame));
    return true;
  }

  // Every index gets a colour: those beyond the colour map, and the see-through one, get
  // alpha 0, so that the pixel loop needs no range check.
  void buildPalette(const ColorMapObject* colours) {
    palette_.fill({0, 0, 0, 0});
    const int count = colours == nullptr ? 0 : std::clamp(colours->ColorCount, 0, 256);
    for (int i = 0; i < count; ++i) {
      const GifColorType colour = colours->Colors[i];
      palette_[static_cast<std::size_t>(i)] = {colour.Red, colour.Green, colour.Blue, 255};
    }
    usedOutsideMap_ = false;
    mapSize_ = count;
    if (control_.transparentIndex >= 0) palette_[static_cast<std::size_t>(control_.transparentIndex)] = {0, 0, 0, 0};
  }

  bool skipImageData(GifFileType* gif) {
    int codeSize = 0;
    GifByteType* block = nullptr;
    if (DGifGetCode(gif, &codeSize, &block) == GIF_ERROR) return false;
    while (block != nullptr)
      if (DGifGetCodeNext(gif, &block) == GIF_ERROR) return false;
    return true;
  }

  bool readPixels(GifFileType* gif, const GifImageDesc& image, PictureFrame& frame) {
    line_.resize(static_cast<std::size_t>(image.Width));
    const auto readRow = [&](int y) {
      if (DGifGetLine(gif, line_.data(), image.Width) == GIF_ERROR) return false;
      if (y < frame.height) storeRow(frame, y);
      return true;
    };
    if (image.Interlace) {
      // Rows come in four passes: every 8th from 0, every 8th from 4, every 4th from 2, every 2nd from 1.
      constexpr std::array<int, 4> firstRow{0, 4, 2, 1}, step{8, 8, 4, 2};
      for (std::size_t pass = 0; pass < 4; ++pass)
        for (int y = firstRow[pass]; y < image.Height; y += step[pass])
          if (!readRow(y)) return false;
    } else {
      for (int y = 0; y < image.Height; ++y)
        if (!readRow(y)) return false;
    }
    growFrameRows(frame, frame.height);
    if (usedOutsideMap_) frame.transparent = true;
    return true;
  }

  void storeRow(PictureFrame& frame, int y) {
    growFrameRows(frame, y + 1);
    std::uint8_t* out = frame.rgba.data() + rgbaBytes(frame.width, y);
    for (int x = 0; x < frame.width; ++x, out += bytesPerPixel) {
      const GifPixelType index = line_[static_cast<std::size_t>(x)];
      if (index >= mapSize_) usedOutsideMap_ = true;
      std::copy_n(palette_[index].begin(), bytesPerPixel, out);
    }
  }

  ByteReader source_;
  DecodedPicture picture_;
  FrameControl control_;
  std::int64_t decodedBytes_ = 0;
  std::array<std::array<std::uint8_t, bytesPerPixel>, 256> palette_{};
  int mapSize_ = 0;
  bool usedOutsideMap_ = false;
  std::vector<GifPixelType> line_;
};

}  // namespace

DecodedPicture decodeGif(std::span<const std::uint8_t> bytes) {
  try {
    return GifReader(bytes).read();
  } catch (const std::bad_alloc&) {
    return {};
  } catch (const FormatError&) {
    return {};
  }
}

}  // namespace zeb
