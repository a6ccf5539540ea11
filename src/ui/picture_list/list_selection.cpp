#include "ui/picture_list/list_selection.h"

#include <QItemSelectionModel>
#include <QListView>

#include <algorithm>

namespace pictavo {

std::vector<int> selectedRows(const QListView* view) {
  std::vector<int> rows;
  if (const QItemSelectionModel* selection = view->selectionModel()) {
    for (const QModelIndex& index : selection->selectedIndexes()) rows.push_back(index.row());
  }
  std::sort(rows.begin(), rows.end());
  return rows;
}

int focusedSelectedRow(const QListView* view) {
  const QItemSelectionModel* selection = view->selectionModel();
  if (selection == nullptr) return -1;
  QModelIndex current = selection->currentIndex();
  return current.isValid() && selection->isSelected(current) ? current.row() : -1;
}

void selectRows(QListView* view, const std::vector<int>& rows, int current) {
  QItemSelectionModel* selection = view->selectionModel();
  const QAbstractItemModel* model = view->model();
  if (selection == nullptr || model == nullptr) return;
  QItemSelection wanted;
  for (int row : rows) {
    QModelIndex index = model->index(row, 0);
    if (index.isValid()) wanted.select(index, index);
  }
  QModelIndex focus = model->index(current, 0);
  if (focus.isValid()) selection->setCurrentIndex(focus, QItemSelectionModel::NoUpdate);
  selection->select(wanted, QItemSelectionModel::ClearAndSelect);
}

}  // namespace pictavo
