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
  using M = ProjectMenu;
  addMenuRows<M>(m, {
      {&M::newProject, kCmdNewProject, QT_TRANSLATE_NOOP("QObject", "新建")},
      {},
      {&M::open, kCmdOpenProject, QT_TRANSLATE_NOOP("QObject", "打开")},
      {},
      {&M::save, kCmdSaveProject, QT_TRANSLATE_NOOP("QObject", "保存")},
      {&M::saveAs, kCmdSaveProjectAs, QT_TRANSLATE_NOOP("QObject", "另存为")},
  });
  return m;
}

void updateProjectMenu(const ProjectMenu& m, const Project& project) {
  bool hasPictures = !project.pictures.empty();
  m.save->setEnabled(hasPictures && projectChanged(project));
  m.saveAs->setEnabled(hasPictures && !project.path.empty() && !holdsWorkFolderPicture(project));
}

}  // namespace pictavo
