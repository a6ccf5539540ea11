#include "ui/workers/picture_load_task.h"

#include <QThreadPool>

#include <chrono>
#include <future>
#include <memory>

#include "imaging/face_finder.h"
#include "project/project_model.h"
#include "ui/models/thumbnail_cache.h"

namespace pictavo {
namespace {

// Files read ahead of the next one due, per reading thread.
constexpr int kReadAheadPerThread = 3;

bool ready(const std::future<PictureLoadTask::Result>& result) {
  return result.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

}  // namespace

PictureLoadTask::PictureLoadTask(Project& project, int position, QObject* parent)
    : Task(parent),
      project_(project),
      position_(position),
      lookForFaces_(project.settings.framing == Framing::Fill || project.settings.motion != Motion::Off) {}

PictureLoadTask::~PictureLoadTask() { stopAndWait(); }

bool PictureLoadTask::append(const std::vector<std::string>& paths) {
  {
    std::lock_guard lock(mutex_);
    if (closed_ || isCancelled()) return false;
    queue_.insert(queue_.end(), paths.begin(), paths.end());
  }
  reportCount();
  return true;
}

// The task's thread hands the files to the pool and passes the results on in order, as
// soon as the next one due is read, together with those after it that are ready too.
void PictureLoadTask::run() {
  QThreadPool pool;
  const size_t limit = static_cast<size_t>(kReadAheadPerThread * pool.maxThreadCount());
  std::deque<std::future<Result>> reading;
  while (waitForWindow(limit)) {
    std::string path;
    while (reading.size() < limit && takePath(path, reading.empty()))
      reading.push_back(startReading(pool, path, lookForFaces_));
    if (reading.empty()) break;  // every file taken and handed over
    handOver(reading);
  }
  pool.clear();  // files not started yet are dropped; the pool waits for the others
}

// Waits while `limit` results are on their way to the window's thread; false on cancel.
bool PictureLoadTask::waitForWindow(size_t limit) {
  std::unique_lock lock(mutex_);
  room_.wait(lock, [&] { return isCancelled() || handedOver_ - added_ < limit; });
  return !isCancelled();
}

void PictureLoadTask::stopRequested() {
  { std::lock_guard lock(mutex_); }  // a waiting thread sees the cancel before the wake-up
  room_.notify_all();
}

bool PictureLoadTask::takePath(std::string& path, bool closeWhenNone) {
  std::lock_guard lock(mutex_);
  if (taken_ < queue_.size()) {
    path = queue_[taken_++];
    return true;
  }
  if (closeWhenNone) closed_ = true;
  return false;
}

std::future<PictureLoadTask::Result> PictureLoadTask::startReading(QThreadPool& pool,
                                                                  const std::string& path,
                                                                  bool lookForFaces) {
  auto promise = std::make_shared<std::promise<Result>>();
  std::future<Result> result = promise->get_future();
  pool.start([promise, path, lookForFaces] {
    Result read;
    read.picture = preparePicture(path);
    if (read.picture.usable) read.image = ThumbnailCache::imageOf(read.picture.icon);
    if (read.picture.usable && lookForFaces) pictureFaces(path, 0);
    read.picture.icon = {};
    promise->set_value(std::move(read));
  });
  return result;
}

void PictureLoadTask::handOver(std::deque<std::future<Result>>& reading) {
  auto batch = std::make_shared<std::vector<Result>>();
  do {
    batch->push_back(reading.front().get());
    reading.pop_front();
  } while (!reading.empty() && ready(reading.front()));
  {
    std::lock_guard lock(mutex_);
    handedOver_ += batch->size();
  }
  QMetaObject::invokeMethod(this, [this, batch] { add(*batch); }, Qt::QueuedConnection);
}

// On the window's thread: adds a batch in order; pictures entering the list together are
// told to the views in one insertion.
void PictureLoadTask::add(std::vector<Result>& batch) {
  if (isCancelled()) return;  // the load has ended
  {
    std::lock_guard lock(mutex_);
    added_ += batch.size();
  }
  room_.notify_all();
  int first = -1, count = 0;
  auto tell = [&] {
    if (count > 0) emit picturesInserted(first, count);
    count = 0;
  };
  for (Result& result : batch) {
    if (full()) {
      tell();
      cancel();
      emit limitReached();
      return;
    }
    ++done_;
    AddPictureOptions options;
    options.position = position_;
    if (!addPreparedPicture(project_, result.picture, options)) continue;
    int last = static_cast<int>(project_.pictures.size()) - 1;
    int row = position_ < 0 ? last : std::min(position_, last);
    if (position_ >= 0) ++position_;
    emit thumbnailMade(result.picture.path, result.image);
    if (count > 0 && row != first + count) tell();
    if (count == 0) first = row;
    ++count;
  }
  tell();
  reportCount();
}

bool PictureLoadTask::full() const {
  return static_cast<int>(project_.pictures.size()) >= project_.maxPictures;
}

// `number` of `total`: the file being loaded now (total once all are done).
void PictureLoadTask::reportCount() {
  size_t total = 0;
  {
    std::lock_guard lock(mutex_);
    total = queue_.size();
  }
  reportProgress(static_cast<int>(std::min(done_ + 1, total)), static_cast<int>(total));
}

}  // namespace pictavo
