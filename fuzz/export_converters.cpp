// Fuzzes both converters: any bytes as the markup of a copy, in a buffer of exactly their
// size with no closing zero byte, so that AddressSanitizer catches any read past the end. The
// working text embeds tables of several shapes (bordered, coloured, empty, wider than the
// record describes), a note, fields and a stored-text field, and has a local link; the
// container has links and styles with lists. When the input holds a zero byte, the markup
// ends there and the bytes after it are the cell colour codes of the two coloured tables.
// Each payload must end with its one zero byte and hold no other, and the RTF must be 7-bit
// with its groups balanced.
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "document/container.h"
#include "document/page_object.h"
#include "export/clipboard_conversion.h"
#include "platform/headless/quiet_platform.h"
#include "text/style_object.h"
#include "tools/zebmake/book_model.h"

namespace {

struct Fixture {
  Fixture() {
    for (int i = 0; i < 3; ++i) zeb::zebmake::addObject(set, zeb::TOggettiHel::internetLink);
    zeb::TZEBoggetto& numbered = zeb::zebmake::addObject(set, zeb::TOggettiHel::stileParagrafo);
    numbered.record().setU8(zeb::styleField::numbering, zeb::numbering::numbered);
    zeb::TZEBoggetto& bulleted = zeb::zebmake::addObject(set, zeb::TOggettiHel::stileParagrafo);
    bulleted.record().setU8(zeb::styleField::numbering, zeb::numbering::bulleted);
    bulleted.record().setShortString(zeb::styleField::fontName, zeb::styleField::fontNameMax, "Arial");
    zeb::zebmake::addObject(set, zeb::TOggettiHel::tabellaHtml).record().setU8(zeb::field::tableColumns, 3);

    text.registerLocal(set.makeObject(zeb::TOggettiHel::internetLink));
    // 0xFF000000 to 0xFF000004: tables.
    table(2, 2, 1, false);
    table(1, 3, 11, true);
    table(0, 4, 0, false);
    table(2, 60, 0, false);
    table(3, 1, 3, true);
    // 0xFF000005: a note; 0xFF000006 to 0xFF00000D: fields 21 to 28.
    const char note[] = "Author\r\nline {one}\r\nline \\two\xE9";
    live(zeb::TOggettiHel::shortObj, 10).setPrimaryData({reinterpret_cast<const std::uint8_t*>(note), sizeof note - 1});
    for (std::uint8_t subtype = 21; subtype <= 28; ++subtype) {
      zeb::TZEBoggetto& field = live(zeb::TOggettiHel::shortObj, subtype);
      field.record().setI32(zeb::field::panelReference, 0x1234 * subtype);
      if (subtype == 28) field.setPrimaryData({reinterpret_cast<const std::uint8_t*>("stored"), 6});
    }
    // 0xFF00000E: a picture placement, which writes nothing.
    live(zeb::TOggettiHel::immagineNew, 0);
  }

  zeb::TZEBoggetto& live(zeb::TOggettiHel kind, std::uint8_t subtype) {
    auto object = set.makeObject(kind);
    object->Release();
    object->Activate();
    if (subtype != 0) object->record().setU8(zeb::field::state, subtype);
    zeb::TZEBoggetto& added = *object;
    text.addEmbedded(std::move(object), 0);
    return added;
  }

  void table(int rows, int columns, int border, bool coloured) {
    zeb::TZEBoggetto& table = live(zeb::TOggettiHel::tabellaHtml, 0);
    table.record().setU8(zeb::field::tableRows, static_cast<std::uint8_t>(rows));
    table.record().setU8(zeb::field::tableColumns, static_cast<std::uint8_t>(columns));
    table.record().setU8(zeb::field::tableBorderWidth, static_cast<std::uint8_t>(border));
    for (int c = 0; c < 50; ++c) table.record().setU8(zeb::field::tableColumnModes + c, static_cast<std::uint8_t>(c % 3));
    if (coloured) colouredTables.push_back(&table);
  }

  void setColours(std::span<const std::uint8_t> colours) {
    for (zeb::TZEBoggetto* table : colouredTables) table->setPrimaryData(colours);
  }

  zeb::QuietPlatform platform;
  zeb::TZEBset set{platform.services()};
  zeb::TZEBtesto text;
  std::vector<zeb::TZEBoggetto*> colouredTables;
};

// Colour codes of a few cells when the input gives none: a colour, a picture, transparent,
// and a code cut short.
constexpr std::uint8_t fixedColours[] = {0x10, 0x20, 0x30, 0, 1, 0, 0, 3, 0xFF, 0xFF, 0xFF, 0xFF, 0x40};

void checkPayload(const std::string& payload) {
  if (payload.empty() || payload.back() != '\0' || payload.find('\0') != payload.size() - 1) __builtin_trap();
}

// 7-bit, and every group closed by the last byte and not before.
void checkRtf(const std::string& rtf) {
  int depth = 0;
  const std::size_t end = rtf.size() - 1;  // the zero byte
  for (std::size_t i = 0; i < end; ++i) {
    const auto byte = static_cast<unsigned char>(rtf[i]);
    if (byte >= 0x80) __builtin_trap();
    if (byte == '\\') {
      if (i + 1 >= end) __builtin_trap();
      if (rtf[i + 1] == '{' || rtf[i + 1] == '}' || rtf[i + 1] == '\\') ++i;
    } else if (byte == '{') {
      ++depth;
    } else if (byte == '}') {
      if (--depth < 0 || (depth == 0 && i + 1 != end)) __builtin_trap();
    }
  }
  if (depth != 0) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Fixture fixture;
  fixture.platform.messages.clear();
  const auto* zero = static_cast<const std::uint8_t*>(std::memchr(data, 0, size));
  const std::size_t markupSize = zero != nullptr ? static_cast<std::size_t>(zero - data) : size;
  if (zero != nullptr)
    fixture.setColours({zero + 1, data + size});
  else
    fixture.setColours(fixedColours);
  auto exact = std::make_unique<char[]>(markupSize);
  if (markupSize > 0) std::memcpy(exact.get(), data, markupSize);
  const zeb::ClipboardPayloads payloads =
      zeb::convertForClipboard(fixture.set, &fixture.text, std::string_view(exact.get(), markupSize));
  checkPayload(payloads.plainText);
  checkPayload(payloads.rtf);
  checkRtf(payloads.rtf);
  return 0;
}
