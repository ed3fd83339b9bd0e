// Fuzzes what the reader asks of a loaded book: any bytes as a book file, then the book
// search over every page (page texts read through its sliding window must give the hits
// that each page's own plain text gives), the description of every object, the attributes
// of every attribute block, the named-file list, and the working texts of the first pages
// opened and stored back (and everything read again). Hyperlinks into other books are pointed at this book first, so
// that the run opens no file outside its own folder.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "document/book_search.h"
#include "document/container.h"
#include "document/describe_object.h"
#include "document/link_target.h"
#include "document/named_files.h"
#include "document/page_object.h"
#include "fuzz/scratch_files.h"
#include "platform/headless/quiet_platform.h"
#include "view/page_text.h"

namespace {

using zeb::TOggettiHel;

constexpr int pagesOpened = 4;

void require(bool condition) {
  if (!condition) __builtin_trap();
}

void keepLinksInside(zeb::TZEBset& set, const zeb::fuzzing::ScratchFolder& folder) {
  for (std::size_t i = 0; i < set.slotCount(TOggettiHel::internetLink); ++i) {
    zeb::TZEBoggetto* link = set.slot(TOggettiHel::internetLink, static_cast<std::int32_t>(i));
    if (link == nullptr) continue;
    const zeb::LinkTarget target = zeb::parseLinkTarget(set, link->Name());
    if (target.bookLink && !target.path.empty() && !folder.holds(target.path)) link->setName("nexo:|0");
  }
}

// The hits of each page's own plain text, in page order, each page in its own code page.
std::vector<zeb::PageHit> pageByPage(zeb::TZEBset& set, const zeb::SearchTerms& terms, int options) {
  std::vector<zeb::PageHit> hits;
  std::vector<std::uint8_t> text;
  for (std::int32_t i = 0; i < set.count(zeb::kindNumber(TOggettiHel::testoHtml)); ++i) {
    auto* page = static_cast<zeb::TZEBtesto*>(set.slot(TOggettiHel::testoHtml, i));
    if (page == nullptr || page->isReleased()) continue;
    if (!page->readPrimary(text)) text.clear();
    zeb::PageQuery query = zeb::PageQuery::ofTypedTerms(terms, options, set.codePageOf(*page));
    const std::string_view term = query.testByPlainText(text, page->textFormat());
    if (!term.empty()) hits.push_back({i, std::string(term)});
  }
  return hits;
}

void search(zeb::TZEBset& set) {
  const zeb::SearchTerms queries[] = {{"lorem", "zephyr", "", ""},
                                      {"", "caf\xC3\xA9", "", ""},
                                      {"", "", "the", "<y"},
                                      {"Page", "", "", "a"},
                                      {"\xD0\xBC\xD0\xB8\xD1\x80", "", "\xCF\x83\xCE\xBF", ""}};
  for (const zeb::SearchTerms& terms : queries) {
    for (const int options : {0, zeb::searchMatchCase}) {
      const std::vector<zeb::PageHit> hits = zeb::searchBook(set, terms, options);
      const std::vector<zeb::PageHit> expected = pageByPage(set, terms, options);
      require(std::equal(
          hits.begin(), hits.end(), expected.begin(), expected.end(),
          [](const zeb::PageHit& a, const zeb::PageHit& b) { return a.page == b.page && a.term == b.term; }));
    }
  }
}

void readObjects(zeb::TZEBset& set) {
  for (int k = 0; k < zeb::kindCount; ++k) {
    const auto kind = zeb::kindOf(k);
    for (std::size_t i = 0; i < set.slotCount(kind); ++i) {
      zeb::TZEBoggetto* object = set.slot(kind, static_cast<std::int32_t>(i));
      if (object == nullptr) continue;
      (void)zeb::describeObject(set, *object);
      const std::string all = object->attribute("allfields");
      for (std::size_t start = 0; start < all.size();) {
        std::size_t end = all.find("\r\n", start);
        if (end == std::string::npos) end = all.size();
        const std::string line = all.substr(start, end - start);
        if (const auto equals = line.find('='); equals != std::string::npos)
          (void)object->attribute(line.substr(0, equals));
        start = end + 2;
      }
    }
  }
  zeb::TZEBoggetto& list = set.namedFileList();
  for (const auto& [name, value] : zeb::namedFilesOf(list)) (void)zeb::namedFileValue(list, name);
}

void openPages(zeb::TZEBset& set) {
  int opened = 0;
  for (std::int32_t i = 0; i < set.count(zeb::kindNumber(TOggettiHel::testoHtml)) && opened < pagesOpened; ++i) {
    auto* page = static_cast<zeb::TZEBtesto*>(set.slot(TOggettiHel::testoHtml, i));
    if (page == nullptr || page->isReleased()) continue;
    ++opened;
    std::unique_ptr<zeb::TZEBtesto> working = zeb::openPageWithHeaderAndFooter(set, *page);
    require(!working->textView().empty() && working->textView().back() == '\0');
    zeb::storeWorkingText(set, *working);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static zeb::QuietPlatform platform;
  static const zeb::fuzzing::ScratchFolder folder("book-services");
  const std::filesystem::path path = folder.write("book.zeb", data, size);
  zeb::TZEBset set(platform.services());
  if (set.Load(path.string())) {
    keepLinksInside(set, folder);
    search(set);
    readObjects(set);
    openPages(set);
    // The working copies stored back are read like the objects they replaced.
    readObjects(set);
  }
  platform.messages.clear();
  return 0;
}
