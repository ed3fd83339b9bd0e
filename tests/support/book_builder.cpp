// Books for tests.
#include "tests/support/book_builder.h"

namespace zeb::testing {

std::vector<std::uint8_t> bookBytes(const BookFiller& fill, const zebmake::WriteOptions& options) {
  zebmake::BookModel model;
  if (fill) fill(model.set());
  return zebmake::writeBook(model.set(), options);
}

void patchI32(std::vector<std::uint8_t>& bytes, std::size_t offset, std::int32_t value) {
  for (std::size_t i = 0; i < 4; ++i) bytes.at(offset + i) = static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * i));
}

void patchI16(std::vector<std::uint8_t>& bytes, std::size_t offset, std::int16_t value) {
  for (std::size_t i = 0; i < 2; ++i) bytes.at(offset + i) = static_cast<std::uint8_t>(static_cast<std::uint16_t>(value) >> (8 * i));
}

std::int32_t readI32(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value |= std::uint32_t(bytes.at(offset + i)) << (8 * i);
  return static_cast<std::int32_t>(value);
}

}  // namespace zeb::testing
