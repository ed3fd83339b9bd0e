// Link targets and the CD folder.
#include "document/link_target.h"

#include <charconv>
#include <system_error>

#include "document/book_paths.h"
#include "document/container.h"
#include "document/messages.h"
#include "platform/code_pages.h"
#include "platform/desktop_shell.h"
#include "platform/settings_store.h"
#include "platform/windows1252.h"

namespace zeb {
namespace {

constexpr std::string_view scheme = "nexo:";
constexpr std::string_view schemeWithSlashes = "nexo://";
constexpr std::string_view cdFolderKey = "\\SOFTWARE\\KX\\zoVeKa\\";
constexpr std::string_view cdFolderValue = "cddrive";

// Up to 12 characters after "|" as a decimal number; anything else, or a value outside
// 32 bits, gives 0, and so does a negative value.
std::int64_t idAfterBar(std::string_view text) {
  text = text.substr(0, 12);
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return 0;
  if (value < 0 || value > 0x7FFFFFFF) return 0;
  return value;
}

}  // namespace

bool followedByProgram(std::string_view target) {
  return target.starts_with(scheme) || target.starts_with(programScheme) || target.starts_with(runScheme);
}

bool isWebOrMailAddress(std::string_view target) {
  const std::string lowered = lowerWindows1252(target.substr(0, 8));
  for (const std::string_view scheme : {"http://", "https://", "mailto:"})
    if (lowered.starts_with(scheme)) return true;
  return false;
}

std::string cdFolder(TZEBset& set, AskForCdFolder ask) {
  SettingsStore& settings = *set.services().settings;
  // A key that was never written reads as empty, so that the user is asked the first time.
  std::string folder = settings.readString(cdFolderKey, cdFolderValue).value_or("");
  if (folder.empty() && ask == AskForCdFolder::yes) {
    if (const auto chosen = set.services().shell->chooseFolder(messages::selectCdPath)) {
      folder = utf8ToWindows1252(chosen->string());
      settings.writeString(cdFolderKey, cdFolderValue, folder);
    }
  }
  return folder;
}

bool startsWithCdDrive(std::string_view path) {
  return lowerWindows1252(path.substr(0, cdDrivePrefix.size())) == cdDrivePrefix;
}

std::string joinCdPath(std::string_view folder, std::string_view rest) {
  const bool folderEnds = !folder.empty() && (folder.back() == '\\' || folder.back() == '/');
  const bool restStarts = !rest.empty() && (rest.front() == '\\' || rest.front() == '/');
  if (folderEnds && restStarts) rest.remove_prefix(1);
  // A drive's root ends with a separator; a folder chosen here does not, and "cddrive:x"
  // still names x inside it.
  const std::string_view separator = !folder.empty() && !rest.empty() && !folderEnds && !restStarts ? "\\" : "";
  return std::string(folder) + std::string(separator) + std::string(rest);
}

void forgetMissingCdFolder(TZEBset& set) {
  SettingsStore& settings = *set.services().settings;
  const std::string folder = settings.readString(cdFolderKey, cdFolderValue).value_or("");
  std::error_code error;
  if (!folder.empty() && std::filesystem::is_directory(nativePath(folder), error)) return;
  settings.writeString(cdFolderKey, cdFolderValue, "");
}

void parseLinkTarget(TZEBset& set, std::string_view text, AskForCdFolder ask, LinkTarget& target) {
  if (!text.starts_with(scheme)) {
    target.bookLink = false;
    target.path.clear();
    return;
  }
  target.bookLink = true;
  text.remove_prefix(text.starts_with(schemeWithSlashes) ? schemeWithSlashes.size() : scheme.size());
  const auto bar = text.find('|');
  std::string stored(text.substr(0, bar));

  bool fromCd = false;
  if (startsWithCdDrive(stored)) {
    stored = joinCdPath(cdFolder(set, ask), std::string_view(stored).substr(cdDrivePrefix.size()));
    fromCd = true;
  }

  if (stored.empty()) {
    target.path.clear();
    target.sameBook = false;
  } else {
    const std::filesystem::path bookFolder =
        fromCd ? std::filesystem::path("/") : std::filesystem::path(set.ZEBFileName()).parent_path();
    target.path = resolveStoredPath(stored, bookFolder, set.codePage());
    // A path relative to the book names a file beside it; a full path names the open book
    // when it leads to it (letter case ignored, as on the machine the book was made on).
    const bool relative = !hasDrive(stored) && !nativePath(stored, set.codePage()).is_absolute() && !fromCd;
    target.sameBook = !relative && !set.ZEBFileName().empty() &&
                      lowerUtf8(target.path.lexically_normal().string()) == lowerUtf8(set.ZEBFileName());
  }

  if (bar == std::string_view::npos)
    target.id = 0;
  else if (bar + 1 == text.size())
    target.id = -2;
  else
    target.id = idAfterBar(text.substr(bar + 1));
}

LinkTarget parseLinkTarget(TZEBset& set, std::string_view text, AskForCdFolder ask) {
  LinkTarget target;
  parseLinkTarget(set, text, ask, target);
  return target;
}

}  // namespace zeb
