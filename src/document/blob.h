// A data item of a book object: bytes in memory, bytes left in the book file, or nothing.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace zeb {

class BookFile;

// Memory blobs read from a book are "pending" until first used: their bytes are read from
// the open book file then, so that opening a large book reads only its records. Once read,
// a pending blob is an ordinary memory blob.
class Blob {
 public:
  enum class Source : std::uint8_t { none, memory, pending, bookFile };

  Blob() = default;
  Blob(Blob&&) noexcept = default;
  Blob& operator=(Blob&&) noexcept = default;

  static Blob inMemory(std::span<const std::uint8_t> bytes);
  static Blob pendingRead(std::int64_t position, std::uint32_t size);
  static Blob inBookFile(std::int64_t position, std::uint32_t size);
  // An independent copy: memory bytes are copied, a file-backed blob refers to the same
  // place, a pending blob stays pending.
  Blob copy() const;

  Source source() const { return source_; }
  bool empty() const { return source_ == Source::none; }
  // Memory and pending blobs belong to the object; a file-backed one to the book.
  bool isMemory() const { return source_ == Source::memory || source_ == Source::pending; }
  bool isFileBacked() const { return source_ == Source::bookFile; }
  std::uint32_t size() const { return size_; }
  std::int64_t position() const { return position_; }

  // Reads a pending blob from the file; a failed read leaves the blob empty.
  void materialise(const BookFile* file);
  // The bytes of a memory blob; empty for any other source. Pending blobs must be
  // materialised first.
  std::span<const std::uint8_t> bytes() const {
    return source_ == Source::memory ? std::span<const std::uint8_t>(data_.get(), size_)
                                     : std::span<const std::uint8_t>();
  }
  // The bytes wherever they are; nothing when they cannot be read.
  bool readInto(const BookFile* file, std::vector<std::uint8_t>& out) const;

 private:
  std::unique_ptr<std::uint8_t[]> data_;
  std::int64_t position_ = 0;
  std::uint32_t size_ = 0;
  Source source_ = Source::none;
};

}  // namespace zeb
