// Removing pictures (the selected ones, or all) as one step of the undo history.
#pragma once

#include <QUndoCommand>

#include <utility>
#include <vector>

#include "project/project_model.h"

namespace pictavo {

class RemovePicturesCommand : public QUndoCommand {
 public:
  // `rows` in any order; rows outside the list are ignored.
  RemovePicturesCommand(Project& project, std::vector<int> rows);

  void redo() override;
  void undo() override;

 private:
  Project& project_;
  std::vector<std::pair<int, ImageItem>> removed_;  // ascending rows
};

}  // namespace pictavo
