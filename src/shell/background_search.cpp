// Running a book search on a worker thread and delivering its events on the owner's thread.
#include "shell/background_search.h"

#include <atomic>
#include <mutex>
#include <optional>
#include <vector>

namespace zeb {

// What the worker has found and the owner has not yet been told. The worker adds under the
// lock and posts one delivery whenever none is waiting; the delivery takes everything.
struct BackgroundBookSearch::Channel {
  std::mutex mutex;
  std::vector<FoundPage> hits;
  std::optional<SearchProgress> progress;
  std::optional<SearchEnd> end;
  bool deliveryPosted = false;

  // Touched on the owner's thread only.
  std::atomic<bool> cancelled{false};
  bool finished = false;
  std::size_t delivered = 0;
  Events events;
  Poster post;

  template <typename Change>
  void add(Change change, const std::shared_ptr<Channel>& self) {
    bool mustPost = false;
    {
      std::lock_guard lock(mutex);
      change();
      mustPost = !deliveryPosted;
      deliveryPosted = true;
    }
    if (mustPost)
      post([weak = std::weak_ptr<Channel>(self)] {
        if (const auto channel = weak.lock()) channel->deliver();
      });
  }

  void deliver() {
    std::vector<FoundPage> newHits;
    std::optional<SearchProgress> newProgress;
    std::optional<SearchEnd> newEnd;
    {
      std::lock_guard lock(mutex);
      newHits.swap(hits);
      newProgress = progress;
      newEnd = end;
      progress.reset();
      end.reset();
      deliveryPosted = false;
    }
    // A handler may cancel this search or start another one: stop at once then.
    for (const FoundPage& hit : newHits) {
      if (cancelled) return;
      ++delivered;
      if (events.onHit) events.onHit(hit);
    }
    if (cancelled) return;
    if (newProgress && events.onProgress) events.onProgress(*newProgress);
    if (cancelled || !newEnd) return;
    finished = true;
    if (events.onFinished) events.onFinished(*newEnd, delivered);
  }
};

BackgroundBookSearch::BackgroundBookSearch(Poster post) : post_(std::move(post)) {}

BackgroundBookSearch::~BackgroundBookSearch() { cancel(); }

void BackgroundBookSearch::start(TZEBset& set, BookSearchRequest request, Events events) {
  cancel();
  BookSearchJob job(set, std::move(request));
  auto channel = std::make_shared<Channel>();
  channel->events = std::move(events);
  channel->post = post_;
  channel_ = channel;
  worker_ = std::jthread([channel, job = std::move(job)](std::stop_token stop) {
    BookSearchJob::Observer observer;
    observer.onHit = [&](const FoundPage& hit) { channel->add([&] { channel->hits.push_back(hit); }, channel); };
    observer.onProgress = [&](const SearchProgress& progress) {
      channel->add([&] { channel->progress = progress; }, channel);
    };
    const SearchEnd end = job.run(observer, stop);
    if (end != SearchEnd::cancelled) channel->add([&] { channel->end = end; }, channel);
  });
}

void BackgroundBookSearch::cancel() {
  if (channel_) channel_->cancelled = true;
  if (worker_.joinable()) {
    // The worker checks before every page, so it ends at once.
    worker_.request_stop();
    worker_.join();
  }
  channel_.reset();
}

bool BackgroundBookSearch::running() const { return channel_ && !channel_->finished; }

}  // namespace zeb
