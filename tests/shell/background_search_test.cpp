// Book searches on a worker thread: events reach the owner's thread in order, the first hits
// arrive while the worker still searches, and cancelled searches deliver nothing more.
#include "shell/background_search.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>

#include "tests/shell/shell_test_support.h"
#include "tests/support/temporary_folder.h"

namespace zeb {
namespace {

// Work posted from any thread, run on the test's thread when it says so. It can hold the
// worker inside its first post until released, to look at a search that is still running.
class TestPoster {
 public:
  BackgroundBookSearch::Poster poster() {
    return [this](std::function<void()> work) {
      std::unique_lock lock(mutex_);
      queue_.push_back(std::move(work));
      ++posts_;
      changed_.notify_all();
      if (holdFirst_ && posts_ == 1) changed_.wait(lock, [this] { return released_; });
    };
  }
  void holdFirstPost() { holdFirst_ = true; }
  void release() {
    std::lock_guard lock(mutex_);
    released_ = true;
    changed_.notify_all();
  }
  void waitForFirstPost() {
    std::unique_lock lock(mutex_);
    ASSERT_TRUE(changed_.wait_for(lock, std::chrono::seconds(60), [this] { return posts_ > 0; }));
  }
  // Runs the work posted so far, and what it posts.
  void runPending() {
    while (true) {
      std::function<void()> work;
      {
        std::lock_guard lock(mutex_);
        if (queue_.empty()) return;
        work = std::move(queue_.front());
        queue_.pop_front();
      }
      work();
    }
  }
  // Runs posted work as it comes until the condition holds.
  template <typename Done>
  void runUntil(Done done) {
    while (!done()) {
      runPending();
      std::unique_lock lock(mutex_);
      if (!done()) {
        ASSERT_TRUE(changed_.wait_for(lock, std::chrono::seconds(60), [this] { return !queue_.empty(); }));
      }
    }
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::function<void()>> queue_;
  int posts_ = 0;
  bool holdFirst_ = false;
  bool released_ = false;
};

class BackgroundSearchTest : public testing::ShellBook {
 protected:
  void SetUp() override {
    // 2,000 pages: every tenth holds "alpha", every tenth another one "beta".
    const auto path = folder.write(
        "book.zeb", testing::bookBytes([](TZEBset& book) {
          for (int i = 0; i < 2000; ++i)
            zebmake::addPage(book, "p", i % 10 == 1 ? "<Z S0 >alpha" : i % 10 == 2 ? "<Z S0 >beta" : "<Z S0 >none");
        }));
    ASSERT_TRUE(set.Load(path.string()));
  }
  BackgroundBookSearch::Events recordingEvents() {
    BackgroundBookSearch::Events events;
    events.onHit = [this](const FoundPage& hit) { hits.push_back(hit); };
    events.onFinished = [this](SearchEnd end, std::size_t count) { finished.emplace_back(end, count); };
    return events;
  }
  BookSearchRequest request(std::string term) { return {{std::move(term), "", "", ""}, 0}; }

  testing::TemporaryFolder folder;
  TestPoster poster;
  std::vector<FoundPage> hits;
  std::vector<std::pair<SearchEnd, std::size_t>> finished;
};

TEST_F(BackgroundSearchTest, HitsArriveInOrderWhileTheWorkerStillSearchesThenTheEndOnce) {
  poster.holdFirstPost();
  BackgroundBookSearch search(poster.poster());
  search.start(set, request("alpha"), recordingEvents());
  poster.waitForFirstPost();  // the worker waits inside the post that follows its first hit
  poster.runPending();
  ASSERT_EQ(hits.size(), 1u);
  EXPECT_EQ(hits[0].page, 1);
  EXPECT_EQ(hits[0].snippet, "alpha");
  EXPECT_TRUE(finished.empty());
  EXPECT_TRUE(search.running());

  poster.release();
  poster.runUntil([&] { return !finished.empty(); });
  ASSERT_EQ(hits.size(), 200u);
  for (std::size_t i = 0; i < hits.size(); ++i) ASSERT_EQ(hits[i].page, static_cast<std::int32_t>(10 * i + 1));
  EXPECT_EQ(finished, (std::vector<std::pair<SearchEnd, std::size_t>>{{SearchEnd::completed, 200}}));
  EXPECT_FALSE(search.running());
}

TEST_F(BackgroundSearchTest, ACancelledSearchDeliversNothingMore) {
  poster.holdFirstPost();
  BackgroundBookSearch search(poster.poster());
  search.start(set, request("alpha"), recordingEvents());
  poster.waitForFirstPost();
  poster.release();
  search.cancel();
  poster.runPending();
  EXPECT_TRUE(hits.empty());
  EXPECT_TRUE(finished.empty());
  EXPECT_FALSE(search.running());

  // A handler may cancel too: the rest of its delivery is dropped.
  auto events = recordingEvents();
  events.onHit = [&](const FoundPage& hit) {
    hits.push_back(hit);
    search.cancel();
  };
  search.start(set, request("beta"), events);
  poster.runUntil([&] { return !hits.empty(); });
  poster.runPending();
  EXPECT_EQ(hits.size(), 1u);
  EXPECT_TRUE(finished.empty());
}

TEST_F(BackgroundSearchTest, ANewSearchReplacesTheOneRunning) {
  poster.holdFirstPost();
  BackgroundBookSearch search(poster.poster());
  search.start(set, request("alpha"), recordingEvents());
  poster.waitForFirstPost();
  poster.release();
  search.start(set, request("beta"), recordingEvents());
  poster.runUntil([&] { return !finished.empty(); });
  poster.runPending();
  ASSERT_EQ(hits.size(), 200u);
  for (const FoundPage& hit : hits) ASSERT_EQ(hit.term, "beta");
  EXPECT_EQ(finished, (std::vector<std::pair<SearchEnd, std::size_t>>{{SearchEnd::completed, 200}}));
}

}  // namespace
}  // namespace zeb
