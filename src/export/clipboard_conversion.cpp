// The copy's conversions.
#include "export/clipboard_conversion.h"

#include "export/plain_text_converter.h"
#include "export/rtf_converter.h"
#include "text/clipboard_converters.h"

namespace zeb {

std::string plainTextOf(TZEBset& set, TZEBtesto* text, std::string_view markup) {
  TZEBtoTxt plain;
  plain.setLinkedZEBset(&set);
  plain.setTextObject(text);
  return plain.convert(markup);
}

std::string rtfOf(TZEBset& set, TZEBtesto* text, std::string_view markup) {
  TZEBtortf rtf;
  rtf.setLinkedZEBset(&set);
  rtf.setTextObject(text);
  return rtf.convert(markup);
}

ClipboardPayloads convertForClipboard(TZEBset& set, TZEBtesto* text, std::string_view markup) {
  return {plainTextOf(set, text, markup), rtfOf(set, text, markup)};
}

void installClipboardConverters() {
  ClipboardConverters& converters = clipboardConverters();
  converters.toPlainText = [](const ConversionSource& source, std::string_view markup) {
    return plainTextOf(*source.set, source.text, markup);
  };
  converters.toRtf = [](const ConversionSource& source, std::string_view markup) -> std::optional<std::string> {
    return rtfOf(*source.set, source.text, markup);
  };
}

}  // namespace zeb
