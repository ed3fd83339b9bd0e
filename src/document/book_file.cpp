// Book file access through pread, so that reads never move a shared position.
#include "document/book_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace zeb {

std::unique_ptr<BookFile> BookFile::open(const std::filesystem::path& path) {
  // Only regular files are opened: a path that a book names may lead to a FIFO or a device,
  // whose opening can wait for ever or act on the device. The type is checked before
  // opening, and again on what was opened.
  struct stat named {};
  if (::stat(path.c_str(), &named) != 0 || !S_ISREG(named.st_mode)) return nullptr;
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (descriptor < 0) return nullptr;
  struct stat status {};
  if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(descriptor);
    return nullptr;
  }
  return std::unique_ptr<BookFile>(new BookFile(descriptor, status.st_size));
}

BookFile::~BookFile() { ::close(descriptor_); }

bool BookFile::readAt(std::int64_t position, std::span<std::uint8_t> buffer) const {
  if (!contains(position, static_cast<std::int64_t>(buffer.size()))) return false;
  std::size_t done = 0;
  while (done < buffer.size()) {
    const ssize_t got = ::pread(descriptor_, buffer.data() + done, buffer.size() - done,
                                static_cast<off_t>(position + static_cast<std::int64_t>(done)));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;  // the file shrank or the disk failed
    done += static_cast<std::size_t>(got);
  }
  return true;
}

std::optional<std::vector<std::uint8_t>> BookFile::readVector(std::int64_t position,
                                                              std::int64_t count) const {
  if (!contains(position, count)) return std::nullopt;
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(count));
  if (!readAt(position, bytes)) return std::nullopt;
  return bytes;
}

std::optional<std::vector<std::uint8_t>> readWholeFile(const std::filesystem::path& path, std::int64_t maxBytes) {
  const auto file = BookFile::open(path);
  if (!file || file->size() > maxBytes) return std::nullopt;
  return file->readVector(0, file->size());
}

}  // namespace zeb
