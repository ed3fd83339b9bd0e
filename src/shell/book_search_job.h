// A whole-book search that can run on a thread of its own: it takes what it needs from the
// container when it is made, then reads the page texts through its own handle on the book
// file, reports each matching page (with a snippet) as soon as it is found, reports its
// progress, and stops when asked.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <stop_token>
#include <string>
#include <vector>

#include "document/search_text.h"

namespace zeb {

class TZEBset;

struct BookSearchRequest {
  SearchTerms terms;  // as typed, in UTF-8
  // searchMatchCase counts; searchWholeWords plays no part in finding pages.
  int options = 0;
  // Pages before this one are not examined.
  std::int32_t firstPage = 0;
  // The search in the book stops at the first matching page; the list of all matching
  // pages takes every one.
  bool stopAtFirstHit = false;
};

struct FoundPage {
  std::int32_t page = -1;  // kind-0 index
  std::string term;        // the term the page satisfied (as the query test gives it)
  std::string snippet;     // the term with a few words around it
  std::uint16_t codePage = 1252;  // of the term and the snippet: the page's
};

struct SearchProgress {
  std::size_t examined = 0;  // pages examined so far
  std::size_t total = 0;     // pages the search will examine at most
};

enum class SearchEnd {
  completed,       // every page was examined, or the first hit was found when asked to stop there
  cancelled,       // stopped on request
  bookUnreadable,  // the book file could not be opened again, or it changed since
};

class BookSearchJob {
 public:
  // Takes the book's path and where each live page's text lies (a copy of the texts that
  // exist only in memory). Call on the thread that owns the container; afterwards the job
  // never touches it.
  BookSearchJob(TZEBset& set, BookSearchRequest request);
  ~BookSearchJob();
  BookSearchJob(BookSearchJob&&) noexcept;
  BookSearchJob& operator=(BookSearchJob&&) noexcept;

  // Called on the thread that runs the job.
  struct Observer {
    std::function<void(const FoundPage&)> onHit;
    std::function<void(const SearchProgress&)> onProgress;
  };

  // Examines the pages in number order, on the calling thread, until the end or until a
  // stop is requested (checked before every page).
  SearchEnd run(const Observer& observer, std::stop_token stop = {}) const;

  // Pages the job will examine.
  std::size_t pageCount() const;

 private:
  struct PageText;
  struct Snapshot;
  std::unique_ptr<Snapshot> snapshot_;
  BookSearchRequest request_;
};

// The same search on the calling thread, through the container's own reading of the book:
// for a book whose file could not be opened again. Hits are handed over as they are found.
void searchInContainer(TZEBset& set, const BookSearchRequest& request,
                       const std::function<void(const FoundPage&)>& onHit);

}  // namespace zeb
