// The book search.
#include "document/book_search.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "document/book_file.h"
#include "document/container.h"
#include "document/page_object.h"

namespace zeb {
namespace {

// Serves byte ranges of the book file from a window that slides forward, so that texts
// stored one after another cost one read per window rather than one per text.
class WindowReader {
 public:
  explicit WindowReader(const BookFile& file) : file_(file) {}

  std::span<const std::uint8_t> read(std::int64_t position, std::int64_t size) {
    if (!file_.contains(position, size)) return {};
    if (position < start_ || position + size > start_ + length_) {
      const std::int64_t length = std::min(std::max<std::int64_t>(size, windowSize), file_.size() - position);
      if (length > capacity_) {
        window_ = std::make_unique_for_overwrite<std::uint8_t[]>(static_cast<std::size_t>(length));
        capacity_ = length;
      }
      length_ = 0;
      if (!file_.readAt(position, {window_.get(), static_cast<std::size_t>(length)})) return {};
      start_ = position;
      length_ = length;
    }
    return {window_.get() + (position - start_), static_cast<std::size_t>(size)};
  }

 private:
  // Small enough to stay in the processor's second-level cache while the page is searched.
  static constexpr std::int64_t windowSize = 128 << 10;
  const BookFile& file_;
  std::unique_ptr<std::uint8_t[]> window_;
  std::int64_t capacity_ = 0;
  std::int64_t start_ = 0;
  std::int64_t length_ = 0;
};

}  // namespace

void forEachMatchingPage(TZEBset& set, const SearchTerms& terms, int options, std::int32_t firstPage,
                         const std::function<bool(const PageMatch&)>& onMatch) {
  BookQuery query(terms, options);
  if (!query.hasTerms()) return;
  std::optional<WindowReader> window;
  if (set.bookFile() != nullptr) window.emplace(*set.bookFile());

  const int count = set.count(kindNumber(TOggettiHel::testoHtml));
  for (std::int32_t i = std::max<std::int32_t>(firstPage, 0); i < count; ++i) {
    auto* page = static_cast<TZEBtesto*>(set.slot(TOggettiHel::testoHtml, i));
    if (page == nullptr || page->isReleased()) continue;
    const Blob& blob = page->primaryBlob();
    std::span<const std::uint8_t> text;
    if (blob.source() == Blob::Source::memory)
      text = blob.bytes();
    else if ((blob.source() == Blob::Source::pending || blob.source() == Blob::Source::bookFile) && window)
      text = window->read(blob.position(), blob.size());
    const std::uint16_t codePage = set.codePageOf(*page);
    const std::string_view term = query.test(text, page->textFormat(), codePage);
    if (!term.empty() && !onMatch({i, term, text, page->textFormat(), codePage})) return;
  }
}

std::vector<PageHit> searchBook(TZEBset& set, const SearchTerms& terms, int options) {
  std::vector<PageHit> hits;
  forEachMatchingPage(set, terms, options, 0, [&hits](const PageMatch& match) {
    hits.push_back({match.page, std::string(match.term), match.codePage});
    return true;
  });
  return hits;
}

}  // namespace zeb
