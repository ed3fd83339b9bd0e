// The desktop: opening documents and addresses, running programs, recent documents,
// choosing folders.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeb {

class DesktopShell {
 public:
  virtual ~DesktopShell() = default;

  // Lets the user pick a folder; the prompt is Windows-1252. Nothing when cancelled or
  // when no one can be asked.
  virtual std::optional<std::filesystem::path> chooseFolder(std::string_view prompt) = 0;
  // Opens a document or an address with the program the desktop associates with it.
  virtual bool openDocument(std::string_view pathOrAddress) = 0;
  // Runs a program with its arguments.
  virtual bool runProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments) = 0;
  virtual void addRecentDocument(const std::filesystem::path& path) = 0;
};

}  // namespace zeb
