// The reader's startup: from starting "brightfold BOOK" to its first page painted (the reader
// quits then, with BRIGHTFOLD_QUIT_AFTER_FIRST_PAINT=1), against the smallest Qt Widgets
// program that shows one label and quits after its first paint (startup_baseline), both on
// the offscreen platform, taken in turn in every run. Each reader starts with settings and a
// runtime folder of its own, as on a first start. Prints the medians and their ratio, in the
// processor time the programs used (user and system, so that other work on the machine does
// not count) and in wall-clock time.
//
//   build/bench/startup [--runs N]
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "platform/headless/process_runner.h"

namespace {

constexpr int defaultRuns = 21;

struct Times {
  std::vector<double> processor;
  std::vector<double> wall;
};

// Processor seconds of the children waited for so far.
double childrenProcessorSeconds() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  const auto seconds = [](const timeval& time) { return static_cast<double>(time.tv_sec) + time.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void timeRun(const zeb::ProcessRun& run, Times& times, bool& failed) {
  const double processorBefore = childrenProcessorSeconds();
  const auto start = std::chrono::steady_clock::now();
  if (!zeb::runAndWait(run)) failed = true;
  times.wall.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  times.processor.push_back(childrenProcessorSeconds() - processorBefore);
}

void print(const char* what, const Times& times) {
  std::printf("%s: %.1f ms processor, %.1f ms wall\n", what, zeb::bench::median(times.processor) * 1000,
              zeb::bench::median(times.wall) * 1000);
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = zeb::bench::runsArgument(argc, argv, defaultRuns);
  const std::filesystem::path data = std::filesystem::path(BRIGHTFOLD_BINARY_DIR) / "bench-data" / "startup";
  std::filesystem::remove_all(data);
  std::filesystem::create_directories(data / "runtime");
  std::filesystem::permissions(data / "runtime", std::filesystem::perms::owner_all);

  const zeb::EnvironmentChanges offscreen = {{"QT_QPA_PLATFORM", "offscreen"},
                                             {"XDG_RUNTIME_DIR", (data / "runtime").string()}};
  zeb::ProcessRun baseline{STARTUP_BASELINE_PATH, {}, offscreen};
  zeb::ProcessRun reader{BRIGHTFOLD_PATH, {SAMPLE_BOOK_PATH}, offscreen};
  reader.environment.push_back({"BRIGHTFOLD_QUIT_AFTER_FIRST_PAINT", "1"});
  reader.environment.push_back({"XDG_CONFIG_HOME", (data / "config").string()});

  Times baselineTimes;
  Times readerTimes;
  bool failed = false;
  for (int i = 0; i < runs; ++i) {
    std::filesystem::remove_all(data / "config");
    timeRun(baseline, baselineTimes, failed);
    timeRun(reader, readerTimes, failed);
  }
  if (failed) {
    std::fputs("a program failed to run or to quit after its first paint\n", stderr);
    return 1;
  }
  std::printf("runs: %d\n", runs);
  print("startup_baseline (one label)", baselineTimes);
  print("brightfold guide.zeb to its first painted page", readerTimes);
  std::printf("ratio: %.2f processor, %.2f wall (target at most 1.5)\n",
              zeb::bench::median(readerTimes.processor) / zeb::bench::median(baselineTimes.processor),
              zeb::bench::median(readerTimes.wall) / zeb::bench::median(baselineTimes.wall));
  return 0;
}
