// A repeating timer on the calling thread's event loop that notes how much later than due its
// ticks come: how long the thread was kept from its events.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <algorithm>

namespace zeb::bench {

class TimerLateness {
 public:
  explicit TimerLateness(int tickMs = 10) : tickMs_(tickMs) {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      worstLateMs_ = std::max(worstLateMs_, sinceTick_.nsecsElapsed() / 1e6 - tickMs_);
      sinceTick_.restart();
    });
  }
  void start() {
    worstLateMs_ = 0;
    sinceTick_.start();
    timer_.start(tickMs_);
  }
  double worstLateMs() const { return worstLateMs_; }

 private:
  int tickMs_;
  QTimer timer_;
  QElapsedTimer sinceTick_;
  double worstLateMs_ = 0;
};

}  // namespace zeb::bench
