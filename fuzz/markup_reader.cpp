// Fuzzes the markup reader: any bytes as the text of a page, read in place from a buffer of
// exactly their size with no closing zero byte, so that AddressSanitizer catches any read
// past the end. The page embeds a picture, two tables and links, so that object and table
// tags lead somewhere. What is read is laid out, listed and written; what is written must
// read back to the same markup.
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "document/container.h"
#include "document/page_object.h"
#include "platform/headless/quiet_platform.h"
#include "text/markup_writer.h"
#include "text/measurement_cache.h"
#include "text/named_objects.h"
#include "text/text_attributes.h"
#include "text/text_box.h"
#include "tools/zebmake/book_model.h"

namespace {

struct Fixture {
  Fixture() {
    zeb::zebmake::addObject(*set, zeb::TOggettiHel::internetLink);
    zeb::zebmake::addObject(*set, zeb::TOggettiHel::internetLink);
    zeb::zebmake::addObject(*set, zeb::TOggettiHel::testoHtml);
    page.registerLocal(set->makeObject(zeb::TOggettiHel::speclink));
    auto placement = set->makeObject(zeb::TOggettiHel::immagineNew);
    placement->Release();
    page.addEmbedded(std::move(placement), 0);
    for (const int columns : {2, 1}) {
      auto table = set->makeObject(zeb::TOggettiHel::tabellaHtml);
      table->Release();
      table->record().setU8(zeb::field::tableRows, 2);
      table->record().setU8(zeb::field::tableColumns, static_cast<std::uint8_t>(columns));
      page.addEmbedded(std::move(table), 0);
    }
    page.addEmbedded(set->makeObject(zeb::TOggettiHel::bottoneCGI), 0);
  }

  zeb::QuietPlatform platform;
  std::unique_ptr<zeb::TZEBset> set = std::make_unique<zeb::TZEBset>(platform.services());
  zeb::MeasurementCache cache{platform.measurer};
  zeb::TZEBtesto page;
};

std::string readAndWrite(Fixture& fixture, std::span<const std::uint8_t> bytes, int width) {
  zeb::TZEBbox box(*fixture.set, fixture.cache);
  box.setBounds(0, 0, width, 100);
  box.setLayoutWidth(width);
  box.setContentWidth(width);
  zeb::MarkupStream stream{bytes, 0};
  zeb::ReadBudget budget;
  box.readParagraphs(stream, zeb::paragraphOrigin::body, &fixture.page, budget);
  box.setTextOf(zeb::paragraphOrigin::body, &fixture.page);
  if (stream.position > bytes.size()) __builtin_trap();
  box.layoutAll();
  box.Resize(width / 2 + 20, 100);
  (void)zeb::listNamedObjects(box);
  box.setCaret(box.positionOf(box.paragraphCount() - 1, static_cast<int>(bytes.size() % 7)));
  zeb::TMyFont font;
  for (int selector = 0; selector <= 6; ++selector) {
    (void)box.TextAttributes().attributesAt(static_cast<zeb::AttributeSelector>(selector), font);
  }
  std::string fragment;
  const zeb::TZEBparag& first = box.paragraph(0);
  zeb::writeParagraph(first, fragment, first.length() / 3, first.length() - first.length() / 4);
  return box.bodyMarkup();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Fixture fixture;
  fixture.platform.messages.clear();
  auto exact = std::make_unique<std::uint8_t[]>(size);
  if (size > 0) std::memcpy(exact.get(), data, size);
  const int width = 20 + static_cast<int>(size % 300);
  const std::string written = readAndWrite(fixture, {exact.get(), size}, width);
  const std::string rewritten =
      readAndWrite(fixture, {reinterpret_cast<const std::uint8_t*>(written.data()), written.size()}, width);
  if (written != rewritten) __builtin_trap();
  return 0;
}
