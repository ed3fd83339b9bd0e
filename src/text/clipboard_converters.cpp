// The converters in use, and the plain-text stand-in.
#include "text/clipboard_converters.h"

#include <algorithm>

#include "text/markup_entities.h"

namespace zeb {
namespace {

// The closing tag of a block that gives no text ("<D" ... "<d>"), searched from `from`.
std::size_t afterBlock(std::string_view markup, std::size_t from, char letter) {
  const char closing[] = {'<', static_cast<char>(letter - 'A' + 'a'), '>'};
  const std::size_t found = markup.find(std::string_view(closing, 3), from);
  return found == std::string_view::npos ? markup.size() : found + 3;
}

}  // namespace

ClipboardConverters& clipboardConverters() {
  static ClipboardConverters converters{
      nullptr,
      [](const ConversionSource&, std::string_view markup) { return plainTextOfMarkup(markup); },
  };
  return converters;
}

std::string plainTextOfMarkup(std::string_view markup) {
  std::string out;
  bool firstParagraph = true;
  std::size_t i = 0;
  while (i < markup.size() && markup[i] != '\0') {
    const char character = markup[i];
    if (character == '&') {
      const DecodedEntity entity = decodeEntity(markup.substr(i));
      out += static_cast<char>(entity.code);
      i += std::max<std::size_t>(entity.length, 1);
      continue;
    }
    if (character != '<') {
      if (static_cast<unsigned char>(character) >= 32) out += character;
      ++i;
      continue;
    }
    const char kind = i + 1 < markup.size() ? markup[i + 1] : '\0';
    if (kind == 'Z') {
      if (!firstParagraph) out += "\r\n";
      firstParagraph = false;
    }
    if (kind == 'D' || kind == 'F' || kind == 'R') {
      i = afterBlock(markup, i + 2, kind);
      continue;
    }
    const std::size_t close = markup.find('>', i);
    i = close == std::string_view::npos ? markup.size() : close + 1;
  }
  return out;
}

}  // namespace zeb
