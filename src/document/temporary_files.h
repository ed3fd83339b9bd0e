// The container's private temporary folder and the files extracted into it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <string_view>

namespace zeb {

// A folder in the system's temporary folder named "<program>_<container>", both as eight
// lower-case hexadecimal digits, readable by its owner only. It is made on first use (an
// older folder of that name is removed first), its plain files are deleted when the book is
// cleared, and it goes with everything in it when the container goes.
class PrivateFolder {
 public:
  PrivateFolder(std::filesystem::path systemFolder, std::uint32_t program, std::uint32_t container);
  ~PrivateFolder();
  PrivateFolder(const PrivateFolder&) = delete;
  PrivateFolder& operator=(const PrivateFolder&) = delete;

  // The folder, made when first asked for; empty when it cannot be made.
  const std::filesystem::path& path();
  // Deletes the plain files in the folder, keeping its subfolders.
  void deleteFiles();

 private:
  std::filesystem::path name_;
  std::filesystem::path path_;
};

// A file name that is safe to create inside a folder, from a name stored in a book: its
// folders and drive are dropped, control characters and "/" become "_", it is never empty,
// "." or "..", and it is at most 80 characters long (its extension kept). UTF-8, from the
// book's code page.
std::string safeFileName(std::string_view stored, std::uint16_t codePage = 1252);

// A path in the folder for the stored name that names no existing file: the safe name, or
// else "re", two groups of three random lower-case hexadecimal digits and the extension.
std::filesystem::path uniqueFilePath(const std::filesystem::path& folder, std::string_view stored, std::mt19937& random,
                                     std::uint16_t codePage = 1252);

}  // namespace zeb
