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
// Median wall-clock seconds of the work over the runs.
double medianSeconds(int runs, const std::function<void()>& work);
// Processor seconds this thread has used: what else runs on the machine does not count.
double threadSeconds();
// Median wall-clock seconds of a shell command line over the runs.
double medianCommandSeconds(int runs, const std::string& commandLine);

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

}  // namespace zeb::bench
