// A desktop that nobody sits at: it records what it was asked and answers from a script.
// The command-line tools use it with no answers, so that nothing is ever opened or run.
#pragma once

#include <deque>

#include "platform/desktop_shell.h"

namespace zeb {

class RecordingDesktopShell final : public DesktopShell {
 public:
  std::optional<std::filesystem::path> chooseFolder(std::string_view prompt) override;
  bool openDocument(std::string_view pathOrAddress) override;
  bool runProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments) override;
  void addRecentDocument(const std::filesystem::path& path) override;

  // The answers the next folder choices get; none left means cancelled.
  std::deque<std::filesystem::path> folderAnswers;

  std::vector<std::string> folderPrompts;
  std::vector<std::string> openedDocuments;
  std::vector<std::filesystem::path> programsRun;
  std::vector<std::filesystem::path> recentDocuments;
};

}  // namespace zeb
