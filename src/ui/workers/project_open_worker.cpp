#include "ui/workers/project_open_worker.h"

#include "music/track_analysis.h"
#include "project/picture_list.h"
#include "project/project_file.h"

namespace pictavo {

ProjectOpenWorker::ProjectOpenWorker(std::string path, SizeList sizes) : path_(std::move(path)) {
  result_.sizes = std::move(sizes);
}

ProjectOpenWorker::~ProjectOpenWorker() { stopAndWait(); }

void ProjectOpenWorker::run() {
  ProjectReadHooks hooks = withMp3Analysis();
  hooks.progress = [this](int number, int total) { emit progress(number, total); };
  // After "取消" the remaining pictures are not read, and the half-read project is dropped.
  hooks.addPicture = [this](Project& project, const std::string& path) {
    return !isCancelled() && addPicture(project, path);
  };
  succeeded_ = openProject(result_, path_, &message_, hooks) && !isCancelled();
}

}  // namespace pictavo
