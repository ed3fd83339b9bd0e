// RTF escaping and numbers.
#include "export/rtf_text.h"

#include <array>
#include <charconv>

#include "text/markup_values.h"

namespace zeb {
namespace {

enum class Escape : std::uint8_t { none, backslash, hexadecimal, dropped };

constexpr std::array<Escape, 256> escapes = [] {
  std::array<Escape, 256> table{};
  for (int code = 0; code < 256; ++code) {
    if ((code >= 1 && code <= 31) || code >= 126) table[static_cast<std::size_t>(code)] = Escape::hexadecimal;
  }
  table['\\'] = Escape::backslash;
  table['{'] = Escape::backslash;
  table['}'] = Escape::backslash;
  // A zero byte would end the payload; it can only come from a damaged name.
  table[0] = Escape::dropped;
  return table;
}();

}  // namespace

void appendRtfCharacter(std::string& out, std::uint8_t code) {
  switch (escapes[code]) {
    case Escape::none: out += static_cast<char>(code); break;
    case Escape::backslash:
      out += '\\';
      out += static_cast<char>(code);
      break;
    case Escape::hexadecimal:
      out += "\\'";
      appendHex(out, code, 2);
      break;
    case Escape::dropped: break;
  }
}

void appendRtfText(std::string& out, std::string_view text) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto code = static_cast<std::uint8_t>(text[i]);
    if (escapes[code] == Escape::none) continue;
    out.append(text, start, i - start);
    appendRtfCharacter(out, code);
    start = i + 1;
  }
  out.append(text, start, text.size() - start);
}

void appendNumber(std::string& out, std::int64_t value) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  out.append(digits, result.ptr);
}

}  // namespace zeb
