#include "ui/commands/project_edit_command.h"

#include <algorithm>

#include "app/session.h"

namespace pictavo {

ProjectContent ProjectContent::of(const Project& project) {
  return {project.pictures, project.settings, project.sizes};
}

void ProjectContent::applyTo(Project& project) const {
  project.pictures = pictures;
  project.settings = settings;
  project.sizes = sizes;
}

namespace {

// The rows whose picture differs; every row when the number of pictures changed.
std::vector<size_t> changedRows(const ProjectContent& before, const ProjectContent& after) {
  std::vector<size_t> rows;
  size_t count = std::max(before.pictures.size(), after.pictures.size());
  for (size_t row = 0; row < count; ++row) {
    if (before.pictures.size() != after.pictures.size() ||
        !(before.pictures[row] == after.pictures[row]))
      rows.push_back(row);
  }
  return rows;
}

}  // namespace

ProjectEditCommand::ProjectEditCommand(Project& project, ProjectContent before,
                                       const QString& text, EditMerge merge)
    : QUndoCommand(text),
      project_(project),
      before_(std::move(before)),
      after_(ProjectContent::of(project)),
      changedPictures_(changedRows(before_, after_)),
      merge_(merge) {}

void ProjectEditCommand::redo() {
  if (done_) {
    done_ = false;
    return;
  }
  after_.applyTo(project_);
}

void ProjectEditCommand::undo() { before_.applyTo(project_); }

bool ProjectEditCommand::mergeWith(const QUndoCommand* other) {
  auto* next = dynamic_cast<const ProjectEditCommand*>(other);
  if (next == nullptr || merge_ == EditMerge::None || next->merge_ != merge_ ||
      next->changedPictures_ != changedPictures_)
    return false;
  after_ = next->after_;
  // Typing that brings the content back to where it started leaves no step behind.
  if (after_ == before_) setObsolete(true);
  return true;
}

bool editProject(Session& session, const QString& text, const std::function<void(Project&)>& edit,
                 EditMerge merge) {
  Project& project = session.project();
  ProjectContent before = ProjectContent::of(project);
  edit(project);
  if (ProjectContent::of(project) == before) return false;
  session.undoStack().push(new ProjectEditCommand(project, std::move(before), text, merge));
  return true;
}

}  // namespace pictavo
