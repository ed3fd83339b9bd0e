// Settings in memory.
#include "platform/headless/memory_settings_store.h"

#include "platform/windows1252.h"

namespace zeb {

std::string canonicalKeyPath(std::string_view key) {
  while (!key.empty() && key.front() == '\\') key.remove_prefix(1);
  while (!key.empty() && key.back() == '\\') key.remove_suffix(1);
  return lowerWindows1252(key);
}

bool MemorySettingsStore::keyExists(std::string_view key) const {
  const std::string path = canonicalKeyPath(key);
  if (keys_.contains(path)) return true;
  // A key exists as soon as one of its subkeys does.
  const std::string prefix = path + "\\";
  const auto next = keys_.lower_bound(prefix);
  return next != keys_.end() && next->first.starts_with(prefix);
}

std::optional<std::string> MemorySettingsStore::readString(std::string_view key, std::string_view name) const {
  const auto found = keys_.find(canonicalKeyPath(key));
  if (found == keys_.end()) return std::nullopt;
  const auto value = found->second.values.find(lowerWindows1252(name));
  if (value == found->second.values.end()) return std::nullopt;
  return value->second;
}

void MemorySettingsStore::writeString(std::string_view key, std::string_view name, std::string_view value) {
  const std::string path = canonicalKeyPath(key);
  Key& entry = keys_[path];
  if (entry.displayPath.empty()) {
    std::string_view display = key;
    while (!display.empty() && display.front() == '\\') display.remove_prefix(1);
    while (!display.empty() && display.back() == '\\') display.remove_suffix(1);
    entry.displayPath = std::string(display);
  }
  const std::string lowered = lowerWindows1252(name);
  entry.values[lowered] = std::string(value);
  entry.names.try_emplace(lowered, std::string(name));
  noteChange();
}

void MemorySettingsStore::deleteValue(std::string_view key, std::string_view name) {
  const auto found = keys_.find(canonicalKeyPath(key));
  if (found == keys_.end()) return;
  const std::string lowered = lowerWindows1252(name);
  found->second.values.erase(lowered);
  found->second.names.erase(lowered);
  noteChange();
}

void MemorySettingsStore::deleteKey(std::string_view key) {
  const std::string path = canonicalKeyPath(key);
  const std::string prefix = path + "\\";
  for (auto it = keys_.begin(); it != keys_.end();) {
    if (it->first == path || it->first.starts_with(prefix))
      it = keys_.erase(it);
    else
      ++it;
  }
  noteChange();
}

std::vector<std::string> MemorySettingsStore::subkeys(std::string_view key) const {
  const std::string prefix = canonicalKeyPath(key) + "\\";
  std::vector<std::string> names;
  for (auto it = keys_.lower_bound(prefix); it != keys_.end() && it->first.starts_with(prefix); ++it) {
    std::string rest = it->first.substr(prefix.size());
    if (const auto slash = rest.find('\\'); slash != std::string::npos) rest.resize(slash);
    if (names.empty() || names.back() != rest) names.push_back(rest);
  }
  return names;
}

void MemorySettingsStore::noteChange() {
  if (batchDepth_ > 0)
    changedInBatch_ = true;
  else
    changed();
}

void MemorySettingsStore::endBatch() {
  if (batchDepth_ == 0 || --batchDepth_ > 0 || !changedInBatch_) return;
  changedInBatch_ = false;
  changed();
}

}  // namespace zeb
