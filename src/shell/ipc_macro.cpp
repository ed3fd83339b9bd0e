// Inter-process macros.
#include "shell/ipc_macro.h"

#include <filesystem>
#include <system_error>

#include "platform/windows1252.h"
#include "shell/program_start.h"

namespace zeb::shell {

std::optional<std::string> targetOfMacro(std::string_view macro) {
  const std::string_view line = macro.substr(0, macro.find_first_of("\r\n"));
  const auto blank = line.find(' ');
  if (blank == std::string_view::npos) return std::nullopt;
  const std::string verb = upperWindows1252(line.substr(0, blank));
  if (verb != "SHOW" && verb != "VISUALIZZA") return std::nullopt;
  return "nexo://" + std::string(line.substr(blank + 1, maxMacroTargetLength));
}

bool asksToComeBack(std::string_view macro) {
  return upperWindows1252(macro.substr(0, macro.find_first_of("\r\n"))) == comeBackMacro;
}

std::string showMacro(std::string_view bookAndPage) {
  const auto bar = bookAndPage.find('|');
  std::filesystem::path book(std::string(bookAndPage.substr(0, bar)));
  if (book.is_relative() && fileExists(book)) {
    std::error_code error;
    if (const auto absolute = std::filesystem::absolute(book, error); !error) book = absolute.lexically_normal();
  }
  const std::string_view rest = bar == std::string_view::npos ? std::string_view() : bookAndPage.substr(bar);
  return "SHOW " + utf8ToWindows1252(book.string()) + utf8ToWindows1252(rest);
}

}  // namespace zeb::shell
