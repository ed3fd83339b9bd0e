// What showing a "nexo:" target in the main window does (GoToTarget): which book to open,
// and which page to show.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zeb {
class TZEBset;
}

namespace zeb::shell {

struct TargetPlan {
  enum class Book {
    current,  // the target is in the open book
    open,     // open the book at path first
    blank,    // the target names no book and none is open: show an empty one first
  };
  enum class Page {
    none,
    show,   // the page numbered page
    cover,  // the book's cover
  };
  Book book = Book::current;
  std::string path;  // the book to open, UTF-8
  Page page = Page::none;
  std::int32_t number = -1;
  bool operator==(const TargetPlan&) const = default;
};

// Resolves the target (Windows-1252) through the container: the CD folder is asked for when
// a "cddrive:" path needs one, and forgotten when it no longer exists. None when the text
// is not a "nexo:" target or its book file does not exist (nothing is said then). An ID of
// -2 (nothing after "|") shows the cover. A target without a path names the open book.
std::optional<TargetPlan> planGoToTarget(TZEBset& set, std::string_view target);

}  // namespace zeb::shell
