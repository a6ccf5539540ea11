// The picture list's context menu: its items in the order the user sees them, and which of
// them work for the list and selection at the moment it opens.
#pragma once

#include <QList>

class QAction;
class QMenu;
class QWidget;

namespace pictavo {

struct PictureListMenu {
  QMenu* menu = nullptr;
  QAction* add = nullptr;
  QAction* insert = nullptr;
  QAction* removeSelected = nullptr;
  QAction* removeAll = nullptr;
  QAction* randomOrder = nullptr;
  QAction* newEffectSet = nullptr;
  QAction* sameEffectForAll = nullptr;
  QAction* flushDiagonal = nullptr;
  QAction* flushCrossing = nullptr;
  QAction* insetDiagonal = nullptr;
  QAction* insetCrossing = nullptr;
  QAction* middleBottom = nullptr;
  QAction* setAsCover = nullptr;
  // The selected pictures' own motion: the first item follows the project's, the others are
  // the motions in the order of their numbers.
  QMenu* motionMenu = nullptr;
  QList<QAction*> motions;
  QAction* previewEffect = nullptr;
  QAction* undo = nullptr;
  QAction* redo = nullptr;

  // The five automatic caption placements, in menu order.
  QList<QAction*> captionPlacements() const;
};

PictureListMenu buildPictureListMenu(QWidget* parent);

struct MenuState {
  int pictureCount = 0;
  int selectedCount = 0;
  bool captionsOn = false;
  bool canUndo = false;
  bool canRedo = false;
};

void updatePictureListMenu(const PictureListMenu& menu, const MenuState& state);

}  // namespace pictavo
