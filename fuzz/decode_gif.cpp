// Fuzzes GIF decoding: any bytes as a GIF file.
#include <cstdint>
#include <span>

#include "document/gif_decoder.h"
#include "fuzz/picture_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zeb::fuzzing::checkPicture(zeb::decodeGif(std::span(data, size)));
  return 0;
}
