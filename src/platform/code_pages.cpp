// The language table, and code pages built from the system's iconv.
#include "platform/code_pages.h"

#include <iconv.h>
#include <locale.h>
#include <wctype.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <mutex>

#include "platform/utf8.h"

namespace zeb {
namespace {

// The default ANSI code page Windows gives each locale (its LOCALE_IDEFAULTANSICODEPAGE, as
// the National Language Support tables of Windows list it), by primary language. Where the
// sublanguages of one primary language differ (Serbian and Bosnian in Cyrillic or Latin
// letters, Azeri and Uzbek, the Chinese of the mainland or of Taiwan), the sublanguage
// decides. A language not listed is read in 1252, as are the languages Windows gave no
// ANSI code page (Unicode-only locales such as Armenian, Georgian and Hindi).
struct LanguageCodePage {
  std::uint16_t primary;
  std::int8_t sublanguage;  // -1: any
  std::uint16_t codePage;
};

constexpr LanguageCodePage languageTable[] = {
    {0x01, -1, 1256},    // Arabic
    {0x02, -1, 1251},    // Bulgarian
    {0x04, 0x01, 950},   // Chinese (Taiwan)
    {0x04, 0x03, 950},   // Chinese (Hong Kong)
    {0x04, 0x05, 950},   // Chinese (Macao)
    {0x04, -1, 936},     // Chinese (mainland, Singapore)
    {0x05, -1, 1250},    // Czech
    {0x08, -1, 1253},    // Greek
    {0x0D, -1, 1255},    // Hebrew
    {0x0E, -1, 1250},    // Hungarian
    {0x11, -1, 932},     // Japanese
    {0x12, -1, 949},     // Korean
    {0x15, -1, 1250},    // Polish
    {0x18, -1, 1250},    // Romanian
    {0x19, -1, 1251},    // Russian
    {0x1A, 0x03, 1251},  // Serbian (Cyrillic)
    {0x1A, 0x07, 1251},  // Bosnian (Cyrillic)
    {0x1A, 0x08, 1251},  // Bosnian (Cyrillic, Bosnia and Herzegovina)
    {0x1A, 0x0A, 1251},  // Serbian (Cyrillic, Serbia)
    {0x1A, 0x0C, 1251},  // Serbian (Cyrillic, Montenegro)
    {0x1A, -1, 1250},    // Croatian, Serbian (Latin), Bosnian (Latin)
    {0x1B, -1, 1250},    // Slovak
    {0x1C, -1, 1250},    // Albanian
    {0x1E, -1, 874},     // Thai
    {0x1F, -1, 1254},    // Turkish
    {0x20, -1, 1256},    // Urdu
    {0x22, -1, 1251},    // Ukrainian
    {0x23, -1, 1251},    // Belarusian
    {0x24, -1, 1250},    // Slovenian
    {0x25, -1, 1257},    // Estonian
    {0x26, -1, 1257},    // Latvian
    {0x27, -1, 1257},    // Lithuanian
    {0x28, -1, 1251},    // Tajik
    {0x29, -1, 1256},    // Farsi
    {0x2A, -1, 1258},    // Vietnamese
    {0x2C, 0x02, 1251},  // Azeri (Cyrillic)
    {0x2C, -1, 1254},    // Azeri (Latin)
    {0x2F, -1, 1251},    // Macedonian
    {0x3F, -1, 1251},    // Kazakh
    {0x40, -1, 1251},    // Kyrgyz
    {0x42, -1, 1250},    // Turkmen
    {0x43, 0x02, 1251},  // Uzbek (Cyrillic)
    {0x43, -1, 1254},    // Uzbek (Latin)
    {0x44, -1, 1251},    // Tatar
    {0x50, -1, 1251},    // Mongolian (Cyrillic)
    {0x6D, -1, 1251},    // Bashkir
    {0x80, -1, 1256},    // Uyghur
    {0x85, -1, 1251},    // Sakha
    {0x8C, -1, 1256},    // Dari
    {0x92, -1, 1256},    // Central Kurdish
};

struct Readable {
  std::uint16_t number;
  const char* iconvName;
  std::string_view title;
  std::uint8_t fontCharSet;  // the Windows font character set of its script
};

constexpr Readable readable[] = {
    {codePage::windows1252, "CP1252", "Western (Windows-1252)", 0},
    {codePage::centralEuropean, "CP1250", "Central European (Windows-1250)", 238},
    {codePage::cyrillic, "CP1251", "Cyrillic (Windows-1251)", 204},
    {codePage::greek, "CP1253", "Greek (Windows-1253)", 161},
    {codePage::turkish, "CP1254", "Turkish (Windows-1254)", 162},
    {codePage::hebrew, "CP1255", "Hebrew (Windows-1255)", 177},
    {codePage::arabic, "CP1256", "Arabic (Windows-1256)", 178},
    {codePage::baltic, "CP1257", "Baltic (Windows-1257)", 186},
    {codePage::vietnamese, "CP1258", "Vietnamese (Windows-1258)", 163},
    {codePage::thai, "CP874", "Thai (Windows-874)", 222},
};
constexpr std::size_t readableCount = std::size(readable);

constexpr std::array<std::uint16_t, readableCount> readableNumbers = [] {
  std::array<std::uint16_t, readableCount> numbers{};
  for (std::size_t i = 0; i < readableCount; ++i) numbers[i] = readable[i].number;
  return numbers;
}();

int readableIndex(std::uint16_t number) {
  for (std::size_t i = 0; i < readableCount; ++i)
    if (readable[i].number == number) return static_cast<int>(i);
  return -1;
}

// Case and letter tests on Unicode characters, independent of the locale the program runs in.
class UnicodeCharacters {
 public:
  UnicodeCharacters() {
    locale_ = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
    if (locale_ == locale_t{}) locale_ = newlocale(LC_CTYPE_MASK, "C.utf8", locale_t{});
  }
  ~UnicodeCharacters() {
    if (locale_ != locale_t{}) freelocale(locale_);
  }
  UnicodeCharacters(const UnicodeCharacters&) = delete;
  UnicodeCharacters& operator=(const UnicodeCharacters&) = delete;

