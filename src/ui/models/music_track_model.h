// The project's background-music tracks as a list for the music panel: one line per track,
// read where the track lives, its tempo once its beats are known, and the mark on the line
// being tried out.
#pragma once

#include <QAbstractListModel>

namespace pictavo {

struct Project;

class MusicTrackModel : public QAbstractListModel {
  Q_OBJECT

 public:
  explicit MusicTrackModel(const Project& project, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  // The tracks have changed as a whole.
  void reload();

  // The line that carries " 试听中"; -1 for none.
  int triedRow() const { return triedRow_; }
  void setTriedRow(int row);

 private:
  const Project& project_;
  int triedRow_ = -1;
};

}  // namespace pictavo
