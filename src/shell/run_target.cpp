// RunTarget's plans.
#include "shell/run_target.h"

#include <fstream>
#include <system_error>

#include "document/book_object.h"
#include "document/book_paths.h"
#include "document/container.h"
#include "platform/code_pages.h"
#include "platform/settings_store.h"
#include "platform/windows1252.h"
#include "shell/messages.h"

namespace zeb::shell {
namespace {

bool fileExistsAt(const std::filesystem::path& path) {
  std::error_code error;
  return !path.empty() && std::filesystem::exists(path, error);
}

// Words of a book (in its code page) or of the settings (in 1252) as UTF-8.
std::vector<std::string> utf8Words(const std::vector<std::string>& words, std::uint16_t codePage = 1252) {
  std::vector<std::string> converted;
  for (const std::string& word : words) converted.push_back(bookTextToUtf8(word, codePage));
  return converted;
}

std::filesystem::path bookFolder(const TZEBset& book) {
  return std::filesystem::path(book.ZEBFileName()).parent_path();
}

// A Windows program that is not here keeps the Windows path the book or the settings gave,
// which the program that runs Windows programs may know.
std::string windowsProgramTarget(std::string_view stored, const std::filesystem::path& found, std::uint16_t codePage) {
  if (fileExistsAt(found) || !hasDrive(stored)) return found.string();
  return bookTextToUtf8(stored, codePage);
}

// How a program named by a book or a setting starts with the arguments (UTF-8).
StartRequest programRequest(std::string_view stored, const std::filesystem::path& found,
                            std::vector<std::string> arguments, std::uint16_t codePage = 1252) {
  StartRequest request;
  if (namesWindowsProgram(stored)) {
    request.how = StartRequest::How::windowsProgram;
    request.target = windowsProgramTarget(stored, found, codePage);
    request.arguments = std::move(arguments);
  } else if (isNativeProgram(found)) {
    request.how = StartRequest::How::program;
    request.target = found.string();
    request.arguments = std::move(arguments);
  } else {
    // A document stands in for the program: the desktop opens it, without the arguments.
    request.how = StartRequest::How::file;
    request.target = found.string();
  }
  return request;
}

void planCommand(RunPlan& plan, TZEBset& book, std::string_view command, AskForCdFolder ask) {
  plan.kind = RunPlan::Kind::command;
  plan.command = std::string(command);
  const CommandLine line =
      namesWindowsProgram(command) ? splitCommandLine(command) : CommandLine{std::string(command), {}};
  std::string stored = line.program;
  std::filesystem::path found;
  if (stored.find(':') != std::string::npos && startsWithCdDrive(stored)) {
    const std::string folder = cdFolder(book, ask);
    plan.cdFolderUnknown = folder.empty();
    stored = joinCdPath(folder, std::string_view(stored).substr(cdDrivePrefix.size()));
    if (startsWithCdDrive(command)) plan.command = joinCdPath(folder, command.substr(cdDrivePrefix.size()));
    if (ask == AskForCdFolder::yes) forgetMissingCdFolder(book);
    found = resolveStoredPath(stored, "/", book.codePage());
  } else if (!hasDrive(stored) && schemeOf(stored)) {
    plan.start = StartRequest{StartRequest::How::address, bookTextToUtf8(command, book.codePage()), {}, true};
    return;
  } else {
    found = resolveStoredPath(stored, bookFolder(book), book.codePage());
  }

  if (!namesWindowsProgram(command) && !fileExistsAt(found)) {
    plan.failure = PlannedMessage{MessageKind::error, std::string(messages::errorInFileOpening) + plan.command};
    return;
  }
  plan.start = programRequest(stored, found, utf8Words(line.arguments, book.codePage()), book.codePage());
}

void planSettingProgram(RunPlan& plan, TZEBset& book, std::string_view name) {
  plan.kind = RunPlan::Kind::settingProgram;
  const auto lastBackslash = name.rfind('\\');
  plan.settingKey = std::string(name.substr(0, lastBackslash));
  plan.settingName = std::string(name.substr(lastBackslash + 1));
  const SettingsStore& settings = *book.services().settings;
  std::string value;
  if (!settings.keyExists(plan.settingKey)) {
    plan.messages.push_back({MessageKind::information, std::string(messages::keyNotFound) + plan.settingKey +
                                                           std::string(messages::keyNotFoundValue) + plan.settingName +
                                                           std::string(messages::keyNotFoundEnd)});
  } else {
    value = settings.readString(plan.settingKey, plan.settingName).value_or("");
  }
  plan.parameterFile = book.temporaryFilePath(messages::parameterFile);
  if (value.empty()) {
    plan.messages.push_back({MessageKind::information, std::string(messages::registryKeyEmpty) + std::string(name) +
                                                           std::string(messages::registryKeyEmptyEnd)});
    // The fallback, the system's own text editor, is this desktop's.
    plan.start = StartRequest{StartRequest::How::textEditor, plan.parameterFile.string(), {}, true};
    return;
  }
  plan.start = programStart(value, bookFolder(book), {plan.parameterFile.string()});
}

void planParameterFile(RunPlan& plan, TZEBset& book, std::string_view name) {
  plan.kind = RunPlan::Kind::parameterFile;
  const std::string_view file = storedFileName(name);
  const auto dot = file.rfind('.');
  const std::string extension(dot == std::string_view::npos ? std::string_view() : file.substr(dot));
  plan.parameterFile = book.temporaryFilePath(std::string(messages::parameterFilePrefix) + extension);
  plan.start = StartRequest{StartRequest::How::file, plan.parameterFile.string(), {}, true};
}

}  // namespace

bool namesWindowsProgram(std::string_view text) {
  const std::string lower = lowerWindows1252(text);
  return lower.find(".exe") != std::string::npos || lower.find(".com") != std::string::npos;
}

CommandLine splitCommandLine(std::string_view command) {
  CommandLine line;
  std::size_t rest = command.size();
  if (command.starts_with('"')) {
    const auto quote = command.find('"', 1);
    line.program = std::string(command.substr(1, quote == std::string_view::npos ? std::string_view::npos : quote - 1));
    rest = quote == std::string_view::npos ? command.size() : quote + 1;
  } else {
    const std::string lower = lowerWindows1252(command);
    line.program = std::string(command);
    for (std::size_t at = 0; at + 4 <= lower.size(); ++at) {
      const std::string_view extension = std::string_view(lower).substr(at, 4);
      if (extension != ".exe" && extension != ".com") continue;
      const std::size_t end = at + 4;
      if (end < lower.size() && lower[end] != ' ' && lower[end] != '\t' && lower[end] != '"') continue;
      line.program = std::string(command.substr(0, end));
      rest = end;
      break;
    }
  }
  // Blanks separate the arguments; a double quote starts or ends a group that keeps them.
  std::string word;
  bool inWord = false;
  bool quoted = false;
  for (const char c : command.substr(rest)) {
    if (c == '"') {
      quoted = !quoted;
      inWord = true;
    } else if ((c == ' ' || c == '\t') && !quoted) {
      if (inWord) line.arguments.push_back(word);
      word.clear();
      inWord = false;
    } else {
      word.push_back(c);
      inWord = true;
    }
  }
  if (inWord) line.arguments.push_back(word);
  return line;
}

StartRequest programStart(std::string_view commandLine, const std::filesystem::path& bookFolder,
                          const std::vector<std::string>& extraArguments) {
  const CommandLine line =
      namesWindowsProgram(commandLine) ? splitCommandLine(commandLine) : CommandLine{std::string(commandLine), {}};
  std::vector<std::string> arguments = utf8Words(line.arguments);
  arguments.insert(arguments.end(), extraArguments.begin(), extraArguments.end());
  return programRequest(line.program, resolveStoredPath(line.program, bookFolder), std::move(arguments));
}

RunPlan planRunTarget(TZEBset& book, std::string_view text, AskForCdFolder ask) {
  RunPlan plan;
  if (text.starts_with(runScheme)) {
    planCommand(plan, book, text.substr(runScheme.size()), ask);
  } else if (text.starts_with(programScheme)) {
    const std::string_view name = text.substr(programScheme.size());
    if (name.find('\\') != std::string_view::npos)
      planSettingProgram(plan, book, name);
    else
      planParameterFile(plan, book, name);
  }
  return plan;
}

bool writeParameterFile(const TZEBoggetto& link, const std::filesystem::path& file) {
  std::vector<std::uint8_t> data;
  if (!link.readPrimary(data)) data.clear();
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
  return static_cast<bool>(out);
}

}  // namespace zeb::shell
