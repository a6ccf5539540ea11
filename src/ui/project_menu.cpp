#include "ui/project_menu.h"

#include <QMenu>

#include <algorithm>

#include "platform/folders.h"
#include "project/project_file.h"
#include "ui/menu_item.h"
#include "util/paths.h"

namespace pictavo {
namespace {

bool holdsWorkFolderPicture(const Project& project) {
  const std::string& work = programFolders().sharedTemp;
  return std::any_of(project.pictures.begin(), project.pictures.end(),
                     [&](const ImageItem& item) { return isInsideFolder(item.path, work); });
}

}  // namespace

ProjectMenu buildProjectMenu(QWidget* parent) {
  ProjectMenu m;
  m.menu = new QMenu(parent);
  m.newProject = addCommandItem(m.menu, kCmdNewProject, QObject::tr("新建"));
  m.menu->addSeparator();
  m.open = addCommandItem(m.menu, kCmdOpenProject, QObject::tr("打开"));
  m.menu->addSeparator();
  m.save = addCommandItem(m.menu, kCmdSaveProject, QObject::tr("保存"));
  m.saveAs = addCommandItem(m.menu, kCmdSaveProjectAs, QObject::tr("另存为"));
  return m;
}

void updateProjectMenu(const ProjectMenu& m, const Project& project) {
  bool hasPictures = !project.pictures.empty();
  m.save->setEnabled(hasPictures && projectChanged(project));
  m.saveAs->setEnabled(hasPictures && !project.path.empty() && !holdsWorkFolderPicture(project));
}

}  // namespace pictavo
