// A two-term query over every page of a 20,000-page book, timed against grep searching the
// book file for one of the terms in the same run: by the clock, and by the processor time of
// each (the search's thread, grep with its shell), which other work on the machine does not
// stretch.
#include <cstdio>
#include <string>

#include "bench/bench_support.h"
#include "document/book_file.h"
#include "document/book_search.h"
#include "document/container.h"
#include "platform/headless/quiet_platform.h"
#include "tools/zebmake/synthetic_book.h"

int main(int argc, char** argv) {
  const int pages = argc > 1 ? std::stoi(argv[1]) : 20000;
  const int runs = 7;
  const std::string path = zeb::bench::syntheticBook(pages, 5000).string();

  zeb::QuietPlatform platform;
  zeb::TZEBset set(platform.services());
  if (!set.Load(path)) {
    std::fprintf(stderr, "the book did not load\n");
    return 1;
  }
  const zeb::SearchTerms terms{zeb::zebmake::commonWord, zeb::zebmake::occasionalWord, "", ""};
  std::size_t hits = 0;
  const auto work = [&] { hits = zeb::searchBook(set, terms, 0).size(); };
  const std::string grepLine = zeb::bench::grepCountCommand(zeb::zebmake::occasionalWord, path);
  const double search = zeb::bench::medianSeconds(runs, work);
  const double grep = zeb::bench::medianCommandSeconds(runs, grepLine);
  const double searchProcessor = zeb::bench::medianThreadSeconds(runs, work);
  const double grepProcessor = zeb::bench::medianCommandProcessorSeconds(runs, grepLine);

  std::printf("book: %s (%d pages, %s)\n", path.c_str(), pages, zeb::bench::megabytes(set.bookFile()->size()).c_str());
  std::printf("query \"%s\" and \"%s\": %zu pages\n", terms.a.c_str(), terms.b.c_str(), hits);
  std::printf("search (median of %d): %.2f ms\n", runs, search * 1e3);
  std::printf("grep -c -F %s (median of %d): %.2f ms\n", terms.b.c_str(), runs, grep * 1e3);
  std::printf("search / grep: %.2f (target at most 1.0)\n", search / grep);
  std::printf("processor time (median of %d): search %.2f ms, grep %.2f ms, search / grep: %.2f\n", runs,
              searchProcessor * 1e3, grepProcessor * 1e3, searchProcessor / grepProcessor);
  return 0;
}
