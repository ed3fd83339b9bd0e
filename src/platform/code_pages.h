// The code pages books are written in: the one Windows used for a book's language, and for
// each code page its bytes' Unicode characters (from the system's iconv), its case tables
// and the direction its letters run in. Book text stays in bytes; it becomes Unicode here.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zeb {

namespace codePage {
// An override of none: the book's own language decides.
inline constexpr std::uint16_t automatic = 0;
inline constexpr std::uint16_t thai = 874;
inline constexpr std::uint16_t japanese = 932;
inline constexpr std::uint16_t simplifiedChinese = 936;
inline constexpr std::uint16_t korean = 949;
inline constexpr std::uint16_t traditionalChinese = 950;
inline constexpr std::uint16_t centralEuropean = 1250;
inline constexpr std::uint16_t cyrillic = 1251;
inline constexpr std::uint16_t windows1252 = 1252;
inline constexpr std::uint16_t greek = 1253;
inline constexpr std::uint16_t turkish = 1254;
inline constexpr std::uint16_t hebrew = 1255;
inline constexpr std::uint16_t arabic = 1256;
inline constexpr std::uint16_t baltic = 1257;
inline constexpr std::uint16_t vietnamese = 1258;
}  // namespace codePage

// The ANSI code page Windows gave a language identifier (primary language in the low ten
// bits, sublanguage above them): 1252 for every language the table does not list, and the
// double-byte code pages 932, 936, 949 and 950 for Japanese, Chinese and Korean.
std::uint16_t codePageOfLanguage(std::uint16_t languageId);

// The single-byte code pages a book can be read in, in the order the reader lists them.
std::span<const std::uint16_t> readableCodePages();
bool isReadableCodePage(std::uint16_t number);
bool isDoubleByteCodePage(std::uint16_t number);
// The character set a Windows font names the code page's script by (RTF's "\fcharset"):
// 238 for 1250, 204 for 1251, 0 for 1252 and so on.
std::uint8_t fontCharSetOf(std::uint16_t codePage);
// The character set of the symbol faces, whose bytes no code page changes.
inline constexpr std::uint8_t symbolCharSet = 2;
// How the reader names it: "Cyrillic (Windows-1251)"; empty for a number it cannot read.
std::string_view codePageTitle(std::uint16_t number);

// What a character does to the direction of the text around it.
enum class CharacterDirection : std::uint8_t { neutral, leftToRight, rightToLeft, number };

class CodePage {
 public:
  // The code page of that number, built on first use and kept; Windows-1252 for a number
  // that is not readable. Safe to call from any thread.
  static const CodePage& of(std::uint16_t number);

  std::uint16_t number() const { return number_; }
  // A byte the code page leaves undefined stands for the Unicode character of the same value.
  char32_t unicodeOf(std::uint8_t byte) const { return unicode_[byte]; }
  // The byte of a character; none when the code page lacks it.
  std::optional<std::uint8_t> byteOf(char32_t code) const;

  // Lower case as searches compare text: a letter and its capital, the Greek final sigma
  // and the ordinary one, lower to the same byte. Characters whose lower case the code page
  // lacks stay as they are.
  std::uint8_t lower(std::uint8_t byte) const { return lower_[byte]; }
  std::uint8_t upper(std::uint8_t byte) const { return upper_[byte]; }
  const std::array<std::uint8_t, 256>& lowerTable() const { return lower_; }
  std::string lower(std::string_view text) const;
  bool equalsIgnoringCase(std::string_view left, std::string_view right) const;
  // The bytes whose lower case is the byte, the byte itself first, and how many there are;
  // above four, only the first four are given.
  int bytesLoweringTo(std::uint8_t byte, std::array<std::uint8_t, 4>& bytes) const;

  CharacterDirection direction(std::uint8_t byte) const { return direction_[byte]; }
  // Hebrew and Arabic: letters that run right to left.
  bool hasRightToLeftLetters() const { return rightToLeft_; }

  std::string toUtf8(std::string_view bytes) const;
  // Characters the code page lacks become `missing`, malformed UTF-8 one `missing` a byte.
  // Letters the code page writes as a base letter and a combining mark (Vietnamese tones,
  // Hebrew points) are written so.
  std::string fromUtf8(std::string_view utf8, char missing = '?') const;
  // The same, or nothing when a character is missing or the UTF-8 is malformed.
  std::optional<std::string> encode(std::string_view utf8) const;

  explicit CodePage(std::uint16_t number);

 private:
  std::optional<std::string> encodeWith(std::string_view utf8, const char* missing) const;

  std::uint16_t number_;
  std::array<char32_t, 256> unicode_{};
  std::array<std::uint8_t, 256> lower_{};
  std::array<std::uint8_t, 256> upper_{};
  std::array<CharacterDirection, 256> direction_{};
  // Characters from 0x80 up and their bytes, sorted by character.
  std::array<std::pair<char32_t, std::uint8_t>, 128> high_{};
  bool rightToLeft_ = false;
};

// UTF-8 text in lower case by the Unicode tables, whatever the locale; malformed sequences
// are kept as they are.
std::string lowerUtf8(std::string_view utf8);

// Shorthands for the common conversions.
inline std::string bookTextToUtf8(std::string_view bytes, std::uint16_t codePage) {
  return CodePage::of(codePage).toUtf8(bytes);
}
inline std::string utf8ToBookText(std::string_view utf8, std::uint16_t codePage) {
  return CodePage::of(codePage).fromUtf8(utf8);
}

}  // namespace zeb
