// The whole-book searches of the search dialog, run on a worker thread: results, progress
// and the end are handed back to the thread that owns the container, in order, through a
// poster; starting another search or cancelling drops the old one's remaining events.
#pragma once

#include <functional>
#include <memory>
#include <thread>

#include "shell/book_search_job.h"

namespace zeb {

class TZEBset;

class BackgroundBookSearch {
 public:
  // Runs work on the owner's thread later; must be callable from any thread (QtEventQueue's
  // post is: Qt queues the call).
  using Poster = std::function<void(std::function<void()>)>;

  // Called on the owner's thread, as the owner's poster runs the deliveries.
  struct Events {
    std::function<void(const FoundPage&)> onHit;
    std::function<void(const SearchProgress&)> onProgress;
    // Once per search that was not cancelled, after its last hit; with the number of hits.
    std::function<void(SearchEnd, std::size_t hits)> onFinished;
  };

  explicit BackgroundBookSearch(Poster post);
  // Cancels the search that is running.
  ~BackgroundBookSearch();
  BackgroundBookSearch(const BackgroundBookSearch&) = delete;
  BackgroundBookSearch& operator=(const BackgroundBookSearch&) = delete;

  // Cancels the search that is running, takes what the new one needs from the container and
  // starts it. Call on the owner's thread.
  void start(TZEBset& set, BookSearchRequest request, Events events);
  // Stops the running search; none of its events arrives afterwards. Call it before the
  // container is cleared or loads another book, although the search never touches it.
  void cancel();
  // Whether a search was started and neither finished nor was cancelled.
  bool running() const;

 private:
  struct Channel;
  Poster post_;
  std::shared_ptr<Channel> channel_;
  std::jthread worker_;
};

}  // namespace zeb
