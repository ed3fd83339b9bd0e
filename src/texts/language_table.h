// Language tables: keyed lines that give a window's texts, the decoding of their values and
// the lookup of a component's property.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeb {

// A table is text in lines separated by CR LF, in pairs: a key line "*_*" + component +
// "_" + property (both lower case), then a value line: one blank and the text.
inline constexpr std::string_view tableKeyPrefix = "*_*";
// Inside a value, "''" stands for an apostrophe, this byte followed by "!" for a line
// break (CR LF), and the byte twice for the byte itself.
inline constexpr char tableEscape = '\xA7';

// "*_*" + lower-case component name + "_" + lower-case property name.
std::string tableKey(std::string_view component, std::string_view property);

// The table's lines (a lone LF also ends a line; a last line without its end counts).
std::vector<std::string> tableLines(std::string_view table);

// A value line's text, decoded; every byte not part of an escape stands for itself.
std::string decodeTableValue(std::string_view text);

// The decoded value the lines give for the key: the line after the first line equal to the
// key (ignoring case), without its first character. None when the key is missing or is the
// last line.
std::optional<std::string> findTableValue(const std::vector<std::string>& lines, std::string_view key);

}  // namespace zeb
