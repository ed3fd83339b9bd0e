// The manual event queue and its timers.
#include "platform/headless/manual_event_queue.h"

#include <algorithm>

namespace zeb {

// What the timers share with their queue; it outlives whichever of them goes first.
struct ManualEventQueue::Clock {
  long long now = 0;
  std::vector<ManualTimer*> timers;
};

class ManualEventQueue::ManualTimer final : public Timer {
 public:
  explicit ManualTimer(std::shared_ptr<Clock> clock) : clock_(std::move(clock)) { clock_->timers.push_back(this); }
  ~ManualTimer() override { std::erase(clock_->timers, this); }

  void start(int intervalMilliseconds, TimerMode mode, std::function<void()> action) override {
    interval_ = std::max(1, intervalMilliseconds);
    mode_ = mode;
    action_ = std::move(action);
    due_ = clock_->now + interval_;
    active_ = true;
  }
  void stop() override { active_ = false; }
  bool active() const override { return active_; }

  long long due() const { return due_; }
  void fire() {
    if (mode_ == TimerMode::singleShot)
      active_ = false;
    else
      due_ += interval_;
    if (action_) {
      const auto action = action_;  // the action may restart or destroy nothing but itself
      action();
    }
  }

 private:
  std::shared_ptr<Clock> clock_;
  std::function<void()> action_;
  long long due_ = 0;
  int interval_ = 1;
  TimerMode mode_ = TimerMode::singleShot;
  bool active_ = false;
};

ManualEventQueue::ManualEventQueue() : clock_(std::make_shared<Clock>()) {}
ManualEventQueue::~ManualEventQueue() = default;

void ManualEventQueue::post(std::function<void()> work) {
  {
    const std::lock_guard lock(pendingMutex_);
    pending_.push_back(std::move(work));
  }
  posted_.notify_all();
}

std::size_t ManualEventQueue::pendingCount() const {
  const std::lock_guard lock(pendingMutex_);
  return pending_.size();
}

bool ManualEventQueue::waitForPosted(std::chrono::milliseconds patience) {
  std::unique_lock lock(pendingMutex_);
  return posted_.wait_for(lock, patience, [this] { return !pending_.empty(); });
}

std::unique_ptr<Timer> ManualEventQueue::createTimer() { return std::make_unique<ManualTimer>(clock_); }

int ManualEventQueue::runPending() {
  int count = 0;
  for (;;) {
    std::function<void()> work;
    {
      const std::lock_guard lock(pendingMutex_);
      if (pending_.empty()) break;
      work = std::move(pending_.front());
      pending_.pop_front();
    }
    if (work) work();
    ++count;
  }
  return count;
}

void ManualEventQueue::advance(int milliseconds) {
  const long long end = clock_->now + std::max(0, milliseconds);
  for (;;) {
    ManualTimer* next = nullptr;
    for (ManualTimer* timer : clock_->timers) {
      if (timer->active() && timer->due() <= end && (next == nullptr || timer->due() < next->due())) next = timer;
    }
    if (next == nullptr) break;
    clock_->now = next->due();
    next->fire();
  }
  clock_->now = end;
}

int ManualEventQueue::activeTimerCount() const {
  return static_cast<int>(std::count_if(clock_->timers.begin(), clock_->timers.end(),
                                        [](const ManualTimer* timer) { return timer->active(); }));
}

}  // namespace zeb
