// Writes the frames of a GIF animation into the work folder and prepares each as a new
// picture, on its own thread, stopping when the list is full. Only frames that became
// pictures keep their files.
#pragma once

#include <string>
#include <vector>

#include "imaging/gif_frames.h"
#include "project/project_model.h"
#include "ui/workers/task.h"

namespace pictavo {

class GifImportWorker : public Task {
  Q_OBJECT

 public:
  GifImportWorker(const Project& project, std::string gifPath, std::string workFolder);
  ~GifImportWorker() override;

  GifFramesResult result() const { return result_; }
  std::vector<ImageItem> added() const;
  bool reachedLimit() const { return reachedLimit_; }
  // Removes the frame files of the added pictures (after "取消").
  void discardFrames();

 protected:
  void run() override;

 private:
  Project scratch_;
  size_t before_;
  std::string gifPath_;
  std::string workFolder_;
  GifFramesResult result_ = GifFramesResult::Done;
  bool reachedLimit_ = false;
};

}  // namespace pictavo
