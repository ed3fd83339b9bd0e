// EventQueue and Timer: work posted to the user-interface thread, to run after the current
// event has been handled, and timers that fire on that thread.
#pragma once

#include <functional>
#include <memory>

namespace zeb {

enum class TimerMode { singleShot, repeating };

class Timer {
 public:
  virtual ~Timer() = default;
  // (Re)starts the timer; the action runs on the user-interface thread each time it fires.
  virtual void start(int intervalMilliseconds, TimerMode mode, std::function<void()> action) = 0;
  virtual void stop() = 0;
  virtual bool active() const = 0;
};

class EventQueue {
 public:
  virtual ~EventQueue() = default;
  // Runs the work once the event being handled now is finished, never from inside post().
  // Any thread may post (the transfer threads hand their endings over this way); the work
  // always runs on the user-interface thread. Timers belong to the user-interface thread.
  virtual void post(std::function<void()> work) = 0;
  // A stopped timer; destroying it stops it.
  virtual std::unique_ptr<Timer> createTimer() = 0;
};

}  // namespace zeb
