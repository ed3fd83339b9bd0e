// Markup scanning shared by the converters: it finds text, entities and tags in a markup and
// hands each to a handler, which decides what they mean for its format.
//
// Scanning starts at the first "<" and ends at the end of the bytes (the converters cut the
// markup at its zero byte first). A tag's second character selects its kind; "<D", "<F" and
// "<R" open blocks skipped up to "<d>", "<f>" and "<r>"; "<T>" is three characters long;
// every other tag the scanner handles itself is skipped up to and including its ">".
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>

#include "text/markup_entities.h"
#include "text/markup_values.h"

namespace zeb {

// The markup's bytes, with the moves every converter needs; no position past the end.
class MarkupText {
 public:
  explicit MarkupText(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::span<const std::uint8_t> bytes() const { return bytes_; }
  std::size_t size() const { return bytes_.size(); }
  const std::uint8_t* data() const { return bytes_.data(); }
  std::uint8_t at(std::size_t index) const { return index < bytes_.size() ? bytes_[index] : 0; }
  std::string_view view(std::size_t from, std::size_t length) const {
    from = std::min(from, size());
    return {reinterpret_cast<const char*>(data()) + from, std::min(length, size() - from)};
  }
  std::size_t find(std::uint8_t byte, std::size_t from) const {
    if (from >= size()) return size();
    const void* found = std::memchr(data() + from, byte, size() - from);
    return found != nullptr ? static_cast<std::size_t>(static_cast<const std::uint8_t*>(found) - data()) : size();
  }
  // Past the next ">" at or after `from`, or the end.
  std::size_t pastClose(std::size_t from) const { return std::min(find('>', from) + 1, size()); }
  // Past the "<x>" that closes a block opened at `tag`, or the end.
  std::size_t pastBlock(std::size_t tag, std::uint8_t closing) const {
    for (std::size_t i = find('<', tag + 2); i < size(); i = find('<', i + 1)) {
      if (at(i + 1) == closing && at(i + 2) == '>') return i + 3;
    }
    return size();
  }
  // "<@>" at the position: a table tag with no cell texts after it.
  bool noCellTextsAt(std::size_t position) const {
    return at(position) == '<' && at(position + 1) == '@' && at(position + 2) == '>';
  }

 private:
  std::span<const std::uint8_t> bytes_;
};

// The handler's operations; the positions are indexes into the markup:
//   void text(const std::uint8_t* bytes, std::size_t count)  characters as they stand
//   void character(std::uint8_t code)            a decoded entity (a code of 0 is dropped)
//   std::size_t paragraphTag(std::size_t tag)    "<Z" at tag; returns where scanning goes on
//   std::size_t runTag(std::size_t tag)          "<Y" at tag; the same
//   std::size_t reference(std::uint32_t code, std::size_t after)  "<$" and its eight digits;
//                                                after is past its ">"; returns where to go on
//   std::size_t textUpToMarkup(bytes, count)     optional: takes the plain text from the
//                                                bytes up to the next "<" or "&" itself, with
//                                                no scan before it; returns the bytes taken
//   void linkEnd()                               "<%>"
//   void cellEnd()                               "<T>"
// Returns false when the markup holds no "<", so that nothing was scanned.
template <typename Handler>
bool scanMarkup(const MarkupText& markup, Handler& handler) {
  // Bytes that end a stretch of plain text.
  static constexpr std::array<bool, 256> special = [] {
    std::array<bool, 256> table{};
    table['<'] = true;
    table['&'] = true;
    return table;
  }();
  const std::uint8_t* const data = markup.data();
  const std::size_t end = markup.size();
  std::size_t pos = markup.find('<', 0);
  if (pos == end) return false;
  // A handler's answer moves on by one byte at least and stays within the markup.
  const auto onwards = [end](std::size_t tag, std::size_t next) { return std::clamp(next, tag + 1, end); };
  while (pos < end) {
    const std::uint8_t byte = data[pos];
    if (byte == '<') {
      switch (markup.at(pos + 1)) {
        case 'Z': pos = onwards(pos, handler.paragraphTag(pos)); break;
        case 'Y': pos = onwards(pos, handler.runTag(pos)); break;
        case '$': {
          const std::uint32_t code = parseReference(markup.view(pos + 2, 8));
          pos = onwards(pos, handler.reference(code, markup.pastClose(pos)));
          break;
        }
        case '%':
          pos = markup.pastClose(pos);
          handler.linkEnd();
          break;
        case 'T':
          pos = std::min(pos + 3, end);
          handler.cellEnd();
          break;
        case 'D': pos = markup.pastBlock(pos, 'd'); break;
        case 'F': pos = markup.pastBlock(pos, 'f'); break;
        case 'R': pos = markup.pastBlock(pos, 'r'); break;
        default: pos = markup.pastClose(pos);
      }
    } else if (byte == '&') {
      const DecodedEntity entity = decodeEntity(markup.view(pos, end - pos));
      pos += entity.length;
      // "&#0;" would end the payload early; it stands for no character.
      if (entity.code != 0) handler.character(entity.code);
    } else if constexpr (requires { handler.textUpToMarkup(data + pos, end - pos); }) {
      pos += std::max<std::size_t>(handler.textUpToMarkup(data + pos, end - pos), 1);
    } else {
      const std::size_t start = pos;
      while (pos < end && !special[data[pos]]) ++pos;
      handler.text(data + start, pos - start);
    }
  }
  return true;
}

}  // namespace zeb
