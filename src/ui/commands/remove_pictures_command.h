// Removing pictures (the selected ones, or all) as one step of the undo history. When the
// first picture goes, the new first one gets "无动画"; undo brings back the pictures and
// that picture's effect exactly.
#pragma once

#include <QUndoCommand>

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
  std::vector<int> rows_;
  std::vector<ImageItem> before_;
};

}  // namespace pictavo
