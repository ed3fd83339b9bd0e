// Fuzzes bitmap decoding: any bytes as a BMP file.
#include <cstdint>
#include <span>

#include "document/bmp_decoder.h"
#include "fuzz/picture_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zeb::fuzzing::checkPicture(zeb::decodeBmp(std::span(data, size)));
  return 0;
}
