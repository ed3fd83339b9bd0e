// The environment of the running process, read from the operating system.
#pragma once

#include "platform/environment.h"

namespace zeb {

// The folder that holds the program's own files, for a program in that folder: for one
// installed in PREFIX/bin (as the package installs it), PREFIX/share/brightfold when it exists;
// otherwise the program's folder itself, which held the program and its books on Windows.
std::filesystem::path programFilesFolder(const std::filesystem::path& programFolder);

class SystemEnvironment final : public Environment {
 public:
  std::string userName() const override;
  std::filesystem::path temporaryFolder() const override;
  std::filesystem::path programFolder() const override;
  std::uint32_t processIdentifier() const override;
};

}  // namespace zeb
