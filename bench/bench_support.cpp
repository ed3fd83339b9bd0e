// Benchmark helpers.
#include "bench/bench_support.h"

#include <malloc.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <utility>
#include <vector>

#include "tools/zebmake/book_model.h"
#include "tools/zebmake/book_writer.h"
#include "tools/zebmake/synthetic_book.h"

extern char** environ;

namespace zeb::bench {

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double medianSeconds(int runs, const std::function<void()>& work) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    work();
    times.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  return median(std::move(times));
}

double medianCommandSeconds(int runs, const std::string& commandLine) {
  return medianSeconds(runs, [&] {
    const char* argv[] = {"/bin/sh", "-c", commandLine.c_str(), nullptr};
    pid_t child = 0;
    if (posix_spawn(&child, "/bin/sh", nullptr, nullptr, const_cast<char**>(argv), environ) == 0) {
      int status = 0;
      waitpid(child, &status, 0);
    }
  });
}

std::int64_t heapBytesInUse() {
  const struct mallinfo2 info = mallinfo2();
  return static_cast<std::int64_t>(info.uordblks + info.hblkhd);
}

std::int64_t peakResidentBytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<std::int64_t>(usage.ru_maxrss) * 1024;
}

std::int64_t residentBytes() {
  std::ifstream statm("/proc/self/statm");
  std::int64_t size = 0;
  std::int64_t resident = 0;
  statm >> size >> resident;
  return resident * sysconf(_SC_PAGESIZE);
}

std::filesystem::path syntheticBook(int pages, int pageBytes) {
  const std::filesystem::path folder = std::filesystem::path(BRIGHTFOLD_BINARY_DIR) / "bench-data";
  std::filesystem::create_directories(folder);
  const std::filesystem::path book =
      folder / ("synthetic-" + std::to_string(pages) + "x" + std::to_string(pageBytes) + ".zeb");
  if (!std::filesystem::exists(book)) {
    std::fprintf(stderr, "making %s ...\n", book.c_str());
    zebmake::BookModel model;
    zebmake::fillSyntheticBook(model.set(), {.pages = pages, .pageBytes = pageBytes, .seed = 1});
    const std::vector<std::uint8_t> bytes = zebmake::writeBook(model.set());
    const std::filesystem::path partial = book.string() + ".part";
    std::ofstream(partial, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                   static_cast<std::streamsize>(bytes.size()));
    std::filesystem::rename(partial, book);
  }
  return book;
}

std::string megabytes(std::int64_t bytes) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(bytes) / 1e6);
  return text;
}

double threadSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

int runsArgument(int argc, char** argv, int defaultRuns) {
  int runs = defaultRuns;
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], "--runs") == 0) runs = std::max(1, std::atoi(argv[i + 1]));
  return runs;
}

void preferOffscreenPlatform() {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

}  // namespace zeb::bench
