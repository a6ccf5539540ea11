#include "ui/workers/project_open_worker.h"

#include "music/track_analysis.h"
#include "project/project_file.h"

namespace pictavo {

ProjectOpenWorker::ProjectOpenWorker(std::string path, SizeList sizes) : path_(std::move(path)) {
  result_.sizes = std::move(sizes);
}

ProjectOpenWorker::~ProjectOpenWorker() { stopAndWait(); }

void ProjectOpenWorker::run() {
  ProjectReadHooks hooks = withMp3Analysis();
  hooks.progress = [this](int number, int total) { emit progress(number, total); };
  succeeded_ = openProject(result_, path_, &message_, hooks);
}

}  // namespace pictavo
