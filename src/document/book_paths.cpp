// Stored Windows paths on Linux.
#include "document/book_paths.h"

#include <algorithm>
#include <system_error>
#include <vector>

#include "platform/code_pages.h"

namespace zeb {

bool hasDrive(std::string_view stored) {
  return stored.size() >= 2 && stored[1] == ':' &&
         ((stored[0] >= 'A' && stored[0] <= 'Z') || (stored[0] >= 'a' && stored[0] <= 'z'));
}

std::string_view storedFileName(std::string_view stored) {
  if (hasDrive(stored)) stored.remove_prefix(2);
  const auto separator = stored.find_last_of("\\/");
  return separator == std::string_view::npos ? stored : stored.substr(separator + 1);
}

std::filesystem::path nativePath(std::string_view stored, std::uint16_t codePage) {
  std::string utf8 = bookTextToUtf8(stored, codePage);
  std::replace(utf8.begin(), utf8.end(), '\\', '/');
  return std::filesystem::path(utf8);
}

std::filesystem::path findIgnoringCase(const std::filesystem::path& path) {
  std::error_code error;
  if (path.empty() || std::filesystem::exists(path, error)) return path;

  std::filesystem::path found = path.root_path();
  const std::filesystem::path relative = path.relative_path();
  auto part = relative.begin();
  for (; part != relative.end(); ++part) {
    const std::filesystem::path exact = found / *part;
    if (std::filesystem::exists(exact, error) || *part == "." || *part == "..") {
      found = exact;
      continue;
    }
    const std::filesystem::path folder = found.empty() ? std::filesystem::path(".") : found;
    std::vector<std::string> candidates;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error))
      candidates.push_back(entry->path().filename().string());
    std::sort(candidates.begin(), candidates.end());
    const std::string wanted = lowerUtf8(part->string());
    const auto match = std::find_if(candidates.begin(), candidates.end(),
                                    [&](const std::string& candidate) { return lowerUtf8(candidate) == wanted; });
    if (match == candidates.end()) break;
    found /= *match;
  }
  for (; part != relative.end(); ++part) found /= *part;
  return found;
}

std::filesystem::path resolveStoredPath(std::string_view stored, const std::filesystem::path& bookFolder,
                                        std::uint16_t codePage) {
  if (stored.empty()) return {};
  if (hasDrive(stored)) {
    const std::filesystem::path withoutDrive = nativePath(stored.substr(2), codePage);
    if (withoutDrive.is_absolute()) {
      const std::filesystem::path absolute = findIgnoringCase(withoutDrive);
      std::error_code error;
      if (std::filesystem::exists(absolute, error)) return absolute;
    }
    return findIgnoringCase(bookFolder / nativePath(storedFileName(stored), codePage));
  }
  std::filesystem::path native = nativePath(stored, codePage);
  if (native.is_absolute()) {
    std::error_code error;
    const std::filesystem::path absolute = findIgnoringCase(native);
    if (std::filesystem::exists(absolute, error)) return absolute;
    native = native.relative_path();
  }
  return findIgnoringCase(bookFolder / native);
}

}  // namespace zeb
