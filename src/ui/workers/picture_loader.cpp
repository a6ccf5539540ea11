#include "ui/workers/picture_loader.h"

#include "project/project_model.h"
#include "ui/models/thumbnail_cache.h"

namespace pictavo {
namespace {

// Files read ahead of the next one due, per reading thread.
constexpr int kReadAheadPerThread = 3;

}  // namespace

PictureLoader::PictureLoader(Project& project, QObject* parent)
    : QObject(parent), project_(project) {}

PictureLoader::~PictureLoader() {
  pool_.clear();
  pool_.waitForDone();
}

void PictureLoader::load(const std::vector<std::string>& paths, int position) {
  if (paths.empty()) return;
  bool starting = !running_;
  if (starting) {
    running_ = true;
    position_ = position;
  }
  queue_.insert(queue_.end(), paths.begin(), paths.end());
  reportProgress();
  if (starting && full()) {
    finish(true);
    return;
  }
  submit();
}

void PictureLoader::cancel() {
  if (running_) finish(false);
}

bool PictureLoader::full() const {
  return static_cast<int>(project_.pictures.size()) >= project_.maxPictures;
}

void PictureLoader::reportProgress() {
  int total = static_cast<int>(queue_.size());
  emit progress(std::min(static_cast<int>(done_) + 1, total), total);
}

void PictureLoader::submit() {
  size_t limit = done_ + static_cast<size_t>(kReadAheadPerThread * pool_.maxThreadCount());
  for (; submitted_ < queue_.size() && submitted_ < limit; ++submitted_) {
    size_t index = submitted_;
    std::string path = queue_[index];
    unsigned generation = generation_;
    pool_.start([this, generation, index, path] {
      auto result = std::make_shared<Result>();
      result->picture = preparePicture(path);
      if (result->picture.usable) result->image = ThumbnailCache::imageOf(result->picture.icon);
      result->picture.icon = {};
      QMetaObject::invokeMethod(
          this, [this, generation, index, result] { arrived(generation, index, result); },
          Qt::QueuedConnection);
    });
  }
}

void PictureLoader::arrived(unsigned generation, size_t index, std::shared_ptr<Result> result) {
  if (generation != generation_) return;  // from a load that has ended
  ready_[index] = std::move(result);
  addReady();
}

// Adds the results that are next in line; pictures entering the list together are told
// to the views in one insertion.
void PictureLoader::addReady() {
  int first = -1, count = 0;
  auto tell = [&] {
    if (count > 0) emit picturesInserted(first, count);
    count = 0;
  };
  for (auto next = ready_.find(done_); next != ready_.end(); next = ready_.find(done_)) {
    if (full()) {
      tell();
      finish(true);
      return;
    }
    std::shared_ptr<Result> result = std::move(next->second);
    ready_.erase(next);
    ++done_;
    AddPictureOptions options;
    options.position = position_;
    if (!addPreparedPicture(project_, result->picture, options)) continue;
    int last = static_cast<int>(project_.pictures.size()) - 1;
    int row = position_ < 0 ? last : std::min(position_, last);
    if (position_ >= 0) ++position_;
    emit thumbnailMade(result->picture.path, result->image);
    if (count > 0 && row != first + count) tell();
    if (count == 0) first = row;
    ++count;
  }
  tell();
  reportProgress();
  if (done_ == queue_.size())
    finish(false);
  else
    submit();
}

void PictureLoader::finish(bool reachedLimit) {
  ++generation_;
  pool_.clear();
  queue_.clear();
  ready_.clear();
  submitted_ = done_ = 0;
  running_ = false;
  emit finished(reachedLimit);
}

}  // namespace pictavo
