// Writing a book file in one pass, record by record, without holding its objects: the
// number of objects of every kind is known first, so every record and the blob area have
// their places from the start.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <vector>

#include "document/book_header.h"
#include "document/object_kinds.h"
#include "tools/zebmake/book_writer.h"

namespace zeb {
class TZEBoggetto;
}

namespace zeb::zebmake {

// Where the bytes of a book go, each written at its absolute position.
class ByteSink {
 public:
  virtual ~ByteSink() = default;
  // False when the bytes could not be written.
  virtual bool writeAt(std::int64_t position, std::span<const std::uint8_t> bytes) = 0;
};

class MemorySink final : public ByteSink {
 public:
  bool writeAt(std::int64_t position, std::span<const std::uint8_t> bytes) override;
  std::vector<std::uint8_t> take() { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
};

// A new file (an existing one is replaced).
class FileSink final : public ByteSink {
 public:
  explicit FileSink(const std::filesystem::path& path);
  ~FileSink() override;
  FileSink(const FileSink&) = delete;
  FileSink& operator=(const FileSink&) = delete;
  bool isOpen() const { return descriptor_ >= 0; }
  bool writeAt(std::int64_t position, std::span<const std::uint8_t> bytes) override;
  // Closes the file; false when it was never open or closing reports an error.
  bool close();

 private:
  int descriptor_;
};

using KindCounts = std::array<std::int32_t, kindCount>;
// The slots of each kind the container holds.
KindCounts slotCounts(const TZEBset& set);

// Writes the header and kind table at once, then takes the objects kind by kind, each
// kind's slots in index order; each record is written with its blobs appended to the blob
// area, whose positions and sizes it records. Only two write buffers are held.
class BookStreamWriter {
 public:
  // counts: the slots of each kind (kinds past options.kindsInTable are not written).
  BookStreamWriter(ByteSink& sink, const BookHeader& header, const KindCounts& counts,
                   const WriteOptions& options = {});
  ~BookStreamWriter();
  BookStreamWriter(const BookStreamWriter&) = delete;
  BookStreamWriter& operator=(const BookStreamWriter&) = delete;

  // The next slot of the kind; none writes an empty slot (a record of 0xFF bytes). Slots
  // of an earlier kind or beyond the kind's count are refused: finish then fails.
  void write(TOggettiHel kind, TZEBoggetto* object);
  // Delivers what is buffered; true when every slot was written, every blob position fits
  // the record's 32 bits and the sink took every byte.
  bool finish();

 private:
  class Cursor;

  ByteSink& sink_;
  WriteOptions options_;
  int kinds_;
  KindCounts counts_{};
  int currentKind_ = 0;
  std::int32_t written_ = 0;  // slots written of the current kind
  std::int64_t blobAreaBase_ = 0;
  std::unique_ptr<Cursor> records_;
  std::unique_ptr<Cursor> blobs_;
  bool failed_ = false;
};

}  // namespace zeb::zebmake
