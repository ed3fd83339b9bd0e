// Books described in JSON: the objects, their records and blobs, and deliberate damage.
#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace zeb::zebmake {

class DescriptionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The bytes of the book a JSON description asks for. Files named by the description are
// found relative to baseFolder. Throws DescriptionError for a description it cannot follow.
std::vector<std::uint8_t> buildBookFromJson(std::string_view json, const std::filesystem::path& baseFolder);

}  // namespace zeb::zebmake
