// Rules for starting and opening what books name.
#include "shell/start_request.h"

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <system_error>

#include "document/book_paths.h"
#include "document/container.h"
#include "platform/code_pages.h"
#include "platform/settings_store.h"
#include "platform/windows1252.h"
#include "shell/settings_keys.h"

namespace zeb::shell {
namespace {

bool isSchemeCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

}  // namespace

std::optional<std::string> bookSettingName(const std::string& bookPath) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(bookPath, error);
  if (error || bookPath.empty()) return std::nullopt;
  std::uint64_t hash = 0xcbf29ce484222325u;
  for (const char c : bookPath + "\n" + std::to_string(size)) {
    hash ^= static_cast<std::uint8_t>(c);
    hash *= 0x100000001b3u;
  }
  char name[17];
  std::snprintf(name, sizeof name, "%016llx", static_cast<unsigned long long>(hash));
  return std::string(name);
}

std::optional<std::string> schemeOf(std::string_view address) {
  const auto colon = address.find(':');
  if (colon == std::string_view::npos || colon < 2) return std::nullopt;
  const std::string_view scheme = address.substr(0, colon);
  const bool startsWithLetter = (scheme[0] >= 'a' && scheme[0] <= 'z') || (scheme[0] >= 'A' && scheme[0] <= 'Z');
  if (!startsWithLetter) return std::nullopt;
  for (const char c : scheme)
    if (!isSchemeCharacter(c)) return std::nullopt;
  return lowerWindows1252(scheme);
}

bool opensWithoutAsking(std::string_view address) {
  const auto scheme = schemeOf(address);
  return scheme && (*scheme == "http" || *scheme == "https" || *scheme == "mailto");
}

bool isInsideFolder(const std::filesystem::path& path, const std::filesystem::path& folder) {
  if (folder.empty() || path.empty()) return false;
  std::error_code error;
  const std::filesystem::path file = std::filesystem::weakly_canonical(path, error);
  if (error) return false;
  const std::filesystem::path base = std::filesystem::weakly_canonical(folder, error);
  if (error) return false;
  const auto [baseEnd, fileAt] = std::mismatch(base.begin(), base.end(), file.begin(), file.end());
  // Every part of the folder matches, and something follows it.
  return baseEnd == base.end() && fileAt != file.end();
}

bool isNativeProgram(const std::filesystem::path& file) {
  std::error_code error;
  return std::filesystem::is_regular_file(file, error) && ::access(file.c_str(), X_OK) == 0;
}

bool fileOpensWithoutAsking(TZEBset& book, const std::filesystem::path& file) {
  const std::filesystem::path bookPath = book.ZEBFileName();
  if (!bookPath.empty() && isInsideFolder(file, bookPath.parent_path())) return true;
  return isInsideFolder(file, book.temporaryFolder());
}

StartRequest openRequestFor(TZEBset& book, std::string_view target) {
  StartRequest request;
  if (schemeOf(target)) {
    request.how = StartRequest::How::address;
    request.target = bookTextToUtf8(target, book.codePage());
    request.asks = !opensWithoutAsking(target);
    return request;
  }
  const std::filesystem::path file =
      resolveStoredPath(target, std::filesystem::path(book.ZEBFileName()).parent_path(), book.codePage());
  request.how = StartRequest::How::file;
  request.target = file.string();
  // A program is never opened without asking, wherever it lies.
  request.asks = !fileOpensWithoutAsking(book, file) || isNativeProgram(file);
  return request;
}

bool alwaysAllowed(const SettingsStore& settings, const std::string& bookPath) {
  const auto name = bookSettingName(bookPath);
  return name && settings.readString(settings::allowedBooksKey, *name) == bookPath;
}

void allowAlways(SettingsStore& settings, const std::string& bookPath) {
  if (const auto name = bookSettingName(bookPath)) settings.writeString(settings::allowedBooksKey, *name, bookPath);
}

bool asksBeforeStarting(const SettingsStore& settings, const std::string& bookPath, const StartRequest& request) {
  return request.asks && !alwaysAllowed(settings, bookPath);
}

}  // namespace zeb::shell
