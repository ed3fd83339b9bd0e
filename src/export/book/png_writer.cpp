// PNG files: the signature, IHDR, one IDAT with every row unfiltered, IEND.
#include "export/book/png_writer.h"

#include <zlib.h>

#include <array>
#include <string_view>

#include "platform/clipboard.h"

namespace zeb {
namespace {

void appendU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void appendChunk(std::vector<std::uint8_t>& out, std::string_view type, const std::vector<std::uint8_t>& data) {
  appendU32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = out.size();
  out.insert(out.end(), type.begin(), type.end());
  out.insert(out.end(), data.begin(), data.end());
  const auto crc = crc32(0L, out.data() + start, static_cast<uInt>(out.size() - start));
  appendU32(out, static_cast<std::uint32_t>(crc));
}

}  // namespace

std::vector<std::uint8_t> pngOf(const RgbaImage& image) {
  if (image.empty()) return {};
  const auto width = static_cast<std::size_t>(image.width);
  const auto height = static_cast<std::size_t>(image.height);
  if (image.pixels.size() < width * height * 4) return {};
  std::vector<std::uint8_t> rows;
  rows.reserve(height * (width * 4 + 1));
  for (std::size_t y = 0; y < height; ++y) {
    rows.push_back(0);
    const auto* row = image.pixels.data() + y * width * 4;
    rows.insert(rows.end(), row, row + width * 4);
  }
  uLongf packedSize = compressBound(static_cast<uLong>(rows.size()));
  std::vector<std::uint8_t> packed(packedSize);
  if (compress2(packed.data(), &packedSize, rows.data(), static_cast<uLong>(rows.size()), Z_BEST_COMPRESSION) != Z_OK)
    return {};
  packed.resize(packedSize);

  std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<std::uint8_t> header;
  appendU32(header, static_cast<std::uint32_t>(width));
  appendU32(header, static_cast<std::uint32_t>(height));
  header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, no filter choice, not interlaced
  appendChunk(out, "IHDR", header);
  appendChunk(out, "IDAT", packed);
  appendChunk(out, "IEND", {});
  return out;
}

}  // namespace zeb
