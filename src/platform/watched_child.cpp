#include "platform/watched_child.h"

#include <signal.h>

#include <system_error>

namespace pictavo {

std::unique_ptr<WatchedChild> WatchedChild::start(const SpawnRequest& request, EndHandler onEnd,
                                                  std::string* error) {
  std::unique_ptr<WatchedChild> watched(new WatchedChild());
  watched->child_ = ChildProcess::spawn(request, error);
  if (!watched->child_) return nullptr;
  try {
    watched->watcher_ = std::thread([w = watched.get(), onEnd = std::move(onEnd)] { w->watch(onEnd); });
  } catch (const std::system_error& e) {
    if (error) *error = std::string("std::thread failed: ") + e.what();
    return nullptr;  // the child is killed and reaped with its ChildProcess
  }
  return watched;
}

WatchedChild::~WatchedChild() { end(); }

void WatchedChild::watch(EndHandler onEnd) {
  int code = child_->wait();
  std::string errorOutput = child_->errorOutput();
  std::lock_guard lock(mutex_);
  if (!ending_ && onEnd) onEnd(code, errorOutput);
}

void WatchedChild::suspend() { child_->sendSignal(SIGSTOP); }

void WatchedChild::resume() { child_->sendSignal(SIGCONT); }

void WatchedChild::end(int graceMs) {
  {
    std::lock_guard lock(mutex_);
    ending_ = true;
  }
  child_->sendSignal(SIGCONT);
  child_->terminate();
  if (!child_->waitFor(graceMs)) {
    child_->kill();
    child_->wait();
  }
  if (watcher_.joinable()) watcher_.join();
}

}  // namespace pictavo
