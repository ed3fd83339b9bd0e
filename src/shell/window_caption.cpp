// The window caption and dropped files.
#include "shell/window_caption.h"

#include <system_error>

#include "platform/windows1252.h"
#include "shell/messages.h"

namespace zeb::shell {

std::string windowCaption(std::string_view name) {
  const auto slash = name.find_last_of('/');
  const std::string_view fileName = slash == std::string_view::npos ? name : name.substr(slash + 1);
  return std::string(fileName) + " - " + std::string(messages::applicationTitle) + " - " +
         std::string(messages::captionSuffix);
}

std::optional<std::filesystem::path> droppedBook(const std::vector<std::filesystem::path>& files) {
  if (files.empty()) return std::nullopt;
  const std::filesystem::path& first = files.front();
  std::error_code error;
  if (std::filesystem::is_directory(first, error)) return std::nullopt;
  if (lowerWindows1252(first.extension().string()) != ".zeb") return std::nullopt;
  return first;
}

}  // namespace zeb::shell
