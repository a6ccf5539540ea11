#include "app/background_tasks.h"

#include <QCoreApplication>
#include <QMetaObject>

#include "net/remote_settings.h"
#include "net/sample_music.h"

namespace pictavo {

BackgroundTasks::BackgroundTasks(std::function<void(int)> audioBitRate) {
  music_ = std::thread([progress = progress_] {
    downloadSampleMusic();
    progress->finishedOne();
  });
  settings_ = std::thread([progress = progress_, audioBitRate = std::move(audioBitRate)] {
    std::optional<RemoteSettings> settings = readRemoteSettings();
    if (settings && settings->audioBitRate && audioBitRate) {
      int rate = *settings->audioBitRate;
      QMetaObject::invokeMethod(
          QCoreApplication::instance(), [audioBitRate, rate] { audioBitRate(rate); },
          Qt::QueuedConnection);
    }
    progress->finishedOne();
  });
}

BackgroundTasks::~BackgroundTasks() {
  bool ended = waitUntilDone(std::chrono::milliseconds(0));
  for (std::thread* task : {&music_, &settings_}) {
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
