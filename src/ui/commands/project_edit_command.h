// One edit of the project's pictures or options as one step of the undo history. The edit
// runs once on the live project; the command keeps what it changed, before and after, so
// that undo and redo restore pictures, order, angles, effects, captions, labels and
// options exactly.
#pragma once

#include <QString>
#include <QUndoCommand>

#include <functional>
#include <vector>

#include "project/project_model.h"

namespace pictavo {

class Session;

// The parts of a project that edits in the window change.
struct ProjectContent {
  std::vector<ImageItem> pictures;
  ProjectSettings settings;
  SizeList sizes;

  static ProjectContent of(const Project& project);
  void applyTo(Project& project) const;
  bool operator==(const ProjectContent&) const = default;
};

// Edits that follow one another with the same merge id and change the same pictures
// (typing into the caption text of one selection, say) become one step.
enum class EditMerge { None = -1, CaptionText = 1 };

class ProjectEditCommand : public QUndoCommand {
 public:
  // `before` is the content before the edit; the project already holds the edited content.
  ProjectEditCommand(Project& project, ProjectContent before, const QString& text,
                     EditMerge merge = EditMerge::None);

  void redo() override;
  void undo() override;
  int id() const override { return static_cast<int>(merge_); }
  bool mergeWith(const QUndoCommand* other) override;

 private:
  Project& project_;
  ProjectContent before_;
  ProjectContent after_;
  std::vector<size_t> changedPictures_;  // rows the edit changed, for merging
  EditMerge merge_;
  bool done_ = true;  // the first redo (from push) finds the edit already made
};

// Runs `edit` on the session's project and records it as one undo step named `text`.
// An edit that changed nothing records nothing. Returns whether anything changed.
bool editProject(Session& session, const QString& text, const std::function<void(Project&)>& edit,
                 EditMerge merge = EditMerge::None);

}  // namespace pictavo
