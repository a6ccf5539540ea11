// The "我的项目" drop-down: new, open, save, save as. Its items are enabled afresh each time
// it opens, from the project as it is then.
#pragma once

class QAction;
class QMenu;
class QWidget;

namespace pictavo {

struct Project;

struct ProjectMenu {
  QMenu* menu = nullptr;
  QAction* newProject = nullptr;
  QAction* open = nullptr;
  QAction* save = nullptr;
  QAction* saveAs = nullptr;
};

ProjectMenu buildProjectMenu(QWidget* parent);

// "保存" needs pictures and unsaved changes; "另存为" needs pictures, a project file and no
// picture kept in the work folder (those only get a lasting place through "保存").
void updateProjectMenu(const ProjectMenu& menu, const Project& project);

}  // namespace pictavo
