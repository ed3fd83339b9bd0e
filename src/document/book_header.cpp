// Book header fields and the defaults of a new book.
#include "document/book_header.h"

#include <algorithm>
#include <stdexcept>

namespace zeb {

std::size_t BookHeader::at(int offset, int width) {
  if (offset < 0 || offset + width > headerSize) throw std::out_of_range("header field outside the header");
  return static_cast<std::size_t>(offset);
}

std::int16_t BookHeader::i16(int offset) const {
  const std::size_t i = at(offset, 2);
  return static_cast<std::int16_t>(bytes_[i] | (bytes_[i + 1] << 8));
}

std::int32_t BookHeader::i32(int offset) const {
  const std::size_t i = at(offset, 4);
  return static_cast<std::int32_t>(std::uint32_t(bytes_[i]) | (std::uint32_t(bytes_[i + 1]) << 8) |
                                   (std::uint32_t(bytes_[i + 2]) << 16) | (std::uint32_t(bytes_[i + 3]) << 24));
}

void BookHeader::setI16(int offset, std::int16_t value) {
  const std::size_t i = at(offset, 2);
  const auto bits = static_cast<std::uint16_t>(value);
  bytes_[i] = static_cast<std::uint8_t>(bits);
  bytes_[i + 1] = static_cast<std::uint8_t>(bits >> 8);
}

void BookHeader::setI32(int offset, std::int32_t value) {
  const std::size_t i = at(offset, 4);
  const auto bits = static_cast<std::uint32_t>(value);
  for (std::size_t k = 0; k < 4; ++k) bytes_[i + k] = static_cast<std::uint8_t>(bits >> (8 * k));
}

std::string BookHeader::shortString(int offset, int maxLength) const {
  const std::size_t i = at(offset, maxLength + 1);
  const std::size_t length = std::min<std::size_t>(bytes_[i], static_cast<std::size_t>(maxLength));
  return std::string(bytes_.begin() + static_cast<std::ptrdiff_t>(i + 1),
                     bytes_.begin() + static_cast<std::ptrdiff_t>(i + 1 + length));
}

void BookHeader::setShortString(int offset, int maxLength, std::string_view text) {
  const std::size_t i = at(offset, maxLength + 1);
  const std::size_t length = std::min(text.size(), static_cast<std::size_t>(maxLength));
  bytes_[i] = static_cast<std::uint8_t>(length);
  std::copy_n(text.begin(), length, bytes_.begin() + static_cast<std::ptrdiff_t>(i + 1));
  std::fill(bytes_.begin() + static_cast<std::ptrdiff_t>(i + 1 + length),
            bytes_.begin() + static_cast<std::ptrdiff_t>(i + 1 + static_cast<std::size_t>(maxLength)), 0);
}

void BookHeader::setNewPageDefaults() {
  setI32(header::defaultHeaderPage, -1);
  setI32(header::defaultFooterPage, -1);
  setI32(header::prototypesTreeHolder, 0);
  setI32(header::defaultBackgroundColour, 0xC0C0C0);
  setI32(header::defaultBackgroundPicture, -1);
  setI16(header::defaultLanguage, 1033);
  setI32(header::pageDefaultColour1, 0);
  setI32(header::pageDefaultColour2, 0xFF0000);
  setI32(header::pageDefaultColour3, 0x0000FF);
}

void BookHeader::setNewBookDefaults(std::string_view authorName) {
  bytes_.fill(0);
  std::copy_n("QUIR", 4, bytes_.begin());
  setShortString(header::title, header::titleMax, "Untitled");
  setU8(header::highestKind, 26);
  setI16(header::version, 2);
  setI32(header::revision, 2);
  const std::uint8_t options[6] = {0, 0, 0, 1, 0, 1};
  std::copy_n(options, 6, bytes_.begin() + header::options);
  setShortString(header::monospacedFont, header::fontNameMax, "Courier New");
  setShortString(header::proportionalFont, header::fontNameMax, "Times New Roman");
  setNewPageDefaults();
  setU8(header::byte1762, 1);
  setU8(header::boxBackgroundTiling, 1);
  setShortString(header::author, header::textFieldMax, authorName);
}

}  // namespace zeb
