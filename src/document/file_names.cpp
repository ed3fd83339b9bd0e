// Unique file names and export prefixes.
#include "document/file_names.h"

#include <cstdio>

#include "platform/windows1252.h"

namespace zeb {

std::string_view extensionOf(std::string_view name) {
  const auto point = name.rfind('.');
  return point == std::string_view::npos ? std::string_view() : name.substr(point);
}

std::string FileNameRegistry::makeUnique(std::string name) {
  std::uniform_int_distribution<std::uint32_t> below(0, 0xFFFFFE);
  while (names_.contains(lowerWindows1252(name))) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%06x", below(random_));
    name = "ed" + std::string(digits) + std::string(extensionOf(name));
  }
  return name;
}

void FileNameRegistry::add(std::string_view name) { names_.insert(lowerWindows1252(name)); }

std::string exportPrefixOf(std::string_view fileName) {
  std::string prefix;
  for (const char c : fileName) {
    const auto byte = static_cast<std::uint8_t>(c);
    const bool kept = (byte >= 33 && byte <= 59) || (byte >= 64 && byte <= 126) || byte >= 128;
    prefix.push_back(kept ? c : '_');
    if (prefix.size() == 8) break;
  }
  prefix = lowerWindows1252(prefix);
  if (const auto point = prefix.rfind('.'); point != std::string::npos) prefix.resize(point);
  if (prefix.size() > 16) prefix.resize(16);
  return prefix;
}

}  // namespace zeb
