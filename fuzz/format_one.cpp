// Fuzzes the conversion of texts in the older markup: any bytes as a format-1 page text.
// The result must be current markup that the markup reader takes without complaint: it
// opens with the paragraph tag of style 0 in the page's colour, holds no byte below 32 and
// closes every tag it opens. Upgrading a page stores the result with one closing zero byte.
#include "text/format_one.h"

#include <cstdint>
#include <string>
#include <string_view>

#include "document/container.h"
#include "document/page_object.h"
#include "platform/headless/quiet_platform.h"
#include "text/markup_values.h"
#include "text/measurement_cache.h"
#include "text/text_box.h"

namespace {

struct Fixture {
  zeb::QuietPlatform platform;
  zeb::TZEBset set{platform.services()};
  zeb::MeasurementCache cache{platform.measurer};
};

void require(bool condition) {
  if (!condition) __builtin_trap();
}

// Every "<" opens a tag whose ">" comes before the next "<".
bool tagsClosed(std::string_view markup) {
  bool open = false;
  for (const char c : markup) {
    if (c == '<') {
      if (open) return false;
      open = true;
    } else if (c == '>') {
      open = false;
    }
  }
  return !open;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Fixture fixture;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const zeb::Colour colour = static_cast<zeb::Colour>(size * 0x10305) & 0xFFFFFF;

  const std::string converted = zeb::convertFormatOneText(text, colour);
  std::string opening = "<Z S0 c";
  zeb::appendColour(opening, colour);
  opening += ' ';
  require(converted.starts_with(opening));
  for (const char c : converted) require(static_cast<std::uint8_t>(c) >= 32);
  require(tagsClosed(converted));

  zeb::TZEBbox box(fixture.set, fixture.cache);
  box.setBounds(0, 0, 300, 100);
  zeb::MarkupStream stream{{reinterpret_cast<const std::uint8_t*>(converted.data()), converted.size()}, 0};
  zeb::ReadBudget budget;
  box.readParagraphs(stream, zeb::paragraphOrigin::body, nullptr, budget);
  require(fixture.platform.messages.shown().empty());

  auto page = fixture.set.makeObject(zeb::TOggettiHel::testoHtml);
  auto& older = static_cast<zeb::TZEBtesto&>(*page);
  older.setText(text);
  older.setTextFormat(zeb::markupFormat::older);
  zeb::upgradeTextFormat(older);
  require(older.textFormat() == zeb::markupFormat::current);
  const std::string_view stored = older.textView();
  require(!stored.empty() && stored.find('\0') == stored.size() - 1);
  fixture.platform.messages.clear();
  return 0;
}
