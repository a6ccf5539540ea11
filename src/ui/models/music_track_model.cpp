#include "ui/models/music_track_model.h"

#include <cmath>

#include "app/qt_text.h"
#include "music/beat_cache.h"
#include "music/music_texts.h"
#include "project/project_model.h"

namespace pictavo {

MusicTrackModel::MusicTrackModel(const Project& project, QObject* parent)
    : QAbstractListModel(parent), project_(project) {}

int MusicTrackModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(project_.settings.musicTracks.size());
}

QVariant MusicTrackModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
  const MusicTrack& track = project_.settings.musicTracks[index.row()];
  QString line = fromCore(musicListLine(track));
  if (auto beats = cachedTrackBeats(track.path))
    line += beats->clear ? tr("     %1 BPM").arg(static_cast<int>(std::lround(beats->bpm)))
                         : tr("     无明显节拍");
  if (index.row() == triedRow_) line += tr(" 试听中");
  return line;
}

void MusicTrackModel::reload() {
  beginResetModel();
  endResetModel();
}

void MusicTrackModel::setTriedRow(int row) {
  int before = triedRow_;
  triedRow_ = row;
  for (int r : {before, row})
    if (r >= 0 && r < rowCount()) emit dataChanged(index(r), index(r), {Qt::DisplayRole});
}

}  // namespace pictavo
