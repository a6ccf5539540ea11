// Fuzzes the project reader: parsing a project document and applying it to a project.
// Pictures and tracks are never opened: the hooks append a picture without reading its file
// and give a track a duration from its name alone, so every field reaches the model.
// Besides not crashing, whatever the reader accepted must survive a save and a reopen
// unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "effects/effect_names.h"
#include "project/project_file.h"
#include "util/paths.h"

namespace {

using namespace pictavo;

ProjectReadHooks offlineHooks() {
  ProjectReadHooks hooks;
  hooks.addPicture = [](Project& project, const std::string& path) {
    if (static_cast<int>(project.pictures.size()) >= project.maxPictures) return false;
    ImageItem item;
    item.path = path;
    item.fileName = baseName(path);
    item.setEffect(kNoAnimation);
    project.pictures.push_back(item);
    return true;
  };
  hooks.analyseTrack = [](const std::string& path, int* sampleRate) {
    *sampleRate = 44100;
    return path.size() % 2 ? 1000.0f : 0.0f;
  };
  return hooks;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const ProjectReadHooks hooks = offlineHooks();
  Project project;
  UserMessage message;
  std::string text(reinterpret_cast<const char*>(data), size);
  applyProjectDocument(project, text, &message, hooks);

  std::string saved = projectDocument(project);
  Project reopened;
  if (!applyProjectDocument(reopened, saved, &message, hooks)) std::abort();
  if (projectDocument(reopened) != saved) std::abort();
  return 0;
}