  char32_t lower(char32_t code) const {
    if (locale_ == locale_t{}) return code >= 'A' && code <= 'Z' ? code + 32 : code;
    return static_cast<char32_t>(towlower_l(static_cast<wint_t>(code), locale_));
  }
  char32_t upper(char32_t code) const {
    if (locale_ == locale_t{}) return code >= 'a' && code <= 'z' ? code - 32 : code;
    return static_cast<char32_t>(towupper_l(static_cast<wint_t>(code), locale_));
  }
  bool isLetter(char32_t code) const {
    if (locale_ == locale_t{}) return (code | 0x20) >= 'a' && (code | 0x20) <= 'z';
    return iswalpha_l(static_cast<wint_t>(code), locale_) != 0;
  }

 private:
  locale_t locale_{};
};

const UnicodeCharacters& unicodeCharacters() {
  static const UnicodeCharacters characters;
  return characters;
}

bool inRightToLeftScript(char32_t code) {
  return (code >= 0x0590 && code <= 0x08FF) || (code >= 0xFB1D && code <= 0xFDFF) || (code >= 0xFE70 && code <= 0xFEFF);
}

CharacterDirection directionOf(char32_t code) {
  if (code == 0x200E) return CharacterDirection::leftToRight;  // the left-to-right mark
  if (code == 0x200F) return CharacterDirection::rightToLeft;  // the right-to-left mark
  if (code >= '0' && code <= '9') return CharacterDirection::number;
  if (!unicodeCharacters().isLetter(code)) return CharacterDirection::neutral;
  return inRightToLeftScript(code) ? CharacterDirection::rightToLeft : CharacterDirection::leftToRight;
}

// iconv from the code page to UTF-32 (little-endian), one byte at a time: a code page whose
// letters combine with a following mark keeps the letter until the end of its input, so
// each byte is followed by a flush.
class ByteDecoder {
 public:
  explicit ByteDecoder(const char* name) : handle_(iconv_open("UTF-32LE", name)) {}
  ~ByteDecoder() {
    if (valid()) iconv_close(handle_);
  }
  ByteDecoder(const ByteDecoder&) = delete;
  ByteDecoder& operator=(const ByteDecoder&) = delete;

  bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

