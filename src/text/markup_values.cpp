// Attribute values.
#include "text/markup_values.h"

namespace zeb {

int hexDigit(char character) {
  if (character >= '0' && character <= '9') return character - '0';
  if (character >= 'a' && character <= 'f') return character - 'a' + 10;
  if (character >= 'A' && character <= 'F') return character - 'A' + 10;
  return -1;
}

std::int32_t parseDecimal(std::string_view text) {
  std::size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (negative) ++i;
  std::uint32_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    value = value * 10u + static_cast<std::uint32_t>(text[i] - '0');
  return static_cast<std::int32_t>(negative ? 0u - value : value);
}

Colour parseColour(std::string_view text) {
  std::uint32_t rgb = 0;
  for (std::size_t i = 0; i < text.size() && i < 6; ++i) {
    const int digit = hexDigit(text[i]);
    if (digit < 0) break;
    rgb = (rgb << 4) | static_cast<std::uint32_t>(digit);
  }
  return ((rgb >> 16) & 0xFFu) | (rgb & 0xFF00u) | ((rgb & 0xFFu) << 16);
}

std::uint32_t parseReference(std::string_view text) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < text.size() && i < 8; ++i) {
    const int digit = hexDigit(text[i]);
    if (digit < 0) break;
    value = (value << 4) | static_cast<std::uint32_t>(digit);
  }
  return value;
}

void appendColour(std::string& out, Colour colour) {
  static constexpr char digits[] = "0123456789ABCDEF";
  for (const std::uint32_t part : {colour & 0xFFu, (colour >> 8) & 0xFFu, (colour >> 16) & 0xFFu}) {
    out += digits[part >> 4];
    out += digits[part & 0xF];
  }
}

void appendHex(std::string& out, std::uint32_t value, int digits, LetterCase letters) {
  const char* hex = letters == LetterCase::upper ? "0123456789ABCDEF" : "0123456789abcdef";
  for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) out += hex[(value >> shift) & 0xF];
}

}  // namespace zeb
