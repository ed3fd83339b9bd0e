// Registering the reader with a freedesktop desktop: a desktop entry in the user's
// applications folder, a shared-mime-info type for ".zeb" files, the reader as their
// default application, and a thumbnailer that draws their covers.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/desktop_integration.h"
#include "platform/headless/process_runner.h"

namespace zeb {

// The user's data and configuration folders and the system's data folders, as the XDG base
// directory variables name them.
struct FreedesktopFolders {
  std::filesystem::path dataHome;               // $XDG_DATA_HOME or ~/.local/share
  std::filesystem::path configHome;             // $XDG_CONFIG_HOME or ~/.config
  std::vector<std::filesystem::path> dataDirs;  // $XDG_DATA_DIRS or /usr/local/share:/usr/share
  static FreedesktopFolders fromEnvironment();
};

// The desktop's helper programs (update-mime-database, update-desktop-database, xdg-mime):
// each is run when it is installed.
struct DesktopTools {
  std::function<std::filesystem::path(std::string_view name)> find = findProgram;
  std::function<bool(const ProcessRun& run)> run = runAndWait;
};

class FreedesktopIntegration final : public DesktopIntegration {
 public:
  static constexpr std::string_view desktopId = "brightfold.desktop";
  static constexpr std::string_view packageName = "brightfold.xml";
  static constexpr std::string_view thumbnailerName = "brightfold.thumbnailer";
  static constexpr std::string_view bookType = "application/x-nexo-ebook";
  static constexpr std::string_view bookGlob = "*.zeb";

  FreedesktopIntegration(FreedesktopFolders folders, DesktopTools tools);

  // Writes the desktop entry and the thumbnailer entry; writes the type's package unless the desktop already gives
  // ".zeb" files a type of another package, which the entry then names; runs the database
  // updates; makes the entry the type's default (xdg-mime, or else mimeapps.list).
  SetupOutcome install(const DesktopRegistration& registration) override;
  // Removes the entries, the package and the default association, and updates the databases.
  SetupOutcome uninstall() override;

  std::filesystem::path desktopEntryPath() const;
  std::filesystem::path packagePath() const;
  std::filesystem::path mimeappsPath() const;
  std::filesystem::path thumbnailerPath() const;

 private:
  std::optional<std::string> knownTypeOfBooks() const;
  // Runs the tool when it is installed, with the folders as its environment; false when it
  // is installed and failed.
  bool runTool(std::string_view name, const std::vector<std::string>& arguments, bool* present = nullptr) const;
  void updateDatabases(bool mimeChanged, SetupOutcome& outcome) const;

  FreedesktopFolders folders_;
  DesktopTools tools_;
};

}  // namespace zeb
