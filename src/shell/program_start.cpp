// Start-up decisions.
#include "shell/program_start.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <system_error>

#include "platform/settings_store.h"
#include "platform/windows1252.h"
#include "shell/settings_keys.h"

namespace zeb::shell {

bool fileExists(const std::filesystem::path& path) {
  std::error_code error;
  return !path.empty() && std::filesystem::is_regular_file(path, error);
}

bool isSwitch(std::string_view argument) {
  if (!argument.starts_with('/')) return false;
  const std::string_view name = argument.substr(1, argument.find('=') - 1);
  if (name.empty() ||
      !std::all_of(name.begin(), name.end(), [](char c) { return std::isalpha(static_cast<unsigned char>(c)); }))
    return false;
  std::error_code error;
  return !std::filesystem::exists(std::filesystem::path(std::string(argument)), error);
}

std::string bookArgument(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return {};
  const std::string& first = arguments[0];
  if (!isSwitch(first)) return first;
  return arguments.size() > 1 ? arguments[1] : std::string();
}

std::optional<std::string> pageSwitchValue(const std::vector<std::string>& arguments) {
  if (arguments.size() < 2) return std::nullopt;
  const std::string& second = arguments[1];
  if (!upperWindows1252(second).starts_with("/PAGE")) return std::nullopt;
  const auto equals = second.find('=');
  if (equals == std::string::npos) return std::nullopt;
  return second.substr(equals + 1, maxPageSwitchLength);
}

std::optional<int> parseDecimal(std::string_view text) {
  if (text.starts_with('+')) text.remove_prefix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

StartSettings readStartSettings(const SettingsStore& settings) {
  StartSettings start;
  start.lastFile = settings.readString(settings::optionsKey, settings::lastFile).value_or("");
  start.startBlank = settings.readString(settings::optionsKey, settings::atStartBlank).value_or("") == "1";
  if (const auto cache = settings.readString(settings::optionsKey, settings::maxCacheImg))
    start.maxCachedImages = parseDecimal(*cache);
  return start;
}

StartPlan planStart(const std::vector<std::string>& arguments, const std::filesystem::path& programFolder,
                    const StartSettings& settings) {
  std::error_code ignored;
  StartPlan plan;
  const std::string name = bookArgument(arguments);
  std::filesystem::path file = name;
  // A relative name that is not found here is looked for beside the program.
  if (!name.empty() && !std::filesystem::exists(file, ignored) && file.is_relative() &&
      fileExists(programFolder / file))
    file = programFolder / file;
  // A name found nowhere, or a folder, is still the one asked for: opening it says so.
  if (!name.empty()) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(file, error);
    plan.kind = StartPlan::Kind::openFile;
    plan.file = (error ? file : absolute).lexically_normal().string();
    if (const auto page = pageSwitchValue(arguments))
      plan.pageTarget = "nexo://" + utf8ToWindows1252(plan.file) + "|" + utf8ToWindows1252(*page);
    return plan;
  }
  if (!settings.lastFile.empty() && !settings.startBlank) {
    plan.kind = StartPlan::Kind::openLastFile;
    plan.file = settings.lastFile;
  }
  return plan;
}

}  // namespace zeb::shell
