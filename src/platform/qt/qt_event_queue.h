// EventQueue over the Qt event loop: posted work runs as a queued call, timers are QTimers.
#pragma once

#include <QObject>
#include <memory>

#include "platform/event_queue.h"

namespace zeb {

// Needs a QCoreApplication; posted work runs on the thread that made the queue. Work still
// waiting when the queue is destroyed is dropped.
class QtEventQueue final : public EventQueue {
 public:
  QtEventQueue();
  ~QtEventQueue() override;

  void post(std::function<void()> work) override;
  std::unique_ptr<Timer> createTimer() override;

 private:
  std::unique_ptr<QObject> context_;
};

}  // namespace zeb
