// A set of small pictures in every form the decoders read, for fuzzing seeds and samples.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zeb::zebmake {

struct SamplePicture {
  std::string fileName;  // its extension names the format
  std::vector<std::uint8_t> bytes;
};

std::vector<SamplePicture> samplePictures();

}  // namespace zeb::zebmake
