// Settings held in memory; the base of the INI-file store and the double used by tests.
#pragma once

#include <map>
#include <string>

#include "platform/settings_store.h"

namespace zeb {

class MemorySettingsStore : public SettingsStore {
 public:
  bool keyExists(std::string_view key) const override;
  std::optional<std::string> readString(std::string_view key, std::string_view name) const override;
  void writeString(std::string_view key, std::string_view name, std::string_view value) override;
  void deleteValue(std::string_view key, std::string_view name) override;
  void deleteKey(std::string_view key) override;
  std::vector<std::string> subkeys(std::string_view key) const override;
  void beginBatch() override { ++batchDepth_; }
  void endBatch() override;

 protected:
  struct Key {
    std::string displayPath;                    // as first written, for saving
    std::map<std::string, std::string> values;  // by lower-cased name
    std::map<std::string, std::string> names;   // lower-cased name -> name as written
  };
  // Called after every change, or once at the end of a batch that changed something; the
  // INI store saves its file here.
  virtual void changed() {}

  std::map<std::string, Key> keys_;  // by canonical path

 private:
  void noteChange();

  int batchDepth_ = 0;
  bool changedInBatch_ = false;
};

}  // namespace zeb
