#include "ui/workers/product_import_worker.h"

#include "app/qt_text.h"
#include "platform/folders.h"
#include "project/picture_list.h"

namespace pictavo {

// The loaders' view of the project, on the worker's thread. A download is checked here the
// way the picture list checks a new picture, so that one the list would refuse (a page
// instead of a picture, an animation) is reported with the list's own message and removed
// by the loader, and takes no place from the pictures that follow.
class ProductImportWorker::Sink : public ImportSink {
 public:
  explicit Sink(ProductImportWorker& worker) : worker_(worker) {}

  std::string folder() const override { return worker_.folder_; }
  bool full() const override { return handed_ >= worker_.freePlaces_; }
  std::string fullMessage() const override { return worker_.limitMessage_; }
  bool cancelled() const override { return worker_.isCancelled(); }

  bool add(const std::string& gbkPath) override {
    Project check;
    if (!addPicture(check, gbkPath)) return false;
    ++handed_;
    emit worker_.pictureArrived(fromCore(gbkPath));
    return true;
  }

  void status(const std::string& gbkText) override {
    worker_.reportStatus(fromCore(gbkText));
  }

 private:
  ProductImportWorker& worker_;
  int handed_ = 0;
};

ProductImportWorker::ProductImportWorker(ProductQuery query, ServiceSettings settings,
                                         const Project& project)
    : query_(std::move(query)),
      settings_(std::move(settings)),
      freePlaces_(project.maxPictures - static_cast<int>(project.pictures.size())),
      limitMessage_(pictureLimitMessage(project)),
      folder_(programFolders().temp) {}

ProductImportWorker::~ProductImportWorker() { stopAndWait(); }

void ProductImportWorker::run() {
  Sink sink(*this);
  result_ = loadProductImages(query_, settings_, sink);
}

}  // namespace pictavo
