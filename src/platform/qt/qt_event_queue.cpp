// Posting and timing through the Qt event loop.
#include "platform/qt/qt_event_queue.h"

#include <QMetaObject>
#include <QTimer>
#include <algorithm>

namespace zeb {
namespace {

class QtTimer final : public Timer {
 public:
  QtTimer() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      const auto action = action_;  // the action may stop or restart this timer
      if (action) action();
    });
  }

  void start(int intervalMilliseconds, TimerMode mode, std::function<void()> action) override {
    action_ = std::move(action);
    timer_.setSingleShot(mode == TimerMode::singleShot);
    timer_.start(std::max(0, intervalMilliseconds));
  }
  void stop() override { timer_.stop(); }
  bool active() const override { return timer_.isActive(); }

 private:
  QTimer timer_;
  std::function<void()> action_;
};

}  // namespace

QtEventQueue::QtEventQueue() : context_(std::make_unique<QObject>()) {}
QtEventQueue::~QtEventQueue() = default;

void QtEventQueue::post(std::function<void()> work) {
  QMetaObject::invokeMethod(context_.get(), std::move(work), Qt::QueuedConnection);
}

std::unique_ptr<Timer> QtEventQueue::createTimer() { return std::make_unique<QtTimer>(); }

}  // namespace zeb
