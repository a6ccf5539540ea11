// The picture list's thumbnails, kept apart from the project: keyed by file and turn, so
// that moving, turning, shuffling, undo and redo find them again without remaking them.
// A thumbnail the cache lacks is made on a thread of its own by the core's list-icon code;
// `ready` says when it has arrived.
#pragma once

#include <QCache>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QPixmap>
#include <QSet>
#include <QString>
#include <QThreadPool>

#include <string>
#include <unordered_map>

namespace pictavo {

struct ListIcon;

class ThumbnailCache : public QObject {
  Q_OBJECT

 public:
  static constexpr int kSide = 144;

  explicit ThumbnailCache(QObject* parent = nullptr);
  // Waits for the thumbnails being made.
  ~ThumbnailCache() override;

  // The thumbnail of the GBK `path` turned by `turnAngle`; while it is being made, or when it
  // cannot be made, the file's last thumbnail at another angle (a turn that cannot be shown
  // keeps the old picture), else the neutral placeholder. Asks for a missing one.
  QPixmap thumbnail(const std::string& path, int turnAngle);
  // A thumbnail made elsewhere (while adding the picture).
  void store(const std::string& path, int turnAngle, const QImage& image);

  static QImage imageOf(const ListIcon& icon);

 signals:
  void ready(const std::string& path, int turnAngle);

 private:
  struct Key {
    std::string path;
    int turnAngle;
    bool operator==(const Key&) const = default;
  };
  friend size_t qHash(const Key& key, size_t seed) {
    return qHashMulti(
        seed, QByteArray::fromRawData(key.path.data(), static_cast<qsizetype>(key.path.size())),
        key.turnAngle);
  }

  void request(const Key& key);
  void arrived(const Key& key, const QImage& image);

  QCache<Key, QPixmap> pixmaps_;
  QSet<Key> pending_;
  QSet<Key> failed_;
  std::unordered_map<std::string, int> lastAngle_;  // per file, the angle of its newest thumbnail
  QPixmap placeholder_;
  QThreadPool pool_;
};

}  // namespace pictavo
