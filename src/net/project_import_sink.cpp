#include "net/project_import_sink.h"

#include "platform/folders.h"
#include "project/picture_list.h"

namespace pictavo {

std::string ProjectImportSink::folder() const { return programFolders().temp; }

bool ProjectImportSink::full() const {
  return static_cast<int>(project_.pictures.size()) >= project_.maxPictures;
}

std::string ProjectImportSink::fullMessage() const { return pictureLimitMessage(project_); }

bool ProjectImportSink::add(const std::string& gbkPath) { return addPicture(project_, gbkPath); }

}  // namespace pictavo
