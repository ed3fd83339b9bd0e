// Large books made from a seed, for benchmarks and stress tests.
#pragma once

#include <cstdint>

namespace zeb {
class TZEBset;
}

namespace zeb::zebmake {

struct SyntheticOptions {
  int pages = 100;
  // Approximate length of each page's markup.
  int pageBytes = 5000;
  std::uint32_t seed = 1;
};

// Words that the synthetic pages hold at known rates, so that searches have answers:
// every page holds "lorem"; every 7th page "zephyr"; every 100th page "quokka".
inline constexpr const char* commonWord = "lorem";
inline constexpr const char* occasionalWord = "zephyr";
inline constexpr const char* rareWord = "quokka";

// Adds the pages, a hyperlink to the next page for each page, ten keywords and two
// pictures. The first page is the cover.
void fillSyntheticBook(TZEBset& set, const SyntheticOptions& options);

}  // namespace zeb::zebmake
