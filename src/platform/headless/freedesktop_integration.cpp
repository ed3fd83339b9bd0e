// Freedesktop registration.
#include "platform/headless/freedesktop_integration.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

#include "platform/headless/freedesktop_files.h"

namespace zeb {
namespace {

std::filesystem::path homeFolder() {
  const char* home = std::getenv("HOME");
  return home != nullptr && *home != '\0' ? std::filesystem::path(home) : std::filesystem::path("/tmp");
}

std::filesystem::path variableOr(const char* name, const std::filesystem::path& fallback) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? std::filesystem::path(value) : fallback;
}

std::string readText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Writes a sibling file and renames it over the target, so that no half file is left.
bool writeText(const std::filesystem::path& path, std::string_view text) {
  std::error_code error;
  std::filesystem::create_directories(path.parent_path(), error);
  const std::filesystem::path temporary = path.string() + ".new";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out || !out.write(text.data(), static_cast<std::streamsize>(text.size())) || !out.flush()) return false;
  }
  std::filesystem::rename(temporary, path, error);
  if (error) std::filesystem::remove(temporary, error);
  return !error;
}

void note(SetupOutcome& outcome, std::string problem) {
  if (!outcome.succeeded) return;
  outcome.succeeded = false;
  outcome.problem = std::move(problem);
}

}  // namespace

FreedesktopFolders FreedesktopFolders::fromEnvironment() {
  FreedesktopFolders folders;
  folders.dataHome = variableOr("XDG_DATA_HOME", homeFolder() / ".local" / "share");
  folders.configHome = variableOr("XDG_CONFIG_HOME", homeFolder() / ".config");
  const char* dirs = std::getenv("XDG_DATA_DIRS");
  std::string_view list = dirs != nullptr && *dirs != '\0' ? dirs : "/usr/local/share:/usr/share";
  while (!list.empty()) {
    const auto colon = list.find(':');
    if (colon != 0) folders.dataDirs.emplace_back(std::string(list.substr(0, colon)));
    list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
  }
  return folders;
}

FreedesktopIntegration::FreedesktopIntegration(FreedesktopFolders folders, DesktopTools tools)
    : folders_(std::move(folders)), tools_(std::move(tools)) {}

std::filesystem::path FreedesktopIntegration::desktopEntryPath() const {
  return folders_.dataHome / "applications" / desktopId;
}
std::filesystem::path FreedesktopIntegration::packagePath() const {
  return folders_.dataHome / "mime" / "packages" / packageName;
}
std::filesystem::path FreedesktopIntegration::mimeappsPath() const { return folders_.configHome / "mimeapps.list"; }
std::filesystem::path FreedesktopIntegration::thumbnailerPath() const {
  return folders_.dataHome / "thumbnailers" / thumbnailerName;
}

std::optional<std::string> FreedesktopIntegration::knownTypeOfBooks() const {
  std::vector<std::filesystem::path> databases{folders_.dataHome / "mime"};
  for (const auto& folder : folders_.dataDirs) databases.push_back(folder / "mime");
  for (const auto& database : databases) {
    if (auto type = freedesktop::typeOfGlob(readText(database / "globs2"), bookGlob)) return type;
  }
  return std::nullopt;
}

bool FreedesktopIntegration::runTool(std::string_view name, const std::vector<std::string>& arguments,
                                     bool* present) const {
  const std::filesystem::path program = tools_.find(name);
  if (present != nullptr) *present = !program.empty();
  if (program.empty()) return true;
  ProcessRun run;
  run.program = program;
  run.arguments = arguments;
  // The tools must work on the same folders as this program, whatever the caller's
  // environment says.
  run.environment = {{"XDG_DATA_HOME", folders_.dataHome.string()}, {"XDG_CONFIG_HOME", folders_.configHome.string()}};
  return tools_.run(run);
}

void FreedesktopIntegration::updateDatabases(bool mimeChanged, SetupOutcome& outcome) const {
  if (mimeChanged && !runTool("update-mime-database", {(folders_.dataHome / "mime").string()}))
    note(outcome, "update-mime-database failed");
  if (!runTool("update-desktop-database", {(folders_.dataHome / "applications").string()}))
    note(outcome, "update-desktop-database failed");
}

SetupOutcome FreedesktopIntegration::install(const DesktopRegistration& registration) {
  SetupOutcome outcome;
  const auto exec = freedesktop::execLine(registration.program);
  if (!exec) {
    note(outcome, "the program's path cannot be named in a desktop entry: " + registration.program.string());
    return outcome;
  }
  // A type that another package gives ".zeb" files is kept; ours is (re)written.
  std::string type(bookType);
  bool ownType = true;
  if (const auto known = knownTypeOfBooks(); known && *known != bookType) {
    type = *known;
    ownType = false;
  }
  if (ownType && !writeText(packagePath(), freedesktop::mimePackage(type, registration.typeComment, bookGlob)))
    note(outcome, "cannot write " + packagePath().string());
  if (!writeText(desktopEntryPath(), freedesktop::desktopEntry(registration.applicationName, *exec, type)))
    note(outcome, "cannot write " + desktopEntryPath().string());
  if (!registration.thumbnailer.empty()) {
    if (const auto thumbnailExec = freedesktop::thumbnailerExecLine(registration.thumbnailer);
        thumbnailExec && !writeText(thumbnailerPath(), freedesktop::thumbnailerEntry(*thumbnailExec, type)))
      note(outcome, "cannot write " + thumbnailerPath().string());
  }
  if (!outcome.succeeded) return outcome;

  updateDatabases(ownType, outcome);
  bool xdgMime = false;
  const bool defaultSet = runTool("xdg-mime", {"default", std::string(desktopId), type}, &xdgMime);
  if (!xdgMime || !defaultSet) {
    const std::string mimeapps = freedesktop::withDefaultApplication(readText(mimeappsPath()), type, desktopId);
    if (!writeText(mimeappsPath(), mimeapps)) note(outcome, "cannot write " + mimeappsPath().string());
  }
  return outcome;
}

SetupOutcome FreedesktopIntegration::uninstall() {
  SetupOutcome outcome;
  std::error_code error;
  // The entry names the type it was registered for; without it, our own type is assumed.
  std::string type(bookType);
  {
    std::istringstream entry(readText(desktopEntryPath()));
    for (std::string line; std::getline(entry, line);) {
      if (!line.starts_with("MimeType=")) continue;
      std::string named = line.substr(9);
      named.erase(std::min(named.find(';'), named.size()));
      if (!named.empty()) type = named;
    }
  }
  std::filesystem::remove(desktopEntryPath(), error);
  if (error) note(outcome, "cannot remove " + desktopEntryPath().string());
  std::filesystem::remove(thumbnailerPath(), error);
  if (error) note(outcome, "cannot remove " + thumbnailerPath().string());
  const bool packageRemoved = std::filesystem::remove(packagePath(), error);
  if (error) note(outcome, "cannot remove " + packagePath().string());

  updateDatabases(packageRemoved, outcome);
  if (std::filesystem::exists(mimeappsPath(), error)) {
    const std::string before = readText(mimeappsPath());
    const std::string after = freedesktop::withoutDefaultApplication(before, type, desktopId);
    if (after != before && !writeText(mimeappsPath(), after)) note(outcome, "cannot write " + mimeappsPath().string());
  }
  return outcome;
}

}  // namespace zeb
