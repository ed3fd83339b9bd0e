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
  // Adds a file under a relative name ("EPUB/p1.xhtml"), taking its bytes; false when it, or
  // a file added before it, could not be written.
  virtual bool add(std::string_view name, std::string bytes, Compression compression) = 0;
  bool add(std::string_view name, std::span<const std::uint8_t> bytes, Compression compression) {
    return add(name, std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()), compression);
  }
  bool add(std::string_view name, std::string text) { return add(name, std::move(text), Compression::deflated); }
  // An empty string to write the next file into, with room left by a file written before.
  virtual std::string spareBuffer() { return {}; }
  // Ends the archive once every file is written; false when it could not be completed.
  virtual bool finish() = 0;
};

// A zip archive (minizip, written as the entries come): every entry dated 1980-01-01 00:00,
// no extra fields, no comments, so that the same entries give the same bytes. Entries are
// compressed (ISA-L) on threads of the sink's own and written in the order they came while
// the caller makes the next ones; one that compression would not make smaller is stored.
// None when the file cannot be created.
std::unique_ptr<ArchiveSink> createZipSink(const std::filesystem::path& file);
// Files below a folder, made with their subfolders as they come.
std::unique_ptr<ArchiveSink> createFolderSink(const std::filesystem::path& folder);

}  // namespace zeb
