// The converters a copy uses for the clipboard's RTF and plain text, as replaceable
// functions: the program installs the real converters; until then plain text comes from a
// simple stand-in and no RTF is offered.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zeb {

class TZEBset;
class TZEBtesto;

// Where the markup being converted comes from, for resolving the objects it names.
struct ConversionSource {
  TZEBset* set = nullptr;
  TZEBtesto* text = nullptr;  // the text object whose local objects the markup refers to
};

struct ClipboardConverters {
  // RTF of the markup fragment; nothing when no RTF can be made.
  std::function<std::optional<std::string>(const ConversionSource&, std::string_view markup)> toRtf;
  // Windows-1252 plain text of the markup fragment.
  std::function<std::string(const ConversionSource&, std::string_view markup)> toPlainText;
};

// The converters in use by every copy; changed by the program at start-up.
ClipboardConverters& clipboardConverters();

// The stand-in: the characters of the fragment, entities decoded, with CR LF between
// paragraphs; tags and skipped blocks give nothing.
std::string plainTextOfMarkup(std::string_view markup);

}  // namespace zeb
