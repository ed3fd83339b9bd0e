// The language table, the code pages built from iconv, and their case tables.
#include "platform/code_pages.h"

#include <gtest/gtest.h>

#include "platform/windows1252.h"

namespace zeb {
namespace {

TEST(CodePages, ChoosesTheCodePageWindowsGaveTheLanguage) {
  EXPECT_EQ(codePageOfLanguage(1033), 1252);    // English (United States)
  EXPECT_EQ(codePageOfLanguage(1040), 1252);    // Italian
  EXPECT_EQ(codePageOfLanguage(1045), 1250);    // Polish
  EXPECT_EQ(codePageOfLanguage(1049), 1251);    // Russian
  EXPECT_EQ(codePageOfLanguage(1032), 1253);    // Greek
  EXPECT_EQ(codePageOfLanguage(1055), 1254);    // Turkish
  EXPECT_EQ(codePageOfLanguage(1037), 1255);    // Hebrew
  EXPECT_EQ(codePageOfLanguage(0x0C01), 1256);  // Arabic (Egypt): any sublanguage
  EXPECT_EQ(codePageOfLanguage(1063), 1257);    // Lithuanian
  EXPECT_EQ(codePageOfLanguage(1066), 1258);    // Vietnamese
  EXPECT_EQ(codePageOfLanguage(1054), 874);     // Thai
  // The sublanguage decides between the Latin and the Cyrillic letters of one language.
  EXPECT_EQ(codePageOfLanguage(0x081A), 1250);  // Serbian (Latin)
  EXPECT_EQ(codePageOfLanguage(0x0C1A), 1251);  // Serbian (Cyrillic)
  EXPECT_EQ(codePageOfLanguage(0x042C), 1254);  // Azeri (Latin)
  EXPECT_EQ(codePageOfLanguage(0x082C), 1251);  // Azeri (Cyrillic)
  EXPECT_EQ(codePageOfLanguage(0x0404), 950);   // Chinese (Taiwan)
  EXPECT_EQ(codePageOfLanguage(0x0804), 936);   // Chinese (mainland)
  EXPECT_EQ(codePageOfLanguage(1041), 932);     // Japanese
  EXPECT_EQ(codePageOfLanguage(0), 1252);
  EXPECT_EQ(codePageOfLanguage(0xFFFF), 1252);
  EXPECT_FALSE(isReadableCodePage(932));
  EXPECT_TRUE(isDoubleByteCodePage(932));
}

// The program's own Windows-1252 tables and the code page iconv gives must agree byte for
// byte, case included: books in 1252 read as they always did.
TEST(CodePages, Windows1252FromIconvIsTheProgramsOwnTable) {
  const CodePage& page = CodePage::of(codePage::windows1252);
  for (int byte = 0; byte < 256; ++byte) {
    const auto b = static_cast<std::uint8_t>(byte);
    EXPECT_EQ(page.unicodeOf(b), unicodeOfWindows1252(b)) << byte;
    EXPECT_EQ(page.lower(b), lowerWindows1252(b)) << byte;
    EXPECT_EQ(page.upper(b), upperWindows1252(b)) << byte;
  }
  EXPECT_EQ(&CodePage::of(codePage::japanese), &page);
}

TEST(CodePages, ConvertsEachCodePageBothWays) {
  // "Привет", "Καλημέρα", "Łódź", "İstanbul ağı", "שלום", "สวัสดี"
  const struct {
    std::uint16_t codePage;
    std::string bytes;
    std::string utf8;
  } samples[] = {
      {1251, "\xCF\xF0\xE8\xE2\xE5\xF2", "Привет"}, {1253, "\xCA\xE1\xEB\xE7\xEC\xDD\xF1\xE1", "Καλημέρα"},
      {1250, "\xA3\xF3\x64\x9F", "Łódź"},           {1254, "\xDDstanbul a\xF0\xFD", "İstanbul ağı"},
      {1255, "\xF9\xEC\xE5\xED", "שלום"},           {874, "\xCA\xC7\xD1\xCA\xB4\xD5", "สวัสดี"},
  };
  for (const auto& sample : samples) {
    const CodePage& page = CodePage::of(sample.codePage);
    EXPECT_EQ(page.toUtf8(sample.bytes), sample.utf8) << sample.codePage;
    EXPECT_EQ(page.encode(sample.utf8), sample.bytes) << sample.codePage;
  }
  // What the code page lacks: '?' in a conversion, nothing in an exact encoding.
  EXPECT_EQ(CodePage::of(1251).fromUtf8("Жé"), "\xC6?");
  EXPECT_EQ(CodePage::of(1251).encode("Жé"), std::nullopt);
  // A Vietnamese letter with a tone is written as its letter and the tone's mark.
  EXPECT_EQ(CodePage::of(1258).encode("ế"), "\xEA\xEC");
}

TEST(CodePages, LowersByTheCodePagesOwnLetters) {
  EXPECT_EQ(CodePage::of(1251).lower("\xCF\xD0\xC8\xC2\xC5\xD2 \xA8"), "\xEF\xF0\xE8\xE2\xE5\xF2 \xB8");  // ПРИВЕТ Ё
  // Greek: the capital, the ordinary and the final sigma lower alike, accents kept.
  const CodePage& greek = CodePage::of(1253);
  EXPECT_EQ(greek.lower("\xD3"), "\xF3");
  EXPECT_EQ(greek.lower("\xF2"), "\xF3");
  EXPECT_EQ(greek.lower("\xA2"), "\xDC");  // Ά to ά
  std::array<std::uint8_t, 4> bytes{};
  EXPECT_EQ(greek.bytesLoweringTo(0xF3, bytes), 3);
  // Windows-1252's table would turn the Cyrillic lower-case letters into others.
  EXPECT_EQ(CodePage::of(1251).lower("\xDF"), "\xFF");  // Я to я, not ß to itself
  EXPECT_EQ(CodePage::of(1251).upper(0xFF), 0xDF);
  for (const std::uint16_t number : readableCodePages()) {
    const CodePage& page = CodePage::of(number);
    for (int byte = 0; byte < 256; ++byte)
      EXPECT_EQ(page.lower(page.lower(static_cast<std::uint8_t>(byte))), page.lower(static_cast<std::uint8_t>(byte)));
  }
}

TEST(CodePages, KnowsWhichLettersRunRightToLeft) {
  const CodePage& hebrew = CodePage::of(1255);
  EXPECT_TRUE(hebrew.hasRightToLeftLetters());
  EXPECT_EQ(hebrew.direction(0xF9), CharacterDirection::rightToLeft);
  EXPECT_EQ(hebrew.direction('a'), CharacterDirection::leftToRight);
  EXPECT_EQ(hebrew.direction('7'), CharacterDirection::number);
  EXPECT_EQ(hebrew.direction(' '), CharacterDirection::neutral);
  EXPECT_TRUE(CodePage::of(1256).hasRightToLeftLetters());
  EXPECT_FALSE(CodePage::of(1251).hasRightToLeftLetters());
  EXPECT_EQ(CodePage::of(1251).direction(0xCF), CharacterDirection::leftToRight);
}

}  // namespace
}  // namespace zeb
