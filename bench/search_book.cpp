// A two-term query over every page of a 20,000-page book, timed against grep searching the
// book file for one of the terms in the same run.
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
  const double search = zeb::bench::medianSeconds(runs, [&] { hits = zeb::searchBook(set, terms, 0).size(); });
  const double grep = zeb::bench::medianCommandSeconds(
      runs, std::string("grep -c -F ") + zeb::zebmake::occasionalWord + " '" + path + "' > /dev/null");

  std::printf("book: %s (%d pages, %s)\n", path.c_str(), pages, zeb::bench::megabytes(set.bookFile()->size()).c_str());
  std::printf("query \"%s\" and \"%s\": %zu pages\n", terms.a.c_str(), terms.b.c_str(), hits);
  std::printf("search (median of %d): %.2f ms\n", runs, search * 1e3);
  std::printf("grep -c -F %s (median of %d): %.2f ms\n", terms.b.c_str(), runs, grep * 1e3);
  std::printf("search / grep: %.2f (target at most 1.5)\n", search / grep);
  return 0;
}
