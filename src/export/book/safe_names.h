// Names written into an archive or a folder: one plain file name, made of letters, digits,
// ".", "-" and "_" only, so that every file system takes it and an address needs no escape.
#pragma once

#include <set>
#include <string>
#include <string_view>

namespace zeb {

namespace limits {
inline constexpr std::size_t maxExportNameLength = 100;
}  // namespace limits

// The last component of a stored name (folders, drive letters, ".." and absolute paths are
// dropped), every other character replaced by "_", leading dots and blanks dropped, names
// the file systems reserve ("CON", "nul.txt") prefixed with "_", cut to the length limit
// keeping the extension; "file" when nothing is left.
std::string safeFileName(std::string_view name);

// The name, or, when it is taken, the name with "-2", "-3", ... before its extension; the
// name returned is added to the taken ones. Names are compared ignoring case, as some file
// systems do.
std::string uniqueName(std::string_view name, std::set<std::string>& taken);

// The name with its extension replaced (or added).
std::string withExtension(std::string_view name, std::string_view extension);

}  // namespace zeb
