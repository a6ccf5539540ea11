#include "ui/status_bar_task.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include <atomic>

#include "ui/status_bar.h"
#include "ui/workers/task.h"

namespace pictavo {
namespace {

// Reports its steps, then waits until let go.
class SteppingTask : public Task {
 public:
  explicit SteppingTask(int steps) : steps_(steps) {}
  ~SteppingTask() override { stopAndWait(); }
  std::atomic<bool> release{false};

 protected:
  void run() override {
    for (int step = 1; step <= steps_; ++step) reportProgress(step, steps_);
    while (!release && !isCancelled()) QThread::msleep(1);
  }

 private:
  int steps_;
};

TEST(StatusBarTask, ShowsTheFollowedTaskUntilItFinishesOrIsLetGo) {
  MainStatusBar bar;
  StatusBarTask shown(bar);
  SteppingTask first(3), second(2);
  shown.follow(first, QStringLiteral("加载图片"));
  ASSERT_TRUE(first.start());
  ASSERT_TRUE(QTest::qWaitFor([&] { return bar.messageText() == QStringLiteral("加载图片: 3 / 3"); }));

  // A task followed in its place is not cleared when the first one ends.
  shown.follow(second, QStringLiteral("分析"));
  ASSERT_TRUE(second.start());
  first.release = true;
  QSignalSpy firstDone(&first, &Task::finished);
  ASSERT_TRUE(firstDone.wait());
  ASSERT_TRUE(QTest::qWaitFor([&] { return bar.messageText() == QStringLiteral("分析: 2 / 2"); }));

  QSignalSpy secondDone(&second, &Task::finished);
  second.release = true;
  ASSERT_TRUE(secondDone.wait());
  EXPECT_EQ(bar.messageText(), QString());

  // Let go while it runs: cleared at once, and its later reports stay off the bar.
  SteppingTask third(1);
  shown.follow(third, QStringLiteral("加载图片"));
  emit third.statusChanged(QStringLiteral("读取中"));
  EXPECT_EQ(bar.messageText(), QStringLiteral("读取中"));
  shown.release();
  emit third.progress(1, 1);
  EXPECT_EQ(bar.messageText(), QString());
}

}  // namespace
}  // namespace pictavo
