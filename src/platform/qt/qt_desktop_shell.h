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
  bool runProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments) override;
  // The desktop keeps its own list of recent documents through the programs that open
  // them; the reader adds nothing to it.
  void addRecentDocument(const std::filesystem::path&) override {}
};

}  // namespace zeb
