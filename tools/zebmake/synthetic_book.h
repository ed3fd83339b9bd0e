// Large books made from a seed, for benchmarks and stress tests.
#pragma once

#include <cstdint>
#include <filesystem>

namespace zeb {
class TZEBset;
}

namespace zeb::zebmake {

struct SyntheticOptions {
  int pages = 100;
  // Approximate length of each page's markup.
  int pageBytes = 5000;
  std::uint32_t seed = 1;
  // 0: words drawn evenly from a fixed vocabulary of 48. Otherwise a vocabulary of that many
  // words (the fixed ones first, then made-up ones) drawn as often as words of natural text
  // are: the word of rank r about 1/r as often as the first.
  int vocabularyWords = 0;
};

// The word of that rank (0 first) in the vocabulary of vocabularyWords words, in the books'
// code page (Windows-1252).
std::string vocabularyWord(int rank);

// Words that the synthetic pages hold at known rates, so that searches have answers:
// every page holds "lorem"; every 7th page "zephyr"; every 100th page "quokka".
inline constexpr const char* commonWord = "lorem";
inline constexpr const char* occasionalWord = "zephyr";
inline constexpr const char* rareWord = "quokka";

// Adds the pages, a hyperlink to the next page for each page, ten keywords and two
// pictures. The first page is the cover.
void fillSyntheticBook(TZEBset& set, const SyntheticOptions& options);

// Writes the book that fillSyntheticBook and writeBook make, byte for byte, straight to a
// file: each page is made, written and dropped in turn, so the time grows with the number
// of pages and the memory does not. False when the file cannot be written.
bool writeSyntheticBook(const std::filesystem::path& path, const SyntheticOptions& options);

}  // namespace zeb::zebmake
