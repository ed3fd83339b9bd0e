// The buffered file: the buffer holds the bytes of one stretch of the file, from `base`, not
// written yet. A write within or just after the stretch goes into it; a write anywhere else
// writes the stretch out first and starts a new one there.
#include "export/book/buffered_zip_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <vector>

namespace zeb {
namespace {

constexpr std::size_t flushSize = std::size_t{1} << 20;

struct BufferedFile {
  int descriptor = -1;
  std::vector<char> buffer;
  std::uint64_t base = 0;      // where the buffer's first byte goes in the file
  std::uint64_t position = 0;  // where the next write goes
  std::uint64_t end = 0;       // the file's length, written or not
  bool failed = false;

  bool flush() {
    std::size_t done = 0;
    while (!failed && done < buffer.size()) {
      const ssize_t wrote =
          ::pwrite(descriptor, buffer.data() + done, buffer.size() - done, static_cast<off_t>(base + done));
      if (wrote < 0 && errno == EINTR) continue;
      if (wrote <= 0) failed = true;
      else done += static_cast<std::size_t>(wrote);
    }
    base += buffer.size();
    buffer.clear();
    return !failed;
  }

  std::size_t write(const char* bytes, std::size_t count) {
    if (position < base || position > base + buffer.size()) {
      flush();
      base = position;
    }
    const auto offset = static_cast<std::size_t>(position - base);
    if (offset + count > buffer.size()) buffer.resize(offset + count);
    std::memcpy(buffer.data() + offset, bytes, count);
    position += count;
    end = std::max(end, position);
    if (buffer.size() >= flushSize) {
      flush();
      base = position;
    }
    return failed ? 0 : count;
  }
};

voidpf ZCALLBACK openFile(voidpf, const void* name, int mode) {
  if ((mode & ZLIB_FILEFUNC_MODE_WRITE) == 0 || name == nullptr) return nullptr;
  const int descriptor =
      ::open(static_cast<const char*>(name), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOCTTY, 0644);
  if (descriptor < 0) return nullptr;
  auto* file = new BufferedFile;
  file->descriptor = descriptor;
  file->buffer.reserve(flushSize);
  return file;
}

uLong ZCALLBACK readFile(voidpf, voidpf, void*, uLong) { return 0; }

uLong ZCALLBACK writeFile(voidpf, voidpf stream, const void* bytes, uLong count) {
  return static_cast<uLong>(static_cast<BufferedFile*>(stream)->write(static_cast<const char*>(bytes), count));
}

ZPOS64_T ZCALLBACK tellFile(voidpf, voidpf stream) { return static_cast<BufferedFile*>(stream)->position; }

long ZCALLBACK seekFile(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
  auto* file = static_cast<BufferedFile*>(stream);
  switch (origin) {
    case ZLIB_FILEFUNC_SEEK_SET: file->position = offset; return 0;
    case ZLIB_FILEFUNC_SEEK_CUR: file->position += offset; return 0;
    case ZLIB_FILEFUNC_SEEK_END: file->position = file->end + offset; return 0;
    default: return -1;
  }
}

int ZCALLBACK closeFile(voidpf, voidpf stream) {
  auto* file = static_cast<BufferedFile*>(stream);
  const bool flushed = file->flush();
  const bool closed = ::close(file->descriptor) == 0;
  delete file;
  return flushed && closed ? 0 : -1;
}

int ZCALLBACK fileError(voidpf, voidpf stream) { return static_cast<BufferedFile*>(stream)->failed ? 1 : 0; }

}  // namespace

zlib_filefunc64_def bufferedZipFileFunctions() {
  return {openFile, readFile, writeFile, tellFile, seekFile, closeFile, fileError, nullptr};
}

}  // namespace zeb
