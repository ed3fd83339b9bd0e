// Writing a language table from its entries, as the built-in tables are made.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zeb {

// A key ("component_property", lower case, without the "*_*" prefix) and its value as a
// table writes it ("''" for an apostrophe, the escape byte and "!" for a line break).
struct TableEntry {
  std::string key;
  std::string value;
};

// The table's lines: each key, then its value after one blank, each line ending CR LF.
std::string writeTable(const std::vector<TableEntry>& entries);

}  // namespace zeb
