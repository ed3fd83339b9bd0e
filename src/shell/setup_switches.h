// The setup switches of the command line: "/INIT" registers the reader with the desktop,
// "/DEINST" removes it, "/DELETE" removes the folder the reader was installed in.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeb {
class DesktopIntegration;
struct PlatformServices;
}  // namespace zeb

namespace zeb::shell {

enum class SetupSwitch { none, init, deinstall, deleteFolder };

// Argument 1 compared in upper case.
SetupSwitch setupSwitchOf(const std::vector<std::string>& arguments);
// Neither "/DEINST" nor "/DELETE" creates the main window.
inline bool createsMainWindow(SetupSwitch setupSwitch) {
  return setupSwitch != SetupSwitch::deinstall && setupSwitch != SetupSwitch::deleteFolder;
}

// The program that draws books' covers for file managers: zebtool beside the reader, or where
// the build puts it (../zebtool/zebtool); none when neither exists.
std::filesystem::path thumbnailerFor(const std::filesystem::path& program);

// Whether the running program is the one a package installed (in /usr/bin): the package
// registers it with the desktop (its desktop entry, type and icons under /usr/share), so
// "/INIT" and "/DEINST" only say so.
bool registeredByPackage(const std::filesystem::path& program);

// Whether "/DELETE" may offer to delete the folder: an absolute path that is not a drive's
// root or the Windows folder, not "/", not the home folder or a folder above it, and not a
// system folder (/bin, /etc, /usr, /var, /lib... with everything in them; /opt, /tmp,
// /home, /media, /mnt, /srv themselves). Symbolic links and ".." are resolved first.
bool mayDeleteFolder(std::string_view folder, const std::filesystem::path& home);

// The book file "/DEINST" deletes: the file of that plain name in the program's folder.
// None for a name with a folder part, "." or "..", or one that names no regular file.
std::optional<std::filesystem::path> removableBookFile(const std::filesystem::path& programFolder,
                                                       std::string_view name);

struct SetupContext {
  const PlatformServices& services;
  DesktopIntegration& desktop;
  std::filesystem::path program;  // the running executable
  std::filesystem::path home;
  // Starts the program again with the arguments, to run on its own once this one has ended;
  // false when it cannot be started.
  std::function<bool(const std::vector<std::string>& arguments)> startAgain;
  // "/DELETE" waits here first, so that the program that started it has ended.
  std::function<void()> pauseBeforeDeleting;
};

enum class AfterSetup { continueStart, quit };

// Carries out the switch's steps: questions, messages and settings through the services.
// "/INIT" continues into the normal start (which opens argument 2); the others quit. For a
// program the package registers, "/INIT" and "/DEINST" show an information box instead and
// change nothing.
AfterSetup runSetupSwitch(SetupSwitch setupSwitch, const std::vector<std::string>& arguments, SetupContext& context);

}  // namespace zeb::shell
