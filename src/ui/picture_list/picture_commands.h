// The commands that edit the picture list, each one step of the undo history. They act on
// the list's selection and leave the selection on the same pictures (moved pictures keep
// theirs at their new places).
#pragma once

#include <QObject>

#include <functional>
#include <vector>

#include "project/picture_edits.h"

class QListView;

namespace pictavo {

class Session;

class PictureCommands : public QObject {
  Q_OBJECT

 public:
  PictureCommands(Session& session, QListView* view, QObject* parent);

  void turnLeft();
  void turnRight();
  void moveLeft();
  void moveRight();
  void randomOrder();
  void newEffectSet();
  void sameEffectForAll();
  void placeCaptions(CaptionPlacement placement);
  void removeSelected();
  void removeAll();
  void setAsCover();
  // The selected pictures' own motion (a Motion number), or kMotionOfProject.
  void setMotion(int motion);
  void setEffect(int row, int animationIndex);

 private:
  // Runs `change` as one undo step named `text`; then selects `rows` with `current` focused.
  void edit(const QString& text, const std::function<void(Project&)>& change,
            const std::vector<int>& rows, int current);
  // The same, keeping the selection as it is.
  void editKeepingSelection(const QString& text, const std::function<void(Project&)>& change);
  void move(const QString& text, bool left);
  void remove(const std::vector<int>& rows);

  Session& session_;
  QListView* view_;
};

}  // namespace pictavo
