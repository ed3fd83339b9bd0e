// JPEG files made on the spot with libjpeg's compressor.
#pragma once

#include <cstdint>
#include <vector>

namespace zeb::zebmake {

enum class JpegColours { rgb, grey, cmyk };
enum class JpegScans {
  baseline,
  progressive,     // libjpeg's usual progressive script (ten scans for colour)
  oneScanPerBand,  // progressive, a scan for every coefficient of every component: 190 for colour
};

struct JpegPicture {
  int width = 8;
  int height = 8;
  JpegColours colours = JpegColours::rgb;
  JpegScans scans = JpegScans::baseline;
  int quality = 95;
  // Samples row by row from the top: 3 bytes a pixel (R, G, B), 1 for grey, 4 for CMYK as
  // Adobe writes it (inverted: 255 = no ink). Empty: a colour gradient.
  std::vector<std::uint8_t> samples;
};

std::vector<std::uint8_t> makeJpeg(const JpegPicture& source);

}  // namespace zeb::zebmake
