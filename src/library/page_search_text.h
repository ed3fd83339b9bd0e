// The text the library indexes for a page: the book search's plain text of the page, in its
// own letter case, in UTF-8. The same text is made again when a snippet is shown, from where
// the page's text lies in its book.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "document/search_text.h"

namespace zeb {
class BookFile;
}

namespace zeb::library {

// The file's size and modification time (in nanoseconds), as the index records them; false
// when it cannot be read or is not a regular file.
bool fileStamp(const std::filesystem::path& path, std::int64_t& size, std::int64_t& modified);

class PageTextMaker {
 public:
  PageTextMaker();
  ~PageTextMaker();
  std::string searchText(std::span<const std::uint8_t> markup, int textFormat, std::uint16_t codePage);

 private:
  PageQuery plain_;
};

// Reads pages' texts again from their books, keeping the books last read open (a search's
// snippets come from pages of many books). A book whose size or time is no longer the
// recorded one gives empty texts: its pages are indexed again when the library is next
// scanned.
class PageTextReader {
 public:
  PageTextReader();
  ~PageTextReader();
  struct Request {
    std::string bookPath;
    std::int64_t bookSize = 0;
    std::int64_t bookModified = 0;
    std::int64_t textPosition = 0;
    std::uint32_t textSize = 0;
    int textFormat = 2;
    std::uint16_t codePage = 1252;
  };
  std::string searchText(const Request& request);

 private:
  struct OpenBook {
    std::string path;
    std::uint64_t device = 0, inode = 0;
    std::int64_t size = -1, modified = -1;
    std::unique_ptr<BookFile> file;
    std::uint64_t used = 0;
  };
  static constexpr std::size_t openBooksKept = 128;
  std::vector<OpenBook> open_;
  std::uint64_t uses_ = 0;
  PageTextMaker maker_;
};

}  // namespace zeb::library
