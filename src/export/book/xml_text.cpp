// XML text.
#include "export/book/xml_text.h"

#include <algorithm>
#include <array>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "platform/code_pages.h"
#include "platform/utf8.h"

namespace zeb {

void appendXmlCharacter(std::string& out, char32_t code) {
  switch (code) {
    case '&': out += "&amp;"; break;
    case '<': out += "&lt;"; break;
    case '>': out += "&gt;"; break;
    case '"': out += "&quot;"; break;
    default:
      if (code < 0x20 || (code >= 0x80 && code < 0xA0) || code == 0xFFFE || code == 0xFFFF) return;
      appendUtf8(out, code);
  }
}

void appendXmlEscaped(std::string& out, std::string_view utf8) {
  const auto plain = [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x20 ? c != '&' && c != '<' && c != '>' && c != '"' : c == '\t' || c == '\n';
  };
  std::size_t start = 0;
  while (start < utf8.size()) {
    std::size_t end = start;
    while (end < utf8.size() && plain(utf8[end])) ++end;
    out.append(utf8.data() + start, end - start);
    if (end == utf8.size()) break;
    switch (utf8[end]) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: break;  // other control characters have no place in XML
    }
    start = end + 1;
  }
}

std::string xmlEscaped(std::string_view utf8) {
  std::string out;
  appendXmlEscaped(out, utf8);
  return out;
}

void appendBookCharacter(std::string& out, std::uint8_t byte, const CodePage& codePage) {
  appendXmlCharacter(out, codePage.unicodeOf(byte));
}

namespace {

// What each byte of a code page becomes in XML text: its UTF-8 bytes or its escape, or
// nothing for a control character; plain bytes stand for themselves.
struct XmlBytes {
  std::array<bool, 256> plain{};
  // Whether the plain bytes below 128 are ASCII's printable characters and DEL but for the
  // four that XML escapes, as in every code page a book is written in.
  bool asciiPlain = false;
  std::array<std::uint8_t, 256> length{};
  std::array<std::array<char, 6>, 256> bytes{};
};

const XmlBytes& xmlBytesOf(const CodePage& codePage) {
  // Code pages are kept for the program's life, so one is known by its address; a thread
  // converts one book at a time, so the last one's table mostly serves.
  thread_local const CodePage* known = nullptr;
  thread_local XmlBytes table;
  if (known != &codePage) {
    for (int byte = 0; byte < 256; ++byte) {
      std::string out;
      appendBookCharacter(out, static_cast<std::uint8_t>(byte), codePage);
      const auto index = static_cast<std::size_t>(byte);
      table.length[index] = static_cast<std::uint8_t>(out.size());
      std::copy(out.begin(), out.end(), table.bytes[index].begin());
      table.plain[index] = out.size() == 1 && static_cast<std::uint8_t>(out[0]) == byte;
    }
    table.asciiPlain = true;
    for (std::size_t byte = 0; byte < 128; ++byte) {
      const bool printable = byte >= 0x20 && byte != '"' && byte != '&' && byte != '<' && byte != '>';
      table.asciiPlain = table.asciiPlain && table.plain[byte] == printable;
    }
    known = &codePage;
  }
  return table;
}

// The length of the run of plain ASCII (printable, not one of the four XML escapes) at the
// start of the bytes, sixteen at a time where the processor can; the rest is left to the
// byte-by-byte loop.
std::size_t plainAsciiRun(const char* bytes, std::size_t count) {
  std::size_t at = 0;
#if defined(__SSE2__)
  // As signed bytes, those from 128 up are below 32 too.
  const __m128i space = _mm_set1_epi8(0x20);
  const __m128i quote = _mm_set1_epi8('"');
  const __m128i ampersand = _mm_set1_epi8('&');
  const __m128i less = _mm_set1_epi8('<');
  const __m128i greater = _mm_set1_epi8('>');
  for (; at + 16 <= count; at += 16) {
    const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + at));
    const __m128i odd =
        _mm_or_si128(_mm_or_si128(_mm_cmplt_epi8(chunk, space), _mm_cmpeq_epi8(chunk, quote)),
                     _mm_or_si128(_mm_cmpeq_epi8(chunk, ampersand),
                                  _mm_or_si128(_mm_cmpeq_epi8(chunk, less), _mm_cmpeq_epi8(chunk, greater))));
    if (const int found = _mm_movemask_epi8(odd); found != 0)
      return at + static_cast<std::size_t>(__builtin_ctz(found));
  }
#endif
  return at;
}

// Converts the bytes in runs (plain ASCII, the bulk of a book, is copied as it stands), up to
// the first "<" or "&" when asked to stop there; returns how many bytes it took.
std::size_t appendConverted(std::string& out, std::string_view bytes, const CodePage& codePage, bool stopAtMarkup) {
  const XmlBytes& table = xmlBytesOf(codePage);
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = table.asciiPlain ? start + plainAsciiRun(bytes.data() + start, bytes.size() - start) : start;
    while (end < bytes.size() && table.plain[static_cast<std::uint8_t>(bytes[end])]) ++end;
    out.append(bytes.data() + start, end - start);
    if (end == bytes.size()) break;
    if (stopAtMarkup && (bytes[end] == '<' || bytes[end] == '&')) return end;
    const auto byte = static_cast<std::uint8_t>(bytes[end]);
    out.append(table.bytes[byte].data(), table.length[byte]);
    start = end + 1;
  }
  return bytes.size();
}

}  // namespace

std::size_t appendBookTextUpToMarkup(std::string& out, std::string_view bytes, const CodePage& codePage) {
  return appendConverted(out, bytes, codePage, true);
}

void appendBookText(std::string& out, std::string_view bytes, const CodePage& codePage) {
  appendConverted(out, bytes, codePage, false);
}

}  // namespace zeb
