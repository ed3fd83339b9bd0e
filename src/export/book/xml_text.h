// Text for XML documents: book bytes turned into UTF-8 through their code page, and the
// characters markup gives a meaning escaped.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zeb {

class CodePage;

// Appends UTF-8 text with "&", "<", ">" and the double quote escaped, so that it may stand
// in element content and in attribute values alike.
void appendXmlEscaped(std::string& out, std::string_view utf8);
std::string xmlEscaped(std::string_view utf8);

// Appends book bytes as escaped UTF-8. Control characters (below 32, and the C1 controls a
// code page leaves undefined) have no place in the documents and are dropped.
void appendBookText(std::string& out, std::string_view bytes, const CodePage& codePage);
// The same for the text that starts the bytes, up to the first "<" or "&" (where markup goes
// on); returns how many bytes it took.
std::size_t appendBookTextUpToMarkup(std::string& out, std::string_view bytes, const CodePage& codePage);
void appendBookCharacter(std::string& out, std::uint8_t byte, const CodePage& codePage);
// One character, escaped and dropped like the bytes above.
void appendXmlCharacter(std::string& out, char32_t code);

}  // namespace zeb
