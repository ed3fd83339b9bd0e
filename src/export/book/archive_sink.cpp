// The zip archive and the folder.
#include "export/book/archive_sink.h"

#include <isa-l/crc.h>
#include <isa-l/igzip_lib.h>
#include <zip.h>
#include <zlib.h>

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <fstream>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

#include "export/book/buffered_zip_file.h"
#include "platform/thread_priority.h"

namespace zeb {
namespace {

// Large files go into the archive in pieces of this size.
constexpr std::size_t writePiece = std::size_t{1} << 20;
// The bytes waiting to be compressed at most: the caller waits beyond them.
constexpr std::size_t queueLimit = std::size_t{4} << 20;
// Written files whose memory is kept for the next ones, and the largest kept.
constexpr std::size_t spareLimit = 8;
constexpr std::size_t spareCapacity = std::size_t{1} << 20;
// The entries are compressed with one Huffman code, made from a sample of the first ones: the
// first bytes of each, up to a total. A book's pages are much alike, so the code fits them
// all: compressed with it at ISA-L's fastest level, the archive is within a few hundredths of
// the size its level 1 makes (a code for each entry, at almost twice the time) and of
// libdeflate's fastest level (at two and a half times the time).
constexpr std::size_t sampleOfEntry = 4096;
constexpr std::size_t sampleLimit = 64 * 1024;
// What the entries' headers say of their compression: the fastest.
constexpr int fastestLevel = 1;

std::size_t compressorCount() { return std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 4); }

struct Entry {
  std::uint64_t order = 0;
  std::string name;
  std::string bytes;
  Compression compression = Compression::deflated;
  std::vector<std::uint8_t> packed;  // the deflated bytes
  std::uint32_t checksum = 0;
};

// Entries are compressed by a few threads at once and written in the order they came by
// whichever of them finds the next one ready.
class ZipSink final : public ArchiveSink {
 public:
  explicit ZipSink(zipFile zip) : zip_(zip) {
    for (std::size_t i = 0; i < compressorCount(); ++i) threads_.emplace_back([this] { work(); });
  }
  ~ZipSink() override {
    // Unfinished: the archive is abandoned, and what waits is not written.
    stop(true);
    if (zip_ != nullptr) zipClose(zip_, nullptr);
  }

  bool add(std::string_view name, std::string bytes, Compression compression) override {
    std::unique_lock lock(mutex_);
    if (!codeReady_ && compression == Compression::deflated) {
      const std::size_t sample = std::min(bytes.size(), sampleOfEntry);
      isal_update_histogram(reinterpret_cast<std::uint8_t*>(bytes.data()), static_cast<int>(sample),
                            histogram_.get());
      sampled_ += sample;
      if (sampled_ >= sampleLimit) makeCode();
    }
    if (!failed_ && queued_ >= queueLimit) {
      // The entries waiting are compressed with what was sampled so far: they make room.
      if (!codeReady_) makeCode();
      // The caller waits until half the limit is free, so that it is woken once for many files.
      callerWaits_ = true;
      room_.wait(lock, [&] { return failed_ || queued_ <= queueLimit / 2; });
      callerWaits_ = false;
    }
    if (failed_) return false;
    queued_ += bytes.size();
    Entry entry;
    entry.order = added_++;
    entry.name = name;
    entry.bytes = std::move(bytes);
    entry.compression = compression;
    waiting_.push_back(std::move(entry));
    if (idle_ > 0 && codeReady_) work_.notify_one();
    return true;
  }

  std::string spareBuffer() override {
    std::lock_guard lock(mutex_);
    if (spares_.empty()) return {};
    std::string spare = std::move(spares_.back());
    spares_.pop_back();
    return spare;
  }

  bool finish() override {
    stop(false);
    const bool closed = zipClose(zip_, nullptr) == ZIP_OK;
    zip_ = nullptr;
    return closed && !failed_;
  }

 private:
  // Entries wait for the code until the sample is complete, the queue is full or the last
  // entry came.
  void makeCode() {
    customCode_ = sampled_ > 0 && isal_create_hufftables(code_.get(), histogram_.get()) == 0;
    codeReady_ = true;
    work_.notify_all();
  }

  void stop(bool abandon) {
    {
      std::lock_guard lock(mutex_);
      if (!codeReady_) makeCode();
      closing_ = true;
      if (abandon) {
        failed_ = true;
        waiting_.clear();
      }
      work_.notify_all();
    }
    for (std::thread& thread : threads_) thread.join();
    threads_.clear();
  }

  void work() {
    // The thread that makes the entries goes first: it is what the archive waits for.
    lowerThisThreadsPriority();
    std::unique_lock lock(mutex_);
    for (;;) {
      ++idle_;
      work_.wait(lock, [&] { return closing_ || (codeReady_ && !waiting_.empty()); });
      --idle_;
      if (waiting_.empty()) return;
      Entry entry = std::move(waiting_.front());
      waiting_.pop_front();
      lock.unlock();
      pack(entry);
      lock.lock();
      ready_.emplace(entry.order, std::move(entry));
      if (!writing_) writeReady(lock);
    }
  }

