// Reading and writing the search dialog's options.
#include "shell/find_options.h"

#include <charconv>
#include <optional>
#include <string>

#include "platform/settings_store.h"
#include "shell/settings_keys.h"

namespace zeb {
namespace {

namespace keys = shell::settings;

void readSwitch(const SettingsStore& settings, std::string_view name, bool& option) {
  const std::optional<std::string> value = settings.readString(keys::findsKey, name);
  if (value == "1") option = true;
  if (value == "0") option = false;
}

}  // namespace

void readFindOptions(const SettingsStore& settings, FindOptions& options) {
  readSwitch(settings, keys::wholeWord, options.wholeWord);
  readSwitch(settings, keys::ignoreCaps, options.ignoreCaps);
  readSwitch(settings, keys::confirmOne, options.confirmOne);
  readSwitch(settings, keys::confirmAll, options.confirmAll);
  // The group has two choices; a number naming neither would leave it with none.
  const std::optional<std::string> start = settings.readString(keys::findsKey, keys::startFrom);
  if (!start || start->empty()) return;
  int choice = -1;
  const auto [end, error] = std::from_chars(start->data(), start->data() + start->size(), choice);
  if (error == std::errc() && end == start->data() + start->size() && (choice == 0 || choice == 1))
    options.startFrom = choice;
}

void writeFindOptions(SettingsStore& settings, const FindOptions& options) {
  auto bit = [](bool on) { return on ? "1" : "0"; };
  settings.writeString(keys::findsKey, keys::wholeWord, bit(options.wholeWord));
  settings.writeString(keys::findsKey, keys::ignoreCaps, bit(options.ignoreCaps));
  settings.writeString(keys::findsKey, keys::confirmOne, bit(options.confirmOne));
  settings.writeString(keys::findsKey, keys::confirmAll, bit(options.confirmAll));
  settings.writeString(keys::findsKey, keys::startFrom, std::to_string(options.startFrom));
}

}  // namespace zeb
