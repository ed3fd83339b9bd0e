// The main window's caption, and which dropped file it opens.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeb::shell {

// "%s - %s": the file-name part of the name, then the application's title, " - " and the
// caption suffix. UTF-8 in and out.
std::string windowCaption(std::string_view name);

// The book to open among files dropped on the window: the first one, when its extension in
// lower case is ".zeb" and it is not a folder. Other files are ignored.
std::optional<std::filesystem::path> droppedBook(const std::vector<std::filesystem::path>& files);

}  // namespace zeb::shell
