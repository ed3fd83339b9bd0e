// The icon of a list item or a tree node, named the way the desktop names file types.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zeb {

// None, the desktop's icon for a file type (named by an extension such as ".txt", or by a
// whole file name), or the generic folder icon.
struct ItemIcon {
  enum class Source : std::uint8_t { none, fileType, folder };
  Source source = Source::none;
  std::string fileName;  // for fileType: ".ext" or a file name, Windows-1252

  static ItemIcon ofFileType(std::string_view name) { return {Source::fileType, std::string(name)}; }
  static ItemIcon folder() { return {Source::folder, {}}; }
  bool operator==(const ItemIcon&) const = default;
};

}  // namespace zeb