  // An entry that would not get smaller is stored as it is.
  void pack(Entry& entry) const {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(entry.bytes.data());
    entry.checksum = crc32_gzip_refl(0, bytes, entry.bytes.size());
    if (entry.compression != Compression::deflated) return;
    entry.compression = Compression::stored;
    if (entry.bytes.size() >= UINT32_MAX - 64) return;
    entry.packed.resize(entry.bytes.size() + 64);
    isal_zstream stream{};
    isal_deflate_stateless_init(&stream);
    stream.level = 0;
    isal_deflate_set_hufftables(&stream, code_.get(), customCode_ ? IGZIP_HUFFTABLE_CUSTOM : IGZIP_HUFFTABLE_DEFAULT);
    stream.next_in = const_cast<std::uint8_t*>(bytes);
    stream.avail_in = static_cast<std::uint32_t>(entry.bytes.size());
    stream.next_out = entry.packed.data();
    stream.avail_out = static_cast<std::uint32_t>(entry.packed.size());
    stream.end_of_stream = 1;
    if (isal_deflate_stateless(&stream) != COMP_OK || stream.total_out >= entry.bytes.size()) {
      entry.packed.clear();
      return;
    }
    entry.packed.resize(stream.total_out);
    entry.compression = Compression::deflated;
  }

  // Writes the entries ready in their order, the lock held only between them.
  void writeReady(std::unique_lock<std::mutex>& lock) {
    writing_ = true;
    for (auto next = ready_.find(written_); next != ready_.end(); next = ready_.find(written_)) {
      Entry entry = std::move(next->second);
      ready_.erase(next);
      bool wrote = false;
      if (!failed_) {
        lock.unlock();
        wrote = write(entry);
        lock.lock();
      }
      ++written_;
      queued_ -= entry.bytes.size();
      // The caller's next files are about as large: their memory is handed back for them.
      if (spares_.size() < spareLimit && entry.bytes.capacity() <= spareCapacity) {
        entry.bytes.clear();
        spares_.push_back(std::move(entry.bytes));
      }
      if (!wrote && !failed_) {
        failed_ = true;
        waiting_.clear();
      }
      if (callerWaits_ && (failed_ || queued_ <= queueLimit / 2)) room_.notify_one();
    }
    writing_ = false;
  }

  // Writes one entry raw, with the checksum and size worked out beside it.
  bool write(const Entry& entry) {
    const bool deflate = entry.compression == Compression::deflated;
    const std::span<const std::uint8_t> stored =
        deflate ? std::span<const std::uint8_t>(entry.packed)
                : std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(entry.bytes.data()),
                                                entry.bytes.size());
    zip_fileinfo info{};
    info.tmz_date.tm_mday = 1;
    info.tmz_date.tm_year = 1980;
    // Version "made by" 0 (MS-DOS attributes), no zip64 fields: the entries stay plain.
    if (zipOpenNewFileInZip4_64(zip_, entry.name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                                deflate ? Z_DEFLATED : 0, deflate ? fastestLevel : 0, 1, -MAX_WBITS, DEF_MEM_LEVEL,
                                Z_DEFAULT_STRATEGY, nullptr, 0, 0, 0, 0) != ZIP_OK)
      return false;
    bool written = true;
    for (std::size_t done = 0; written && done < stored.size(); done += writePiece) {
      const std::size_t count = std::min(writePiece, stored.size() - done);
      written = zipWriteInFileInZip(zip_, stored.data() + done, static_cast<unsigned>(count)) == ZIP_OK;
    }
    return zipCloseFileInZipRaw64(zip_, entry.bytes.size(), entry.checksum) == ZIP_OK && written;
  }

  zipFile zip_;
  std::vector<std::thread> threads_;
  std::mutex mutex_;
  std::condition_variable work_;  // for the compressing threads: an entry waits
  std::condition_variable room_;  // for the caller: the queue has room again
  int idle_ = 0;                  // compressing threads waiting for work
  // The sample's counts of symbols, and the code made from them (ISA-L's own when there was
  // no sample or the code could not be made); read by every compressing thread once ready.
  std::unique_ptr<isal_huff_histogram> histogram_ = std::make_unique<isal_huff_histogram>();
  std::unique_ptr<isal_hufftables> code_ = std::make_unique<isal_hufftables>();
  std::size_t sampled_ = 0;
  bool codeReady_ = false;
  bool customCode_ = false;
  bool callerWaits_ = false;
  std::deque<Entry> waiting_;
  std::map<std::uint64_t, Entry> ready_;
  std::vector<std::string> spares_;
  std::uint64_t added_ = 0;
  std::uint64_t written_ = 0;
  std::size_t queued_ = 0;
  bool writing_ = false;
  bool closing_ = false;
  bool failed_ = false;
};

class FolderSink final : public ArchiveSink {
 public:
  explicit FolderSink(std::filesystem::path folder) : folder_(std::move(folder)) {}

  bool add(std::string_view name, std::string bytes, Compression) override {
    const std::filesystem::path target = folder_ / std::filesystem::path(std::string(name));
    std::error_code error;
    std::filesystem::create_directories(target.parent_path(), error);
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
  }

  bool finish() override { return true; }

 private:
  std::filesystem::path folder_;
};

}  // namespace

std::unique_ptr<ArchiveSink> createZipSink(const std::filesystem::path& file) {
  zlib_filefunc64_def functions = bufferedZipFileFunctions();
  zipFile zip = zipOpen2_64(file.c_str(), APPEND_STATUS_CREATE, nullptr, &functions);
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
