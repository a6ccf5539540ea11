#include "platform/external_tools.h"

#include "platform/child_process.h"
#include "platform/folders.h"
#include "util/paths.h"

namespace pictavo {

std::optional<std::string> findTool(const std::string& name) {
  if (auto folder = toFsName(programFolders().tool)) {
    std::string bundled = absoluteFsName(*folder + "/" + name);
    if (isExecutableFile(bundled)) return bundled;
  }
  return findOnPath(name);
}

}  // namespace pictavo
