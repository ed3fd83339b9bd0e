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

#include "tools/zebmake/synthetic_book.h"

extern char** environ;

namespace zeb::bench {

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

namespace {

double clockSeconds(clockid_t clock) {
  timespec now{};
  clock_gettime(clock, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

}  // namespace

double processorSeconds() { return clockSeconds(CLOCK_PROCESS_CPUTIME_ID); }

Seconds secondsOf(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  const double processorStart = processorSeconds();
  work();
  return {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
          processorSeconds() - processorStart};
}

Seconds median(const std::vector<Seconds>& values) {
  std::vector<double> wall;
  std::vector<double> processor;
  for (const Seconds& value : values) {
    wall.push_back(value.wall);
    processor.push_back(value.processor);
  }
  return {median(std::move(wall)), median(std::move(processor))};
}

double medianSeconds(int runs, const std::function<void()>& work) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) times.push_back(secondsOf(work).wall);
  return median(std::move(times));
}

namespace {

void runCommand(const std::string& commandLine) {
  const char* argv[] = {"/bin/sh", "-c", commandLine.c_str(), nullptr};
  pid_t child = 0;
  if (posix_spawn(&child, "/bin/sh", nullptr, nullptr, const_cast<char**>(argv), environ) == 0) {
    int status = 0;
    waitpid(child, &status, 0);
  }
}

double childrenSeconds() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  auto seconds = [](const timeval& time) { return static_cast<double>(time.tv_sec) + time.tv_usec * 1e-6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

}  // namespace

double medianCommandSeconds(int runs, const std::string& commandLine) {
  return medianSeconds(runs, [&] { runCommand(commandLine); });
}

double medianCommandProcessorSeconds(int runs, const std::string& commandLine) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const double start = childrenSeconds();
    runCommand(commandLine);
    times.push_back(childrenSeconds() - start);
  }
  return median(std::move(times));
}

double medianThreadSeconds(int runs, const std::function<void()>& work) {
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    const double start = threadSeconds();
    work();
    times.push_back(threadSeconds() - start);
  }
  return median(std::move(times));
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
    const std::filesystem::path partial = book.string() + ".part";
    if (!zebmake::writeSyntheticBook(partial, {.pages = pages, .pageBytes = pageBytes, .seed = 1})) {
      std::fprintf(stderr, "cannot write %s\n", partial.c_str());
      std::exit(1);
    }
    std::filesystem::rename(partial, book);
  }
  return book;
}

std::string grepCountCommand(const std::string& term, const std::filesystem::path& book) {
  return "grep -c -F '" + term + "' '" + book.string() + "' > '" + book.string() + ".grep-count'";
}

std::string megabytes(std::int64_t bytes) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(bytes) / 1e6);
  return text;
}

double threadSeconds() { return clockSeconds(CLOCK_THREAD_CPUTIME_ID); }

int runsArgument(int argc, char** argv, int defaultRuns) {
  int runs = defaultRuns;
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], "--runs") == 0) runs = std::max(1, std::atoi(argv[i + 1]));
  return runs;
}

void preferOffscreenPlatform() {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

std::vector<int> pageCounts(int argc, char** argv, std::vector<int> defaults) {
  std::vector<int> counts;
  for (int i = 1; i < argc; ++i) counts.push_back(std::max(1, std::atoi(argv[i])));
  if (counts.empty()) counts = std::move(defaults);
  std::sort(counts.begin(), counts.end());
  return counts;
}

void printPerPage(const std::vector<SizeFigures>& sizes, const char* memoryName) {
  for (const SizeFigures& size : sizes) {
    std::printf("%7d pages, per page: %.3f us (processor %.3f us), %.0f bytes of %s\n", size.pages,
                size.seconds.wall / size.pages * 1e6, size.seconds.processor / size.pages * 1e6,
                static_cast<double>(size.bytes) / size.pages, memoryName);
  }
  if (sizes.size() < 2) return;
  const SizeFigures& small = sizes.front();
  const SizeFigures& large = sizes.back();
  auto ratio = [&](double largeValue, double smallValue) {
    return (largeValue / large.pages) / (smallValue / small.pages);
  };
  std::printf("per page, %d against %d pages: time %.2f (processor %.2f), %s %.2f (target at most 1.2)\n", large.pages,
              small.pages, ratio(large.seconds.wall, small.seconds.wall),
              ratio(large.seconds.processor, small.seconds.processor), memoryName,
              ratio(static_cast<double>(large.bytes), static_cast<double>(small.bytes)));
}

}  // namespace zeb::bench
