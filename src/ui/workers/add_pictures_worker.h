// Reads, classifies and makes the list icon of each new picture on its own thread. It works
// on a copy of the project (the effect of a new picture depends on the ones before it);
// the window then appends the new pictures in one undoable step.
#pragma once

#include <string>
#include <vector>

#include "project/project_model.h"
#include "ui/workers/thread_worker.h"

namespace pictavo {

class AddPicturesWorker : public ThreadWorker {
  Q_OBJECT

 public:
  AddPicturesWorker(const Project& project, std::vector<std::string> paths);
  ~AddPicturesWorker() override;

  // The pictures that were added, in order.
  std::vector<ImageItem> added() const;
  // True when the list became full before every path was tried.
  bool reachedLimit() const { return reachedLimit_; }

 protected:
  void run() override;

 private:
  Project scratch_;
  size_t before_;
  std::vector<std::string> paths_;
  bool reachedLimit_ = false;
};

}  // namespace pictavo
