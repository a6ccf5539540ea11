#include "ui/commands/add_pictures_command.h"

#include <QObject>

namespace pictavo {

AddPicturesCommand::AddPicturesCommand(Project& project, std::vector<ImageItem> before)
    : project_(project), before_(std::move(before)), after_(project.pictures) {
  setText(QObject::tr("添加图片"));
}

void AddPicturesCommand::redo() {
  if (done_) {
    done_ = false;
    return;
  }
  project_.pictures = after_;
}

void AddPicturesCommand::undo() { project_.pictures = before_; }

}  // namespace pictavo
