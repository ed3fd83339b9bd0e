// The desktop through Qt: documents and addresses opened by QDesktopServices, programs
// started by QProcess, folders chosen in a QFileDialog.
#pragma once

#include "platform/desktop_shell.h"

namespace zeb {

// Needs a QApplication.
class QtDesktopShell final : public DesktopShell {
 public:
  std::optional<std::filesystem::path> chooseFolder(std::string_view prompt) override;
  bool openDocument(std::string_view pathOrAddress) override;
  bool openFile(const std::filesystem::path& file) override;
  // The desktop's program for plain text.
  bool openInTextEditor(const std::filesystem::path& file) override;
  bool runProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments) override;
  // Windows programs run through Wine when it is installed; arguments that name files here
  // are given as Wine names them (the Z: drive), so that the program can open them.
  bool runWindowsProgram(std::string_view program, const std::vector<std::string>& arguments) override;
  // The desktop keeps its own list of recent documents through the programs that open
  // them; the reader adds nothing to it.
  void addRecentDocument(const std::filesystem::path&) override {}
};

}  // namespace zeb
