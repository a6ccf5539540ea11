#include "ui/picture_list/list_geometry.h"

#include <QListView>

namespace pictavo {

QRect thumbnailRect(const QListView* view, int row) {
  QRect item = view->visualRect(view->model()->index(row, 0));
  if (!item.isValid()) return {};
  QSize icon = view->iconSize();
  int width = qMin(icon.width(), item.width());
  return {item.left() + (item.width() - width) / 2, item.top(), width,
          qMin(icon.height(), item.height())};
}

// The hit test at the viewport's top-left corner finds it at once unless that point falls
// between two items; the walk from the start covers that.
int firstVisibleRow(const QListView* view) {
  QModelIndex corner = view->indexAt(QPoint(2, 2));
  if (corner.isValid()) return corner.row();
  const QRect area = view->viewport()->rect();
  int count = view->model() ? view->model()->rowCount() : 0;
  for (int row = 0; row < count; ++row) {
    if (view->visualRect(view->model()->index(row, 0)).intersects(area)) return row;
  }
  return -1;
}

}  // namespace pictavo
