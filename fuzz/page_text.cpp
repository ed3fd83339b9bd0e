// Fuzzes the opening of a page's working text: any bytes as the stored text of a page in a
// book whose hyperlinks, link actions (one going to a hyperlink, two going to each other),
// panel elements, tables, placement, button, form controls, data set and multimedia object
// the text's object tags may name, with a header and a footer page. Opening keeps every byte
// but the digits of the object tags it rewrites, adds the closing zero byte when it is
// missing, and every rewritten tag names a working copy; storing the working text back puts
// each copy in its original's place, so that no kind gains or loses an object.
#include "view/page_text.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "document/container.h"
#include "document/page_object.h"
#include "platform/headless/quiet_platform.h"
#include "text/markup_values.h"
#include "tools/zebmake/book_model.h"

namespace {

using zeb::TOggettiHel;

void require(bool condition) {
  if (!condition) __builtin_trap();
}

zeb::TZEBoggetto& add(zeb::TZEBset& set, TOggettiHel kind, std::uint8_t subtype = 0) {
  zeb::TZEBoggetto& object = zeb::zebmake::addObject(set, kind);
  if (subtype != 0) object.record().setU8(zeb::field::state, subtype);
  return object;
}

// The book around the fuzzed page (page 0).
void fillBook(zeb::TZEBset& set, std::string_view text) {
  using zeb::objectId;
  add(set, TOggettiHel::internetLink).setName("nexo:|1");
  add(set, TOggettiHel::internetLink).setName("http://example.org");
  add(set, TOggettiHel::speclink, 1).record().setU32(zeb::field::actionTarget, objectId(TOggettiHel::internetLink, 0));
  add(set, TOggettiHel::speclink, 1).record().setU32(zeb::field::actionTarget, objectId(TOggettiHel::speclink, 2));
  add(set, TOggettiHel::speclink, 1).record().setU32(zeb::field::actionTarget, objectId(TOggettiHel::speclink, 1));
  add(set, TOggettiHel::shortObj, 13).record().setU32(zeb::field::panelReference, objectId(TOggettiHel::speclink, 0));
  add(set, TOggettiHel::shortObj, 14);
  for (const int rows : {2, 1})
    add(set, TOggettiHel::tabellaHtml).record().setU8(zeb::field::tableRows, static_cast<std::uint8_t>(rows));
  zeb::TZEBoggetto& placement = add(set, TOggettiHel::immagineNew);
  placement.record().setU32(zeb::field::placementZones, objectId(TOggettiHel::speclink, 1));
  placement.record().setU32(zeb::field::placementZones + zeb::field::zoneSize, objectId(TOggettiHel::internetLink, 1));
  add(set, TOggettiHel::bottoneCGI).record().setU32(zeb::field::buttonAction, objectId(TOggettiHel::speclink, 0));
  add(set, TOggettiHel::inputStat, 1);
  add(set, TOggettiHel::inputDin, 2);
  add(set, TOggettiHel::inizioForm);
  add(set, TOggettiHel::multiMedia);

  auto page = zeb::zebmake::makePage(set, "Fuzzed", "");
  page->setText(text);
  page->record().setI32(zeb::field::pageHeaderPage, 1);
  page->record().setI32(zeb::field::pageFooterPage, 2);
  set.Register(std::move(page));
  zeb::zebmake::addPage(set, "Header", "<Z S0 >head <$01000000>link<%>");
  zeb::zebmake::addPage(set, "Footer", "<Z S0 >foot <$0b000000>");
}

// The object a rewritten tag names in the working text.
bool namesCopy(const zeb::TZEBtesto& working, std::uint32_t reference) {
  if (zeb::isLocalReference(reference)) return working.localObject(reference) != nullptr;
  if (zeb::isEmbeddedReference(reference)) return working.embeddedObject(reference & 0xFFFFFFu) != nullptr;
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static zeb::QuietPlatform platform;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  zeb::TZEBset set(platform.services());
  fillBook(set, text);
  std::array<int, zeb::kindCount> counts{};
  for (int k = 0; k < zeb::kindCount; ++k) counts[static_cast<std::size_t>(k)] = set.count(k);
  auto& page = static_cast<zeb::TZEBtesto&>(*set.slot(TOggettiHel::testoHtml, 0));

  std::unique_ptr<zeb::TZEBtesto> working = zeb::openPageWithHeaderAndFooter(set, page);
  require(working->headerText() != nullptr && working->footerText() != nullptr);
  std::string expected(text);
  if (expected.empty()) expected = std::string("<Z S0 >") + '\0';
  if (expected.back() != '\0') expected.push_back('\0');
  const std::string_view opened = working->textView();
  require(opened.size() == expected.size());
  for (std::size_t i = 0; i < opened.size(); ++i) {
    if (opened[i] == expected[i]) continue;
    // A changed byte lies among the eight digits of an object tag.
    const std::size_t tag = expected.rfind("<$", i);
    require(tag != std::string::npos && i >= tag + 2 && i < tag + 10);
    require(namesCopy(*working, zeb::parseReference(opened.substr(tag + 2, 8))));
  }

  zeb::storeWorkingText(set, *working);
  require(working->textView().size() == expected.size());
  for (int k = 0; k < zeb::kindCount; ++k) require(set.count(k) == counts[static_cast<std::size_t>(k)]);
  platform.messages.clear();
  return 0;
}
