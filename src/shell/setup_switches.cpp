// The setup switches.
#include "shell/setup_switches.h"

#include <algorithm>
#include <array>
#include <system_error>

#include "platform/desktop_integration.h"
#include "platform/environment.h"
#include "platform/message_boxes.h"
#include "platform/platform_services.h"
#include "platform/settings_store.h"
#include "platform/windows1252.h"
#include "shell/messages.h"
#include "shell/program_start.h"
#include "shell/settings_keys.h"

namespace zeb::shell {
namespace {

// Folders that belong to the system with everything in them ("lib" covers lib32, lib64...).
constexpr std::array<std::string_view, 12> systemTrees = {"bin",  "boot", "dev",  "etc", "lib", "proc",
                                                          "root", "run",  "sbin", "sys", "usr", "var"};
// Folders whose content may belong to a user or a program, but never the folder itself.
constexpr std::array<std::string_view, 7> sharedFolders = {"home", "media", "mnt", "opt", "srv", "tmp", "snap"};
// The folders the Windows setup always refused.
constexpr std::array<std::string_view, 4> windowsFolders = {"c:\\", "c:", "c:\\windows\\", "c:\\windows\\systems\\"};
// Where the package installs the program.
constexpr std::string_view packageProgramFolder = "/usr/bin";

std::filesystem::path withoutTrailingSeparator(std::filesystem::path path) {
  path = path.lexically_normal();
  if (!path.has_filename() && path.has_relative_path()) path = path.parent_path();
  return path;
}

bool isSameOrAbove(const std::filesystem::path& folder, const std::filesystem::path& home) {
  if (home.empty()) return false;
  for (std::filesystem::path at = home; !at.empty(); at = at.parent_path()) {
    if (at == folder) return true;
    if (at == at.parent_path()) break;
  }
  return false;
}

bool refusedPath(const std::filesystem::path& folder, const std::filesystem::path& home) {
  if (folder == folder.root_path()) return true;
  if (isSameOrAbove(folder, home)) return true;
  const auto parts = std::distance(folder.relative_path().begin(), folder.relative_path().end());
  const std::string top = folder.relative_path().begin()->string();
  if (top.starts_with("lib")) return true;
  if (std::find(systemTrees.begin(), systemTrees.end(), top) != systemTrees.end()) return true;
  return parts == 1 && std::find(sharedFolders.begin(), sharedFolders.end(), top) != sharedFolders.end();
}

std::string argument(const std::vector<std::string>& arguments, std::size_t index) {
  return index < arguments.size() ? arguments[index] : std::string();
}

int storedCount(const SettingsStore& settings, int absent) {
  const auto stored = settings.readString(settings::optionsKey, settings::installCount);
  return stored ? parseDecimal(*stored).value_or(absent) : absent;
}

void deinstall(const std::vector<std::string>& arguments, SetupContext& context) {
  MessageBoxes& messages = *context.services.messages;
  SettingsStore& settings = *context.services.settings;
  if (!messages.ask(messages::applicationTitle, messages::deinstallQuestion)) return;
  if (const SetupOutcome outcome = context.desktop.uninstall(); !outcome.succeeded)
    messages.error(std::string(messages::setupFailed) + utf8ToWindows1252(outcome.problem) + ".");
  const std::string book = argument(arguments, 1);
  settings.writeString(settings::optionsKey, settings::lastFile, book);
  const int count = storedCount(settings, 1);
  settings.writeString(settings::optionsKey, settings::installCount, std::to_string(count - 1));
  const std::filesystem::path programFolder = context.services.environment->programFolder();
  if (count < 2) {
    // The last registration goes: the folder of the program goes too, if the user agrees.
    if (!context.startAgain || !context.startAgain({"/DELETE", programFolder.string()}))
      messages.warning(messages::removeManually);
    return;
  }
  if (const auto file = removableBookFile(programFolder, book)) {
    std::error_code error;
    std::filesystem::remove(*file, error);
  }
}

void deleteFolder(const std::vector<std::string>& arguments, SetupContext& context) {
  if (context.pauseBeforeDeleting) context.pauseBeforeDeleting();
  const std::string folder = argument(arguments, 1);
  if (!mayDeleteFolder(folder, context.home)) return;
  const std::string question =
      std::string(messages::canIDelete) + utf8ToWindows1252(folder) + std::string(messages::canIDeleteEnd);
  if (!context.services.messages->ask(messages::applicationTitle, question)) return;
  std::error_code error;
  std::filesystem::remove_all(folder, error);
}

}  // namespace

SetupSwitch setupSwitchOf(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return SetupSwitch::none;
  const std::string first = upperWindows1252(arguments[0]);
  if (first == "/INIT") return SetupSwitch::init;
  if (first == "/DEINST") return SetupSwitch::deinstall;
  if (first == "/DELETE") return SetupSwitch::deleteFolder;
  return SetupSwitch::none;
}

std::filesystem::path thumbnailerFor(const std::filesystem::path& program) {
  const std::filesystem::path folder = program.parent_path();
  for (const auto& candidate : {folder / "zebtool", folder.parent_path() / "zebtool" / "zebtool"})
    if (fileExists(candidate)) return candidate.lexically_normal();
  return {};
}

bool registeredByPackage(const std::filesystem::path& program) {
  return program.lexically_normal().parent_path() == packageProgramFolder;
}

bool mayDeleteFolder(std::string_view folder, const std::filesystem::path& home) {
  if (folder.empty()) return false;
  const std::string lowered = lowerWindows1252(folder);
  if (std::find(windowsFolders.begin(), windowsFolders.end(), lowered) != windowsFolders.end()) return false;
  const std::filesystem::path path{std::string(folder)};
  if (!path.is_absolute()) return false;
  std::error_code error;
  const std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
  if (error) return false;
  const std::filesystem::path resolvedHome = home.empty() ? home : std::filesystem::weakly_canonical(home, error);
  for (const auto& candidate : {withoutTrailingSeparator(path), withoutTrailingSeparator(resolved)}) {
    for (const auto& userHome : {withoutTrailingSeparator(home), withoutTrailingSeparator(error ? home : resolvedHome)})
      if (refusedPath(candidate, userHome)) return false;
  }
  return true;
}

std::optional<std::filesystem::path> removableBookFile(const std::filesystem::path& programFolder,
                                                       std::string_view name) {
  if (name.empty() || name == "." || name == ".." || name.find('/') != std::string_view::npos) return std::nullopt;
  const std::filesystem::path file = programFolder / std::string(name);
  if (!fileExists(file)) return std::nullopt;
  return file;
}

AfterSetup runSetupSwitch(SetupSwitch setupSwitch, const std::vector<std::string>& arguments, SetupContext& context) {
  const bool registers = setupSwitch == SetupSwitch::init || setupSwitch == SetupSwitch::deinstall;
  if (registers && registeredByPackage(context.program)) {
    const bool init = setupSwitch == SetupSwitch::init;
    context.services.messages->information(init ? messages::packageRegisters : messages::packageDeregisters);
    return init ? AfterSetup::continueStart : AfterSetup::quit;
  }
  switch (setupSwitch) {
    case SetupSwitch::none: return AfterSetup::continueStart;
    case SetupSwitch::init: {
      DesktopRegistration registration;
      registration.program = context.program;
      registration.applicationName = windows1252ToUtf8(messages::applicationTitle);
      registration.typeComment = windows1252ToUtf8(messages::bookTypeComment);
      registration.thumbnailer = thumbnailerFor(context.program);
      if (const SetupOutcome outcome = context.desktop.install(registration); !outcome.succeeded)
        context.services.messages->error(std::string(messages::setupFailed) + utf8ToWindows1252(outcome.problem) + "." +
                                         std::string(messages::pleaseReinstall));
      SettingsStore& settings = *context.services.settings;
      settings.writeString(settings::optionsKey, settings::installCount, std::to_string(storedCount(settings, 0) + 1));
      return AfterSetup::continueStart;
    }
    case SetupSwitch::deinstall: deinstall(arguments, context); return AfterSetup::quit;
    case SetupSwitch::deleteFolder: deleteFolder(arguments, context); return AfterSetup::quit;
  }
  return AfterSetup::quit;
}

}  // namespace zeb::shell
