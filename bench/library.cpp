// The library over a shelf of synthetic books (100 books of 2,000 pages, about 1.3 GB, unless
// "--books N --pages P" say otherwise) whose words follow the frequencies of natural text:
// indexing from empty, rescanning the unchanged books, and 100 two-word queries with snippets
// (the first 20 results), their median and 99th percentile against grep -r -l -F for one of
// the words over the same files in the same run; then the index's size against the books'.
// The books are made once under build/bench-data and reused; the index is made anew.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "library/library_index.h"
#include "library/library_scanner.h"
#include "library/sqlite_database.h"
#include "tools/zebmake/synthetic_book.h"

namespace {

constexpr int vocabularyWords = 50000;
// Queries use words of these ranks: the words people search for, neither "the" nor words
// found once in the whole shelf.
constexpr int firstQueryRank = 100;
constexpr int lastQueryRank = 5000;

int option(int argc, char** argv, const char* name, int fallback) {
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], name) == 0) return std::max(1, std::atoi(argv[i + 1]));
  return fallback;
}

std::filesystem::path makeShelf(int books, int pages, int pageBytes) {
  const std::filesystem::path folder = std::filesystem::path(BRIGHTFOLD_BINARY_DIR) / "bench-data" /
                                       ("library-" + std::to_string(books) + "x" + std::to_string(pages));
  std::filesystem::create_directories(folder);
  for (int b = 0; b < books; ++b) {
    const std::filesystem::path book = folder / ("book" + std::to_string(1000 + b) + ".zeb");
    if (std::filesystem::exists(book)) continue;
    std::fprintf(stderr, "making %s ...\n", book.c_str());
    const std::filesystem::path partial = book.string() + ".part";
    zeb::zebmake::SyntheticOptions options{.pages = pages,
                                           .pageBytes = pageBytes,
                                           .seed = static_cast<std::uint32_t>(b + 1),
                                           .vocabularyWords = vocabularyWords};
    if (!zeb::zebmake::writeSyntheticBook(partial, options)) {
      std::fprintf(stderr, "cannot write %s\n", partial.c_str());
      std::exit(1);
    }
    std::filesystem::rename(partial, book);
  }
  return folder;
}

double percentile(std::vector<double> values, double share) {
  std::sort(values.begin(), values.end());
  const auto at = static_cast<std::size_t>(share * static_cast<double>(values.size() - 1) + 0.5);
  return values[std::min(at, values.size() - 1)];
}

}  // namespace

