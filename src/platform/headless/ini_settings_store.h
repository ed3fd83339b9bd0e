// Settings kept in an INI file, one section per key path; saved after every change.
#pragma once

#include <filesystem>

#include "platform/headless/memory_settings_store.h"

namespace zeb {

class IniSettingsStore final : public MemorySettingsStore {
 public:
  // Reads the file when it exists; a missing or unreadable file starts empty.
  explicit IniSettingsStore(std::filesystem::path file);

  // $XDG_CONFIG_HOME/KX/brightfold.ini, or ~/.config/KX/brightfold.ini.
  static std::filesystem::path defaultFile();

  const std::filesystem::path& file() const { return file_; }

 private:
  void changed() override;
  void load();

  std::filesystem::path file_;
};

}  // namespace zeb
