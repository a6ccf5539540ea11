// The pictures of the project as a list for views: each row is one ImageItem of the session's
// project, read where it lives. The picture list view with icons and overlays builds on it.
#pragma once

#include <QAbstractListModel>

namespace pictavo {

struct Project;

class PictureListModel : public QAbstractListModel {
  Q_OBJECT

 public:
  explicit PictureListModel(const Project& project, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  // The project has changed as a whole (a command was done or undone).
  void reload();

 private:
  const Project& project_;
};

}  // namespace pictavo
