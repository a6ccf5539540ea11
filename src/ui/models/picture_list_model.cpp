#include "ui/models/picture_list_model.h"

#include "app/qt_text.h"
#include "project/project_model.h"

namespace pictavo {

PictureListModel::PictureListModel(const Project& project, QObject* parent)
    : QAbstractListModel(parent), project_(project) {}

int PictureListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(project_.pictures.size());
}

QVariant PictureListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const ImageItem& item = project_.pictures[static_cast<size_t>(index.row())];
  switch (role) {
    case Qt::DisplayRole: return fromCore(item.fileName) + QLatin1Char('\n') + fromCore(item.animationName);
    case Qt::ToolTipRole: return fromCore(item.path);
    default: return {};
  }
}

void PictureListModel::reload() {
  beginResetModel();
  endResetModel();
}

}  // namespace pictavo
