// The one bounds-checked little-endian reader through which every book byte is read.
#pragma once

#include <cstdint>
#include <cstring>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace zeb {

// Raised when a read would leave its buffer; loading turns it into the program's message.
class FormatError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::size_t position() const { return position_; }
  std::size_t size() const { return bytes_.size(); }
  std::size_t remaining() const { return bytes_.size() - position_; }
  bool atEnd() const { return position_ >= bytes_.size(); }

  void seek(std::size_t position) {
    if (position > bytes_.size()) throw FormatError("seek past the end of the data");
    position_ = position;
  }
  void skip(std::size_t count) { seek(checkedEnd(count)); }

  std::uint8_t readU8() { return take(1)[0]; }
  std::int16_t readI16() { return static_cast<std::int16_t>(readLittleEndian<std::uint16_t>()); }
  std::uint16_t readU16() { return readLittleEndian<std::uint16_t>(); }
  std::int32_t readI32() { return static_cast<std::int32_t>(readLittleEndian<std::uint32_t>()); }
  std::uint32_t readU32() { return readLittleEndian<std::uint32_t>(); }

  std::span<const std::uint8_t> readBytes(std::size_t count) { return take(count); }
  std::vector<std::uint8_t> readVector(std::size_t count) {
    const auto bytes = take(count);
    return {bytes.begin(), bytes.end()};
  }

 private:
  std::size_t checkedEnd(std::size_t count) const {
    if (count > remaining()) throw FormatError("read past the end of the data");
    return position_ + count;
  }
  std::span<const std::uint8_t> take(std::size_t count) {
    const std::size_t end = checkedEnd(count);
    auto bytes = bytes_.subspan(position_, count);
    position_ = end;
    return bytes;
  }
  template <typename T>
  T readLittleEndian() {
    const auto bytes = take(sizeof(T));
    T value = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) value |= static_cast<T>(T(bytes[i]) << (8 * i));
    return value;
  }

  std::span<const std::uint8_t> bytes_;
  std::size_t position_ = 0;
};

// Appends little-endian values to a growing buffer.
class ByteWriter {
 public:
  void writeU8(std::uint8_t value) { bytes_.push_back(value); }
  void writeI16(std::int16_t value) { writeLittleEndian(static_cast<std::uint16_t>(value)); }
  void writeI32(std::int32_t value) { writeLittleEndian(static_cast<std::uint32_t>(value)); }
  void writeU32(std::uint32_t value) { writeLittleEndian(value); }
  void writeBytes(std::span<const std::uint8_t> bytes) { bytes_.insert(bytes_.end(), bytes.begin(), bytes.end()); }
  void writeText(std::string_view text) {
    bytes_.insert(bytes_.end(), text.begin(), text.end());
  }

  std::vector<std::uint8_t>& bytes() { return bytes_; }
  std::vector<std::uint8_t> take() { return std::move(bytes_); }
  std::size_t size() const { return bytes_.size(); }

 private:
  template <typename T>
  void writeLittleEndian(T value) {
    for (std::size_t i = 0; i < sizeof(T); ++i) bytes_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  }

  std::vector<std::uint8_t> bytes_;
};

}  // namespace zeb
