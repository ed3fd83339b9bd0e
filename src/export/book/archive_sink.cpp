// The zip archive and the folder.
#include "export/book/archive_sink.h"

#include <zip.h>
#include <zlib.h>

#include <fstream>

namespace zeb {
namespace {

// Large files go into the archive in pieces of this size.
constexpr std::size_t writePiece = std::size_t{1} << 20;

class ZipSink final : public ArchiveSink {
 public:
  explicit ZipSink(zipFile zip) : zip_(zip) {}
  ~ZipSink() override {
    if (zip_ != nullptr) zipClose(zip_, nullptr);
  }

  bool add(std::string_view name, std::span<const std::uint8_t> bytes, Compression compression) override {
    if (zip_ == nullptr) return false;
    zip_fileinfo info{};
    info.tmz_date.tm_mday = 1;
    info.tmz_date.tm_year = 1980;
    const std::string entry(name);
    const bool deflate = compression == Compression::deflated;
    // Version "made by" 0 (MS-DOS attributes), no zip64 fields: the entries stay plain.
    if (zipOpenNewFileInZip4_64(zip_, entry.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, deflate ? Z_DEFLATED : 0,
                                deflate ? Z_DEFAULT_COMPRESSION : 0, 0, -MAX_WBITS, DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY,
                                nullptr, 0, 0, 0, 0) != ZIP_OK)
      return false;
    bool written = true;
    for (std::size_t done = 0; written && done < bytes.size(); done += writePiece) {
      const std::size_t count = std::min(writePiece, bytes.size() - done);
      written = zipWriteInFileInZip(zip_, bytes.data() + done, static_cast<unsigned>(count)) == ZIP_OK;
    }
    return zipCloseFileInZip(zip_) == ZIP_OK && written;
  }

  bool finish() override {
    const bool closed = zipClose(zip_, nullptr) == ZIP_OK;
    zip_ = nullptr;
    return closed;
  }

 private:
  zipFile zip_;
};

class FolderSink final : public ArchiveSink {
 public:
  explicit FolderSink(std::filesystem::path folder) : folder_(std::move(folder)) {}

  bool add(std::string_view name, std::span<const std::uint8_t> bytes, Compression) override {
    const std::filesystem::path target = folder_ / std::filesystem::path(std::string(name));
    std::error_code error;
    std::filesystem::create_directories(target.parent_path(), error);
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
  }

  bool finish() override { return true; }

 private:
  std::filesystem::path folder_;
};

}  // namespace

std::unique_ptr<ArchiveSink> createZipSink(const std::filesystem::path& file) {
  zipFile zip = zipOpen64(file.c_str(), APPEND_STATUS_CREATE);
  if (zip == nullptr) return nullptr;
  return std::make_unique<ZipSink>(zip);
}

std::unique_ptr<ArchiveSink> createFolderSink(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) return nullptr;
  return std::make_unique<FolderSink>(folder);
}

}  // namespace zeb
