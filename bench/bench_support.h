// Timing and memory figures for the benchmark programs, and the books they work on.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace zeb::bench {

// The middle value (the upper of the two middle ones for an even count); there must be one.
double median(std::vector<double> values);
// Wall-clock and processor seconds of the work, once. On a busy machine the process waits
// for a processor, which the wall clock counts and the processor time does not.
struct Seconds {
  double wall = 0;
  double processor = 0;
};
Seconds secondsOf(const std::function<void()>& work);
// The median of each over the runs.
Seconds median(const std::vector<Seconds>& values);
// Median wall-clock seconds of the work over the runs.
double medianSeconds(int runs, const std::function<void()>& work);
// Processor seconds this thread, and the whole process, have used: what else runs on the
// machine does not count.
double threadSeconds();
double processorSeconds();
// Median processor seconds this thread spends on the work over the runs.
double medianThreadSeconds(int runs, const std::function<void()>& work);
// Median wall-clock seconds of a shell command line over the runs.
double medianCommandSeconds(int runs, const std::string& commandLine);
// Median processor seconds (user and system) of a shell command line over the runs: the
// shell and the programs it ran.
double medianCommandProcessorSeconds(int runs, const std::string& commandLine);

// The shell command line that counts the lines of the book holding the term: grep -c -F, its
// count written to a file beside the book. GNU grep stops at the first match when its output
// goes to /dev/null, so a baseline written there would read next to nothing.
std::string grepCountCommand(const std::string& term, const std::filesystem::path& book);

// Bytes the C++ heap holds right now, and the process's peak resident set.
std::int64_t heapBytesInUse();
std::int64_t peakResidentBytes();
std::int64_t residentBytes();

// A synthetic book of that many pages in the benchmark data folder (build/bench-data),
// made once and reused by later runs.
std::filesystem::path syntheticBook(int pages, int pageBytes);

std::string megabytes(std::int64_t bytes);

// The N of "--runs N" on the command line (at least 1), else the default.
int runsArgument(int argc, char** argv, int defaultRuns);
// Qt draws and measures on the offscreen platform unless another platform is asked for.
void preferOffscreenPlatform();

// The page counts a scale benchmark runs at: its arguments, or else the defaults; in
// increasing order, so that the peak resident set read after each size is that size's.
std::vector<int> pageCounts(int argc, char** argv, std::vector<int> defaults);

// What one size of a scale benchmark cost.
struct SizeFigures {
  int pages = 0;
  Seconds seconds;
  std::int64_t bytes = 0;  // the memory the benchmark counts for that size
};

// Time and memory per page at each size, then the per-page ratios of the largest size to
// the smallest (linear growth gives 1; the target is at most 1.2).
void printPerPage(const std::vector<SizeFigures>& sizes, const char* memoryName);

}  // namespace zeb::bench
