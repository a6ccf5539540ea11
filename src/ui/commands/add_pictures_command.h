// Pictures added to the project (appended or inserted, by a load or an animation import) as
// one step of the undo history. The pictures are already in the project when the command
// is made: its first redo does nothing; undo gives back the list as it was before, redo
// the list with the pictures (including any effect or caption change the adding made).
#pragma once

#include <QUndoCommand>

#include <vector>

#include "project/project_model.h"

namespace pictavo {

class AddPicturesCommand : public QUndoCommand {
 public:
  // `before`: the picture list before the adding; the project holds the list after it.
  AddPicturesCommand(Project& project, std::vector<ImageItem> before);

  void redo() override;
  void undo() override;

 private:
  Project& project_;
  std::vector<ImageItem> before_;
  std::vector<ImageItem> after_;
  bool done_ = true;
};

}  // namespace pictavo
