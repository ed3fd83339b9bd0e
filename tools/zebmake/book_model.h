// A container to build books in, with a quiet platform, and helpers that add objects.
#pragma once

#include <memory>
#include <string_view>

#include "document/container.h"
#include "document/page_object.h"

namespace zeb::zebmake {

// Owns the platform doubles a container needs when a book is only being built.
class BookModel {
 public:
  BookModel();
  ~BookModel();
  TZEBset& set() { return *set_; }

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
  std::unique_ptr<TZEBset> set_;
};

// A live object of the kind with its defaults, bound to the container but not in it.
std::unique_ptr<TZEBoggetto> makeLiveObject(TZEBset& set, TOggettiHel kind);
// A live object of the kind with its defaults, registered at the index (-1: next free).
TZEBoggetto& addObject(TZEBset& set, TOggettiHel kind, std::int32_t index = -1);
// A live page with the name and the text (a zero byte is appended, as the writer stores it),
// not yet in the container. Its sequence group and number are 0, as for every such page: pages
// follow one another (next and previous page) only once their records give them numbers.
std::unique_ptr<TZEBtesto> makePage(TZEBset& set, std::string_view name, std::string_view text);
// The same page, registered at the next free index.
TZEBtesto& addPage(TZEBset& set, std::string_view name, std::string_view text);
// The secondary blob of attributes: an int32 length, that many bytes, then name="value"
// lines separated by CR LF.
std::vector<std::uint8_t> attributeBlob(std::string_view block, std::string_view attributeText);

}  // namespace zeb::zebmake
