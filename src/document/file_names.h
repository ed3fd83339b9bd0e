// File names of linked files and pictures: unique names for old records, and the short
// export prefix derived from a book's file name.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <unordered_set>

namespace zeb {

// The lower-cased file names of the linked files and pictures read so far from one book.
// Old records may repeat a name in another letter case; such a name is replaced by a new
// random one so that every extracted file keeps its own name.
class FileNameRegistry {
 public:
  explicit FileNameRegistry(std::mt19937& random) : random_(random) {}

  // The name itself when no earlier object uses it in any letter case, otherwise "ed",
  // six lower-case hexadecimal digits and the name's own extension, checked again.
  std::string makeUnique(std::string name);
  void add(std::string_view name);

 private:
  std::unordered_set<std::string> names_;
  std::mt19937& random_;
};

// The extension of a name: from its last point on ("" when there is none).
std::string_view extensionOf(std::string_view name);

// The export prefix of a book: the file name without folder, characters outside 33-59,
// 64-126 and 128-255 replaced by "_", cut to 8, lower-cased, without its extension.
std::string exportPrefixOf(std::string_view fileName);

}  // namespace zeb
