#include "app/background_tasks.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <system_error>

#include "net/remote_settings.h"
#include "net/sample_music.h"

namespace pictavo {

bool BackgroundTasks::start(std::function<void(int)> audioBitRate) {
  auto startTask = [this](std::thread& task, std::function<void()> work) {
    {
      std::lock_guard lock(progress_->mutex);
      ++progress_->running;
    }
    try {
      task = std::thread([progress = progress_, work = std::move(work)] {
        work();
        progress->finishedOne();
      });
      return true;
    } catch (const std::system_error&) {
      progress_->finishedOne();
      return false;
    }
  };
  return startTask(music_, [] { downloadSampleMusic(); }) &&
         startTask(settings_, [audioBitRate = std::move(audioBitRate)] {
           std::optional<RemoteSettings> settings = readRemoteSettings();
           if (!settings || !settings->audioBitRate || !audioBitRate) return;
           int rate = *settings->audioBitRate;
           QMetaObject::invokeMethod(
               QCoreApplication::instance(), [audioBitRate, rate] { audioBitRate(rate); },
               Qt::QueuedConnection);
         });
}

BackgroundTasks::~BackgroundTasks() {
  bool ended = waitUntilDone(std::chrono::milliseconds(0));
  for (std::thread* task : {&music_, &settings_}) {
    if (!task->joinable()) continue;
    if (ended)
      task->join();
    else
      task->detach();
  }
}

void BackgroundTasks::Progress::finishedOne() {
  std::lock_guard lock(mutex);
  --running;
  ended.notify_all();
}

bool BackgroundTasks::waitUntilDone(std::chrono::milliseconds limit) {
  std::unique_lock lock(progress_->mutex);
  return progress_->ended.wait_for(lock, limit, [this] { return progress_->running == 0; });
}

}  // namespace pictavo
