#include "ui/models/thumbnail_cache.h"

#include <QPainter>

#include "imaging/image.h"

namespace pictavo {
namespace {

// Room for a full list of pictures and some turned copies (about 80 KB each).
constexpr int kCachedThumbnails = 1200;

QPixmap makePlaceholder() {
  QPixmap pixmap(ThumbnailCache::kSide, ThumbnailCache::kSide);
  pixmap.fill(QColor(0xf0, 0xf0, 0xf0));
  QPainter painter(&pixmap);
  painter.setPen(QColor(0xd4, 0xd0, 0xc8));
  painter.drawRect(0, 0, ThumbnailCache::kSide - 1, ThumbnailCache::kSide - 1);
  return pixmap;
}

}  // namespace

ThumbnailCache::ThumbnailCache(QObject* parent)
    : QObject(parent), pixmaps_(kCachedThumbnails), placeholder_(makePlaceholder()) {}

ThumbnailCache::~ThumbnailCache() {
  pool_.clear();
  pool_.waitForDone();
}

QImage ThumbnailCache::imageOf(const ListIcon& icon) {
  if (icon.width <= 0 || icon.height <= 0) return {};
  QImage view(icon.rgba.data(), icon.width, icon.height, icon.width * 4, QImage::Format_RGBA8888);
  return view.copy();
}

QPixmap ThumbnailCache::thumbnail(const std::string& path, int turnAngle) {
  Key key{path, turnAngle};
  if (QPixmap* pixmap = pixmaps_.object(key)) return *pixmap;
  if (!failed_.contains(key)) request(key);
  auto last = lastAngle_.find(path);
  if (last != lastAngle_.end())
    if (QPixmap* older = pixmaps_.object(Key{path, last->second})) return *older;
  return placeholder_;
}

void ThumbnailCache::store(const std::string& path, int turnAngle, const QImage& image) {
  arrived(Key{path, turnAngle}, image);
}

void ThumbnailCache::request(const Key& key) {
  if (pending_.contains(key)) return;
  pending_.insert(key);
  pool_.start([this, key] {
    ListIcon icon;
    QImage image;
    if (makeListIcon(key.path, kSide, kSide, key.turnAngle, &icon) == kIconMade)
      image = imageOf(icon);
    // Delivered on the cache's thread; dropped if the cache is gone by then.
    QMetaObject::invokeMethod(
        this, [this, key, image] { arrived(key, image); }, Qt::QueuedConnection);
  });
}

void ThumbnailCache::arrived(const Key& key, const QImage& image) {
  pending_.remove(key);
  if (image.isNull()) {
    failed_.insert(key);
  } else {
    failed_.remove(key);
    pixmaps_.insert(key, new QPixmap(QPixmap::fromImage(image)));
    lastAngle_[key.path] = key.turnAngle;
  }
  emit ready(key.path, key.turnAngle);
}

}  // namespace pictavo
