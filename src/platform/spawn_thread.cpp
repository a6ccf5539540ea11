#include "platform/spawn_thread.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <system_error>
#include <thread>

namespace pictavo {
namespace {

struct SpawnQueue {
  std::mutex mutex;
  std::condition_variable changed;
  std::deque<const std::function<void()>*> tasks;
  unsigned long long started = 0;
  unsigned long long done = 0;

  bool running = false;

  SpawnQueue() {
    // Detached and never ended: it must outlive every child it forks.
    try {
      std::thread([this] { serve(); }).detach();
      running = true;
    } catch (const std::system_error&) {
    }
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

  bool run(const std::function<void()>& task) {
    if (!running) return false;
    std::unique_lock lock(mutex);
    tasks.push_back(&task);
    unsigned long long ticket = ++started;
    changed.notify_all();
    changed.wait(lock, [&] { return done >= ticket; });
    return true;
  }
};

}  // namespace

bool runOnSpawnThread(const std::function<void()>& task) {
  // Never destroyed, so the thread's queue is there for as long as the thread runs.
  static SpawnQueue* queue = new SpawnQueue();
  return queue->run(task);
}

}  // namespace pictavo
