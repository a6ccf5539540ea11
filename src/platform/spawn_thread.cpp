#include "platform/spawn_thread.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace pictavo {
namespace {

struct SpawnQueue {
  std::mutex mutex;
  std::condition_variable changed;
  std::deque<const std::function<void()>*> tasks;
  unsigned long long started = 0;
  unsigned long long done = 0;

  SpawnQueue() {
    // Detached and never ended: it must outlive every child it forks.
    std::thread([this] { serve(); }).detach();
  }

  void serve() {
    std::unique_lock lock(mutex);
    while (true) {
      changed.wait(lock, [this] { return !tasks.empty(); });
      const std::function<void()>* task = tasks.front();
      tasks.pop_front();
      lock.unlock();
      (*task)();
      lock.lock();
      ++done;
      changed.notify_all();
    }
  }

  void run(const std::function<void()>& task) {
    std::unique_lock lock(mutex);
    tasks.push_back(&task);
    unsigned long long ticket = ++started;
    changed.notify_all();
    changed.wait(lock, [&] { return done >= ticket; });
  }
};

}  // namespace

void runOnSpawnThread(const std::function<void()>& task) {
  // Never destroyed, so the thread's queue is there for as long as the thread runs.
  static SpawnQueue* queue = new SpawnQueue();
  queue->run(task);
}

}  // namespace pictavo
