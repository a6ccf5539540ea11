// The "文字" marks over the visible pictures that have a caption, each placed where that
// picture's caption sits. At most twelve show at a time, from the first visible picture,
// so a fixed set of labels serves any number of pictures.
#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QRect>

class QLabel;
class QListView;

namespace pictavo {

struct Project;

// The badge's top-left corner for a caption `location` (0..8; anything else sits in the
// middle, lower down) and caption `mode`, from the item's and its thumbnail's rectangles.
QPoint badgePosition(const QRect& item, const QRect& thumbnail, int location, int mode);

class CaptionBadges : public QObject {
  Q_OBJECT

 public:
  static constexpr int kVisibleAtMost = 12;

  CaptionBadges(QListView* view, const Project& project);

  // Shows the badges of the visible captioned pictures, when captions are on.
  void refresh();
  void hideAll();

 private:
  QListView* view_;
  const Project& project_;
  QList<QLabel*> labels_;
};

}  // namespace pictavo
