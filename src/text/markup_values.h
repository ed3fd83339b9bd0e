// The value syntax of tag attributes: decimal numbers and RRGGBB colours.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/font.h"

namespace zeb {

// Attribute values are at most this long; longer ones are cut.
inline constexpr std::size_t maxAttributeValue = 11;

// The value of a hexadecimal digit, either case; -1 for any other character.
int hexDigit(char character);

// An optional "-" and decimal digits, up to the first other character; 0 without digits.
// Values beyond 32 bits wrap as they would in a 32-bit register.
std::int32_t parseDecimal(std::string_view text);

// Six hexadecimal digits RRGGBB, either case, as a colour 0x00BBGGRR; reading stops at the
// first character that is no digit.
Colour parseColour(std::string_view text);

// Up to eight hexadecimal digits, either case, as the 32-bit value of an object or link tag;
// reading stops at the first character that is no digit.
std::uint32_t parseReference(std::string_view text);

// RRGGBB in upper case.
void appendColour(std::string& out, Colour colour);

enum class LetterCase : std::uint8_t { lower, upper };

// Hexadecimal digits, zero-padded to the count.
void appendHex(std::string& out, std::uint32_t value, int digits, LetterCase letters = LetterCase::lower);

}  // namespace zeb
