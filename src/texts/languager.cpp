// Collecting a window's text properties and applying a table to them.
#include "texts/languager.h"

#include <algorithm>
#include <array>
#include <unordered_map>

#include "platform/windows1252.h"
#include "texts/language_table.h"

namespace zeb {
namespace {

constexpr std::array<std::string_view, 3> windowProperties = {"caption", "text", "hint"};
constexpr std::array<std::string_view, 11> componentProperties = {
    "caption", "text", "hint", "strings", "items", "lines", "filter", "columns", "title", "tabs", "imageindexes"};

bool kept(ComponentRole role, std::string_view property) {
  const std::string lower = lowerWindows1252(property);
  const auto among = [&](const auto& names) { return std::find(names.begin(), names.end(), lower) != names.end(); };
  return role == ComponentRole::other ? among(componentProperties) : among(windowProperties);
}

}  // namespace

void TVoLanguager::collect() {
  collected_ = true;
  for (const TextComponent& component : window_.textComponents()) {
    if (component.name.empty()) continue;
    componentNames_.push_back(component.name);
    for (const std::string& property : component.properties)
      if (kept(component.role, property)) paths_.push_back({component.name, property});
  }
}

void TVoLanguager::setLocalizationString(std::string_view table) {
  try {
    if (!collected_) collect();
  } catch (...) {
    return;  // a window that cannot list its components keeps its texts
  }
  lines_ = tableLines(table);
  // Each key line by its lower-case text, the first of equal ones: as the table is read
  // from its start, without reading it again for every property.
  std::unordered_map<std::string, std::size_t> keys;
  for (std::size_t i = 0; i < lines_.size(); ++i)
    if (lines_[i].starts_with(tableKeyPrefix)) keys.try_emplace(lowerWindows1252(lines_[i]), i);
  for (const Path& path : paths_) {
    const auto key = keys.find(lowerWindows1252(tableKey(path.component, path.property)));
    if (key == keys.end() || key->second + 1 == lines_.size()) continue;
    const std::string_view line = lines_[key->second + 1];
    const std::optional<std::string> value = decodeTableValue(line.empty() ? line : line.substr(1));
    const bool namesComponent =
        !value->empty() && value->back() == '.' &&
        std::find(componentNames_.begin(), componentNames_.end(),
                  std::string_view(*value).substr(0, value->size() - 1)) != componentNames_.end();
    if (namesComponent) continue;
    try {
      window_.setText(path.component, path.property, *value);
    } catch (...) {
      // One property that cannot take its text leaves the others to be set.
    }
  }
}

std::vector<std::string> TVoLanguager::PropertiesList() const {
  std::vector<std::string> list;
  for (const Path& path : paths_) list.push_back(path.component + "." + path.property);
  return list;
}

}  // namespace zeb
