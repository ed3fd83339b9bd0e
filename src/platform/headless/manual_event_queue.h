// An event queue that runs only when told to: tests decide when posted work runs and how
// much time passes for the timers.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/event_queue.h"

namespace zeb {

class ManualEventQueue final : public EventQueue {
 public:
  ManualEventQueue();
  ~ManualEventQueue() override;
  ManualEventQueue(const ManualEventQueue&) = delete;
  ManualEventQueue& operator=(const ManualEventQueue&) = delete;

  void post(std::function<void()> work) override;
  std::unique_ptr<Timer> createTimer() override;

  std::size_t pendingCount() const;
  // Runs the posted work, including work posted while it runs; returns how much ran.
  int runPending();
  // Waits until work is pending, posted by another thread; false when none came in time.
  bool waitForPosted(std::chrono::milliseconds patience);
  // Lets the time pass: every active timer fires as often as its interval fits, in order of
  // their due times.
  void advance(int milliseconds);
  int activeTimerCount() const;

 private:
  class ManualTimer;
  struct Clock;
  // Posting may come from other threads; running and timers stay on the test's thread.
  mutable std::mutex pendingMutex_;
  std::condition_variable posted_;
  std::deque<std::function<void()>> pending_;
  std::shared_ptr<Clock> clock_;
};

}  // namespace zeb
