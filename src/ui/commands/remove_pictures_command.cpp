#include "ui/commands/remove_pictures_command.h"

#include <QObject>

#include "project/picture_edits.h"

namespace pictavo {

RemovePicturesCommand::RemovePicturesCommand(Project& project, std::vector<int> rows)
    : project_(project), rows_(std::move(rows)), before_(project.pictures) {
  setText(QObject::tr("移除图片"));
}

void RemovePicturesCommand::redo() { removePictures(project_, rows_); }

void RemovePicturesCommand::undo() { project_.pictures = before_; }

}  // namespace pictavo
