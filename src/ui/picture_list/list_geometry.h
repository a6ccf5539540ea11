// Where the pictures of the list sit in its viewport, for the controls that float over them.
#pragma once

#include <QRect>

class QListView;

namespace pictavo {

// The thumbnail of the item at `row`, in viewport coordinates (already scrolled): the top
// of the item, the view's icon size, centred across the item. Empty for no such row.
QRect thumbnailRect(const QListView* view, int row);

// The first position whose item shows in the viewport; -1 for none.
int firstVisibleRow(const QListView* view);

}  // namespace pictavo
