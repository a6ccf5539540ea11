#include "ui/commands/remove_pictures_command.h"

#include <QObject>

#include <algorithm>

namespace pictavo {

RemovePicturesCommand::RemovePicturesCommand(Project& project, std::vector<int> rows)
    : project_(project) {
  setText(QObject::tr("移除图片"));
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  for (int row : rows) {
    if (row >= 0 && row < static_cast<int>(project.pictures.size()))
      removed_.emplace_back(row, project.pictures[static_cast<size_t>(row)]);
  }
}

void RemovePicturesCommand::redo() {
  for (auto it = removed_.rbegin(); it != removed_.rend(); ++it)
    project_.pictures.erase(project_.pictures.begin() + it->first);
}

void RemovePicturesCommand::undo() {
  for (const auto& [row, item] : removed_) project_.pictures.insert(project_.pictures.begin() + row, item);
}

}  // namespace pictavo
