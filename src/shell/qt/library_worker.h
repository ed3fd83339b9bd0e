// A thread of the library window with its own connection to the index: it runs the jobs it
// is given one after another, so that the window never waits on indexing or searching.
#pragma once

#include <condition_variable>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <stop_token>
#include <string>
#include <thread>

namespace zeb::library {
class LibraryIndex;
}

namespace zeb::shell {

class LibraryWorker {
 public:
  using Job = std::function<void(library::LibraryIndex& index, std::stop_token stop)>;
  enum class Opening { checked, trusted };
  // Opens the index on the thread (checked: made anew when damaged), then calls opened with
  // what went wrong (empty when nothing) and whether the index was made anew, on the thread.
  LibraryWorker(std::filesystem::path indexPath, Opening opening,
                std::function<void(const std::string& problem, bool rebuilt)> opened);
  // Stops the running job at its next check and waits for it; later jobs are dropped.
  ~LibraryWorker();
  LibraryWorker(const LibraryWorker&) = delete;
  LibraryWorker& operator=(const LibraryWorker&) = delete;

  void add(Job job);
  // Drops the jobs still waiting and interrupts the running one's statement: for a search
  // that a newer one replaces.
  void replaceAll(Job job);
  // Whether a job is running or waiting.
  bool busy() const;

 private:
  void run(std::stop_token stop);

  std::filesystem::path indexPath_;
  Opening opening_;
  std::function<void(const std::string&, bool)> opened_;
  mutable std::mutex mutex_;
  std::condition_variable_any wake_;
  std::deque<Job> jobs_;
  bool running_ = false;
  library::LibraryIndex* index_ = nullptr;  // the thread's, while it runs
  std::jthread thread_;
};

}  // namespace zeb::shell
