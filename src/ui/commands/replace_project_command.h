// Replacing the whole project (new, open) as one step of the undo history: undoing it
// brings back the project as it was, pictures, options and file alike.
#pragma once

#include <QUndoCommand>

#include "project/project_model.h"

namespace pictavo {

class ReplaceProjectCommand : public QUndoCommand {
 public:
  ReplaceProjectCommand(Project& project, Project replacement, const QString& text);

  void redo() override { std::swap(project_, other_); }
  void undo() override { std::swap(project_, other_); }

 private:
  Project& project_;
  Project other_;  // the project not shown now
};

}  // namespace pictavo
