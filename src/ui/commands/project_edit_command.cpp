#include "ui/commands/project_edit_command.h"

#include <algorithm>

#include "app/session.h"
#include "video/auto_pause.h"

namespace pictavo {

ProjectContent ProjectContent::of(const Project& project) {
  return {project.pictures, project.settings, project.sizes, project.path};
}

void ProjectContent::applyTo(Project& project) const {
  project.pictures = pictures;
  project.settings = settings;
  project.sizes = sizes;
  project.path = path;
}

namespace {

// The rows whose picture differs; every row when the number of pictures changed.
std::vector<size_t> changedRows(const ProjectContent& before, const Project& after) {
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
                                       const QString& text, EditMerge merge, File file)
    : QUndoCommand(text),
      project_(project),
      other_(std::move(before)),
      changedPictures_(changedRows(other_, project)),
      merge_(merge),
      file_(file) {}

void ProjectEditCommand::redo() {
  if (done_) {
    done_ = false;
    return;
  }
  exchange();
}

void ProjectEditCommand::exchange() {
  ProjectContent shown = ProjectContent::of(project_);
  if (file_ == File::Stays) other_.path = shown.path;
  other_.applyTo(project_);
  other_ = std::move(shown);
}

// The merged step keeps the content before the first edit; the project holds the last.
bool ProjectEditCommand::mergeWith(const QUndoCommand* other) {
  auto* next = dynamic_cast<const ProjectEditCommand*>(other);
  if (next == nullptr || merge_ == EditMerge::None || next->merge_ != merge_ ||
      next->changedPictures_ != changedPictures_)
    return false;
  // Typing that brings the content back to where it started leaves no step behind.
  if (ProjectContent::of(project_) == other_) setObsolete(true);
  return true;
}

ProjectEdit::ProjectEdit(Session& session)
    : session_(session), before_(ProjectContent::of(session.project())) {}

bool ProjectEdit::finish(const QString& text, EditMerge merge, ProjectEditCommand::File file) {
  Project& project = session_.project();
  followMusicWithPause(project);
  if (ProjectContent::of(project) == before_) return false;
  session_.undoStack().push(new ProjectEditCommand(project, std::move(before_), text, merge, file));
  return true;
}

bool editProject(Session& session, const QString& text, const std::function<void(Project&)>& edit,
                 EditMerge merge) {
  ProjectEdit step(session);
  edit(session.project());
  return step.finish(text, merge);
}

bool replaceProject(Session& session, const QString& text, const Project& replacement) {
  ProjectEdit step(session);
  ProjectContent::of(replacement).applyTo(session.project());
  return step.finish(text, EditMerge::None, ProjectEditCommand::File::Replaced);
}

void followMusicWithPause(Project& project) {
  ProjectSettings& s = project.settings;
  if (autoPauseApplies(s))
    autoPauseTime(project);
  else if (!s.customPauseText.empty())
    s.selectPause(s.pauseIndex);
}

}  // namespace pictavo
