// The copy's conversions.
#include "export/clipboard_conversion.h"

#include "export/plain_text_converter.h"
#include "export/rtf_converter.h"

namespace zeb {

ClipboardPayloads convertForClipboard(TZEBset& set, TZEBtesto* text, std::string_view markup) {
  ClipboardPayloads payloads;
  TZEBtoTxt plain;
  plain.setLinkedZEBset(&set);
  plain.setTextObject(text);
  payloads.plainText = plain.convert(markup);
  TZEBtortf rtf;
  rtf.setLinkedZEBset(&set);
  rtf.setTextObject(text);
  payloads.rtf = rtf.convert(markup);
  return payloads;
}

}  // namespace zeb
