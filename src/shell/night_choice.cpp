// The night choice in the settings.
#include "shell/night_choice.h"

#include "platform/settings_store.h"
#include "shell/settings_keys.h"

namespace zeb::shell {
namespace {

std::optional<bool> storedFlag(const SettingsStore& settings, std::string_view name) {
  const std::optional<std::string> value = settings.readString(settings::optionsKey, name);
  if (value == "1") return true;
  if (value == "0") return false;
  return std::nullopt;
}

}  // namespace

NightView startingNightView(const SettingsStore& settings, bool desktopDark) {
  return {.on = storedFlag(settings, settings::nightMode).value_or(desktopDark),
          .dimPictures = storedFlag(settings, settings::dimPictures).value_or(false)};
}

void rememberNightView(SettingsStore& settings, const NightView& view) {
  const SettingsBatch batch(settings);
  settings.writeString(settings::optionsKey, settings::nightMode, view.on ? "1" : "0");
  settings.writeString(settings::optionsKey, settings::dimPictures, view.dimPictures ? "1" : "0");
}

}  // namespace zeb::shell
