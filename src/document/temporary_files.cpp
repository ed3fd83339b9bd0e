// Private temporary folder and safe file names.
#include "document/temporary_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <system_error>

#include "document/book_paths.h"
#include "document/file_names.h"
#include "platform/code_pages.h"

namespace zeb {
namespace {

// Each Windows-1252 character takes at most two UTF-8 bytes (up to three for the few in
// 0x80-0x9F), so 80 characters stay well inside the 255 bytes a Linux file name may have.
constexpr std::size_t maxNameCharacters = 80;

std::string hex8(std::uint32_t value) {
  char digits[9];
  std::snprintf(digits, sizeof digits, "%08x", value);
  return digits;
}

}  // namespace

PrivateFolder::PrivateFolder(std::filesystem::path systemFolder, std::uint32_t program, std::uint32_t container)
    : name_(std::move(systemFolder) / (hex8(program) + "_" + hex8(container))) {}

PrivateFolder::~PrivateFolder() {
  if (path_.empty()) return;
  std::error_code error;
  std::filesystem::remove_all(path_, error);
}

const std::filesystem::path& PrivateFolder::path() {
  if (!path_.empty()) return path_;
  std::error_code error;
  // remove_all removes a symbolic link itself, never what it points to.
  std::filesystem::remove_all(name_, error);
  if (::mkdir(name_.c_str(), 0700) != 0) return path_;
  struct stat status {};
  if (::lstat(name_.c_str(), &status) != 0 || !S_ISDIR(status.st_mode) || status.st_uid != ::geteuid()) return path_;
  ::chmod(name_.c_str(), 0700);
  path_ = name_;
  return path_;
}

void PrivateFolder::deleteFiles() {
  if (path_.empty()) return;
  std::error_code error;
  for (std::filesystem::directory_iterator entry(path_, error), end; !error && entry != end; entry.increment(error)) {
    if (!entry->is_directory(error)) std::filesystem::remove(entry->path(), error);
  }
}

std::string safeFileName(std::string_view stored, std::uint16_t codePage) {
  std::string name(storedFileName(stored));
  for (char& c : name) {
    const auto byte = static_cast<std::uint8_t>(c);
    if (byte < 32 || byte == 127 || c == '/') c = '_';
  }
  if (name.empty() || name == "." || name == "..") name = "file";
  if (name.size() > maxNameCharacters) {
    const std::string extension(extensionOf(name).substr(0, 16));
    name = name.substr(0, maxNameCharacters - extension.size()) + extension;
  }
  return bookTextToUtf8(name, codePage);
}

std::filesystem::path uniqueFilePath(const std::filesystem::path& folder, std::string_view stored, std::mt19937& random,
                                     std::uint16_t codePage) {
  std::filesystem::path candidate = folder / safeFileName(stored, codePage);
  std::uniform_int_distribution<int> below4096(0, 4095);
  std::error_code error;
  while (std::filesystem::exists(std::filesystem::symlink_status(candidate, error))) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%03x%03x", below4096(random), below4096(random));
    candidate = folder / ("re" + std::string(digits) + candidate.extension().string());
  }
  return candidate;
}

}  // namespace zeb
