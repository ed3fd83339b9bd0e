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
  return succeeds;
}

bool RecordingDesktopShell::openFile(const std::filesystem::path& file) {
  openedFiles.push_back(file);
  return succeeds;
}

bool RecordingDesktopShell::openInTextEditor(const std::filesystem::path& file) {
  editedFiles.push_back(file);
  return succeeds;
}

bool RecordingDesktopShell::runProgram(const std::filesystem::path& program,
                                       const std::vector<std::string>& arguments) {
  started.push_back({program.string(), arguments, false});
  return succeeds;
}

bool RecordingDesktopShell::runWindowsProgram(std::string_view program, const std::vector<std::string>& arguments) {
  started.push_back({std::string(program), arguments, true});
  return succeeds;
}

void RecordingDesktopShell::addRecentDocument(const std::filesystem::path& path) { recentDocuments.push_back(path); }

}  // namespace zeb
