// RunTarget: what a hyperlink's "run:" or "prog:" target starts, and how this machine
// starts it. Windows programs (".exe", ".com") go to the desktop, never run directly; other
// programs run with an argument list; documents open with the desktop.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/link_target.h"
#include "platform/message_boxes.h"
#include "shell/start_request.h"

namespace zeb {
class TZEBoggetto;
class TZEBset;
}  // namespace zeb

namespace zeb::shell {

// Whether a text names a Windows program: in lower case it contains ".exe" or ".com".
bool namesWindowsProgram(std::string_view text);

// A Windows command line: the program, up to and including the first ".exe" or ".com" that
// ends a word (or the whole text when none does; a quoted program ends at its quote), and the
// arguments after it, split at blanks with double quotes grouping.
struct CommandLine {
  std::string program;
  std::vector<std::string> arguments;
  bool operator==(const CommandLine&) const = default;
};
CommandLine splitCommandLine(std::string_view command);

// How a program named by a book or a setting (a command line, Windows-1252) starts with
// the extra arguments (UTF-8) after its own: a Windows program through the desktop, a program
// of this machine with its arguments, anything else opened as a document without them. A
// path without a drive is relative to the book's folder.
StartRequest programStart(std::string_view commandLine, const std::filesystem::path& bookFolder,
                          const std::vector<std::string>& extraArguments);

struct PlannedMessage {
  MessageKind kind = MessageKind::information;
  std::string text;  // Windows-1252
  bool operator==(const PlannedMessage&) const = default;
};

struct RunPlan {
  enum class Kind {
    command,         // "run:" + command
    settingProgram,  // "prog:" + a settings value naming the program, given the parameter file
    parameterFile,   // "prog:" + a name: the parameter file itself is opened
  };
  Kind kind = Kind::command;
  // "run:": the command after "run:" (Windows-1252), the CD folder put in front of "cddrive:".
  std::string command;
  // The command needs the CD folder and none is stored (and none was asked for).
  bool cdFolderUnknown = false;
  // "prog:": the settings key and value that name the program.
  std::string settingKey;
  std::string settingName;
  // Shown before anything starts.
  std::vector<PlannedMessage> messages;
  // An error shown instead of starting anything ("Error in file opening: ").
  std::optional<PlannedMessage> failure;
  // Written with the link's data before the start (its argument or the file opened).
  std::filesystem::path parameterFile;
  std::optional<StartRequest> start;
};

// The plan for a target text (Windows-1252) of the link in the book. The CD folder is asked
// for only when `ask` says so; reading the settings is all the plan does otherwise.
RunPlan planRunTarget(TZEBset& book, std::string_view text, AskForCdFolder ask);

// Writes the link's data (its primary blob; hyperlinks carry none, which gives an empty
// file) to the parameter file; false when it cannot be written.
bool writeParameterFile(const TZEBoggetto& link, const std::filesystem::path& file);

}  // namespace zeb::shell
