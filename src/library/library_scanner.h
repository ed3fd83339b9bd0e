// Scanning folders into the library's index: every ".zeb" file below them is read unless
// its size and time are the ones recorded; a changed book is indexed again in one
// transaction; a book no longer there leaves the index; a book that cannot be read is
// recorded with what loading it said, and the scan goes on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <stop_token>
#include <string>
#include <vector>

#include "library/library_index.h"

namespace zeb::library {

struct ScanCounts {
  int added = 0;
  int updated = 0;
  int unchanged = 0;
  int failed = 0;  // read in this scan and found damaged (neither added nor updated)
  int removed = 0;
  bool operator==(const ScanCounts&) const = default;
};

struct ScanProgress {
  std::size_t done = 0;
  std::size_t total = 0;
  std::string path;  // the book just dealt with
};

// The cover of a book as PNG bytes (empty when it has none); called on the scanning thread.
using CoverRenderer = std::function<std::vector<std::uint8_t>(const std::filesystem::path& book)>;

struct ScanObserver {
  std::function<void(const ScanProgress&)> onProgress;
  // Renders covers as books are read; without it covers are left for later.
  CoverRenderer renderCover;
};

// What the index records of a book read from its file.
struct ReadBook {
  BookRecord book;
  std::vector<PageRecord> pages;
};
// Reads the book's details and its live pages' search texts; a book that cannot be loaded
// comes back damaged, with its messages.
ReadBook readBookForIndex(const std::filesystem::path& path);

// The ".zeb" files below the folders, in path order (a folder that cannot be read gives none).
std::vector<std::filesystem::path> booksBelow(const std::vector<std::string>& folders);

// Scans the folders. Books recorded below them that are gone leave the index, and so do
// books below none of allFolders (the library's folders after this change). Checks the stop
// token before each book.
ScanCounts scanFolders(LibraryIndex& index, const std::vector<std::string>& folders,
                       const std::vector<std::string>& allFolders, const ScanObserver& observer = {},
                       std::stop_token stop = {});

}  // namespace zeb::library