  // The character of the byte; none when the code page leaves it undefined.
  std::optional<char32_t> decode(std::uint8_t byte) {
    iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    char input = static_cast<char>(byte);
    char* in = &input;
    std::size_t inLeft = 1;
    std::array<unsigned char, 16> output{};
    char* out = reinterpret_cast<char*>(output.data());
    std::size_t outLeft = output.size();
    if (iconv(handle_, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) return std::nullopt;
    if (iconv(handle_, nullptr, nullptr, &out, &outLeft) == static_cast<std::size_t>(-1)) return std::nullopt;
    if (output.size() - outLeft != 4) return std::nullopt;
    return static_cast<char32_t>(output[0] | (output[1] << 8) | (output[2] << 16) | (output[3] << 24));
  }

 private:
  iconv_t handle_;
};

// iconv from UTF-32 (little-endian) to the code page, one character at a time.
class CharacterEncoder {
 public:
  explicit CharacterEncoder(const char* name) : handle_(iconv_open(name, "UTF-32LE")) {}
  ~CharacterEncoder() {
    if (handle_ != reinterpret_cast<iconv_t>(-1)) iconv_close(handle_);
  }
  CharacterEncoder(const CharacterEncoder&) = delete;
  CharacterEncoder& operator=(const CharacterEncoder&) = delete;

  // Appends the bytes of the character; false when the code page lacks it.
  bool encode(char32_t code, std::string& out) {
    if (handle_ == reinterpret_cast<iconv_t>(-1)) return false;
    iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    std::array<char, 4> input{};
    for (std::size_t k = 0; k < input.size(); ++k) input[k] = static_cast<char>((code >> (8 * k)) & 0xFF);
    std::array<char, 8> output{};
    char* in = input.data();
    char* written = output.data();
    std::size_t inLeft = input.size(), outLeft = output.size();
    if (iconv(handle_, &in, &inLeft, &written, &outLeft) == static_cast<std::size_t>(-1)) return false;
    if (iconv(handle_, nullptr, nullptr, &written, &outLeft) == static_cast<std::size_t>(-1)) return false;
    if (outLeft == output.size()) return false;
    out.append(output.data(), output.size() - outLeft);
    return true;
  }

