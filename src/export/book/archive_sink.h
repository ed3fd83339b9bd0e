// Where an export puts its files: an EPUB's zip archive, written entry by entry as the
// files come, or a folder.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace zeb {

enum class Compression : std::uint8_t { stored, deflated };

class ArchiveSink {
 public:
  virtual ~ArchiveSink() = default;
  // Adds a file under a relative name ("EPUB/p1.xhtml"); false when it could not be written.
  virtual bool add(std::string_view name, std::span<const std::uint8_t> bytes, Compression compression) = 0;
  bool add(std::string_view name, std::string_view text, Compression compression = Compression::deflated) {
    return add(name, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}, compression);
  }
  // Ends the archive; false when it could not be completed.
  virtual bool finish() = 0;
};

// A zip archive (minizip, written as the entries come): every entry dated 1980-01-01 00:00,
// no extra fields, no comments, so that the same entries give the same bytes. None when the
// file cannot be created.
std::unique_ptr<ArchiveSink> createZipSink(const std::filesystem::path& file);
// Files below a folder, made with their subfolders as they come.
std::unique_ptr<ArchiveSink> createFolderSink(const std::filesystem::path& folder);

}  // namespace zeb
