// The RTF and plain-text payloads of a copy, as the copy hands them to the clipboard.
#pragma once

#include <string>
#include <string_view>

namespace zeb {

class TZEBset;
class TZEBtesto;

struct ClipboardPayloads {
  std::string plainText;  // Windows-1252 text, then one zero byte
  std::string rtf;        // Rich Text Format, then one zero byte
};

// Converts the copied selection, `markup` (text markup as the writer writes it, ending at a
// zero byte or at its end). `text` is the working text the selection comes from: the local
// (0x6F...) and embedded (0xFF...) objects that the markup's tags name are its own; object
// IDs resolve in `set`. The clipboard takes the payloads as they are, each without its
// closing zero byte where it wants none.
ClipboardPayloads convertForClipboard(TZEBset& set, TZEBtesto* text, std::string_view markup);
// Each of the two payloads on its own, from the same arguments.
std::string plainTextOf(TZEBset& set, TZEBtesto* text, std::string_view markup);
std::string rtfOf(TZEBset& set, TZEBtesto* text, std::string_view markup);

// Makes every copy of a text box offer these conversions (the text engine cannot reach the
// converters itself: they are built on it). The reader must call it at start-up; the tools
// convert directly and need not.
void installClipboardConverters();

}  // namespace zeb
