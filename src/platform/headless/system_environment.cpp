// Environment of the running process.
#include "platform/headless/system_environment.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>

#include "platform/windows1252.h"

namespace zeb {

std::string SystemEnvironment::userName() const {
  if (const passwd* entry = getpwuid(geteuid()); entry != nullptr && entry->pw_name != nullptr)
    return utf8ToWindows1252(entry->pw_name);
  if (const char* user = std::getenv("USER"); user != nullptr) return utf8ToWindows1252(user);
  return {};
}

std::filesystem::path SystemEnvironment::temporaryFolder() const {
  std::error_code error;
  std::filesystem::path folder = std::filesystem::temp_directory_path(error);
  return error ? std::filesystem::path("/tmp") : folder;
}

std::filesystem::path programFilesFolder(const std::filesystem::path& programFolder) {
  if (programFolder.filename() != "bin") return programFolder;
  const std::filesystem::path data = programFolder.parent_path() / "share" / "brightfold";
  std::error_code error;
  return std::filesystem::is_directory(data, error) ? data : programFolder;
}

std::filesystem::path SystemEnvironment::programFolder() const {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::current_path(error) : programFilesFolder(self.parent_path());
}

std::uint32_t SystemEnvironment::processIdentifier() const { return static_cast<std::uint32_t>(getpid()); }

}  // namespace zeb
