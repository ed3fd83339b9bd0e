// Files that harnesses write their input to: a folder of the harness process in the
// system's temporary folder, removed when the process ends normally.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace zeb::fuzzing {

class ScratchFolder {
 public:
  explicit ScratchFolder(std::string_view harness)
      : path_(std::filesystem::temp_directory_path() /
              ("fuzz-" + std::string(harness) + "-" + std::to_string(getpid()))) {
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

  // Writes the bytes to a file of that name in the folder and returns its path.
  std::filesystem::path write(std::string_view name, const std::uint8_t* data, std::size_t size) const {
    const std::filesystem::path file = path_ / name;
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return file;
  }

  // Whether the path, once "." and ".." are resolved, lies inside the folder.
  bool holds(const std::filesystem::path& path) const {
    const std::filesystem::path normal = path.lexically_normal();
    auto inside = normal.begin();
    for (auto part = path_.begin(); part != path_.end(); ++part, ++inside)
      if (inside == normal.end() || *inside != *part) return false;
    return true;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace zeb::fuzzing
