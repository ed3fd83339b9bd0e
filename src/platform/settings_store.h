// Settings kept for the current user: string values under backslash key paths.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeb {

// Key paths are written as the program has always named them, for example
// "\SOFTWARE\KX\zoVeKa\"; a leading or trailing backslash does not matter and
// letter case is ignored, as in the registry the paths come from.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // Whether the key exists, so that it could be opened for reading.
  virtual bool keyExists(std::string_view key) const = 0;
  // The value, or nothing when the key or the value is absent.
  virtual std::optional<std::string> readString(std::string_view key, std::string_view name) const = 0;
  // Writes the value, creating the key and its parents as needed.
  virtual void writeString(std::string_view key, std::string_view name, std::string_view value) = 0;
  virtual void deleteValue(std::string_view key, std::string_view name) = 0;
  // Deletes the key with its values and subkeys.
  virtual void deleteKey(std::string_view key) = 0;
  // Names of the direct subkeys of a key.
  virtual std::vector<std::string> subkeys(std::string_view key) const = 0;

  // The changes made between these two are kept together: a store that saves a file after
  // a change saves it once, at the end. Batches nest; use SettingsBatch.
  virtual void beginBatch() {}
  virtual void endBatch() {}
};

// Keeps the changes made during its life together (see beginBatch).
class SettingsBatch {
 public:
  explicit SettingsBatch(SettingsStore& settings) : settings_(settings) { settings_.beginBatch(); }
  ~SettingsBatch() { settings_.endBatch(); }
  SettingsBatch(const SettingsBatch&) = delete;
  SettingsBatch& operator=(const SettingsBatch&) = delete;

 private:
  SettingsStore& settings_;
};

// The canonical form of a key path: no leading or trailing backslash, lower case.
std::string canonicalKeyPath(std::string_view key);

}  // namespace zeb
