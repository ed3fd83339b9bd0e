// Reading and writing the 58-byte frame record.
#include "view/frame_record.h"

#include <algorithm>
#include <cstdio>

#include "document/byte_reader.h"

namespace zeb {
namespace {

constexpr int nameFieldWidth = maxFrameNameLength + 1;

}  // namespace

FrameRecord newFrameRecord(std::int32_t identity) {
  FrameRecord record;
  record.identity = identity;
  char name[16];
  std::snprintf(name, sizeof name, "Frame%06x", static_cast<unsigned>(identity) & 0xFFFFFFu);
  record.name = name;
  return record;
}

FrameRecordBytes frameRecordBytes(const FrameRecord& record) {
  ByteWriter out;
  out.writeI32(record.identity);
  out.writeI32(record.parentIdentity);
  const std::size_t nameLength = std::min<std::size_t>(record.name.size(), maxFrameNameLength);
  out.writeU8(static_cast<std::uint8_t>(nameLength));
  out.writeText(std::string_view(record.name).substr(0, nameLength));
  for (std::size_t i = nameLength; i < maxFrameNameLength; ++i) out.writeU8(0);
  out.writeU8(record.kind);
  out.writeU8(record.legacyFlagA);
  out.writeU8(record.legacyFlagB);
  out.writeU8(record.scrollBars);
  out.writeU8(record.hasChildren);
  out.writeU8(record.draggableWhenReadOnly);
  out.writeI32(record.page);
  out.writeI32(record.percentShare);
  out.writeU32(record.reserved42);
  out.writeU32(record.splitterColour);
  out.writeU8(record.reserved50);
  out.writeU8(record.pageBorder);
  out.writeI32(record.fixedSize);
  out.writeU8(record.splitterThickness);
  out.writeU8(record.sizeMode);
  FrameRecordBytes bytes{};
  static_assert(4 + 4 + nameFieldWidth + 6 + 4 + 4 + 4 + 4 + 1 + 1 + 4 + 1 + 1 == frameRecordSize);
  std::copy(out.bytes().begin(), out.bytes().end(), bytes.begin());
  return bytes;
}

FrameRecord frameRecordFrom(const FrameRecordBytes& bytes) {
  ByteReader in(bytes);
  FrameRecord record;
  record.identity = in.readI32();
  record.parentIdentity = in.readI32();
  const auto name = in.readBytes(nameFieldWidth);
  const std::size_t nameLength = std::min<std::size_t>(name[0], maxFrameNameLength);
  record.name.assign(name.begin() + 1, name.begin() + 1 + static_cast<std::ptrdiff_t>(nameLength));
  record.kind = in.readU8();
  record.legacyFlagA = in.readU8();
  record.legacyFlagB = in.readU8();
  record.scrollBars = in.readU8();
  record.hasChildren = in.readU8();
  record.draggableWhenReadOnly = in.readU8();
  record.page = in.readI32();
  record.percentShare = in.readI32();
  record.reserved42 = in.readU32();
  record.splitterColour = in.readU32();
  record.reserved50 = in.readU8();
  record.pageBorder = in.readU8();
  record.fixedSize = in.readI32();
  record.splitterThickness = in.readU8();
  record.sizeMode = in.readU8();
  return record;
}

void overlayFrameRecord(FrameRecord& record, std::span<const std::uint8_t> bytes) {
  FrameRecordBytes stored = frameRecordBytes(record);
  const std::size_t count = std::min<std::size_t>(bytes.size(), frameRecordSize);
  std::copy_n(bytes.begin(), count, stored.begin());
  record = frameRecordFrom(stored);
}

}  // namespace zeb
