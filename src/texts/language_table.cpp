// Splitting, decoding and searching language tables.
#include "texts/language_table.h"

#include "platform/windows1252.h"

namespace zeb {

std::string tableKey(std::string_view component, std::string_view property) {
  return std::string(tableKeyPrefix) + lowerWindows1252(component) + "_" + lowerWindows1252(property);
}

std::vector<std::string> tableLines(std::string_view table) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < table.size()) {
    const std::size_t end = table.find('\n', start);
    std::string_view line = table.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return lines;
}

std::string decodeTableValue(std::string_view text) {
  std::string value;
  value.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char next = i + 1 < text.size() ? text[i + 1] : '\0';
    if (text[i] == '\'' && next == '\'') {
      value += '\'';
      ++i;
    } else if (text[i] == tableEscape && next == '!') {
      value += "\r\n";
      ++i;
    } else if (text[i] == tableEscape && next == tableEscape) {
      value += tableEscape;
      ++i;
    } else {
      value += text[i];
    }
  }
  return value;
}

std::optional<std::string> findTableValue(const std::vector<std::string>& lines, std::string_view key) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!equalsIgnoringCase(lines[i], key)) continue;
    if (i + 1 == lines.size()) return std::nullopt;
    const std::string_view line = lines[i + 1];
    return decodeTableValue(line.empty() ? line : line.substr(1));
  }
  return std::nullopt;
}

}  // namespace zeb
