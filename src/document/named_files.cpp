// Named-file list. In values a carriage return is stored as the byte 2 and a line feed as
// the byte 3, so that every value stays on one line.
#include "document/named_files.h"

#include <algorithm>

#include "document/book_object.h"
#include "platform/windows1252.h"

namespace zeb {
namespace {

std::vector<std::string> linesOf(std::span<const std::uint8_t> bytes) {
  std::vector<std::string> lines;
  std::string current;
  bool pendingLine = false;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = static_cast<char>(bytes[i]);
    if (c == '\r' || c == '\n') {
      lines.push_back(std::move(current));
      current.clear();
      pendingLine = false;
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else {
      current.push_back(c);
      pendingLine = true;
    }
  }
  if (pendingLine) lines.push_back(std::move(current));
  return lines;
}

}  // namespace

std::vector<NamedFile> namedFilesOf(TZEBoggetto& list) {
  const std::vector<std::string> lines = linesOf(list.primaryData());
  std::vector<NamedFile> pairs;
  for (std::size_t i = 0; i + 1 < lines.size(); i += 2) pairs.emplace_back(lines[i], lines[i + 1]);
  return pairs;
}

std::optional<std::string> namedFileValue(TZEBoggetto& list, std::string_view name) {
  const std::string wanted = lowerWindows1252(name);
  for (auto& [key, value] : namedFilesOf(list)) {
    if (key != wanted) continue;
    std::string restored = value;
    std::replace(restored.begin(), restored.end(), '\x02', '\r');
    std::replace(restored.begin(), restored.end(), '\x03', '\n');
    return restored;
  }
  return std::nullopt;
}

void setNamedFile(TZEBoggetto& list, std::string_view name, std::string_view value) {
  if (list.Kind() != TOggettiHel::dbloc) return;
  const std::string key = lowerWindows1252(name);
  std::string stored(value);
  std::replace(stored.begin(), stored.end(), '\r', '\x02');
  std::replace(stored.begin(), stored.end(), '\n', '\x03');

  std::vector<NamedFile> pairs = namedFilesOf(list);
  const auto found = std::find_if(pairs.begin(), pairs.end(), [&](const NamedFile& pair) { return pair.first == key; });
  if (found != pairs.end()) {
    if (stored.empty())
      pairs.erase(found);
    else
      found->second = stored;
  } else {
    pairs.emplace_back(key, stored);
  }

  std::string text;
  for (const auto& [pairName, pairValue] : pairs) text += pairName + "\r\n" + pairValue + "\r\n";
  list.setPrimaryData({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

}  // namespace zeb
