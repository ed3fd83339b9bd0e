// The library's folders in the settings store.
#include "library/library_folders.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/settings_store.h"

namespace zeb::library {
namespace {

// More folders than anyone keeps; the list stops reading there.
constexpr int maxFolders = 1000;

void writeAll(SettingsStore& settings, const std::vector<std::string>& folders) {
  SettingsBatch batch(settings);
  settings.deleteKey(foldersKey);
  for (std::size_t i = 0; i < folders.size(); ++i) settings.writeString(foldersKey, std::to_string(i), folders[i]);
}

}  // namespace

std::vector<std::string> libraryFolders(const SettingsStore& settings) {
  std::vector<std::string> folders;
  for (int i = 0; i < maxFolders; ++i) {
    const auto folder = settings.readString(foldersKey, std::to_string(i));
    if (!folder) break;
    if (!folder->empty()) folders.push_back(*folder);
  }
  return folders;
}

std::string normalFolder(std::string_view folder) {
  std::error_code error;
  std::filesystem::path path = std::filesystem::absolute(std::filesystem::path(std::string(folder)), error);
  if (error) path = std::string(folder);
  path = path.lexically_normal();
  std::string text = path.string();
  while (text.size() > 1 && text.back() == '/') text.pop_back();
  return text;
}

void addLibraryFolder(SettingsStore& settings, std::string_view folder) {
  std::vector<std::string> folders = libraryFolders(settings);
  const std::string normal = normalFolder(folder);
  if (std::find(folders.begin(), folders.end(), normal) != folders.end()) return;
  folders.push_back(normal);
  writeAll(settings, folders);
}

void removeLibraryFolder(SettingsStore& settings, std::string_view folder) {
  std::vector<std::string> folders = libraryFolders(settings);
  const std::string normal = normalFolder(folder);
  folders.erase(std::remove(folders.begin(), folders.end(), normal), folders.end());
  writeAll(settings, folders);
}

bool isInFolder(std::string_view path, std::string_view folder) {
  if (folder == "/") return path.starts_with('/');
  return path.size() > folder.size() && path.starts_with(folder) && path[folder.size()] == '/';
}

}  // namespace zeb::library
