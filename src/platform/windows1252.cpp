// Windows-1252 conversion and case tables.
#include "platform/windows1252.h"

#include <array>

#include "platform/utf8.h"

namespace zeb {
namespace {

// 0x80..0x9F of Windows-1252; undefined positions keep their C1 value.
constexpr std::array<char32_t, 32> highControlRange = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                       0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                       0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                       0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int windows1252OfUnicode(char32_t code) {
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<int>(code);
  for (int i = 0; i < 32; ++i) {
    if (highControlRange[static_cast<std::size_t>(i)] == code) return 0x80 + i;
  }
  return -1;
}

}  // namespace

char32_t unicodeOfWindows1252(std::uint8_t byte) {
  if (byte >= 0x80 && byte < 0xA0) return highControlRange[byte - 0x80u];
  return byte;
}

std::string windows1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (char c : text) appendUtf8(out, unicodeOfWindows1252(static_cast<std::uint8_t>(c)));
  return out;
}

std::string utf8ToWindows1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const Utf8Character character = decodeUtf8(text, i);
    if (character.length == 0) {
      out.push_back('?');
      ++i;
      continue;
    }
    const int byte = windows1252OfUnicode(character.code);
    out.push_back(byte < 0 ? '?' : static_cast<char>(byte));
    i += character.length;
  }
  return out;
}

std::uint8_t lowerWindows1252(std::uint8_t byte) {
  if (byte >= 'A' && byte <= 'Z') return static_cast<std::uint8_t>(byte + 32);
  if (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7) return static_cast<std::uint8_t>(byte + 32);
  switch (byte) {
    case 0x8A: return 0x9A;
    case 0x8C: return 0x9C;
    case 0x8E: return 0x9E;
    case 0x9F: return 0xFF;
    default: return byte;
  }
}

std::uint8_t upperWindows1252(std::uint8_t byte) {
  if (byte >= 'a' && byte <= 'z') return static_cast<std::uint8_t>(byte - 32);
  if (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7) return static_cast<std::uint8_t>(byte - 32);
  switch (byte) {
    case 0x9A: return 0x8A;
    case 0x9C: return 0x8C;
    case 0x9E: return 0x8E;
    case 0xFF: return 0x9F;
    default: return byte;
  }
}

std::string lowerWindows1252(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(lowerWindows1252(static_cast<std::uint8_t>(c)));
  return out;
}

std::string upperWindows1252(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(upperWindows1252(static_cast<std::uint8_t>(c)));
  return out;
}

bool equalsIgnoringCase(std::string_view left, std::string_view right) {
  if (left.size() != right.size()) return false;
  for (std::size_t i = 0; i < left.size(); ++i) {
    if (lowerWindows1252(static_cast<std::uint8_t>(left[i])) != lowerWindows1252(static_cast<std::uint8_t>(right[i])))
      return false;
  }
  return true;
}

}  // namespace zeb
