// The book's named-file list: pairs of a lower-case name and a value, kept as text lines
// in the primary blob of a kind-13 object.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zeb {

class TZEBoggetto;

using NamedFile = std::pair<std::string, std::string>;

// The pairs of the list; values keep CR and LF as the bytes 2 and 3.
std::vector<NamedFile> namedFilesOf(TZEBoggetto& list);
// The stored value of a name (compared in lower case), with CR and LF restored.
std::optional<std::string> namedFileValue(TZEBoggetto& list, std::string_view name);
// Sets, replaces or (with an empty value) removes a pair and writes the list back.
// Objects other than kind 13 ignore it.
void setNamedFile(TZEBoggetto& list, std::string_view name, std::string_view value);

}  // namespace zeb
