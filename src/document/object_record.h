// The 668-byte record of a book object, with little-endian field access at fixed offsets.
#pragma once

#include <array>
#include <cassert>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "document/object_kinds.h"

namespace zeb {

class ObjectRecord {
 public:
  ObjectRecord() { bytes_.fill(0xFF); }

  // Offsets are the program's own constants; a field that would leave the record reads
  // as zero and is not written, which keeps a wrong constant from touching other memory.
  std::uint8_t u8(int offset) const { return fits(offset, 1) ? bytes_[index(offset)] : 0; }
  std::int16_t i16(int offset) const { return static_cast<std::int16_t>(load(offset, 2)); }
  std::int32_t i32(int offset) const { return static_cast<std::int32_t>(load(offset, 4)); }
  std::uint32_t u32(int offset) const { return load(offset, 4); }

  void setU8(int offset, std::uint8_t value) {
    if (fits(offset, 1)) bytes_[index(offset)] = value;
  }
  void setI16(int offset, std::int16_t value) { store(offset, 2, static_cast<std::uint16_t>(value)); }
  void setI32(int offset, std::int32_t value) { store(offset, 4, static_cast<std::uint32_t>(value)); }
  void setU32(int offset, std::uint32_t value) { store(offset, 4, value); }

  // A short string: a length byte, then the characters. A stored length above the
  // field's maximum is read as the maximum.
  std::string shortString(int offset, int maxLength) const;
  // Cuts the text to the maximum, writes it and zeroes the rest of the field.
  void setShortString(int offset, int maxLength, std::string_view text);

  void fill(std::uint8_t value) { bytes_.fill(value); }
  void fillRange(int offset, int count, std::uint8_t value);
  std::span<std::uint8_t, recordSize> bytes() { return bytes_; }
  std::span<const std::uint8_t, recordSize> bytes() const { return bytes_; }

  bool operator==(const ObjectRecord&) const = default;

 private:
  static constexpr bool fits(int offset, int width) { return offset >= 0 && offset + width <= recordSize; }
  static constexpr std::size_t index(int offset) { return static_cast<std::size_t>(offset); }
  std::uint32_t load(int offset, int width) const {
    assert(fits(offset, width));
    if (!fits(offset, width)) return 0;
    std::uint32_t value = 0;
    for (int i = 0; i < width; ++i) value |= std::uint32_t(bytes_[index(offset + i)]) << (8 * i);
    return value;
  }
  void store(int offset, int width, std::uint32_t value) {
    assert(fits(offset, width));
    if (!fits(offset, width)) return;
    for (int i = 0; i < width; ++i) bytes_[index(offset + i)] = static_cast<std::uint8_t>(value >> (8 * i));
  }

  std::array<std::uint8_t, recordSize> bytes_;
};

}  // namespace zeb
