// The recording desktop.
#include "platform/headless/recording_desktop_shell.h"

namespace zeb {

std::optional<std::filesystem::path> RecordingDesktopShell::chooseFolder(std::string_view prompt) {
  folderPrompts.emplace_back(prompt);
  if (folderAnswers.empty()) return std::nullopt;
  std::filesystem::path answer = folderAnswers.front();
  folderAnswers.pop_front();
  return answer;
}

bool RecordingDesktopShell::openDocument(std::string_view pathOrAddress) {
  openedDocuments.emplace_back(pathOrAddress);
  return false;
}

bool RecordingDesktopShell::runProgram(const std::filesystem::path& program, const std::vector<std::string>&) {
  programsRun.push_back(program);
  return false;
}

void RecordingDesktopShell::addRecentDocument(const std::filesystem::path& path) { recentDocuments.push_back(path); }

}  // namespace zeb
