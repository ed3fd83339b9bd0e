// The one-pass book writer and its sinks.
#include "tools/zebmake/book_stream.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>

#include "document/book_object.h"
#include "document/byte_reader.h"
#include "document/container.h"

namespace zeb::zebmake {

KindCounts slotCounts(const TZEBset& set) {
  KindCounts counts{};
  for (int k = 0; k < kindCount; ++k)
    counts[static_cast<std::size_t>(k)] = static_cast<std::int32_t>(set.slotCount(kindOf(k)));
  return counts;
}

bool MemorySink::writeAt(std::int64_t position, std::span<const std::uint8_t> bytes) {
  if (position < 0) return false;
  const auto end = static_cast<std::size_t>(position) + bytes.size();
  if (end > bytes_.size()) bytes_.resize(end);
  std::copy(bytes.begin(), bytes.end(), bytes_.begin() + position);
  return true;
}

FileSink::FileSink(const std::filesystem::path& path)
    : descriptor_(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644)) {}

FileSink::~FileSink() { close(); }

bool FileSink::writeAt(std::int64_t position, std::span<const std::uint8_t> bytes) {
  if (descriptor_ < 0 || position < 0) return false;
  while (!bytes.empty()) {
    const ssize_t written = ::pwrite(descriptor_, bytes.data(), bytes.size(), static_cast<off_t>(position));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes = bytes.subspan(static_cast<std::size_t>(written));
    position += written;
  }
  return true;
}

bool FileSink::close() {
  if (descriptor_ < 0) return false;
  const int descriptor = descriptor_;
  descriptor_ = -1;
  return ::close(descriptor) == 0;
}

// Bytes appended from a position on, delivered to the sink a buffer at a time.
class BookStreamWriter::Cursor {
 public:
  Cursor(ByteSink& sink, std::int64_t position) : sink_(sink), position_(position) { buffer_.reserve(bufferSize); }

  std::int64_t position() const { return position_ + static_cast<std::int64_t>(buffer_.size()); }

  bool append(std::span<const std::uint8_t> bytes) {
    if (buffer_.size() + bytes.size() > bufferSize && !flush()) return false;
    if (bytes.size() >= bufferSize) {
      if (!sink_.writeAt(position_, bytes)) return false;
      position_ += static_cast<std::int64_t>(bytes.size());
      return true;
    }
    buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
    return true;
  }

  bool flush() {
    if (buffer_.empty()) return true;
    const bool written = sink_.writeAt(position_, buffer_);
    position_ += static_cast<std::int64_t>(buffer_.size());
    buffer_.clear();
    return written;
  }

 private:
  static constexpr std::size_t bufferSize = 1 << 20;
  ByteSink& sink_;
  std::int64_t position_;
  std::vector<std::uint8_t> buffer_;
};

namespace {

constexpr std::int64_t maxBlobPosition = std::numeric_limits<std::int32_t>::max();

}  // namespace

BookStreamWriter::BookStreamWriter(ByteSink& sink, const BookHeader& header, const KindCounts& counts,
                                   const WriteOptions& options)
    : sink_(sink), options_(options), kinds_(std::clamp(options.kindsInTable, 1, kindCount)) {
  ByteWriter out;
  BookHeader written = header;
  written.setU8(header::highestKind, static_cast<std::uint8_t>(kinds_ - 1));
  out.writeBytes(written.bytes());
  std::int64_t recordsSize = 0;
  for (int k = 0; k < kinds_; ++k) {
    const std::int32_t size = options_.recordSizes[static_cast<std::size_t>(k)];
    counts_[static_cast<std::size_t>(k)] = std::max(counts[static_cast<std::size_t>(k)], 0);
    out.writeI32(static_cast<std::int32_t>(recordsSize));
    out.writeI32(size);
    out.writeI32(counts_[static_cast<std::size_t>(k)]);
    recordsSize += std::int64_t{size} * counts_[static_cast<std::size_t>(k)];
  }
  if (recordsSize > maxBlobPosition) failed_ = true;
  out.writeI32(static_cast<std::int32_t>(recordsSize));  // the blob area follows the records
  const auto recordAreaBase = static_cast<std::int64_t>(out.size());
  blobAreaBase_ = recordAreaBase + recordsSize;
  if (!sink_.writeAt(0, out.bytes())) failed_ = true;
  records_ = std::make_unique<Cursor>(sink_, recordAreaBase);
  blobs_ = std::make_unique<Cursor>(sink_, blobAreaBase_);
}

