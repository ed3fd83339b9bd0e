// The whole-book search job: a snapshot of where the page texts lie, then a pass over them
// that reads the book file in large pieces through a handle of its own.
#include "shell/book_search_job.h"

#include <algorithm>

#include "document/book_file.h"
#include "document/book_search.h"
#include "document/container.h"
#include "document/page_object.h"
#include "shell/search_snippet.h"

namespace zeb {
namespace {

// Texts stored one after another are read together, up to this many bytes at a time.
constexpr std::int64_t pieceBytes = 1 << 20;
// Progress is reported after this many pages, and at the end.
constexpr std::size_t progressStep = 256;

}  // namespace

struct BookSearchJob::PageText {
  std::int64_t position = 0;  // in the book file, or in the memory copies
  std::uint32_t size = 0;
  std::int32_t page = 0;
  std::uint8_t textFormat = 0;
  bool inMemory = false;
  std::uint16_t codePage = 1252;
};

struct BookSearchJob::Snapshot {
  std::filesystem::path bookPath;
  std::int64_t bookSize = -1;
  bool needsFile = false;
  std::vector<PageText> pages;
  std::vector<std::uint8_t> memoryTexts;
};

BookSearchJob::BookSearchJob(TZEBset& set, BookSearchRequest request)
    : snapshot_(std::make_unique<Snapshot>()), request_(std::move(request)) {
  Snapshot& snapshot = *snapshot_;
  if (set.bookFile() != nullptr) {
    snapshot.bookPath = set.ZEBFileName();
    snapshot.bookSize = set.bookFile()->size();
  }
  const int count = set.count(kindNumber(TOggettiHel::testoHtml));
  for (std::int32_t i = std::max<std::int32_t>(request_.firstPage, 0); i < count; ++i) {
    const auto* page = static_cast<const TZEBtesto*>(set.slot(TOggettiHel::testoHtml, i));
    if (page == nullptr || page->isReleased()) continue;
    const Blob& blob = page->primaryBlob();
    PageText text;
    text.page = i;
    text.textFormat = static_cast<std::uint8_t>(page->textFormat());
    text.codePage = set.codePageOf(*page);
    text.size = blob.size();
    switch (blob.source()) {
      case Blob::Source::none: text.size = 0; break;
      case Blob::Source::memory:
        // Texts changed or converted in memory are searched as they are now.
        text.inMemory = true;
        text.position = static_cast<std::int64_t>(snapshot.memoryTexts.size());
        snapshot.memoryTexts.insert(snapshot.memoryTexts.end(), blob.bytes().begin(), blob.bytes().end());
        break;
      case Blob::Source::pending:
      case Blob::Source::bookFile:
        text.position = blob.position();
        snapshot.needsFile = snapshot.bookSize >= 0;
        if (snapshot.bookSize < 0) text.size = 0;
        break;
    }
    snapshot.pages.push_back(text);
  }
}

BookSearchJob::~BookSearchJob() = default;
BookSearchJob::BookSearchJob(BookSearchJob&&) noexcept = default;
BookSearchJob& BookSearchJob::operator=(BookSearchJob&&) noexcept = default;

std::size_t BookSearchJob::pageCount() const { return snapshot_->pages.size(); }

SearchEnd BookSearchJob::run(const Observer& observer, std::stop_token stop) const {
  const Snapshot& snapshot = *snapshot_;
  SearchProgress progress{0, snapshot.pages.size()};
  auto reportProgress = [&] {
    if (observer.onProgress) observer.onProgress(progress);
  };
  BookQuery query(request_.terms, request_.options);
  const bool matchCase = (request_.options & searchMatchCase) != 0;

  std::unique_ptr<BookFile> file;
  if (snapshot.needsFile && query.hasTerms()) {
    file = BookFile::open(snapshot.bookPath);
    if (!file || file->size() != snapshot.bookSize) return SearchEnd::bookUnreadable;
  }
  // The piece of the book file read last: [pieceStart, pieceStart + pieceLength).
  std::unique_ptr<std::uint8_t[]> piece;
  std::int64_t pieceCapacity = 0, pieceStart = 0, pieceLength = 0;
  auto readPieceFrom = [&](std::size_t first) {
    std::int64_t low = snapshot.pages[first].position;
    std::int64_t high = low + snapshot.pages[first].size;
    for (std::size_t j = first + 1; j < snapshot.pages.size(); ++j) {
      const PageText& next = snapshot.pages[j];
      if (next.inMemory || next.size == 0 || !file->contains(next.position, next.size)) continue;
      const std::int64_t newLow = std::min(low, next.position);
      const std::int64_t newHigh = std::max(high, next.position + std::int64_t{next.size});
      if (newHigh - newLow > pieceBytes) break;
      low = newLow;
      high = newHigh;
    }
    if (high - low > pieceCapacity) {
      piece = std::make_unique_for_overwrite<std::uint8_t[]>(static_cast<std::size_t>(high - low));
      pieceCapacity = high - low;
    }
    pieceStart = low;
    pieceLength = file->readAt(low, {piece.get(), static_cast<std::size_t>(high - low)}) ? high - low : 0;
  };

  for (std::size_t i = 0; i < snapshot.pages.size(); ++i) {
    if (stop.stop_requested()) return SearchEnd::cancelled;
    const PageText& entry = snapshot.pages[i];
    std::span<const std::uint8_t> text;
    if (entry.inMemory) {
      text = std::span<const std::uint8_t>(snapshot.memoryTexts)
                 .subspan(static_cast<std::size_t>(entry.position), entry.size);
    } else if (file && entry.size > 0 && file->contains(entry.position, entry.size)) {
      if (entry.position < pieceStart || entry.position + entry.size > pieceStart + pieceLength) readPieceFrom(i);
      if (entry.position >= pieceStart && entry.position + entry.size <= pieceStart + pieceLength)
        text = {piece.get() + (entry.position - pieceStart), entry.size};
    }
    const std::string_view term = query.test(text, entry.textFormat, entry.codePage);
    ++progress.examined;
    if (!term.empty()) {
      if (observer.onHit)
        observer.onHit({entry.page, std::string(term),
                        pageSnippet(text, entry.textFormat, term, matchCase, entry.codePage), entry.codePage});
      if (request_.stopAtFirstHit) {
        reportProgress();
        return SearchEnd::completed;
      }
    }
    if (progress.examined % progressStep == 0 && progress.examined != progress.total) reportProgress();
  }
  reportProgress();
  return SearchEnd::completed;
}

void searchInContainer(TZEBset& set, const BookSearchRequest& request,
                       const std::function<void(const FoundPage&)>& onHit) {
  const bool matchCase = (request.options & searchMatchCase) != 0;
  forEachMatchingPage(set, request.terms, request.options, request.firstPage, [&](const PageMatch& match) {
    if (onHit)
      onHit({match.page, std::string(match.term),
             pageSnippet(match.text, match.textFormat, match.term, matchCase, match.codePage), match.codePage});
    return !request.stopAtFirstHit;
  });
}

}  // namespace zeb
