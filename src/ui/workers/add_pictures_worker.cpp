#include "ui/workers/add_pictures_worker.h"

#include "project/picture_list.h"

namespace pictavo {

AddPicturesWorker::AddPicturesWorker(const Project& project, std::vector<std::string> paths)
    : scratch_(project), before_(project.pictures.size()), paths_(std::move(paths)) {}

AddPicturesWorker::~AddPicturesWorker() { stopAndWait(); }

std::vector<ImageItem> AddPicturesWorker::added() const {
  return {scratch_.pictures.begin() + static_cast<long>(before_), scratch_.pictures.end()};
}

void AddPicturesWorker::run() {
  int total = static_cast<int>(paths_.size());
  for (int i = 0; i < total && !isCancelled(); ++i) {
    if (static_cast<int>(scratch_.pictures.size()) >= scratch_.maxPictures) {
      reachedLimit_ = true;
      return;
    }
    emit progress(i + 1, total);
    addPicture(scratch_, paths_[static_cast<size_t>(i)]);
  }
}

}  // namespace pictavo
