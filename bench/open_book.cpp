// Opening synthetic books of 20,000 and 200,000 pages (or the page counts given): each
// timed against reading the file once with cat, the memory the open book holds, and the
// time and memory per page at both sizes.
#include <malloc.h>

#include <cstdio>
#include <limits>
#include <memory>
#include <string>

#include "bench/bench_support.h"
#include "document/book_file.h"
#include "document/container.h"
#include "platform/headless/quiet_platform.h"

namespace {

zeb::bench::SizeFigures openBook(int pages) {
  const int runs = 9;
  const auto book = zeb::bench::syntheticBook(pages, 5000);
  const std::string path = book.string();

  zeb::QuietPlatform platform;
  auto set = std::make_unique<zeb::TZEBset>(platform.services());
  // Memory first, while the heap is fresh: what the loaded book holds on the heap, against
  // its record area and the blobs it keeps in memory.
  const std::int64_t heapBefore = zeb::bench::heapBytesInUse();
  const std::int64_t residentBefore = zeb::bench::residentBytes();
  set->Load(path);
  const std::int64_t held = zeb::bench::heapBytesInUse() - heapBefore;
  const std::int64_t residentGrowth = zeb::bench::residentBytes() - residentBefore;
  std::int64_t records = 0;
  std::int64_t memoryBlobs = 0;
  for (int k = 0; k < zeb::kindCount; ++k) {
    const auto kind = zeb::kindOf(k);
    records += static_cast<std::int64_t>(set->slotCount(kind)) * zeb::currentRecordSize;
    for (std::size_t i = 0; i < set->slotCount(kind); ++i) {
      const zeb::TZEBoggetto* object = set->slot(kind, static_cast<std::int32_t>(i));
      if (object == nullptr) continue;
      for (const zeb::Blob* blob : {&object->primaryBlob(), &object->secondaryBlob()})
        if (blob->source() == zeb::Blob::Source::memory) memoryBlobs += blob->size();
    }
  }

  // Both sides read a file that is already in the page cache.
  const double cat = zeb::bench::medianCommandSeconds(runs, "cat '" + path + "' > /dev/null");
  set.reset();
  // Each run opens the book in a new container, as the reader opens a book, and closes it
  // (frees every object) separately.
  std::vector<zeb::bench::Seconds> opens;
  std::vector<zeb::bench::Seconds> closes;
  for (int run = 0; run < runs; ++run) {
    set = std::make_unique<zeb::TZEBset>(platform.services());
    opens.push_back(zeb::bench::secondsOf([&] {
      if (!set->Load(path)) std::fprintf(stderr, "the book did not load\n");
    }));
    if (run + 1 < runs) closes.push_back(zeb::bench::secondsOf([&] { set.reset(); }));
  }
  const zeb::bench::Seconds open = zeb::bench::median(opens);
  const zeb::bench::Seconds close = zeb::bench::median(closes);

  const std::int64_t budget = (records + memoryBlobs) * 12 / 10;

  std::printf("book: %s (%d pages, %s)\n", path.c_str(), pages, zeb::bench::megabytes(set->bookFile()->size()).c_str());
  std::printf("open (median of %d): %.2f ms (processor %.2f ms); closing it again: %.2f ms\n", runs, open.wall * 1e3,
              open.processor * 1e3, close.wall * 1e3);
  std::printf("cat  (median of %d): %.2f ms\n", runs, cat * 1e3);
  std::printf("open / cat: %.2f (target at most 1.0)\n", open.wall / cat);
  std::printf("heap held by the open book: %s; record area %s + blobs in memory %s, +20%% = %s (%s)\n",
              zeb::bench::megabytes(held).c_str(), zeb::bench::megabytes(records).c_str(),
              zeb::bench::megabytes(memoryBlobs).c_str(), zeb::bench::megabytes(budget).c_str(),
              held <= budget ? "within" : "OVER");
  std::printf("resident set growth while opening: %s\n\n", zeb::bench::megabytes(residentGrowth).c_str());
  return {pages, open, held};
}

}  // namespace

int main(int argc, char** argv) {
  // Freed memory stays with the process, so that every run opens into a heap that already
  // holds the memory, at both sizes: otherwise the C library gives the memory of one size
  // back to the system after each run and keeps that of the other, and the runs would
  // compare page faults instead of the open.
  mallopt(M_TRIM_THRESHOLD, std::numeric_limits<int>::max());
  mallopt(M_MMAP_THRESHOLD, 32 << 20);
  std::vector<zeb::bench::SizeFigures> sizes;
  for (const int pages : zeb::bench::pageCounts(argc, argv, {20000, 200000})) sizes.push_back(openBook(pages));
  zeb::bench::printPerPage(sizes, "heap held");
  return 0;
}
