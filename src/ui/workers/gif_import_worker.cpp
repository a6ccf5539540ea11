#include "ui/workers/gif_import_worker.h"

#include "platform/files.h"
#include "project/picture_list.h"

namespace pictavo {

GifImportWorker::GifImportWorker(const Project& project, std::string gifPath, std::string workFolder)
    : scratch_(project),
      before_(project.pictures.size()),
      gifPath_(std::move(gifPath)),
      workFolder_(std::move(workFolder)) {}

GifImportWorker::~GifImportWorker() { stopAndWait(); }

std::vector<ImageItem> GifImportWorker::added() const {
  return {scratch_.pictures.begin() + static_cast<long>(before_), scratch_.pictures.end()};
}

void GifImportWorker::run() {
  result_ = writeGifFrames(gifPath_, workFolder_, [this](int number, int total, const std::string& path) {
    // A frame that does not become a picture leaves no file behind.
    if (static_cast<int>(scratch_.pictures.size()) >= scratch_.maxPictures) {
      reachedLimit_ = true;
      removeFile(path);
      return false;
    }
    emit progress(number, total);
    if (!addPicture(scratch_, path)) removeFile(path);
    return !isCancelled();
  });
}

void GifImportWorker::discardFrames() {
  for (const ImageItem& picture : added()) removeFile(picture.path);
}

}  // namespace pictavo
