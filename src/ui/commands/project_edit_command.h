// The one way the window changes the project. Every change (an option, a picture command,
// pictures added by a load or an animation import, a new or opened project) runs on the live
// project and becomes one step of the undo history:
//
//   editProject(session, tr("图片左转"), [&](Project& p) { turnLeft(p, rows); });
//
// A change that lasts (a picture load whose pictures join the list as they arrive) opens a
// ProjectEdit at its start and finishes it at its end. Every edit ends with the automatic
// pause worked out again, so undo and redo give back exactly what the user saw, and the
// window only reads the project. A setting added to ProjectSettings is covered as it is.
#pragma once

#include <QString>
#include <QUndoCommand>

#include <functional>
#include <string>
#include <vector>

#include "project/project_model.h"

namespace pictavo {

class Session;

// The parts of a project that edits change (the picture limit is not one of them).
struct ProjectContent {
  std::vector<ImageItem> pictures;
  ProjectSettings settings;
  SizeList sizes;
  std::string path;

  static ProjectContent of(const Project& project);
  void applyTo(Project& project) const;
  bool operator==(const ProjectContent&) const = default;
};

// Edits that follow one another with the same merge id and change the same pictures
// (typing into the caption text of one selection, say) become one step.
enum class EditMerge { None = -1, CaptionText = 1 };

// One step: the project holds one side of the edit, the command the other; undo and redo
// exchange them. What the project holds when the step is left (a save's file name and the
// copies it made, say) is what comes back with it. Only a step that replaces the project
// (new, open) takes the project's file with it.
class ProjectEditCommand : public QUndoCommand {
 public:
  enum class File { Stays, Replaced };

  // `before`: the content before the edit; the project already holds the edited content.
  ProjectEditCommand(Project& project, ProjectContent before, const QString& text,
                     EditMerge merge = EditMerge::None, File file = File::Stays);

  void redo() override;
  void undo() override { exchange(); }
  int id() const override { return static_cast<int>(merge_); }
  bool mergeWith(const QUndoCommand* other) override;

 private:
  void exchange();

  Project& project_;
  ProjectContent other_;  // the side of the edit the project does not hold now
  std::vector<size_t> changedPictures_;  // rows the edit changed, for merging
  EditMerge merge_;
  File file_;
  bool done_ = true;  // the first redo (from push) finds the edit already made
};

// An edit in progress on the session's project: the content at its start is kept, and
// `finish` records everything changed since as one step.
class ProjectEdit {
 public:
  explicit ProjectEdit(Session& session);
  ProjectEdit(const ProjectEdit&) = delete;
  ProjectEdit& operator=(const ProjectEdit&) = delete;

  // Works out the automatic pause, then records the step named `text`. An edit that changed
  // nothing records nothing. Returns whether anything changed.
  bool finish(const QString& text, EditMerge merge = EditMerge::None,
              ProjectEditCommand::File file = ProjectEditCommand::File::Stays);

 private:
  Session& session_;
  ProjectContent before_;
};

// Runs `edit` on the session's project and records it as one undo step named `text`.
// Returns whether anything changed.
bool editProject(Session& session, const QString& text, const std::function<void(Project&)>& edit,
                 EditMerge merge = EditMerge::None);

// Puts `replacement` (a new or an opened project, with its file) in the project's place
// as one undo step.
bool replaceProject(Session& session, const QString& text, const Project& replacement);

// The pause rule every edit ends with: while music, the automatic pause time and tracks
// are all there the pause follows the music; otherwise the pause list's entry holds.
void followMusicWithPause(Project& project);

}  // namespace pictavo
