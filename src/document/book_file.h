// A book file opened read-only, read at absolute positions with every read checked; and
// other files read whole the same way.
#pragma once

#include <cstdint>
#include <filesystem>
#include <limits>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace zeb {

class BookFile {
 public:
  // Opens a regular file for reading; nothing when it cannot be opened or is not a regular
  // file (a folder, a FIFO, a device).
  static std::unique_ptr<BookFile> open(const std::filesystem::path& path);
  ~BookFile();
  BookFile(const BookFile&) = delete;
  BookFile& operator=(const BookFile&) = delete;

  // The size when the file was opened.
  std::int64_t size() const { return size_; }
  // Whether the bytes from position to position + count all lie inside the file.
  bool contains(std::int64_t position, std::int64_t count) const {
    return position >= 0 && count >= 0 && position <= size_ && count <= size_ - position;
  }
  // Fills the whole buffer from the position; false when any byte lies outside the file
  // or the read fails.
  bool readAt(std::int64_t position, std::span<std::uint8_t> buffer) const;
  // The bytes from position to position + count, or nothing.
  std::optional<std::vector<std::uint8_t>> readVector(std::int64_t position, std::int64_t count) const;

 private:
  BookFile(int descriptor, std::int64_t size) : descriptor_(descriptor), size_(size) {}

  int descriptor_;
  std::int64_t size_;
};

// The whole of a regular file, or nothing when it cannot be read or holds more than
// maxBytes bytes.
std::optional<std::vector<std::uint8_t>> readWholeFile(
    const std::filesystem::path& path, std::int64_t maxBytes = std::numeric_limits<std::int64_t>::max());

}  // namespace zeb
