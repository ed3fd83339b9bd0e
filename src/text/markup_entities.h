// Character entities of the text markup: the 104 names the reader knows, "&#" codes, and
// the three characters the writer escapes.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zeb {

struct EntityName {
  std::string_view name;
  std::uint8_t code;
};

// "quot", "amp", "lt", "gt" in both cases, then the Latin-1 names for 160 to 255 in code
// order ("hibar" for 175).
extern const std::array<EntityName, 104> entityNames;

struct DecodedEntity {
  std::uint8_t code;
  std::size_t length;  // bytes consumed, the "&" included
};

// Decodes the entity whose "&" stands at `text[0]`; the view ends where the text ends.
// "&#" and up to three digits give that code (no digits: 65; only the low byte is kept);
// a known name, matched as a prefix in table order, gives its character; "&&" gives "&";
// anything else gives a blank and consumes only the "&". A ";" directly after is consumed.
DecodedEntity decodeEntity(std::string_view text);

// Appends the character, escaping "&", "<" and ">".
void appendEscaped(std::string& out, char character);

}  // namespace zeb
