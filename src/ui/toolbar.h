// The main window's toolbar: one action per button, in the order the user sees them, with
// their command numbers, tooltips, icons and the two buttons that open a drop-down menu.
#pragma once

#include <QList>

#include <vector>

class QAction;
class QMenu;
class QToolBar;
class QWidget;

namespace pictavo {

struct ToolbarActions {
  QAction* projects = nullptr;
  QAction* addPictures = nullptr;
  QAction* loadProduct = nullptr;
  QAction* removePictures = nullptr;
  QAction* importAnimation = nullptr;
  QAction* turnLeft = nullptr;
  QAction* turnRight = nullptr;
  QAction* moveLeft = nullptr;
  QAction* moveRight = nullptr;
  QAction* preview = nullptr;
  QAction* generate = nullptr;
  QAction* shortcut = nullptr;
  QAction* website = nullptr;
  QAction* about = nullptr;
  QAction* userGuide = nullptr;
  QAction* gifMode = nullptr;
  QAction* settings = nullptr;

  // Every button's action, left to right.
  QList<QAction*> all() const;
};

// Fills `bar`; the two menu buttons open `projectMenu` and `settingsMenu` when pressed.
ToolbarActions buildToolbar(QToolBar* bar, QMenu* projectMenu, QMenu* settingsMenu);

// Preview and generate follow the list; remove and turn follow the selection; move left
// (right) works while the first (last) picture is not among the selected positions
// (`selectedRows` ascending).
void updateToolbarEnabling(const ToolbarActions& actions, int pictureCount,
                           const std::vector<int>& selectedRows);

}  // namespace pictavo
