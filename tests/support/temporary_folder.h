// A folder of its own for each test, removed with everything in it when the test ends.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

namespace zeb::testing {

class TemporaryFolder {
 public:
  TemporaryFolder();
  ~TemporaryFolder();
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Writes the bytes to a file of that name in the folder and returns its path.
  std::filesystem::path write(std::string_view name, const std::vector<std::uint8_t>& bytes) const;
  std::filesystem::path write(std::string_view name, std::string_view text) const;

 private:
  std::filesystem::path path_;
};

std::vector<std::uint8_t> readBytes(const std::filesystem::path& path);

}  // namespace zeb::testing
