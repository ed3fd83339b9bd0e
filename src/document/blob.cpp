// Blob storage and reading.
#include "document/blob.h"

#include <algorithm>

#include "document/book_file.h"

namespace zeb {

Blob Blob::inMemory(std::span<const std::uint8_t> bytes) {
  Blob blob;
  if (bytes.empty()) return blob;
  blob.data_ = std::make_unique_for_overwrite<std::uint8_t[]>(bytes.size());
  std::copy(bytes.begin(), bytes.end(), blob.data_.get());
  blob.size_ = static_cast<std::uint32_t>(bytes.size());
  blob.source_ = Source::memory;
  return blob;
}

Blob Blob::pendingRead(std::int64_t position, std::uint32_t size) {
  Blob blob;
  blob.position_ = position;
  blob.size_ = size;
  blob.source_ = size > 0 ? Source::pending : Source::none;
  return blob;
}

Blob Blob::inBookFile(std::int64_t position, std::uint32_t size) {
  Blob blob = pendingRead(position, size);
  if (size > 0) blob.source_ = Source::bookFile;
  return blob;
}

Blob Blob::copy() const {
  if (source_ == Source::memory) return inMemory(bytes());
  Blob blob;
  blob.position_ = position_;
  blob.size_ = size_;
  blob.source_ = source_;
  return blob;
}

void Blob::materialise(const BookFile* file) {
  if (source_ != Source::pending) return;
  Blob loaded;
  // The size is checked against the file before anything is allocated for it.
  if (file != nullptr && file->contains(position_, size_)) {
    auto data = std::make_unique_for_overwrite<std::uint8_t[]>(size_);
    if (file->readAt(position_, std::span<std::uint8_t>(data.get(), size_))) {
      loaded.data_ = std::move(data);
      loaded.size_ = size_;
      loaded.source_ = Source::memory;
    }
  }
  *this = std::move(loaded);
}

bool Blob::readInto(const BookFile* file, std::vector<std::uint8_t>& out) const {
  switch (source_) {
    case Source::none:
      return false;
    case Source::memory:
      out.assign(data_.get(), data_.get() + size_);
      return true;
    case Source::pending:
    case Source::bookFile:
      if (file == nullptr || !file->contains(position_, size_)) return false;
      out.resize(size_);
      if (file->readAt(position_, out)) return true;
      out.clear();
      return false;
  }
  return false;
}

}  // namespace zeb
