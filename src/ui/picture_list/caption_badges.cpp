#include "ui/picture_list/caption_badges.h"

#include <QLabel>
#include <QListView>

#include <algorithm>

#include "project/picture_edits.h"
#include "project/project_model.h"
#include "ui/picture_list/list_geometry.h"

namespace pictavo {
namespace {

constexpr int kBadgeWidth = 28;
constexpr int kBadgeHeight = 16;

QLabel* makeBadge(QWidget* parent) {
  auto* badge = new QLabel(QObject::tr("文字"), parent);
  badge->setObjectName(QStringLiteral("captionBadge"));
  badge->setAccessibleName(badge->text());
  badge->setAlignment(Qt::AlignCenter);
  // As wide as its word needs in a longer language.
  const int width = std::max(kBadgeWidth, badge->fontMetrics().horizontalAdvance(badge->text()) + 4);
  badge->setFixedSize(width, kBadgeHeight);
  badge->setStyleSheet(QStringLiteral("QLabel { color: white; background: black; }"));
  badge->setAttribute(Qt::WA_TransparentForMouseEvents);
  badge->hide();
  return badge;
}

}  // namespace

// Corners 0..3 sit at the thumbnail's edges, 5..8 a little further in; 4 is the middle at
// the bottom. A caption drawn in mode 2 sits 8 pixels further from its edge.
QPoint badgePosition(const QRect& item, const QRect& thumbnail, int location, int mode) {
  const int k = mode == 2 ? 8 : 0;
  const int left = thumbnail.left();
  const int right = thumbnail.left() + thumbnail.width();
  const int bottom = thumbnail.top() + thumbnail.height();
  int x = left + (thumbnail.width() - kBadgeWidth) / 2;
  if (location == 0 || location == 1) x = left + 1;
  if (location == 5 || location == 6) x = left + 7;
  if (location == 2 || location == 3) x = right - 33;
  if (location == 7 || location == 8) x = right - 39;
  int y = bottom - (18 - k);
  if (location == 0 || location == 2 || location == 5 || location == 7) y = item.top() + k + 8;
  if (location == 1 || location == 6) y = bottom - (k + 29);
  if (location == 3 || location == 4 || location == 8) y = bottom - (k + 28);
  return {x, y};
}

CaptionBadges::CaptionBadges(QListView* view, const Project& project)
    : QObject(view), view_(view), project_(project) {
  for (int i = 0; i < kVisibleAtMost; ++i) labels_ << makeBadge(view->viewport());
}

void CaptionBadges::refresh() {
  int used = 0;
  const int first = firstVisibleRow(view_);
  const int count = static_cast<int>(project_.pictures.size());
  if (project_.settings.captionsOn && first >= 0 && view_->model()->rowCount() == count) {
    for (int row = first; row < count && row < first + kVisibleAtMost; ++row) {
      const CaptionSpec& caption = project_.pictures[static_cast<size_t>(row)].caption;
      if (!captionShown(caption)) continue;
      QRect item = view_->visualRect(view_->model()->index(row, 0));
      QLabel* badge = labels_[used++];
      badge->move(badgePosition(item, thumbnailRect(view_, row), caption.location, caption.mode));
      badge->show();
      badge->raise();
    }
  }
  for (int i = used; i < labels_.size(); ++i) labels_[i]->hide();
}

void CaptionBadges::hideAll() {
  for (QLabel* badge : labels_) badge->hide();
}

}  // namespace pictavo
