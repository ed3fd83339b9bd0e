// Opening a 20,000-page book, timed against reading the file once with cat, and the
// memory the open book holds.
#include <cstdio>
#include <string>

#include "bench/bench_support.h"
#include "document/book_file.h"
#include "document/container.h"
#include "platform/headless/quiet_platform.h"

int main(int argc, char** argv) {
  const int pages = argc > 1 ? std::stoi(argv[1]) : 20000;
  const int runs = 9;
  const auto book = zeb::bench::syntheticBook(pages, 5000);
  const std::string path = book.string();

  zeb::QuietPlatform platform;
  zeb::TZEBset set(platform.services());
  // Memory first, while the heap is fresh: what the loaded book holds on the heap, against
  // its record area and the blobs it keeps in memory.
  const std::int64_t heapBefore = zeb::bench::heapBytesInUse();
  const std::int64_t residentBefore = zeb::bench::residentBytes();
  set.Load(path);
  const std::int64_t held = zeb::bench::heapBytesInUse() - heapBefore;
  const std::int64_t residentGrowth = zeb::bench::residentBytes() - residentBefore;
  std::int64_t records = 0;
  std::int64_t memoryBlobs = 0;
  for (int k = 0; k < zeb::kindCount; ++k) {
    const auto kind = zeb::kindOf(k);
    records += static_cast<std::int64_t>(set.slotCount(kind)) * zeb::currentRecordSize;
    for (std::size_t i = 0; i < set.slotCount(kind); ++i) {
      const zeb::TZEBoggetto* object = set.slot(kind, static_cast<std::int32_t>(i));
      if (object == nullptr) continue;
      for (const zeb::Blob* blob : {&object->primaryBlob(), &object->secondaryBlob()})
        if (blob->source() == zeb::Blob::Source::memory) memoryBlobs += blob->size();
    }
  }

  // Both sides read a file that is already in the page cache.
  const double cat = zeb::bench::medianCommandSeconds(runs, "cat '" + path + "' > /dev/null");
  const double open = zeb::bench::medianSeconds(runs, [&] {
    if (!set.Load(path)) std::fprintf(stderr, "the book did not load\n");
  });

  const std::int64_t budget = (records + memoryBlobs) * 12 / 10;

  std::printf("book: %s (%d pages, %s)\n", path.c_str(), pages, zeb::bench::megabytes(set.bookFile()->size()).c_str());
  std::printf("open (median of %d): %.2f ms\n", runs, open * 1e3);
  std::printf("cat  (median of %d): %.2f ms\n", runs, cat * 1e3);
  std::printf("open / cat: %.2f (target at most 1.0)\n", open / cat);
  std::printf("heap held by the open book: %s; record area %s + blobs in memory %s, +20%% = %s (%s)\n",
              zeb::bench::megabytes(held).c_str(), zeb::bench::megabytes(records).c_str(),
              zeb::bench::megabytes(memoryBlobs).c_str(), zeb::bench::megabytes(budget).c_str(),
              held <= budget ? "within" : "OVER");
  std::printf("resident set growth while opening: %s\n", zeb::bench::megabytes(residentGrowth).c_str());
  return 0;
}
