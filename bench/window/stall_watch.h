// How long the window's thread looked frozen: a 1 ms timer on that thread, and the longest
// time between two of its ticks once started.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <algorithm>

class StallWatch {
 public:
  StallWatch() {
    ticker_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker_, &QTimer::timeout,
                     [this] { longestMs_ = std::max(longestMs_, sinceTick_.restart()); });
  }
  void start() {
    sinceTick_.start();
    ticker_.start(1);
  }
  qint64 longestMs() const { return longestMs_; }

 private:
  QTimer ticker_;
  QElapsedTimer sinceTick_;
  qint64 longestMs_ = 0;
};
