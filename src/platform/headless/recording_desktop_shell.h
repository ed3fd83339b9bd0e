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
  bool openFile(const std::filesystem::path& file) override;
  bool openInTextEditor(const std::filesystem::path& file) override;
  bool runProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments) override;
  bool runWindowsProgram(std::string_view program, const std::vector<std::string>& arguments) override;
  void addRecentDocument(const std::filesystem::path& path) override;

  // The answers the next folder choices get; none left means cancelled.
  std::deque<std::filesystem::path> folderAnswers;
  // What opening and running answer.
  bool succeeds = false;

  // A program started, as the desktop was asked to start it.
  struct Started {
    std::string program;
    std::vector<std::string> arguments;
    bool windowsProgram = false;
    bool operator==(const Started&) const = default;
  };

  std::vector<std::string> folderPrompts;
  std::vector<std::string> openedDocuments;
  std::vector<std::filesystem::path> openedFiles;
  std::vector<std::filesystem::path> editedFiles;
  std::vector<Started> started;
  std::vector<std::filesystem::path> recentDocuments;

  // Whether anything was opened or started at all.
  bool touchedNothing() const {
    return openedDocuments.empty() && openedFiles.empty() && editedFiles.empty() && started.empty();
  }
};

}  // namespace zeb