BookStreamWriter::~BookStreamWriter() = default;

void BookStreamWriter::write(TOggettiHel kind, TZEBoggetto* object) {
  const int k = kindNumber(kind);
  while (currentKind_ < k && written_ == counts_[static_cast<std::size_t>(currentKind_)]) {
    ++currentKind_;
    written_ = 0;
  }
  if (k != currentKind_ || written_ >= counts_[static_cast<std::size_t>(k)]) {
    failed_ = true;
    return;
  }
  ++written_;

  ObjectRecord record;
  if (object != nullptr) {
    record = object->record();
    // Appends a blob to the blob area; its position is relative to the area's start.
    auto append = [&](std::span<const std::uint8_t> bytes) {
      const std::int64_t position = blobs_->position() - blobAreaBase_;
      if (position + static_cast<std::int64_t>(bytes.size()) > maxBlobPosition || !blobs_->append(bytes))
        failed_ = true;
      return static_cast<std::int32_t>(position);
    };
    const KindLayout& layout = layoutOf(kind);
    if (layout.primaryPositionOffset >= 0) {
      std::vector<std::uint8_t> primary;
      const bool hasPrimary = !object->isReleased() && object->readPrimary(primary) && !primary.empty();
      const std::int32_t position = hasPrimary ? append(primary) : 0;
      const auto size = static_cast<std::int32_t>(primary.size());
      if (kind == TOggettiHel::tabellaHtml) {
        // A table's colour list is at most an int16 long.
        record.setI32(field::tableHasPrimary, hasPrimary ? 1 : 0);
        record.setI16(field::tablePrimarySize, static_cast<std::int16_t>(std::min<std::int32_t>(size, 0x7FFF)));
        record.setI32(layout.primaryPositionOffset, position);
      } else {
        record.setI32(layout.primaryPositionOffset, position);
        record.setI32(layout.primarySizeOffset, size);
      }
    }
    if (layout.secondaryPositionOffset >= 0) {
      const auto secondary = object->secondaryData();
      const bool hasSecondary = !object->isReleased() && !secondary.empty();
      record.setI32(layout.secondaryPositionOffset, hasSecondary ? append(secondary) : 0);
      record.setI32(layout.secondarySizeOffset, static_cast<std::int32_t>(secondary.size()));
    }
  }

  const std::int32_t size = options_.recordSizes[static_cast<std::size_t>(k)];
  const auto stored = static_cast<std::size_t>(std::clamp(size, 0, recordSize));
  if (!records_->append(record.bytes().first(stored))) failed_ = true;
  if (size > recordSize) {
    static const std::vector<std::uint8_t> padding(1 << 16, 0);
    for (std::int64_t left = size - recordSize; left > 0; left -= static_cast<std::int64_t>(padding.size())) {
      const auto count =
          static_cast<std::size_t>(std::min<std::int64_t>(left, static_cast<std::int64_t>(padding.size())));
      if (!records_->append(std::span(padding).first(count))) failed_ = true;
    }
  }
}

bool BookStreamWriter::finish() {
  while (currentKind_ < kinds_ && written_ == counts_[static_cast<std::size_t>(currentKind_)]) {
    ++currentKind_;
    written_ = 0;
  }
  const bool complete = currentKind_ == kinds_;
  const bool recordsFlushed = records_->flush();
  const bool blobsFlushed = blobs_->flush();
  return complete && recordsFlushed && blobsFlushed && !failed_;
}

}  // namespace zeb::zebmake
