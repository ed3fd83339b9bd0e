// Writes a container's header and objects as a book file, for tests, samples and benchmarks.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "document/object_kinds.h"

namespace zeb {
class TZEBset;
}

namespace zeb::zebmake {

struct WriteOptions {
  WriteOptions() { recordSizes.fill(currentRecordSize); }
  // The record size written for each kind; below the current size a record is cut short
  // the way older versions wrote it.
  std::array<std::int32_t, kindCount> recordSizes;
  // How many kinds the kind table lists (the header byte at 1620 is this minus one).
  int kindsInTable = kindCount;
};

// The bytes of a book file: header, kind table, blob-area offset, records and blobs.
// Blob positions and sizes in the records are set to where the blobs are written.
std::vector<std::uint8_t> writeBook(TZEBset& set, const WriteOptions& options = {});

}  // namespace zeb::zebmake
