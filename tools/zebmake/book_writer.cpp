// The book file writer.
#include "tools/zebmake/book_writer.h"

#include <algorithm>
#include <limits>

#include "document/book_object.h"
#include "document/byte_reader.h"
#include "document/container.h"

namespace zeb::zebmake {
namespace {

// Appends a blob to the blob area and stores its position and size in the record.
void placeBlobs(TZEBoggetto& object, ObjectRecord& record, std::vector<std::uint8_t>& blobArea) {
  const KindLayout& layout = layoutOf(object.Kind());
  auto append = [&](const std::vector<std::uint8_t>& bytes) {
    const auto position = static_cast<std::int32_t>(blobArea.size());
    blobArea.insert(blobArea.end(), bytes.begin(), bytes.end());
    return position;
  };

  if (layout.primaryPositionOffset >= 0) {
    std::vector<std::uint8_t> primary;
    const bool hasPrimary = !object.isReleased() && object.readPrimary(primary) && !primary.empty();
    const std::int32_t position = hasPrimary ? append(primary) : 0;
    const auto size = static_cast<std::int32_t>(primary.size());
    if (object.Kind() == TOggettiHel::tabellaHtml) {
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
    std::vector<std::uint8_t> secondary;
    const auto bytes = object.secondaryData();
    secondary.assign(bytes.begin(), bytes.end());
    const bool hasSecondary = !object.isReleased() && !secondary.empty();
    record.setI32(layout.secondaryPositionOffset, hasSecondary ? append(secondary) : 0);
    record.setI32(layout.secondarySizeOffset, static_cast<std::int32_t>(secondary.size()));
  }
}

}  // namespace

std::vector<std::uint8_t> writeBook(TZEBset& set, const WriteOptions& options) {
  const int kinds = std::clamp(options.kindsInTable, 1, kindCount);

  std::vector<std::uint8_t> records;
  std::vector<std::uint8_t> blobArea;
  struct Entry {
    std::int32_t offset, size, count;
  };
  std::vector<Entry> entries;

  for (int k = 0; k < kinds; ++k) {
    const auto kind = kindOf(k);
    const std::int32_t size = options.recordSizes[static_cast<std::size_t>(k)];
    const auto count = static_cast<std::int32_t>(set.slotCount(kind));
    entries.push_back({static_cast<std::int32_t>(records.size()), size, count});
    for (std::int32_t i = 0; i < count; ++i) {
      ObjectRecord record;
      if (TZEBoggetto* object = set.slot(kind, i); object != nullptr) {
        record = object->record();
        placeBlobs(*object, record, blobArea);
      }
      const auto stored = static_cast<std::size_t>(std::min(size, recordSize));
      records.insert(records.end(), record.bytes().begin(), record.bytes().begin() + static_cast<std::ptrdiff_t>(stored));
      if (size > recordSize) records.insert(records.end(), static_cast<std::size_t>(size - recordSize), 0);
    }
  }

  ByteWriter out;
  BookHeader header = set.header();
  header.setU8(header::highestKind, static_cast<std::uint8_t>(kinds - 1));
  out.writeBytes(header.bytes());
  for (const Entry& entry : entries) {
    out.writeI32(entry.offset);
    out.writeI32(entry.size);
    out.writeI32(entry.count);
  }
  out.writeI32(static_cast<std::int32_t>(records.size()));  // the blob area follows the records
  out.writeBytes(records);
  out.writeBytes(blobArea);
  return out.take();
}

}  // namespace zeb::zebmake
