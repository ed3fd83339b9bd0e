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
  // Opens a file on this machine with the program the desktop associates with its type.
  virtual bool openFile(const std::filesystem::path& file) = 0;
  // Opens a file with the desktop's text editor.
  virtual bool openInTextEditor(const std::filesystem::path& file) = 0;
  // Runs a program with its arguments (UTF-8), as a list: nothing passes through a shell.
  virtual bool runProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments) = 0;
  // Hands a Windows program (".exe", ".com") to whatever the desktop has set up to run
  // such programs; false when nothing can run them. The program is a path on this machine,
  // or the Windows path the book gave when no such file exists here.
  virtual bool runWindowsProgram(std::string_view program, const std::vector<std::string>& arguments) = 0;
  virtual void addRecentDocument(const std::filesystem::path& path) = 0;
};

}  // namespace zeb
