// The reader's startup: from starting "brightfold BOOK" to its first page painted, against
// the smallest Qt Widgets program that shows one label (startup_baseline), both on the
// offscreen platform and taken in turn in every run. Each program prints the processor time
// it used until its first paint and then quits (the reader with
// BRIGHTFOLD_QUIT_AFTER_FIRST_PAINT=1); that time counts from the program's start, loading
// its libraries included, and what else runs on the machine does not count. The wall-clock
// time of the whole run, from start to exit, is printed beside it. Each reader starts with
// settings and a runtime folder of its own, as on a first start.
//
//   build/bench/startup [--runs N]
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/bench_support.h"

namespace {

constexpr int defaultRuns = 21;

struct Times {
  std::vector<double> firstPaint;  // processor seconds until the first paint
  std::vector<double> wall;        // seconds from start to exit
};

// Runs the command line, reads the "first paint: X ms processor" line it prints; false when
// the program failed or printed none.
bool timeRun(const std::string& commandLine, Times& times) {
  const auto start = std::chrono::steady_clock::now();
  FILE* output = ::popen(commandLine.c_str(), "r");
  if (output == nullptr) return false;
  double firstPaint = -1;
  char line[256];
  while (std::fgets(line, sizeof line, output) != nullptr) std::sscanf(line, "first paint: %lf", &firstPaint);
  const int status = ::pclose(output);
  times.wall.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  times.firstPaint.push_back(firstPaint / 1000);
  return status == 0 && firstPaint >= 0;
}

void print(const char* what, const Times& times) {
  std::printf("%s: %.1f ms processor to the first paint, %.1f ms wall from start to exit\n", what,
              zeb::bench::median(times.firstPaint) * 1000, zeb::bench::median(times.wall) * 1000);
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = zeb::bench::runsArgument(argc, argv, defaultRuns);
  const std::filesystem::path data = std::filesystem::path(BRIGHTFOLD_BINARY_DIR) / "bench-data" / "startup";
  std::filesystem::remove_all(data);
  std::filesystem::create_directories(data / "runtime");
  std::filesystem::permissions(data / "runtime", std::filesystem::perms::owner_all);

  const std::string environment =
      "exec env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR='" + (data / "runtime").string() + "' ";
  const std::string baseline = environment + "'" STARTUP_BASELINE_PATH "' 2>/dev/null";
  const std::string reader = environment + "BRIGHTFOLD_QUIT_AFTER_FIRST_PAINT=1 XDG_CONFIG_HOME='" +
                             (data / "config").string() + "' '" BRIGHTFOLD_PATH "' '" SAMPLE_BOOK_PATH "' 2>/dev/null";

  Times baselineTimes;
  Times readerTimes;
  for (int i = 0; i < runs; ++i) {
    std::filesystem::remove_all(data / "config");
    if (!timeRun(baseline, baselineTimes) || !timeRun(reader, readerTimes)) {
      std::fputs("a program failed to run or to report its first paint\n", stderr);
      return 1;
    }
  }
  std::printf("runs: %d\n", runs);
  print("startup_baseline (one label)", baselineTimes);
  print("brightfold guide.zeb (its first page)", readerTimes);
  std::printf("ratio: %.2f processor to the first paint (target at most 1.5), %.2f wall\n",
              zeb::bench::median(readerTimes.firstPaint) / zeb::bench::median(baselineTimes.firstPaint),
              zeb::bench::median(readerTimes.wall) / zeb::bench::median(baselineTimes.wall));
  return 0;
}
