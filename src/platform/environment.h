// The machine and user the program runs for: user name, temporary and program folders.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace zeb {

class Environment {
 public:
  virtual ~Environment() = default;

  // The login name of the user, as Windows-1252 bytes.
  virtual std::string userName() const = 0;
  // The system's folder for temporary files.
  virtual std::filesystem::path temporaryFolder() const = 0;
  // The folder that holds the running program, or its own files when it was installed with
  // them apart (see programFilesFolder).
  virtual std::filesystem::path programFolder() const = 0;
  // A number that tells this running program apart from others on the machine.
  virtual std::uint32_t processIdentifier() const = 0;
  // Pixels per inch of the screen, used to convert lengths into presentation units.
  virtual int screenPixelsPerInch() const { return 96; }
};

}  // namespace zeb
