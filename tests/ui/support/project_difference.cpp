#include "ui/support/project_difference.h"

#include <QStringList>

#include <algorithm>

#include "app/session.h"
#include "project/project_file.h"

namespace pictavo::test {
namespace {

std::string documentDifference(const Project& a, const Project& b) {
  QStringList before = QString::fromStdString(projectDocument(a)).split('\n');
  QStringList after = QString::fromStdString(projectDocument(b)).split('\n');
  std::string text;
  for (qsizetype i = 0; i < std::max(before.size(), after.size()); ++i) {
    QString x = before.value(i), y = after.value(i);
    if (x != y) text += "\n    - " + x.toStdString() + "\n    + " + y.toStdString();
  }
  return text;
}

// The fields the project file leaves out.
std::string fieldDifference(const Project& a, const Project& b) {
  std::string text;
  auto field = [&text](const char* name, bool same) {
    if (!same) text += std::string("\n    ") + name + " differs";
  };
  const ProjectSettings& x = a.settings;
  const ProjectSettings& y = b.settings;
  field("pause frames", x.pauseFrames == y.pauseFrames);
  field("pause text", x.customPauseText == y.customPauseText);
  field("tracks", x.musicTracks == y.musicTracks);
  field("settings", x == y);
  field("pictures", a.pictures == b.pictures);
  field("sizes", a.sizes == b.sizes);
  field("path", a.path == b.path);
  field("picture limit", a.maxPictures == b.maxPictures);
  return text;
}

}  // namespace

std::string projectDifference(const Project& a, const Project& b) {
  return documentDifference(a, b) + fieldDifference(a, b);
}

std::string undoThenRedoChange(Session& session) {
  QUndoStack& history = session.undoStack();
  Project before = session.project();
  std::string step = history.undoText().toStdString();
  history.undo();
  history.redo();
  std::string difference = projectDifference(before, session.project());
  return difference.empty() ? difference : "'" + step + "':" + difference;
}

}  // namespace pictavo::test
