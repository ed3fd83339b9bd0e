// The library window's worker threads.
#include "shell/qt/library_worker.h"

#include "library/library_index.h"
#include "library/sqlite_database.h"

namespace zeb::shell {

LibraryWorker::LibraryWorker(std::filesystem::path indexPath, Opening opening,
                             std::function<void(const std::string&, bool)> opened)
    : indexPath_(std::move(indexPath)), opening_(opening), opened_(std::move(opened)) {
  thread_ = std::jthread([this](std::stop_token stop) { run(stop); });
}

LibraryWorker::~LibraryWorker() {
  {
    std::lock_guard lock(mutex_);
    jobs_.clear();
    if (index_ != nullptr) index_->interrupt();
  }
  thread_.request_stop();
  wake_.notify_all();
  thread_.join();
}

void LibraryWorker::add(Job job) {
  {
    std::lock_guard lock(mutex_);
    jobs_.push_back(std::move(job));
  }
  wake_.notify_all();
}

void LibraryWorker::replaceAll(Job job) {
  {
    std::lock_guard lock(mutex_);
    jobs_.clear();
    jobs_.push_back(std::move(job));
    if (running_ && index_ != nullptr) index_->interrupt();
  }
  wake_.notify_all();
}

bool LibraryWorker::busy() const {
  std::lock_guard lock(mutex_);
  return running_ || !jobs_.empty();
}

void LibraryWorker::run(std::stop_token stop) {
  std::unique_ptr<library::LibraryIndex> index;
  try {
    index = std::make_unique<library::LibraryIndex>(indexPath_, opening_ == Opening::checked
                                                                    ? library::LibraryIndex::Check::quick
                                                                    : library::LibraryIndex::Check::none);
    if (opened_) opened_({}, index->rebuilt());
  } catch (const library::DatabaseError& error) {
    if (opened_) opened_(error.what(), false);
    return;
  }
  {
    std::lock_guard lock(mutex_);
    index_ = index.get();
  }
  while (!stop.stop_requested()) {
    Job job;
    {
      std::unique_lock lock(mutex_);
      if (!wake_.wait(lock, stop, [this] { return !jobs_.empty(); })) break;
      job = std::move(jobs_.front());
      jobs_.pop_front();
      running_ = true;
    }
    try {
      job(*index, stop);
    } catch (const library::DatabaseError&) {
      // An interrupted search, or an index that failed under a job: the next job tries again.
    }
    std::lock_guard lock(mutex_);
    running_ = false;
  }
  std::lock_guard lock(mutex_);
  index_ = nullptr;
}

}  // namespace zeb::shell
