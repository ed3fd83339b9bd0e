// A two-term query over every page of synthetic books of 20,000 and 200,000 pages (or the
// page counts given), each timed against grep counting one of the terms in the book file in
// the same run: by the clock, and by the processor time of each (the search's thread, grep
// with its shell), which other work on the machine does not stretch; then the time and
// memory per page at both sizes.
#include <cstdio>
#include <memory>
#include <string>

#include "bench/bench_support.h"
#include "document/book_file.h"
#include "document/book_search.h"
#include "document/container.h"
#include "platform/headless/quiet_platform.h"
#include "tools/zebmake/synthetic_book.h"

namespace {

zeb::bench::SizeFigures searchBook(int pages) {
  const int runs = 7;
  const std::string path = zeb::bench::syntheticBook(pages, 5000).string();

  zeb::QuietPlatform platform;
  const std::int64_t heapBefore = zeb::bench::heapBytesInUse();
  auto set = std::make_unique<zeb::TZEBset>(platform.services());
  if (!set->Load(path)) {
    std::fprintf(stderr, "the book did not load\n");
    return {pages, {}, 0};
  }
  const zeb::SearchTerms terms{zeb::zebmake::commonWord, zeb::zebmake::occasionalWord, "", ""};
  std::size_t hits = 0;
  std::vector<zeb::bench::Seconds> searches;
  for (int run = 0; run < runs; ++run)
    searches.push_back(zeb::bench::secondsOf([&] { hits = zeb::searchBook(*set, terms, 0).size(); }));
  const zeb::bench::Seconds search = zeb::bench::median(searches);
  // The open book and whatever the searches left behind.
  const std::int64_t held = zeb::bench::heapBytesInUse() - heapBefore;
  const std::string grepLine = zeb::bench::grepCountCommand(zeb::zebmake::occasionalWord, path);
  const double grep = zeb::bench::medianCommandSeconds(runs, grepLine);
  const double grepProcessor = zeb::bench::medianCommandProcessorSeconds(runs, grepLine);

  std::printf("book: %s (%d pages, %s)\n", path.c_str(), pages, zeb::bench::megabytes(set->bookFile()->size()).c_str());
  std::printf("query \"%s\" and \"%s\": %zu pages\n", terms.a.c_str(), terms.b.c_str(), hits);
  std::printf("search (median of %d): %.2f ms (processor %.2f ms)\n", runs, search.wall * 1e3, search.processor * 1e3);
  std::printf("grep -c -F %s (median of %d): %.2f ms (processor %.2f ms)\n", terms.b.c_str(), runs, grep * 1e3,
              grepProcessor * 1e3);
  std::printf("search / grep: %.2f (target at most 1.0); by processor time %.2f\n", search.wall / grep,
              search.processor / grepProcessor);
  std::printf("heap held by the book after the searches: %s; peak resident set so far: %s\n\n",
              zeb::bench::megabytes(held).c_str(), zeb::bench::megabytes(zeb::bench::peakResidentBytes()).c_str());
  return {pages, search, held};
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<zeb::bench::SizeFigures> sizes;
  for (const int pages : zeb::bench::pageCounts(argc, argv, {20000, 200000})) sizes.push_back(searchBook(pages));
  zeb::bench::printPerPage(sizes, "heap held");
  return 0;
}
