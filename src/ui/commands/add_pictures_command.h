// Appending pictures that a worker has prepared, as one step of the undo history.
#pragma once

#include <QUndoCommand>

#include <vector>

#include "project/project_model.h"

namespace pictavo {

class AddPicturesCommand : public QUndoCommand {
 public:
  AddPicturesCommand(Project& project, std::vector<ImageItem> pictures);

  void redo() override;
  void undo() override;

 private:
  Project& project_;
  std::vector<ImageItem> pictures_;
};

}  // namespace pictavo
