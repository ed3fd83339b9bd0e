// XML text.
#include "export/book/xml_text.h"

#include <cstdint>

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
  for (const char c : utf8) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default:
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n') out.push_back(c);
    }
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

void appendBookText(std::string& out, std::string_view bytes, const CodePage& codePage) {
  for (const char c : bytes) {
    const auto byte = static_cast<std::uint8_t>(c);
    // Plain ASCII letters are the bulk of a book; they need no table.
    if (byte >= 0x20 && byte < 0x7F && byte != '&' && byte != '<' && byte != '>' && byte != '"')
      out.push_back(c);
    else
      appendBookCharacter(out, byte, codePage);
  }
}

}  // namespace zeb
