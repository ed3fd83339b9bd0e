// Windows-1252 bytes, the encoding of every text stored in a book, and their Unicode forms.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zeb {

// The Unicode code point of one Windows-1252 byte. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same value.
char32_t unicodeOfWindows1252(std::uint8_t byte);

// UTF-8 form of Windows-1252 text.
std::string windows1252ToUtf8(std::string_view text);

// Windows-1252 form of UTF-8 text; characters the code page lacks become '?', and
// malformed UTF-8 sequences become '?' one byte at a time.
std::string utf8ToWindows1252(std::string_view text);

// Lower and upper case by the Windows-1252 tables (never the C locale):
// A-Z, the accented capitals 0xC0-0xDE except 0xD7, and the pairs S/s, OE/oe, Z/z with caron, Y-diaeresis.
std::uint8_t lowerWindows1252(std::uint8_t byte);
std::uint8_t upperWindows1252(std::uint8_t byte);
std::string lowerWindows1252(std::string_view text);
std::string upperWindows1252(std::string_view text);

// Case-insensitive equality by the same tables.
bool equalsIgnoringCase(std::string_view left, std::string_view right);

}  // namespace zeb
