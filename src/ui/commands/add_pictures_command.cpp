#include "ui/commands/add_pictures_command.h"

#include <QObject>

namespace pictavo {

AddPicturesCommand::AddPicturesCommand(Project& project, std::vector<ImageItem> pictures)
    : project_(project), pictures_(std::move(pictures)) {
  setText(QObject::tr("添加图片"));
}

void AddPicturesCommand::redo() {
  project_.pictures.insert(project_.pictures.end(), pictures_.begin(), pictures_.end());
}

// The added pictures are the last ones: every later change is undone before this one.
void AddPicturesCommand::undo() {
  project_.pictures.resize(project_.pictures.size() - pictures_.size());
}

}  // namespace pictavo