int main(int argc, char** argv) {
  const int books = option(argc, argv, "--books", 100);
  const int pages = option(argc, argv, "--pages", 2000);
  const int pageBytes = option(argc, argv, "--page-bytes", 6500);
  const std::filesystem::path shelf = makeShelf(books, pages, pageBytes);
  const std::filesystem::path indexPath = shelf.string() + ".sqlite";
  // "--reuse-index" keeps the index of an earlier run, for timing the queries alone.
  bool reuse = false;
  for (int i = 1; i < argc; ++i) reuse = reuse || std::strcmp(argv[i], "--reuse-index") == 0;
  reuse = reuse && std::filesystem::exists(indexPath);
  if (!reuse)
    for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(indexPath.string() + suffix);
  const std::vector<std::string> folders = {shelf.string()};

  std::int64_t bookBytes = 0;
  for (const auto& book : zeb::library::booksBelow(folders)) bookBytes += std::filesystem::file_size(book);
  std::printf("shelf: %s, %d books of %d pages, %s\n", shelf.c_str(), books, pages,
              zeb::bench::megabytes(bookBytes).c_str());

  zeb::library::ScanCounts first, second;
  std::int64_t markupBytes = 0, livePages = 0;
  double opening = 0;
  if (!reuse) {
    auto index = std::make_unique<zeb::library::LibraryIndex>(indexPath);
    const auto indexing = zeb::bench::secondsOf([&] { first = zeb::library::scanFolders(*index, folders, folders); });
    const auto rescan = zeb::bench::secondsOf([&] { second = zeb::library::scanFolders(*index, folders, folders); });
    livePages = index->livePageCount();
    std::printf("index from empty: %.1f s (processor %.1f s), %d books added, %d failed, %lld pages\n", indexing.wall,
                indexing.processor, first.added, first.failed, static_cast<long long>(livePages));
    std::printf("rescan of the unchanged books: %.3f s (target under 1 s), %d unchanged\n", rescan.wall,
                second.unchanged);
  }
  // Opening checks the file (quick_check): the reader's window and zebtool do it once.
  auto index = std::make_unique<zeb::library::LibraryIndex>(indexPath);
  opening = zeb::bench::secondsOf([&] { index = std::make_unique<zeb::library::LibraryIndex>(indexPath); }).wall;
  std::printf("opening the index with its quick check: %.3f s\n", opening);

  // The books' text: the markup the pages store, and the plain text the index reads.
  std::int64_t plainBytes = 0;
  for (const auto& book : zeb::library::booksBelow(folders)) {
    const zeb::library::ReadBook read = zeb::library::readBookForIndex(book);
    for (const auto& page : read.pages) {
      markupBytes += page.textSize;
      plainBytes += static_cast<std::int64_t>(page.searchText.size());
    }
  }

  std::mt19937 random(7);
  std::uniform_int_distribution<int> rank(firstQueryRank, lastQueryRank);
  std::vector<double> times;
  std::vector<double> matches;
  std::string grepWord;
  std::size_t results = 0;
  for (int q = 0; q < 100; ++q) {
    const std::string a = zeb::zebmake::vocabularyWord(rank(random));
    const std::string b = zeb::zebmake::vocabularyWord(rank(random));
    if (q == 0) grepWord = a;
    std::size_t hits = 0;
    const double seconds = zeb::bench::secondsOf([&] {
                             index->search({a + " " + b, 20}, [&](const zeb::library::SearchHit& hit) {
                               results += hit.snippet.size() > 0;
                               ++hits;
                               return true;
                             });
                           }).wall;
    times.push_back(seconds);
    matches.push_back(static_cast<double>(hits));
  }
  const double median = zeb::bench::median(times);
  const double p99 = percentile(times, 0.99);
  const std::string grepLine =
      "grep -r -l -F '" + grepWord + "' '" + shelf.string() + "' > '" + shelf.string() + ".grep-files'";
  const double grep = zeb::bench::medianCommandSeconds(3, grepLine);
  std::printf("100 two-word queries (words of ranks %d to %d of %d), first 20 results with snippets:\n", firstQueryRank,
              lastQueryRank, vocabularyWords);
  std::printf("  median %.2f ms, 99th percentile %.2f ms (target under 50 ms); results shown per query: median %.0f\n",
              median * 1e3, p99 * 1e3, zeb::bench::median(matches));
  std::printf("grep -r -l -F %s over the shelf (median of 3): %.0f ms\n", grepWord.c_str(), grep * 1e3);
  std::printf("99th percentile / grep: %.4f (target at most 0.05)\n", p99 / grep);
  index.reset();

  std::int64_t indexBytes = 0;
  for (const char* suffix : {"", "-wal"}) {
    std::error_code error;
    const auto size = std::filesystem::file_size(indexPath.string() + suffix, error);
    if (!error) indexBytes += static_cast<std::int64_t>(size);
  }
  std::printf("index: %s; page markup %s, plain text %s\n", zeb::bench::megabytes(indexBytes).c_str(),
              zeb::bench::megabytes(markupBytes).c_str(), zeb::bench::megabytes(plainBytes).c_str());
  std::printf("index / page markup: %.3f, index / plain text: %.3f (target at most 0.5)\n",
              static_cast<double>(indexBytes) / static_cast<double>(markupBytes),
              static_cast<double>(indexBytes) / static_cast<double>(plainBytes));
  return 0;
}
