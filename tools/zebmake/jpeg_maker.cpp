// The JPEG maker: libjpeg's compressor writing to memory.
#include "tools/zebmake/jpeg_maker.h"

// clang-format off
#include <cstdio>
#include <jpeglib.h>
// clang-format on

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace zeb::zebmake {
namespace {

int componentsOf(JpegColours colours) {
  switch (colours) {
    case JpegColours::grey: return 1;
    case JpegColours::cmyk: return 4;
    case JpegColours::rgb: break;
  }
  return 3;
}

std::vector<std::uint8_t> gradient(const JpegPicture& source, int components) {
  std::vector<std::uint8_t> samples;
  for (int y = 0; y < source.height; ++y)
    for (int x = 0; x < source.width; ++x)
      for (int c = 0; c < components; ++c)
        samples.push_back(static_cast<std::uint8_t>(c == 0   ? 255 * x / std::max(1, source.width - 1)
                                                    : c == 1 ? 255 * y / std::max(1, source.height - 1)
                                                             : 128));
  return samples;
}

// One scan for the DC coefficients of all components, then one for each AC coefficient of
// each component: far more scans than any encoder writes, all of them valid.
std::vector<jpeg_scan_info> scanPerBand(int components) {
  std::vector<jpeg_scan_info> scans;
  jpeg_scan_info dc{};
  dc.comps_in_scan = components;
  for (int c = 0; c < components; ++c) dc.component_index[c] = c;
  scans.push_back(dc);
  for (int c = 0; c < components; ++c)
    for (int band = 1; band < DCTSIZE2; ++band) {
      jpeg_scan_info ac{};
      ac.comps_in_scan = 1;
      ac.component_index[0] = c;
      ac.Ss = band;
      ac.Se = band;
      scans.push_back(ac);
    }
  return scans;
}

// The maker only ever compresses its own well-formed input; a libjpeg error is a bug here.
[[noreturn]] void failLoudly(j_common_ptr common) {
  (*common->err->output_message)(common);
  std::abort();
}

}  // namespace

std::vector<std::uint8_t> makeJpeg(const JpegPicture& source) {
  const int components = componentsOf(source.colours);
  const std::vector<std::uint8_t> samples = source.samples.empty() ? gradient(source, components) : source.samples;
  if (samples.size() != static_cast<std::size_t>(source.width) * source.height * components)
    throw std::invalid_argument("makeJpeg: sample count does not match the size");

  jpeg_compress_struct compressor{};
  jpeg_error_mgr errors{};
  compressor.err = jpeg_std_error(&errors);
  errors.error_exit = failLoudly;
  jpeg_create_compress(&compressor);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&compressor, &buffer, &size);
  compressor.image_width = static_cast<JDIMENSION>(source.width);
  compressor.image_height = static_cast<JDIMENSION>(source.height);
  compressor.input_components = components;
  compressor.in_color_space = source.colours == JpegColours::grey   ? JCS_GRAYSCALE
                              : source.colours == JpegColours::cmyk ? JCS_CMYK
                                                                    : JCS_RGB;
  jpeg_set_defaults(&compressor);
  jpeg_set_quality(&compressor, source.quality, TRUE);
  std::vector<jpeg_scan_info> scans;
  if (source.scans == JpegScans::progressive) jpeg_simple_progression(&compressor);
  if (source.scans == JpegScans::oneScanPerBand) {
    scans = scanPerBand(components);
    compressor.scan_info = scans.data();
    compressor.num_scans = static_cast<int>(scans.size());
  }
  jpeg_start_compress(&compressor, TRUE);
  const std::size_t rowBytes = static_cast<std::size_t>(source.width) * components;
  while (compressor.next_scanline < compressor.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(samples.data() + compressor.next_scanline * rowBytes);
    jpeg_write_scanlines(&compressor, &row, 1);
  }
  jpeg_finish_compress(&compressor);
  jpeg_destroy_compress(&compressor);
  std::vector<std::uint8_t> bytes(buffer, buffer + size);
  std::free(buffer);
  return bytes;
}

}  // namespace zeb::zebmake
