// Running a book search on a worker thread and delivering its events on the owner's thread.
#include "shell/background_search.h"

#include <algorithm>
#include <atomic>
#include <deque>
#include <mutex>
#include <optional>
#include <vector>

namespace zeb {

namespace {

// Hits handed to the owner per turn of its event loop, so that a search with thousands of
// hits never holds the owner's thread long; the rest follow in the next turns.
constexpr std::size_t hitsPerDelivery = 128;

}  // namespace

// What the worker has found and the owner has not yet been told. The worker adds under the
// lock and posts one delivery whenever none is waiting; a delivery takes a share of the hits
// and posts the next one while hits are left.
struct BackgroundBookSearch::Channel : std::enable_shared_from_this<Channel> {
  std::mutex mutex;
  std::deque<FoundPage> hits;
  std::optional<SearchProgress> progress;
  std::optional<SearchEnd> end;
  bool deliveryPosted = false;

  // Touched on the owner's thread only.
  std::atomic<bool> cancelled{false};
  bool finished = false;
  std::size_t delivered = 0;
  Events events;
  Poster post;

  // Called on the worker's thread.
  template <typename Change>
  void add(Change change) {
    bool mustPost = false;
    {
      std::lock_guard lock(mutex);
      change();
      mustPost = !deliveryPosted;
      deliveryPosted = true;
    }
    if (mustPost) postDelivery();
  }

  void postDelivery() {
    post([weak = weak_from_this()] {
      if (const auto channel = weak.lock()) channel->deliver();
    });
  }

  void deliver() {
    std::vector<FoundPage> batch;
    std::optional<SearchProgress> newProgress;
    std::optional<SearchEnd> newEnd;
    bool more = false;
    {
      std::lock_guard lock(mutex);
      const auto count = static_cast<std::ptrdiff_t>(std::min(hits.size(), hitsPerDelivery));
      batch.assign(std::make_move_iterator(hits.begin()), std::make_move_iterator(hits.begin() + count));
      hits.erase(hits.begin(), hits.begin() + count);
      more = !hits.empty();
      if (!more) {
        newProgress = progress;
        newEnd = end;
        progress.reset();
        end.reset();
        deliveryPosted = false;
      }
    }
    // A handler may cancel this search or start another one: stop at once then.
    for (const FoundPage& hit : batch) {
      if (cancelled) return;
      ++delivered;
      if (events.onHit) events.onHit(hit);
    }
    if (cancelled) return;
    if (more) {
      postDelivery();
      return;
    }
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
    observer.onHit = [&](const FoundPage& hit) { channel->add([&] { channel->hits.push_back(hit); }); };
    observer.onProgress = [&](const SearchProgress& progress) { channel->add([&] { channel->progress = progress; }); };
    const SearchEnd end = job.run(observer, stop);
    if (end != SearchEnd::cancelled) channel->add([&] { channel->end = end; });
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
