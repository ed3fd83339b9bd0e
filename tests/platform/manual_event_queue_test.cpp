// The manual event queue: posted work waits for runPending, timers fire as time is advanced.
#include "platform/headless/manual_event_queue.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

namespace zeb {
namespace {

TEST(ManualEventQueue, PostedWorkRunsInOrderIncludingWorkPostedMeanwhile) {
  ManualEventQueue queue;
  std::string ran;
  queue.post([&] {
    ran += 'a';
    queue.post([&] { ran += 'c'; });
  });
  queue.post([&] { ran += 'b'; });
  EXPECT_EQ(ran, "");
  EXPECT_EQ(queue.runPending(), 3);
  EXPECT_EQ(ran, "abc");
}

TEST(ManualEventQueue, TimersFireInTheOrderTheyAreDue) {
  ManualEventQueue queue;
  std::string fired;
  auto repeating = queue.createTimer();
  auto once = queue.createTimer();
  repeating->start(100, TimerMode::repeating, [&] { fired += 'r'; });
  once->start(150, TimerMode::singleShot, [&] { fired += 'o'; });
  queue.advance(99);
  EXPECT_EQ(fired, "");
  queue.advance(251);  // now 350: r at 100, o at 150, r at 200 and 300
  EXPECT_EQ(fired, "rorr");
  EXPECT_FALSE(once->active());
  EXPECT_EQ(queue.activeTimerCount(), 1);
  repeating->stop();
  queue.advance(1000);
  EXPECT_EQ(fired, "rorr");
  // A timer destroyed while active never fires.
  auto gone = queue.createTimer();
  gone->start(10, TimerMode::singleShot, [&] { fired += 'x'; });
  gone.reset();
  queue.advance(100);
  EXPECT_EQ(fired, "rorr");
}

TEST(ManualEventQueue, WorkPostedByAnotherThreadRunsOnTheThreadThatRunsTheQueue) {
  ManualEventQueue queue;
  std::thread::id ranOn;
  std::thread poster([&] { queue.post([&] { ranOn = std::this_thread::get_id(); }); });
  poster.join();
  ASSERT_TRUE(queue.waitForPosted(std::chrono::seconds(30)));
  EXPECT_EQ(queue.pendingCount(), 1u);
  EXPECT_EQ(queue.runPending(), 1);
  EXPECT_EQ(ranOn, std::this_thread::get_id());
  EXPECT_FALSE(queue.waitForPosted(std::chrono::milliseconds(0)));
}

}  // namespace
}  // namespace zeb
