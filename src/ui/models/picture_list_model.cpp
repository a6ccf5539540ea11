#include "ui/models/picture_list_model.h"

#include "app/qt_text.h"
#include "effects/effect_names.h"
#include "project/project_model.h"
#include "ui/models/thumbnail_cache.h"
#include "ui/panels/motion_controls.h"

namespace pictavo {

PictureListModel::PictureListModel(const Project& project, QObject* parent)
    : QAbstractListModel(parent),
      project_(project),
      thumbnails_(new ThumbnailCache(this)),
      rows_(static_cast<int>(project.pictures.size())) {
  connect(thumbnails_, &ThumbnailCache::ready, this, &PictureListModel::thumbnailReady);
}

int PictureListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

QVariant PictureListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rows_ ||
      index.row() >= static_cast<int>(project_.pictures.size()))
    return {};
  const ImageItem& item = project_.pictures[static_cast<size_t>(index.row())];
  switch (role) {
    case Qt::DisplayRole:
      // A picture with its own motion says which, so the list shows where it differs.
      if (item.motion >= 0 && item.motion < kMotionCount)
        return fromCore(effectShownName(item.animationName)) + QStringLiteral(" · ") +
               MotionControls::motionNames()[item.motion];
      return fromCore(effectShownName(item.animationName));
    case Qt::DecorationRole:
      return thumbnails_->thumbnail(item.path, item.turnAngle);
    case Qt::ToolTipRole:
      return fromCore(item.fileName);
    case PathRole:
      return fromCore(item.path);
    default:
      return {};
  }
}

void PictureListModel::reload() {
  int count = static_cast<int>(project_.pictures.size());
  if (count == rows_) {
    if (count > 0) emit dataChanged(index(0), index(count - 1));
    return;
  }
  beginResetModel();
  rows_ = count;
  endResetModel();
}

void PictureListModel::picturesInserted(int first, int count) {
  if (count <= 0) return;
  beginInsertRows(QModelIndex(), first, first + count - 1);
  rows_ += count;
  endInsertRows();
}

void PictureListModel::thumbnailReady(const std::string& path, int turnAngle) {
  int rows = std::min(rows_, static_cast<int>(project_.pictures.size()));
  for (int row = 0; row < rows; ++row) {
    const ImageItem& item = project_.pictures[static_cast<size_t>(row)];
    if (item.turnAngle == turnAngle && item.path == path)
      emit dataChanged(index(row), index(row), {Qt::DecorationRole});
  }
}

}  // namespace pictavo