 private:
  iconv_t handle_;
};

const char* iconvNameOf(std::uint16_t number) {
  const int index = readableIndex(number);
  return readable[static_cast<std::size_t>(index < 0 ? 0 : index)].iconvName;
}

}  // namespace

std::uint16_t codePageOfLanguage(std::uint16_t languageId) {
  const std::uint16_t primary = languageId & 0x3FF;
  const int sublanguage = languageId >> 10;
  for (const LanguageCodePage& entry : languageTable) {
    if (entry.primary == primary && (entry.sublanguage < 0 || entry.sublanguage == sublanguage)) return entry.codePage;
  }
  return codePage::windows1252;
}

std::span<const std::uint16_t> readableCodePages() { return readableNumbers; }

bool isReadableCodePage(std::uint16_t number) { return readableIndex(number) >= 0; }

bool isDoubleByteCodePage(std::uint16_t number) {
  return number == codePage::japanese || number == codePage::simplifiedChinese || number == codePage::korean ||
         number == codePage::traditionalChinese;
}

std::uint8_t fontCharSetOf(std::uint16_t codePage) {
  const int index = readableIndex(codePage);
  return index >= 0 ? readable[static_cast<std::size_t>(index)].fontCharSet : 0;
}

std::string_view codePageTitle(std::uint16_t number) {
  const int index = readableIndex(number);
  return index >= 0 ? readable[static_cast<std::size_t>(index)].title : std::string_view();
}

const CodePage& CodePage::of(std::uint16_t number) {
  static std::array<std::once_flag, readableCount> built;
  static std::array<std::unique_ptr<CodePage>, readableCount> pages;
  int index = readableIndex(number);
  if (index < 0) index = 0;
  const auto slot = static_cast<std::size_t>(index);
  std::call_once(built[slot], [&] { pages[slot] = std::make_unique<CodePage>(readable[slot].number); });
  return *pages[slot];
}

CodePage::CodePage(std::uint16_t number) : number_(number) {
  ByteDecoder decoder(iconvNameOf(number));
  for (int byte = 0; byte < 256; ++byte) {
    const auto b = static_cast<std::uint8_t>(byte);
    std::optional<char32_t> code;
    if (byte < 0x80)
      code = b;
    else if (decoder.valid())
      code = decoder.decode(b);
    unicode_[b] = code.value_or(b);
  }
  // The reverse map; where two bytes give one character, the defined one wins over the
  // stand-in of an undefined byte.
  for (int byte = 0x80; byte < 0x100; ++byte)
    high_[static_cast<std::size_t>(byte - 0x80)] = {unicode_[static_cast<std::size_t>(byte)],
                                                    static_cast<std::uint8_t>(byte)};
  std::sort(high_.begin(), high_.end(), [this](const auto& left, const auto& right) {
    if (left.first != right.first) return left.first < right.first;
    return (unicode_[left.second] == left.second) < (unicode_[right.second] == right.second);
  });

  const UnicodeCharacters& characters = unicodeCharacters();
  for (int byte = 0; byte < 256; ++byte) {
    const auto b = static_cast<std::uint8_t>(byte);
    const char32_t code = unicode_[b];
    // The lower case of the capital first, so that the final sigma meets the ordinary one.
    std::optional<std::uint8_t> lowered = byteOf(characters.lower(characters.upper(code)));
    if (!lowered) lowered = byteOf(characters.lower(code));
    lower_[b] = lowered.value_or(b);
    upper_[b] = byteOf(characters.upper(code)).value_or(b);
    direction_[b] = directionOf(code);
    if (direction_[b] == CharacterDirection::rightToLeft && code != 0x200F) rightToLeft_ = true;
  }
  // Lowering twice must give what lowering once gave.
  for (auto& lowered : lower_) lowered = lower_[lower_[lowered]];
}

std::optional<std::uint8_t> CodePage::byteOf(char32_t code) const {
  if (code < 0x80) return static_cast<std::uint8_t>(code);
  const auto found = std::lower_bound(high_.begin(), high_.end(), code,
                                      [](const auto& entry, char32_t wanted) { return entry.first < wanted; });
  if (found == high_.end() || found->first != code) return std::nullopt;
  return found->second;
}

std::string CodePage::lower(std::string_view text) const {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(lower_[static_cast<std::uint8_t>(c)]);
  return out;
}

bool CodePage::equalsIgnoringCase(std::string_view left, std::string_view right) const {
  if (left.size() != right.size()) return false;
  for (std::size_t i = 0; i < left.size(); ++i) {
    if (lower_[static_cast<std::uint8_t>(left[i])] != lower_[static_cast<std::uint8_t>(right[i])]) return false;
  }
  return true;
}

int CodePage::bytesLoweringTo(std::uint8_t byte, std::array<std::uint8_t, 4>& bytes) const {
  int count = 0;
  bytes[static_cast<std::size_t>(count++)] = byte;
  for (int other = 0; other < 256; ++other) {
    if (other == byte || lower_[static_cast<std::size_t>(other)] != byte) continue;
    if (count == static_cast<int>(bytes.size())) return count + 1;
    bytes[static_cast<std::size_t>(count++)] = static_cast<std::uint8_t>(other);
  }
  return count;
}

std::string lowerUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  const UnicodeCharacters& characters = unicodeCharacters();
  for (std::size_t i = 0; i < utf8.size();) {
    const Utf8Character character = decodeUtf8(utf8, i);
    if (character.length == 0) {
      out.push_back(utf8[i++]);
      continue;
    }
    appendUtf8(out, characters.lower(character.code));
    i += character.length;
  }
  return out;
}

std::string CodePage::toUtf8(std::string_view bytes) const {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 4);
  // Bytes below 0x80 are ASCII in every code page: their runs are copied whole.
  for (std::size_t i = 0; i < bytes.size();) {
    std::size_t end = i;
    while (end < bytes.size() && static_cast<std::uint8_t>(bytes[end]) < 0x80) ++end;
    out.append(bytes.data() + i, end - i);
    if (end == bytes.size()) break;
    appendUtf8(out, unicode_[static_cast<std::uint8_t>(bytes[end])]);
    i = end + 1;
  }
  return out;
}

std::optional<std::string> CodePage::encodeWith(std::string_view utf8, const char* missing) const {
  std::string out;
  out.reserve(utf8.size());
  std::unique_ptr<CharacterEncoder> decomposer;
  std::size_t i = 0;
  while (i < utf8.size()) {
    const Utf8Character character = decodeUtf8(utf8, i);
    i += std::max<std::size_t>(character.length, 1);
    bool written = false;
    if (character.length > 0) {
      if (const auto byte = byteOf(character.code)) {
        out.push_back(static_cast<char>(*byte));
        continue;
      }
      // A letter the code page writes as a base letter and a mark: iconv decomposes it.
      if (!decomposer) decomposer = std::make_unique<CharacterEncoder>(iconvNameOf(number_));
      written = decomposer->encode(character.code, out);
    }
    if (!written) {
      if (missing == nullptr) return std::nullopt;
      out.push_back(*missing);
    }
  }
  return out;
}

std::string CodePage::fromUtf8(std::string_view utf8, char missing) const { return *encodeWith(utf8, &missing); }

std::optional<std::string> CodePage::encode(std::string_view utf8) const { return encodeWith(utf8, nullptr); }

}  // namespace zeb
