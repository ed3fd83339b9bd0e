// Fuzzes JPEG decoding: any bytes as a JPEG file, with libjpeg's errors caught.
#include <cstdint>
#include <span>

#include "document/jpeg_decoder.h"
#include "fuzz/picture_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zeb::fuzzing::checkPicture(zeb::decodeJpeg(std::span(data, size)));
  return 0;
}
