// The pictures of the project as a list for views: each row is one ImageItem of the session's
// project, read where it lives. The label is the picture's effect name and the decoration its
// thumbnail, which comes from the thumbnail cache (made off the main thread when missing).
#pragma once

#include <QAbstractListModel>

#include <string>

namespace pictavo {

struct Project;
class ThumbnailCache;

class PictureListModel : public QAbstractListModel {
  Q_OBJECT

 public:
  // The picture's full path (QString), for opening it.
  static constexpr int PathRole = Qt::UserRole + 1;

  explicit PictureListModel(const Project& project, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  // The project has changed (a command was done or undone). With as many pictures as
  // before the rows are only redrawn, so views keep their selection; otherwise reset.
  void reload();
  // `count` pictures have been inserted into the project at `first`.
  void picturesInserted(int first, int count);

  ThumbnailCache& thumbnails() const { return *thumbnails_; }

 private:
  void thumbnailReady(const std::string& path, int turnAngle);

  const Project& project_;
  ThumbnailCache* thumbnails_;
  int rows_ = 0;  // the rows the views know of; the project may be ahead until told
};

}  // namespace pictavo
